// The application shell: start state, the fixed main window, the activity switch, documents
// by File New, File Open, the recent-file list and dropped files, About, and the registry.
#include "GuiHarness.h"
#include <shlobj.h>
#include <string>
#include <vector>
#include "FudatoriView.h"
#include "KasumioriApp.h"
#include "KasumioriDoc.h"
#include "KasumioriView.h"
#include "ChildFrm.h"
#include "MainFrm.h"
#include "MciProbe.h"

namespace
{
HWND MainHwnd()
{
    return gui::MainFrame()->GetSafeHwnd();
}

HWND MdiClient()
{
    return ::FindWindowExW(MainHwnd(), nullptr, L"MDIClient", nullptr);
}

std::vector<HWND> ChildFrames()
{
    std::vector<HWND> aFrames;
    for (HWND h = ::GetWindow(MdiClient(), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        if (::IsWindow(h) && ::GetWindow(h, GW_OWNER) == nullptr)
            aFrames.push_back(h);
    return aFrames;
}

CDocument* ActiveDocument()
{
    CView* pView = gui::ActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

std::wstring WindowText(HWND h)
{
    wchar_t sz[512] = {};
    ::GetWindowTextW(h, sz, 512);
    return sz;
}

// Texts of the popups of a menu bar (items without a submenu, e.g. MDI buttons, are skipped).
std::vector<std::wstring> PopupTexts(HMENU hMenu)
{
    std::vector<std::wstring> aTexts;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        if (::GetSubMenu(hMenu, i) == nullptr)
            continue;
        wchar_t sz[256] = {};
        ::GetMenuStringW(hMenu, i, sz, 256, MF_BYPOSITION);
        aTexts.push_back(sz);
    }
    return aTexts;
}

HMENU FindSubMenu(HMENU hMenu, const wchar_t* pszText)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        wchar_t sz[256] = {};
        ::GetMenuStringW(hMenu, i, sz, 256, MF_BYPOSITION);
        if (::GetSubMenu(hMenu, i) != nullptr && std::wstring(sz) == pszText)
            return ::GetSubMenu(hMenu, i);
    }
    return nullptr;
}

struct Placement
{
    RECT rc;
    LONG nStyle;
};

Placement MainPlacement()
{
    Placement p;
    ::GetWindowRect(MainHwnd(), &p.rc);
    p.nStyle = ::GetWindowLongW(MainHwnd(), GWL_STYLE);
    return p;
}

// The window's size, and that it is centred on the screen (or on its work area).
void ExpectSizeAndCentred(const RECT& rc, int nWidth, int nHeight)
{
    EXPECT_EQ(nWidth, rc.right - rc.left);
    EXPECT_EQ(nHeight, rc.bottom - rc.top);
    RECT rcScreen;
    ::GetWindowRect(::GetDesktopWindow(), &rcScreen);
    RECT rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    auto centredIn = [&](const RECT& r) {
        const int dx = (rc.left + rc.right) - (r.left + r.right);
        const int dy = (rc.top + rc.bottom) - (r.top + r.bottom);
        return dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2;
    };
    EXPECT_TRUE(centredIn(rcScreen) || centredIn(rcWork))
        << "window at " << rc.left << "," << rc.top << " size " << nWidth << "x" << nHeight
        << ", screen " << rcScreen.right << "x" << rcScreen.bottom;
}

// What the program showed right after its start, before any test touched it.
struct StartState
{
    bool bRecorded = false;
    Placement main = {};
    std::wstring strCaption;
    size_t nChildFrames = 0;
    LONG nChildStyle = 0;
    bool bPracticeView = false;
    bool bChildZoomed = false;
    HMENU hMenu = nullptr;
    std::vector<std::wstring> aMenuTexts;
    int nOpenDocuments = 0;
};
StartState g_start;

class StartStateRecorder : public ::testing::Environment
{
public:
    void SetUp() override
    {
        gui::PumpMessages();
        g_start.main = MainPlacement();
        g_start.strCaption = WindowText(MainHwnd());
        const std::vector<HWND> aFrames = ChildFrames();
        g_start.nChildFrames = aFrames.size();
        if (!aFrames.empty())
        {
            g_start.nChildStyle = ::GetWindowLongW(aFrames[0], GWL_STYLE);
            g_start.bChildZoomed = ::IsZoomed(aFrames[0]) != FALSE;
        }
        g_start.bPracticeView = gui::ActiveViewAs<CKasumioriView>() != nullptr;
        g_start.hMenu = ::GetMenu(MainHwnd());
        g_start.aMenuTexts = PopupTexts(g_start.hMenu);
        g_start.nOpenDocuments = AfxGetApp()->GetOpenDocumentCount();
        g_start.bRecorded = true;
    }
};
::testing::Environment* const g_pStartEnv = ::testing::AddGlobalTestEnvironment(new StartStateRecorder);

const std::vector<std::wstring> kDocumentMenu = {L"ファイル(&F)", L"切り替え(&C)", L"ヘルプ(&H)"};
const std::vector<std::wstring> kMainMenu = {L"ファイル(&F)", L"表示(&V)", L"ヘルプ(&H)"};

// Every test starts from one practice document in its frame, the main window in practice size.
class ShellTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxGetApp()->CloseAllDocuments(FALSE);
        gui::PumpMessages();
        gui::SendCommand(ID_FILE_NEW);
        gui::SendCommand(ID_SWITCH_PRACTICE);
        ASSERT_EQ(1u, ChildFrames().size());
        ASSERT_NE(nullptr, gui::ActiveViewAs<CKasumioriView>());
    }

    void TearDown() override
    {
        gui::PumpMessages();
    }
};

TEST(ShellStartTest, MainWindowWithOnePracticeFrame)
{
    ASSERT_TRUE(g_start.bRecorded);
    ExpectSizeAndCentred(g_start.main.rc, 500, 510);
    EXPECT_TRUE(g_start.main.nStyle & WS_SYSMENU);
    EXPECT_EQ(static_cast<LONG>(WS_CAPTION), g_start.main.nStyle & WS_CAPTION);
    EXPECT_FALSE(g_start.main.nStyle & WS_THICKFRAME);
    EXPECT_FALSE(g_start.main.nStyle & WS_MINIMIZEBOX);
    EXPECT_FALSE(g_start.main.nStyle & WS_MAXIMIZEBOX);
    EXPECT_TRUE(g_start.main.nStyle & WS_VISIBLE);
    EXPECT_EQ(L"Kasumiori", g_start.strCaption);   // no document name is added

    EXPECT_EQ(1, g_start.nOpenDocuments);
    EXPECT_EQ(1u, g_start.nChildFrames);
    EXPECT_TRUE(g_start.bPracticeView);
    EXPECT_TRUE(g_start.bChildZoomed);
    EXPECT_FALSE(g_start.nChildStyle & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(static_cast<LONG>(WS_CAPTION), g_start.nChildStyle & WS_CAPTION);

    EXPECT_EQ(theApp.m_pPracticeTemplate->m_hMenuShared, g_start.hMenu);
    EXPECT_EQ(kDocumentMenu, g_start.aMenuTexts);
}

TEST(ShellStartTest, RegistryAfterStart)
{
    // The stored main-window rectangle is overwritten by the integer 0 at every start.
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_CURRENT_USER,
                                             L"Software\\Nagikobo\\Kasumiori\\Workspace\\WindowPlacement",
                                             0, KEY_READ, &hKey));
    DWORD dwType = 0, dwValue = 0xFFFF, cb = sizeof(dwValue);
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExW(hKey, L"MainWindowRect", nullptr, &dwType,
                                                reinterpret_cast<BYTE*>(&dwValue), &cb));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), dwType);
    EXPECT_EQ(0u, dwValue);
    ::RegCloseKey(hKey);

    // ".csv" belongs to the document type, registered per user.
    wchar_t sz[256] = {};
    LONG cbText = sizeof(sz);
    ASSERT_EQ(ERROR_SUCCESS, ::RegQueryValueW(HKEY_CURRENT_USER, L"Software\\Classes\\.csv", sz, &cbText));
    EXPECT_STREQ(L"Kasumiori.Document", sz);
    cbText = sizeof(sz);
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueW(HKEY_CURRENT_USER,
                                              L"Software\\Classes\\Kasumiori.Document\\shell\\open\\command",
                                              sz, &cbText));
}

TEST_F(ShellTest, SwitchResizesAndKeepsTheDocument)
{
    CDocument* pDoc = ActiveDocument();
    ASSERT_NE(nullptr, pDoc);

    gui::SendCommand(ID_SWITCH_FUDATORI);
    ExpectSizeAndCentred(MainPlacement().rc, 1020, 730);
    EXPECT_EQ(1u, ChildFrames().size());
    ASSERT_NE(nullptr, gui::ActiveViewAs<CFudatoriView>());
    EXPECT_EQ(pDoc, ActiveDocument());
    EXPECT_EQ(theApp.m_pFudatoriTemplate->m_hMenuShared, ::GetMenu(MainHwnd()));
    EXPECT_EQ(kDocumentMenu, PopupTexts(::GetMenu(MainHwnd())));
    EXPECT_TRUE(::IsZoomed(ChildFrames().at(0)));

    gui::SendCommand(ID_SWITCH_PRACTICE);
    ExpectSizeAndCentred(MainPlacement().rc, 500, 510);
    EXPECT_EQ(1u, ChildFrames().size());
    ASSERT_NE(nullptr, gui::ActiveViewAs<CKasumioriView>());
    EXPECT_EQ(pDoc, ActiveDocument());
    EXPECT_EQ(theApp.m_pPracticeTemplate->m_hMenuShared, ::GetMenu(MainHwnd()));

    // The document keeps exactly one view through all of it.
    int nViews = 0;
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr; pDoc->GetNextView(pos))
        ++nViews;
    EXPECT_EQ(1, nViews);
}

TEST_F(ShellTest, SameActivityAgainStartsItAfresh)
{
    CKasumioriView* pView = gui::ActiveViewAs<CKasumioriView>();
    CKasumioriDoc* pDoc = static_cast<CKasumioriDoc*>(ActiveDocument());
    HWND hOldFrame = ChildFrames().at(0);
    pView->m_nCurPoem = 42;
    pDoc->m_aPoem[3].m_strMeaning = "scribbled";

    gui::SendCommand(ID_SWITCH_PRACTICE);
    ASSERT_EQ(1u, ChildFrames().size());
    EXPECT_FALSE(::IsWindow(hOldFrame));
    CKasumioriView* pNew = gui::ActiveViewAs<CKasumioriView>();
    ASSERT_NE(nullptr, pNew);
    EXPECT_EQ(0, pNew->m_nCurPoem);
    // The new practice view refilled the table.
    EXPECT_STRNE("scribbled", pDoc->m_aPoem[3].m_strMeaning);

    gui::SendCommand(ID_SWITCH_FUDATORI);
    HWND hFudatoriFrame = ChildFrames().at(0);
    gui::SendCommand(ID_SWITCH_FUDATORI);
    EXPECT_EQ(1u, ChildFrames().size());
    EXPECT_FALSE(::IsWindow(hFudatoriFrame));
    ExpectSizeAndCentred(MainPlacement().rc, 1020, 730);
}

TEST_F(ShellTest, SwitchWhoseFrameCannotBeMadeStillDropsTheOldViewAndResizes)
{
    // A template whose view class cannot be created gives no new frame.
    CMultiDocTemplate* pBroken = new CMultiDocTemplate(IDR_FudatoriTYPE, RUNTIME_CLASS(CKasumioriDoc),
                                                       RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CView));
    CMultiDocTemplate* pSaved = theApp.m_pFudatoriTemplate;
    theApp.m_pFudatoriTemplate = pBroken;
    HWND hOldFrame = ChildFrames().at(0);
    {
        gui::BoxAnswerer answerer;
        gui::SendCommand(ID_SWITCH_FUDATORI);
    }
    theApp.m_pFudatoriTemplate = pSaved;
    delete pBroken;

    EXPECT_FALSE(::IsWindow(hOldFrame));
    EXPECT_TRUE(ChildFrames().empty());
    EXPECT_EQ(0, AfxGetApp()->GetOpenDocumentCount());   // the document without a view is closed
    ExpectSizeAndCentred(MainPlacement().rc, 1020, 730);
}

TEST_F(ShellTest, SwitchStopsThePlayingRecording)
{
    CKasumioriDoc* pDoc = static_cast<CKasumioriDoc*>(ActiveDocument());
    gui::ScopedTempDir dir;
    dir.WriteFile("yomi\\hy0010.wav", gui::MakeWave(5000));
    pDoc->m_strBaseDir = dir.BaseFolder();
    pDoc->OpenReadingAudio(0, 1);
    const MCIDEVICEID nID = pDoc->m_nMciDeviceID;
    ASSERT_NE(0u, nID);
    MCI_PLAY_PARMS play = {};
    mciSendCommandW(nID, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&play));
    ASSERT_TRUE(mciprobe::IsPlaying(nID));

    gui::SendCommand(ID_SWITCH_FUDATORI);
    EXPECT_EQ(0u, mciprobe::DeviceMode(nID)) << "the device is still open after the switch";
    EXPECT_EQ(0u, pDoc->m_nMciDeviceID);   // the new view cleared it
}

TEST_F(ShellTest, FileNewByAcceleratorAddsAPracticeDocument)
{
    gui::BoxAnswerer answerer;
    CDocument* pFirst = ActiveDocument();
    BYTE abKeys[256];
    ::GetKeyboardState(abKeys);
    BYTE abCtrl[256];
    memcpy(abCtrl, abKeys, sizeof(abCtrl));
    abCtrl[VK_CONTROL] = abCtrl[VK_LCONTROL] = 0x80;
    ::SetKeyboardState(abCtrl);
    HWND hTarget = ::GetFocus() != nullptr ? ::GetFocus() : MainHwnd();
    ::PostMessageW(hTarget, WM_KEYDOWN, 'N', 1);
    gui::PumpUntil([] { return AfxGetApp()->GetOpenDocumentCount() == 2; }, 3000);
    ::SetKeyboardState(abKeys);
    gui::PumpMessages();

    EXPECT_EQ(2, AfxGetApp()->GetOpenDocumentCount());
    EXPECT_EQ(2u, ChildFrames().size());
    EXPECT_NE(nullptr, gui::ActiveViewAs<CKasumioriView>());
    EXPECT_NE(pFirst, ActiveDocument());
    EXPECT_TRUE(answerer.m_aSeen.empty()) << "File New asked something";
    ExpectSizeAndCentred(MainPlacement().rc, 500, 510);
}

TEST_F(ShellTest, FileCloseWithoutAskingThenTheMainMenu)
{
    gui::BoxAnswerer answerer;
    gui::SendCommand(ID_FILE_CLOSE);
    EXPECT_TRUE(answerer.m_aSeen.empty()) << "closing asked something";
    EXPECT_EQ(0, AfxGetApp()->GetOpenDocumentCount());
    EXPECT_TRUE(ChildFrames().empty());

    HMENU hMenu = ::GetMenu(MainHwnd());
    EXPECT_EQ(kMainMenu, PopupTexts(hMenu));

    // The application-look radio sits on the stored look (214 when nothing is stored).
    HMENU hView = FindSubMenu(hMenu, L"表示(&V)");
    ASSERT_NE(nullptr, hView);
    HMENU hLook = FindSubMenu(hView, L"アプリケーションの外観(&A)");
    ASSERT_NE(nullptr, hLook);
    ::SendMessageW(MainHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hLook), 2);
    HMENU hOffice2007 = FindSubMenu(hLook, L"Office 2007(&7)");
    ASSERT_NE(nullptr, hOffice2007);
    ::SendMessageW(MainHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hOffice2007), 5);
    const UINT nLook = static_cast<UINT>(theApp.GetInt("ApplicationLook", ID_VIEW_APPLOOK_VS_2005));
    EXPECT_EQ(nLook, theApp.m_nAppLook);
    for (UINT nID = ID_VIEW_APPLOOK_WIN_2000; nID <= ID_VIEW_APPLOOK_OFF_2007_AQUA; ++nID)
    {
        MENUITEMINFOW mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_STATE | MIIM_FTYPE;
        ASSERT_TRUE(::GetMenuItemInfoW(hMenu, nID, FALSE, &mii)) << nID;
        EXPECT_EQ(nID == nLook, (mii.fState & MFS_CHECKED) != 0) << nID;
        if (nID == nLook)
        {
            EXPECT_TRUE(mii.fType & MFT_RADIOCHECK) << nID;
        }
    }

    // Choosing a look changes nothing.
    const Placement before = MainPlacement();
    gui::SendCommand(ID_VIEW_APPLOOK_OFF_XP);
    EXPECT_EQ(nLook, theApp.m_nAppLook);
    const Placement after = MainPlacement();
    EXPECT_TRUE(::EqualRect(&before.rc, &after.rc));
    EXPECT_EQ(before.nStyle, after.nStyle);
    EXPECT_TRUE(ChildFrames().empty());

    // The switch does nothing without a document.
    gui::SendCommand(ID_SWITCH_FUDATORI);
    EXPECT_TRUE(ChildFrames().empty());
    EXPECT_EQ(0, AfxGetApp()->GetOpenDocumentCount());

    // The recent-file item is there (greyed while the list is empty).
    MENUITEMINFOW mru = {};
    mru.cbSize = sizeof(mru);
    mru.fMask = MIIM_STATE;
    HMENU hFile = FindSubMenu(hMenu, L"ファイル(&F)");
    ASSERT_NE(nullptr, hFile);
    ::SendMessageW(MainHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
    EXPECT_TRUE(::GetMenuItemInfoW(hFile, ID_FILE_MRU_FILE1, FALSE, &mru));
}

// Opens the About box and closes it with what closeIt does while it is shown.
void RunAbout(const std::function<void(HWND)>& closeIt, std::vector<gui::SeenBox>& aSeen,
              std::wstring& strVersionLine)
{
    gui::BoxAnswerer answerer(0xFFF0);   // a button that does not exist: closeIt must do it
    static bool s_bFallback;
    s_bFallback = false;
    UINT_PTR nFallbackTimer = 0;
    answerer.m_onShow = [&](HWND hDlg) {
        wchar_t sz[256] = {};
        for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        {
            ::GetWindowTextW(h, sz, 256);
            if (std::wstring(sz).find(L"Version") != std::wstring::npos)
                strVersionLine = sz;
        }
        closeIt(hDlg);
        // Should closing fail, OK ends the box after a while so that the test does not hang.
        nFallbackTimer = ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            HWND hBox = ::FindWindowW(L"#32770", L"バージョン情報");
            if (hBox != nullptr)
            {
                s_bFallback = true;
                ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
            }
        });
    };
    gui::SendCommand(ID_APP_ABOUT);
    if (nFallbackTimer != 0)
        ::KillTimer(nullptr, nFallbackTimer);
    aSeen = answerer.m_aSeen;
    EXPECT_FALSE(s_bFallback) << "the About box did not close";
    EXPECT_EQ(nullptr, ::FindWindowW(L"#32770", L"バージョン情報"));
}

TEST_F(ShellTest, AboutBoxClosesWithOkEscapeAndTheCloseBox)
{
    const std::vector<std::pair<const char*, std::function<void(HWND)>>> ways = {
        {"OK", [](HWND h) { ::PostMessageW(::GetDlgItem(h, IDOK), BM_CLICK, 0, 0); }},
        {"Escape", [](HWND h) {
             HWND hFocus = ::GetFocus() != nullptr ? ::GetFocus() : h;
             ::PostMessageW(hFocus, WM_KEYDOWN, VK_ESCAPE, 1);
         }},
        {"close box", [](HWND h) { ::PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways)
    {
        SCOPED_TRACE(way.first);
        std::vector<gui::SeenBox> aSeen;
        std::wstring strVersion;
        RunAbout(way.second, aSeen, strVersion);
        ASSERT_EQ(1u, aSeen.size());
        EXPECT_STREQ("バージョン情報", aSeen[0].strCaption);
        EXPECT_TRUE(aSeen[0].bHasIcon);
        EXPECT_EQ(std::vector<int>{IDOK}, aSeen[0].aButtons);
        EXPECT_EQ(L"Kasumiori, Version 1.0.2.0", strVersion);
        EXPECT_EQ(aSeen[0].hOwner, MainHwnd());
    }
}

class ShellFileTest : public ShellTest
{
protected:
    CString Path(const char* pszName) const
    {
        return m_dir.Path() + "\\" + pszName;
    }

    gui::ScopedTempDir m_dir;
};

bool SamePath(const CString& a, const CString& b)
{
    return ::lstrcmpiW(AfxToWide(a).c_str(), AfxToWide(b).c_str()) == 0;
}

CDocument* FindDocument(const CString& strPath)
{
    for (HWND hFrame : ChildFrames())
    {
        CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hFrame));
        CDocument* pDoc = pFrame != nullptr ? pFrame->GetActiveDocument() : nullptr;
        if (pDoc != nullptr && SamePath(pDoc->GetPathName(), strPath))
            return pDoc;
    }
    return nullptr;
}

TEST_F(ShellFileTest, OpenedFileGetsItsOwnPracticeFrameAndIsNotOpenedTwice)
{
    const char* pszName = "私の 意味ファイル.csv";
    m_dir.WriteFile(pszName, "一\r\n二\r\n");
    HWND hFirstFrame = ChildFrames().at(0);
    CDocument* pDoc = AfxGetApp()->OpenDocumentFile(Path(pszName));
    ASSERT_NE(nullptr, pDoc);
    gui::PumpMessages();
    EXPECT_TRUE(pDoc->IsKindOf(RUNTIME_CLASS(CKasumioriDoc)));
    EXPECT_EQ(2u, ChildFrames().size());
    EXPECT_EQ(pDoc, ActiveDocument());
    EXPECT_NE(nullptr, gui::ActiveViewAs<CKasumioriView>());
    EXPECT_TRUE(SamePath(Path(pszName), pDoc->GetPathName()));
    // The practice view refilled the table: built-in meanings, not the file's lines.
    CKasumioriDoc* pKDoc = static_cast<CKasumioriDoc*>(pDoc);
    EXPECT_STRNE("一", pKDoc->m_aPoem[1].m_strMeaning);
    EXPECT_FALSE(pKDoc->m_aPoem[1].m_strMeaning.IsEmpty());

    // Opening the same path again only activates its frame.
    ::SendMessageW(MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hFirstFrame), 0);
    gui::PumpMessages();
    ASSERT_NE(pDoc, ActiveDocument());
    EXPECT_EQ(pDoc, AfxGetApp()->OpenDocumentFile(Path(pszName)));
    gui::PumpMessages();
    EXPECT_EQ(2u, ChildFrames().size());
    EXPECT_EQ(pDoc, ActiveDocument());
    ExpectSizeAndCentred(MainPlacement().rc, 500, 510);
}

TEST_F(ShellFileTest, SavingAnOpenedFileKeepsItsLines)
{
    // The practice view refills the table after opening; saving must not replace the file's
    // own meanings by the built-in ones.
    const char* pszName = "訳.csv";
    const std::string strFile = "わたしの訳,その一\r\n\r\n表ソ\\\r\n";
    m_dir.WriteFile(pszName, strFile);
    CDocument* pDoc = AfxGetApp()->OpenDocumentFile(Path(pszName));
    ASSERT_NE(nullptr, pDoc);
    gui::PumpMessages();
    gui::BoxAnswerer answerer;
    gui::SendCommand(ID_FILE_SAVE);
    EXPECT_TRUE(answerer.m_aSeen.empty());

    HANDLE h = ::CreateFileW(AfxToWide(Path(pszName)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    char buf[4096];
    DWORD dwRead = 0;
    ::ReadFile(h, buf, sizeof(buf), &dwRead, nullptr);
    ::CloseHandle(h);
    EXPECT_EQ(strFile, std::string(buf, dwRead));
}

TEST_F(ShellFileTest, DroppedFileOpensInANewPracticeFrame)
{
    const char* pszName = "落とした 札.csv";
    m_dir.WriteFile(pszName, "dropped\n");
    const std::wstring strWide = AfxToWide(Path(pszName));
    const size_t cb = sizeof(DROPFILES) + (strWide.size() + 2) * sizeof(wchar_t);
    HGLOBAL hDrop = ::GlobalAlloc(GHND, cb);
    ASSERT_NE(nullptr, hDrop);
    DROPFILES* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->fWide = TRUE;
    memcpy(reinterpret_cast<BYTE*>(pDrop) + sizeof(DROPFILES), strWide.c_str(),
           strWide.size() * sizeof(wchar_t));
    ::GlobalUnlock(hDrop);
    ::PostMessageW(MainHwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0);
    gui::PumpUntil([&] { return FindDocument(Path(pszName)) != nullptr; }, 3000);

    CDocument* pDoc = FindDocument(Path(pszName));
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(2u, ChildFrames().size());
    EXPECT_EQ(pDoc, ActiveDocument());
    EXPECT_NE(nullptr, gui::ActiveViewAs<CKasumioriView>());
}

TEST_F(ShellFileTest, RecentFileListReopensAClosedDocument)
{
    const char* pszName = "最近の.csv";
    m_dir.WriteFile(pszName, "recent\r\n");
    ASSERT_NE(nullptr, AfxGetApp()->OpenDocumentFile(Path(pszName)));
    gui::PumpMessages();
    gui::SendCommand(ID_FILE_CLOSE);
    ASSERT_EQ(nullptr, FindDocument(Path(pszName)));

    // With no document left the main menu's file popup lists it.
    AfxGetApp()->CloseAllDocuments(FALSE);
    gui::PumpMessages();
    HMENU hFile = FindSubMenu(::GetMenu(MainHwnd()), L"ファイル(&F)");
    ASSERT_NE(nullptr, hFile);
    ::SendMessageW(MainHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
    wchar_t sz[512] = {};
    ::GetMenuStringW(hFile, ID_FILE_MRU_FILE1, sz, 512, MF_BYCOMMAND);
    EXPECT_NE(std::wstring::npos, std::wstring(sz).find(L"最近の.csv")) << "first entry: " << sz;
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_STATE;
    ASSERT_TRUE(::GetMenuItemInfoW(hFile, ID_FILE_MRU_FILE1, FALSE, &mii));
    EXPECT_FALSE(mii.fState & MFS_GRAYED);

    gui::SendCommand(ID_FILE_MRU_FILE1);
    CDocument* pDoc = FindDocument(Path(pszName));
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(pDoc, ActiveDocument());
    EXPECT_NE(nullptr, gui::ActiveViewAs<CKasumioriView>());
}

TEST_F(ShellFileTest, FileThatCannotBeOpenedMakesNoDocument)
{
    m_dir.WriteFile("locked.csv", "locked\r\n");
    const std::wstring strLocked = AfxToWide(Path("locked.csv"));
    HANDLE hLock = ::CreateFileW(strLocked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);

    for (const char* pszName : {"missing.csv", "locked.csv"})
    {
        SCOPED_TRACE(pszName);
        gui::BoxAnswerer answerer;
        EXPECT_EQ(nullptr, AfxGetApp()->OpenDocumentFile(Path(pszName)));
        gui::PumpMessages();
        EXPECT_EQ(1u, answerer.m_aSeen.size()) << "the framework's message";
        EXPECT_EQ(1, AfxGetApp()->GetOpenDocumentCount());
        EXPECT_EQ(1u, ChildFrames().size());
        EXPECT_NE(nullptr, gui::ActiveViewAs<CKasumioriView>());
    }
    ::CloseHandle(hLock);
}
}  // namespace
