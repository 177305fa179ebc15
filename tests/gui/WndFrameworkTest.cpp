// The window half of the framework on its own windows: message-map dispatch and routing,
// the window procedure's exception barrier, timers, the handle map, menu item states from
// update handlers, modal dialogs and data exchange.
#include "GuiHarness.h"
#include "resource.h"
#include <algorithm>
#include <stdexcept>

namespace {

const UINT kCmdPlain = 40001;     // has a command handler
const UINT kCmdChecked = 40002;   // update handler checks it (and leaves the enabling alone)
const UINT kCmdRadio = 40003;     // update handler sets a radio mark
const UINT kCmdNone = 40004;      // no handler at all
const UINT kCmdDisabled = 40005;  // command handler, but its update handler disables it
const UINT kCmdRangeFirst = 40010, kCmdRangeLast = 40019;
const int kIdButton = 300, kIdEdit = 301;
const UINT kMsgThrowRuntime = WM_APP + 1, kMsgThrowPointer = WM_APP + 2, kMsgThrowInt = WM_APP + 3,
           kMsgEcho = WM_APP + 4;

// A window whose handlers record how they were called.
class CProbeWnd : public CWnd
{
public:
    std::vector<std::string> m_aCalls;
    UINT m_nSizeType = 0;
    int m_cx = 0, m_cy = 0;
    CPoint m_ptClick;
    UINT m_nRangeId = 0;
    int m_nPlain = 0, m_nDisabledRan = 0;
    bool m_bThrowOnCreate = false;
    int* m_pnDeleted = nullptr;   // set: the object deletes itself in PostNcDestroy

    BOOL CreateProbe()
    {
        return CreateEx(0, nullptr, "probe", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr);
    }

protected:
    void PostNcDestroy() override
    {
        if (m_pnDeleted != nullptr)
        {
            ++*m_pnDeleted;
            delete this;
        }
    }

    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (m_bThrowOnCreate)
            throw std::runtime_error("no window today");
        m_aCalls.push_back(std::string("create:") + (lpcs->lpszName ? lpcs->lpszName : ""));
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_nSizeType = nType;
        m_cx = cx;
        m_cy = cy;
        m_aCalls.push_back("size");
    }
    afx_msg void OnTimer(UINT_PTR) { m_aCalls.push_back("base-timer"); }
    afx_msg void OnLButtonDown(UINT, CPoint point) { m_ptClick = point; }
    afx_msg LRESULT OnThrowRuntime(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    afx_msg LRESULT OnThrowPointer(WPARAM, LPARAM) { throw new CMemoryException(); }
    afx_msg LRESULT OnThrowInt(WPARAM, LPARAM) { throw 42; }
    afx_msg LRESULT OnEcho(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    afx_msg void OnPlain() { ++m_nPlain; }
    afx_msg void OnDisabledCmd() { ++m_nDisabledRan; }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnRange(UINT nID) { m_nRangeId = nID; }
    afx_msg void OnButton() { m_aCalls.push_back("clicked"); }
    afx_msg void OnEditKillFocus() { m_aCalls.push_back("killfocus"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(kMsgThrowRuntime, &CProbeWnd::OnThrowRuntime)
    ON_MESSAGE(kMsgThrowPointer, &CProbeWnd::OnThrowPointer)
    ON_MESSAGE(kMsgThrowInt, &CProbeWnd::OnThrowInt)
    ON_MESSAGE(kMsgEcho, &CProbeWnd::OnEcho)
    ON_COMMAND(kCmdPlain, &CProbeWnd::OnPlain)
    ON_COMMAND(kCmdDisabled, &CProbeWnd::OnDisabledCmd)
    ON_UPDATE_COMMAND_UI(kCmdDisabled, &CProbeWnd::OnUpdateDisabled)
    ON_COMMAND_RANGE(kCmdRangeFirst, kCmdRangeLast, &CProbeWnd::OnRange)
    ON_BN_CLICKED(kIdButton, &CProbeWnd::OnButton)
    ON_EN_KILLFOCUS(kIdEdit, &CProbeWnd::OnEditKillFocus)
END_MESSAGE_MAP()

// Overrides one message; everything else must still reach the base map.
class CDerivedProbeWnd : public CProbeWnd
{
protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        m_aCalls.push_back("derived-timer:" + std::to_string(nIDEvent));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbeWnd, CProbeWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

std::wstring WindowTextW(HWND hWnd)
{
    wchar_t sz[128] = {};
    ::GetWindowTextW(hWnd, sz, 128);
    return sz;
}

} // namespace

TEST(WndFramework, MessagesReachTheirTypedHandlersAlongTheMapChain)
{
    CDerivedProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateProbe());
    ASSERT_FALSE(wnd.m_aCalls.empty());
    EXPECT_EQ("create:probe", wnd.m_aCalls.front());

    wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
    EXPECT_EQ(static_cast<UINT>(SIZE_MAXIMIZED), wnd.m_nSizeType);
    EXPECT_EQ(640, wnd.m_cx);
    EXPECT_EQ(480, wnd.m_cy);
    wnd.SendMessage(WM_TIMER, 7);
    EXPECT_EQ("derived-timer:7", wnd.m_aCalls.back()) << "the derived map wins";
    // Mouse coordinates are signed 16-bit values.
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-5), 12));
    EXPECT_EQ(CPoint(-5, 12), wnd.m_ptClick);
    EXPECT_EQ(30, wnd.SendMessage(kMsgEcho, 10, 20));

    // Not in any map: DefWindowProc, with the text converted both ways.
    wnd.SetWindowText("札取り");
    EXPECT_EQ(L"札取り", WindowTextW(wnd.m_hWnd));
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_EQ(CString("札取り"), strText);
    EXPECT_EQ(6, wnd.GetWindowTextLength());

    // Commands: plain, a range (the handler learns the id), and a control's notifications.
    wnd.SendMessage(WM_COMMAND, kCmdPlain);
    EXPECT_EQ(1, wnd.m_nPlain);
    wnd.SendMessage(WM_COMMAND, 40014);
    EXPECT_EQ(40014u, wnd.m_nRangeId);
    wnd.SendMessage(WM_COMMAND, 40020);
    EXPECT_EQ(40014u, wnd.m_nRangeId) << "outside the range";
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                     wnd.m_hWnd, reinterpret_cast<HMENU>(kIdButton), nullptr, nullptr);
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 60, 0, 50, 20,
                                   wnd.m_hWnd, reinterpret_cast<HMENU>(kIdEdit), nullptr, nullptr);
    ::SendMessageW(hButton, BM_CLICK, 0, 0);
    EXPECT_EQ("clicked", wnd.m_aCalls.back());
    ::SendMessageW(wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(kIdEdit, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(hEdit));
    EXPECT_EQ("killfocus", wnd.m_aCalls.back());
    wnd.DestroyWindow();
}

TEST(WndFramework, MenuCommandsThatTheirUpdateHandlerDisablesDoNotRun)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateProbe());
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kCmdDisabled, 0));   // menu
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kCmdDisabled, 1));   // accelerator
    EXPECT_EQ(0, wnd.m_nDisabledRan);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kCmdPlain, 1));
    EXPECT_EQ(1, wnd.m_nPlain);
    wnd.DestroyWindow();
}

TEST(WndFramework, ExceptionsStopAtTheWindowProcedure)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateProbe());
    for (UINT nMsg : {kMsgThrowRuntime, kMsgThrowPointer, kMsgThrowInt})
    {
        EXPECT_EQ(0, wnd.SendMessage(nMsg)) << nMsg;
        EXPECT_EQ(5, wnd.SendMessage(kMsgEcho, 2, 3)) << "the window still works after " << nMsg;
    }
    wnd.DestroyWindow();

    // A creation that fails in OnCreate leaves the object to its creator, not deleted.
    int nDeleted = 0;
    CProbeWnd* pWnd = new CProbeWnd;
    pWnd->m_pnDeleted = &nDeleted;
    pWnd->m_bThrowOnCreate = true;
    EXPECT_FALSE(pWnd->CreateProbe());
    EXPECT_EQ(nullptr, pWnd->m_hWnd);
    EXPECT_EQ(0, nDeleted);
    delete pWnd;

    // A window that lives and dies normally deletes itself exactly once.
    pWnd = new CProbeWnd;
    pWnd->m_pnDeleted = &nDeleted;
    ASSERT_TRUE(pWnd->CreateProbe());
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(pWnd, CWnd::FromHandlePermanent(hWnd));
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, nDeleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WndFramework, TimerRecordFollowsSetKillAndDestruction)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateProbe());
    EXPECT_EQ(3u, wnd.SetTimer(3, 500));
    wnd.SetTimer(1, 200);
    wnd.SetTimer(3, 700);   // replaces the period of the running timer
    using Timers = std::vector<std::pair<UINT_PTR, UINT>>;
    EXPECT_EQ((Timers{{1, 200}, {3, 700}}), wnd.GetRunningTimers());
    EXPECT_EQ(700u, wnd.GetTimerPeriod(3));
    EXPECT_EQ(0u, wnd.GetTimerPeriod(2));
    wnd.KillTimer(1);
    EXPECT_EQ((Timers{{3, 700}}), wnd.GetRunningTimers());
    wnd.DestroyWindow();
    EXPECT_TRUE(wnd.GetRunningTimers().empty());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
}

TEST(WndFramework, HandleMapKnowsOurWindowsAndWrapsForeignOnes)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateProbe());
    EXPECT_EQ(&wnd, CWnd::FromHandle(wnd.m_hWnd));
    HWND hDesktop = ::GetDesktopWindow();
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hDesktop));
    CWnd* pTemp = CWnd::GetDesktopWindow();
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hDesktop, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hDesktop)) << "one wrapper per handle";

    // A control attached through subclassing gets its messages through our procedure and is
    // let go when it is destroyed.
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 50, 20,
                                     wnd.m_hWnd, reinterpret_cast<HMENU>(kIdButton), nullptr, nullptr);
    CButton button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    EXPECT_EQ(&button, CWnd::FromHandlePermanent(hButton));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&AfxWndProc), ::GetWindowLongPtrW(hButton, GWLP_WNDPROC));
    button.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, button.GetCheck());
    EXPECT_EQ(&wnd, button.GetParent());
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, button.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hButton));
}

namespace {

// A frame with its own menu, to see the states its update route gives the items.
class CMenuProbeFrame : public CFrameWnd
{
protected:
    afx_msg void OnPlain() {}
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateRadio(CCmdUI* pCmdUI) { pCmdUI->SetRadio(TRUE); }
    afx_msg void OnUpdateText(CCmdUI* pCmdUI) { pCmdUI->SetText("新しい名前"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuProbeFrame, CFrameWnd)
    ON_COMMAND(kCmdPlain, &CMenuProbeFrame::OnPlain)
    ON_UPDATE_COMMAND_UI(kCmdChecked, &CMenuProbeFrame::OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(kCmdRadio, &CMenuProbeFrame::OnUpdateRadio)
    ON_UPDATE_COMMAND_UI(kCmdRangeFirst, &CMenuProbeFrame::OnUpdateText)
END_MESSAGE_MAP()

} // namespace

TEST(WndFramework, PopupItemsTakeTheirStateFromTheCommandRoute)
{
    CMenuProbeFrame* pFrame = new CMenuProbeFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "menu probe", WS_OVERLAPPEDWINDOW));
    HWND hFrame = pFrame->m_hWnd;
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, kCmdPlain, "plain");
    popup.AppendMenu(MF_STRING, kCmdChecked, "checked");
    popup.AppendMenu(MF_STRING, kCmdRadio, "radio");
    popup.AppendMenu(MF_STRING, kCmdNone, "none");
    popup.AppendMenu(MF_SEPARATOR);
    // Recent-file ids beyond the application's list (whose own handler rewrites its items).
    const UINT kMruGrayed = ID_FILE_MRU_LAST - 1, kMruEnabled = ID_FILE_MRU_LAST;
    popup.AppendMenu(MF_STRING | MF_GRAYED, kMruGrayed, "recent");
    popup.AppendMenu(MF_STRING, kMruEnabled, "recent 2");
    popup.AppendMenu(MF_STRING, kCmdRangeFirst, "old name");

    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), MAKELPARAM(0, FALSE));

    auto state = [&](UINT nID) { return popup.GetMenuState(nID, MF_BYCOMMAND); };
    EXPECT_EQ(0u, state(kCmdPlain) & MF_GRAYED) << "a command handler enables";
    EXPECT_NE(0u, state(kCmdChecked) & MF_CHECKED);
    EXPECT_NE(0u, state(kCmdChecked) & MF_GRAYED) << "no command handler and no Enable";
    EXPECT_NE(0u, state(kCmdRadio) & MF_CHECKED);
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoW(popup.m_hMenu, kCmdRadio, FALSE, &mii));
    EXPECT_NE(0u, mii.fType & MFT_RADIOCHECK);
    EXPECT_NE(0u, state(kCmdNone) & MF_GRAYED);
    EXPECT_NE(0u, state(kMruGrayed) & MF_GRAYED) << "recent-file items keep their state";
    EXPECT_EQ(0u, state(kMruEnabled) & MF_GRAYED);
    CString strItem;
    popup.GetMenuString(kCmdRangeFirst, strItem, MF_BYCOMMAND);
    EXPECT_EQ(CString("新しい名前"), strItem);

    // The system menu is left alone.
    popup.EnableMenuItem(kCmdNone, MF_BYCOMMAND | MF_ENABLED);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), MAKELPARAM(0, TRUE));
    EXPECT_EQ(0u, state(kCmdNone) & MF_GRAYED);

    ::DestroyWindow(hFrame);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hFrame));
}

namespace {

// The About box with a little data exchange on its OK button, ended by the test's own means
// while a timer of another window keeps ticking.
class CProbeDlg : public CDialog
{
public:
    enum class End { escape, okButton, closeBox };

    CProbeDlg(End end, CProbeWnd* pTicker) : CDialog(IDD_ABOUTBOX), m_end(end), m_pTicker(pTicker) {}

    End m_end;
    CProbeWnd* m_pTicker;
    int m_nInits = 0, m_nSaves = 0;
    CString m_strOk = "了解";
    CButton m_btnOk;
    std::wstring m_strShownOk;

    BOOL OnInitDialog() override
    {
        ++m_nInits;
        BOOL bResult = CDialog::OnInitDialog();   // writes m_strOk to the button
        m_strShownOk = WindowTextW(::GetDlgItem(m_hWnd, IDOK));
        SetTimer(1, 20);
        return bResult;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDOK, m_btnOk);
        DDX_Text(pDX, IDOK, m_strOk);
        if (pDX->m_bSaveAndValidate)
            ++m_nSaves;
    }
    afx_msg void OnTimer(UINT_PTR)
    {
        // End only once the other window's timer has fired a few times inside our loop.
        if (std::count(m_pTicker->m_aCalls.begin(), m_pTicker->m_aCalls.end(), "base-timer") < 3)
            return;
        KillTimer(1);
        switch (m_end)
        {
        case End::escape:
            ::PostMessageW(::GetDlgItem(m_hWnd, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
            break;
        case End::okButton:
            ::PostMessageW(::GetDlgItem(m_hWnd, IDOK), BM_CLICK, 0, 0);
            break;
        case End::closeBox:
            PostMessage(WM_SYSCOMMAND, SC_CLOSE);
            break;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

} // namespace

TEST(WndFramework, ModalDialogRunsARealLoopAndEndsByKeyButtonOrCloseBox)
{
    struct Case { CProbeDlg::End end; INT_PTR nResult; int nSaves; const char* pszName; };
    const Case cases[] = {
        {CProbeDlg::End::escape, IDCANCEL, 0, "Escape"},
        {CProbeDlg::End::okButton, IDOK, 1, "OK button"},
        {CProbeDlg::End::closeBox, IDCANCEL, 0, "close box"},
    };
    for (const Case& c : cases)
    {
        CProbeWnd ticker;
        ASSERT_TRUE(ticker.CreateProbe());
        ticker.SetTimer(5, 10);
        CProbeDlg dlg(c.end, &ticker);
        EXPECT_EQ(c.nResult, dlg.DoModal()) << c.pszName;
        EXPECT_EQ(1, dlg.m_nInits) << c.pszName;
        EXPECT_EQ(c.nSaves, dlg.m_nSaves) << c.pszName;
        EXPECT_EQ(L"了解", dlg.m_strShownOk) << "DDX_Text writes CP932 text as Unicode";
        EXPECT_EQ(CString("了解"), dlg.m_strOk) << c.pszName;
        EXPECT_EQ(nullptr, dlg.m_hWnd) << c.pszName;
        EXPECT_EQ(nullptr, dlg.m_btnOk.m_hWnd) << "the subclassed control was let go";
        EXPECT_GE(std::count(ticker.m_aCalls.begin(), ticker.m_aCalls.end(), "base-timer"), 3);
        ticker.DestroyWindow();
    }
}
