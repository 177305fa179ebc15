// The practice activity driven as a user drives it: clicks, the number box, repaints; read back
// through members, window texts, pixels and the MCI devices that are open.
#include "GuiHarness.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "KasumioriDoc.h"
#include "KasumioriView.h"
#include "MciProbe.h"
#include "resource.h"

namespace
{
const COLORREF kFrame = RGB(0x7D, 0x7D, 0x7D);
const COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kGrey = RGB(0xC8, 0xC8, 0xC8);
const COLORREF kBlack = RGB(0, 0, 0);

using mciprobe::OpenDeviceCount;

// A message box shows an icon when its icon control is visible and holds one.
BOOL CALLBACK FindShownIcon(HWND hChild, LPARAM lParam)
{
    wchar_t cls[16] = {};
    ::GetClassNameW(hChild, cls, 16);
    const LONG style = ::GetWindowLongW(hChild, GWL_STYLE);
    if (_wcsicmp(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
        ::IsWindowVisible(hChild) && ::SendMessageW(hChild, STM_GETICON, 0, 0) != 0)
        *reinterpret_cast<bool*>(lParam) = true;
    return TRUE;
}

bool ShowsIcon(HWND hBox)
{
    bool bShown = false;
    ::EnumChildWindows(hBox, FindShownIcon, reinterpret_cast<LPARAM>(&bShown));
    return bShown;
}

// --- Pixels --------------------------------------------------------------------------------
RECT Rect(int l, int t, int r, int b)
{
    RECT rc = {l, t, r, b};
    return rc;
}

// The frame rectangle (left, top, right, bottom) that the box must have.
RECT FrameOf(const CKasumioriView* v, const VerseBox& box, bool bLeftward)
{
    const int cw = v->m_nCharWidth, lh = v->m_nLineHeight;
    const int mx = cw / 4, my = lh / 4;
    const int top = box.y - my, bottom = box.y + box.nRows * lh + my;
    if (bLeftward)
        return Rect(box.x - box.nCols * cw - mx, top, box.x + cw + mx, bottom);
    return Rect(box.x - mx, top, box.x + box.nCols * cw + mx, bottom);
}

RECT Inside(const RECT& rc)
{
    return Rect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1);
}

int Area(const RECT& rc)
{
    return (rc.right - rc.left) * (rc.bottom - rc.top);
}

// Every pixel of the outline has the pen's colour.
bool OutlineIsFrame(const gui::Capture& cap, const RECT& rc)
{
    for (int x = rc.left; x < rc.right; ++x)
        if (cap.At(x, rc.top) != kFrame || cap.At(x, rc.bottom - 1) != kFrame)
            return false;
    for (int y = rc.top; y < rc.bottom; ++y)
        if (cap.At(rc.left, y) != kFrame || cap.At(rc.right - 1, y) != kFrame)
            return false;
    return true;
}

// The 75 x 105 cell of a card bitmap of the program, as the screen shows it.
std::vector<COLORREF> CardCell(UINT nBitmap, int nSrcX, int nSrcY)
{
    std::vector<COLORREF> cell;
    HBITMAP hbm = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nBitmap));
    if (hbm == nullptr)
        return cell;
    BITMAP bm = {};
    ::GetObjectW(hbm, sizeof(bm), &bm);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> px(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC hdc = ::GetDC(nullptr);
    ::GetDIBits(hdc, hbm, 0, bm.bmHeight, px.data(), &bi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdc);
    ::DeleteObject(hbm);
    for (int y = 0; y < 105; ++y)
        for (int x = 0; x < 75; ++x)
        {
            DWORD v = px[static_cast<size_t>(nSrcY + y) * bm.bmWidth + nSrcX + x];
            cell.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
    return cell;
}

std::vector<COLORREF> ScreenCell(const gui::Capture& cap, CPoint pt)
{
    std::vector<COLORREF> cell;
    for (int y = 0; y < 105; ++y)
        for (int x = 0; x < 75; ++x)
            cell.push_back(cap.At(pt.x + x, pt.y + y));
    return cell;
}

std::vector<COLORREF> CardOfPoem(int n)
{
    if (n == 0)
        return CardCell(IDB_BLANK_CARD, 0, 0);
    return CardCell(IDB_CARDS, ((n - 1) % 10) * 75, ((n - 1) / 10) * 105);
}

// --- The fixture: a fresh practice view whose base folder is a folder of the test ------------
class PracticeView : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pDir = std::make_unique<gui::ScopedTempDir>();
        WriteFiles();
        gui::SendCommand(ID_SWITCH_PRACTICE);
        m_pView = gui::ActiveViewAs<CKasumioriView>();
        ASSERT_NE(m_pView, nullptr);
        m_pDoc = static_cast<CKasumioriDoc*>(m_pView->GetDocument());
        ASSERT_NE(m_pDoc, nullptr);
        Paint();
    }

    void TearDown() override
    {
        // Nothing may keep a recording of the folder open when it goes.
        gui::SendCommand(ID_SWITCH_PRACTICE);
        m_pDir.reset();
    }

    // Recordings of the introduction and of poems 1 to 9 and 100; imi.csv for the tests that want it.
    virtual void WriteFiles()
    {
        const std::string wave = gui::MakeWave(8000);
        m_pDir->WriteFile("yomi\\hy000.wav", wave);
        for (int n = 1; n <= 9; ++n)
            for (int part = 0; part < 2; ++part)
            {
                char name[32];
                std::snprintf(name, sizeof(name), "yomi\\hy00%d%d.wav", n, part);
                m_pDir->WriteFile(name, wave);
            }
        m_pDir->WriteFile("yomi\\hy1000.wav", wave);
        m_pDir->WriteFile("yomi\\hy1001.wav", wave);
    }

    HWND Hwnd() const { return m_pView->GetSafeHwnd(); }
    HWND Control(int nID) const { return ::GetDlgItem(Hwnd(), nID); }

    void Paint()
    {
        ::InvalidateRect(Hwnd(), nullptr, TRUE);
        ::UpdateWindow(Hwnd());
        gui::PumpMessages();
    }

    void Click(int nID) { gui::ClickControl(m_pView, nID); }
    CString Number() const { return gui::ControlText(m_pView, IDC_NUMBER); }
    int FocusID() const { return ::GetDlgCtrlID(::GetFocus()); }

    // Puts text into the number box as a paste would, then leaves it with the Tab key.
    void EnterNumber(const char* pszText)
    {
        ::SetFocus(Control(IDC_NUMBER));
        gui::PumpMessages();
        ::SetWindowTextW(Control(IDC_NUMBER), AfxToWide(pszText).c_str());
        PressTab();
    }

    // Typed key by key into the number box, then left with the Tab key.
    void TypeNumber(const char* pszDigits)
    {
        ::SetFocus(Control(IDC_NUMBER));
        ::SendMessageW(Control(IDC_NUMBER), EM_SETSEL, 0, -1);
        for (const char* p = pszDigits; *p != '\0'; ++p)
            ::PostMessageW(Control(IDC_NUMBER), WM_CHAR, static_cast<WPARAM>(*p), 1);
        gui::PumpMessages();
        PressTab();
    }

    void PressTab()
    {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        ::PostMessageW(::GetFocus(), WM_KEYUP, VK_TAB, 0xC0000001);
        gui::PumpMessages();
    }

    // The recording that is open now, checked to be the only one and to play.
    std::string Playing() const
    {
        const MCIDEVICEID id = m_pDoc->m_nMciDeviceID;
        if (id == 0 || OpenDeviceCount() != 1)
            return std::string();
        const testing::AssertionResult playing = mciprobe::IsPlaying(id);
        if (!playing)
            return std::string("(") + playing.message() + ") " + mciprobe::DeviceFileName(id);
        return mciprobe::DeviceFileName(id);
    }

    RECT BoxInterior(const VerseBox& box, bool bLeftward) const
    {
        return Inside(FrameOf(m_pView, box, bLeftward));
    }

    std::unique_ptr<gui::ScopedTempDir> m_pDir;
    CKasumioriView* m_pView = nullptr;
    CKasumioriDoc* m_pDoc = nullptr;
};

// --- Start ---------------------------------------------------------------------------------
TEST_F(PracticeView, StartsWithPlaceholdersBlankCardAndNoTogglePressed)
{
    EXPECT_EQ(0, m_pView->m_nCurPoem);
    EXPECT_EQ(0, m_pView->m_nPrevPoem);
    EXPECT_FALSE(m_pView->m_bRandom);
    EXPECT_FALSE(m_pView->m_bLowerFirst);
    EXPECT_TRUE(m_pView->m_bVoice);
    EXPECT_FALSE(m_pView->m_bAnswerShown);
    ASSERT_EQ(101, m_pView->m_aUsed.GetSize());
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(0, m_pView->m_aUsed[i]);
    EXPECT_FALSE(gui::IsPressed(m_pView, IDC_RANDOM));
    EXPECT_FALSE(gui::IsPressed(m_pView, IDC_LOWER_FIRST));
    EXPECT_FALSE(gui::IsPressed(m_pView, IDC_VOICE));
    EXPECT_EQ(CString("番号"), Number());
    EXPECT_EQ(0u, m_pDoc->m_nMciDeviceID);

    gui::Capture cap(Hwnd());
    const RECT rcUpper = BoxInterior(m_pView->m_boxUpper, false);
    EXPECT_GT(cap.Count(rcUpper, kGrey), 10) << "grey heading 上の句";
    EXPECT_FALSE(cap.Contains(rcUpper, kBlack));
    EXPECT_EQ(Area(BoxInterior(m_pView->m_boxLower, false)),
              cap.Count(BoxInterior(m_pView->m_boxLower, false), kWhite));
    EXPECT_TRUE(ScreenCell(cap, m_pView->m_ptCard) == CardOfPoem(0)) << "the blank card";
}

TEST_F(PracticeView, BaseFolderIsTheCurrentDirectoryWithSeparatorsDoubled)
{
    // 表 is 95 5C: its second byte is no separator.
    struct Case
    {
        const wchar_t* pszSub;
        const char* pszExpectedTail;
    };
    const Case aCases[] = {
        {L"", ""},
        {L"\\a\\b", "\\\\a\\\\b"},
        {L"\\表\\ソ", "\\\\表\\\\ソ"},
    };
    for (const Case& c : aCases)
    {
        std::wstring dir = AfxToWide(m_pDir->Path()) + c.pszSub;
        for (size_t i = AfxToWide(m_pDir->Path()).size() + 1; i <= dir.size(); ++i)
            if (i == dir.size() || dir[i] == L'\\')
                ::CreateDirectoryW(dir.substr(0, i).c_str(), nullptr);
        ASSERT_TRUE(::SetCurrentDirectoryW(dir.c_str()));
        // A meanings file proves that the folder names the directory.
        const std::wstring csv = dir + L"\\imi.csv";
        HANDLE h = ::CreateFileW(csv.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        const std::string line = "意味一\r\n";
        DWORD dw = 0;
        ::WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &dw, nullptr);
        ::CloseHandle(h);

        gui::SendCommand(ID_SWITCH_PRACTICE);
        m_pView = gui::ActiveViewAs<CKasumioriView>();
        m_pDoc = static_cast<CKasumioriDoc*>(m_pView->GetDocument());

        CString strExpected = m_pDir->Path();
        strExpected.Replace("\\", "\\\\");
        strExpected += c.pszExpectedTail;
        EXPECT_EQ(strExpected, m_pDoc->m_strBaseDir);
        EXPECT_EQ(CString("意味一"), m_pDoc->m_aPoem[1].m_strMeaning);
        ::SetCurrentDirectoryW(AfxToWide(m_pDir->Path()).c_str());
    }
}

// --- Moving through the poems --------------------------------------------------------------
TEST_F(PracticeView, NextAndPrevWrapAroundAndFocusTheAnswer)
{
    struct Step
    {
        const char* pszWhat;
        int nButton;      // IDC_NEXT or IDC_PREV; 0 = the number box takes pszNumber
        const char* pszNumber;
        int nPoem;
        int nPrev;
    };
    const Step aSteps[] = {
        {"next from the start", IDC_NEXT, nullptr, 1, 0},
        {"prev after 1", IDC_PREV, nullptr, 100, 1},
        {"next after 100", IDC_NEXT, nullptr, 1, 100},
        {"next", IDC_NEXT, nullptr, 2, 1},
        {"prev", IDC_PREV, nullptr, 1, 2},
    };
    for (const Step& s : aSteps)
    {
        Click(s.nButton);
        EXPECT_EQ(s.nPoem, m_pView->m_nCurPoem) << s.pszWhat;
        EXPECT_EQ(s.nPrev, m_pView->m_nPrevPoem) << s.pszWhat;
        EXPECT_EQ(CString(std::to_string(s.nPoem).c_str()), Number()) << s.pszWhat;
        EXPECT_EQ(IDC_ANSWER, FocusID()) << s.pszWhat;
    }

    // And from a fresh start, 前の句 goes to 100.
    gui::SendCommand(ID_SWITCH_PRACTICE);
    m_pView = gui::ActiveViewAs<CKasumioriView>();
    Click(IDC_PREV);
    EXPECT_EQ(100, m_pView->m_nCurPoem);
}

TEST_F(PracticeView, NumberBoxShowsTheTypedPoemOrKeepsTheCurrentOne)
{
    TypeNumber("7");
    EXPECT_EQ(7, m_pView->m_nCurPoem);
    EXPECT_EQ(IDC_ANSWER, FocusID());
    EXPECT_EQ("hy0070.wav", Playing());

    struct Case
    {
        const char* pszText;
        int nPoem;
        const char* pszShown;
    };
    const Case aCases[] = {
        {"007", 7, "7"},          {"3", 3, "3"},          {"150", 3, "3"},
        {"0", 3, "3"},            {"", 3, "3"},           {"abc", 3, "3"},
        {"７", 3, "3"},           {"100", 100, "100"},
    };
    for (const Case& c : aCases)
    {
        EnterNumber(c.pszText);
        EXPECT_EQ(c.nPoem, m_pView->m_nCurPoem) << c.pszText;
        EXPECT_EQ(CString(c.pszShown), Number()) << c.pszText;
        EXPECT_EQ(IDC_ANSWER, FocusID()) << c.pszText;
        // The poem is read again from its first verse.
        char szFile[32];
        std::snprintf(szFile, sizeof(szFile), "hy%03d0.wav", c.nPoem);
        EXPECT_EQ(szFile, Playing()) << c.pszText;
    }
}

TEST_F(PracticeView, LeavingTheUntouchedNumberBoxAtTheStartKeepsThePlaceholders)
{
    EnterNumber("番号");
    EXPECT_EQ(0, m_pView->m_nCurPoem);
    EXPECT_EQ(CString("番号"), Number());
    EXPECT_EQ("hy000.wav", Playing()) << "the introduction";
    gui::Capture cap(Hwnd());
    EXPECT_TRUE(ScreenCell(cap, m_pView->m_ptCard) == CardOfPoem(0));
}

TEST_F(PracticeView, RandomOrderShowsEveryPoemOnceThenStartsANewCycle)
{
    gui::FakeClock clock;
    Click(IDC_VOICE); // quiet: a hundred readings are not what this is about
    Click(IDC_RANDOM);
    EXPECT_TRUE(m_pView->m_bRandom);
    EXPECT_TRUE(gui::IsPressed(m_pView, IDC_RANDOM));

    gui::BoxAnswerer answerer;
    std::vector<bool> aIconShown;
    answerer.m_onShow = [&aIconShown](HWND hBox) { aIconShown.push_back(ShowsIcon(hBox)); };
    std::set<int> seen;
    for (int i = 0; i < 100; ++i)
    {
        Click(IDC_NEXT);
        seen.insert(m_pView->m_nCurPoem);
    }
    EXPECT_EQ(100u, seen.size());
    EXPECT_EQ(1, *seen.begin());
    EXPECT_EQ(100, *seen.rbegin());
    EXPECT_TRUE(answerer.m_aSeen.empty());

    const int nLast = m_pView->m_nCurPoem;
    Click(IDC_NEXT);
    ASSERT_EQ(1u, answerer.m_aSeen.size());
    const gui::SeenBox& box = answerer.m_aSeen[0];
    EXPECT_EQ(CString("百首終了しました。新たに百首表示します。"), box.strText);
    EXPECT_EQ(CString("情報"), box.strCaption);
    EXPECT_EQ(std::vector<bool>{false}, aIconShown);
    EXPECT_EQ(std::vector<int>{IDOK}, box.aButtons);
    EXPECT_EQ(::GetAncestor(Hwnd(), GA_ROOT), box.hOwner);
    int nMarks = 0;
    for (int i = 1; i <= 100; ++i)
        nMarks += m_pView->m_aUsed[i];
    EXPECT_EQ(1, nMarks) << "a new cycle with one poem shown";
    EXPECT_EQ(1, m_pView->m_aUsed[m_pView->m_nCurPoem]);

    // Back one step only: twice 前の句 shows the same poem.
    const int nNow = m_pView->m_nCurPoem;
    Click(IDC_PREV);
    EXPECT_EQ(nLast, m_pView->m_nCurPoem);
    Click(IDC_PREV);
    EXPECT_EQ(nLast, m_pView->m_nCurPoem);
    EXPECT_EQ(nLast, m_pView->m_nPrevPoem) << "the poem left behind is forgotten";

    // Random order off and on again keeps the cycle's marks.
    Click(IDC_RANDOM);
    EXPECT_FALSE(gui::IsPressed(m_pView, IDC_RANDOM));
    Click(IDC_RANDOM);
    EXPECT_EQ(1, m_pView->m_aUsed[nNow]);
}

TEST_F(PracticeView, RandomPrevBeforeAnyPoemShowsPlaceholdersAndTheIntroduction)
{
    Click(IDC_RANDOM);
    Click(IDC_PREV);
    EXPECT_EQ(0, m_pView->m_nCurPoem);
    EXPECT_EQ(CString("番号"), Number());
    EXPECT_EQ("hy000.wav", Playing());
}

// --- The answer ----------------------------------------------------------------------------
TEST_F(PracticeView, AnswerShowsAllFieldsAndTheCardAndReadsTheOtherVerse)
{
    EnterNumber("5");
    EXPECT_EQ("hy0050.wav", Playing());
    Click(IDC_ANSWER);
    EXPECT_TRUE(m_pView->m_bAnswerShown);
    EXPECT_EQ(5, m_pView->m_nCurPoem);
    EXPECT_EQ(IDC_NEXT, FocusID());
    EXPECT_EQ("hy0051.wav", Playing()) << "the first reading stopped and closed, the next plays";

    const RECT aBoxes[] = {
        BoxInterior(m_pView->m_boxUpper, false), BoxInterior(m_pView->m_boxLower, false),
        BoxInterior(m_pView->m_boxKimariji, false), BoxInterior(m_pView->m_boxAuthor, true),
        BoxInterior(m_pView->m_boxMeaning, true),
    };
    for (int nPass = 0; nPass < 2; ++nPass)
    {
        gui::Capture cap(Hwnd());
        for (const RECT& rc : aBoxes)
        {
            EXPECT_GT(cap.Count(rc, kBlack), 10) << "pass " << nPass;
            EXPECT_FALSE(cap.Contains(rc, kGrey)) << "pass " << nPass;
        }
        EXPECT_TRUE(ScreenCell(cap, m_pView->m_ptCard) == CardOfPoem(5)) << "pass " << nPass;
        Paint(); // a repaint shows the whole answer again
    }

    // The next move hides it again, also for repaints.
    Click(IDC_PREV);
    EXPECT_FALSE(m_pView->m_bAnswerShown);
    gui::Capture cap(Hwnd());
    EXPECT_TRUE(cap.Contains(aBoxes[1], kGrey)) << "placeholders after the move";
    Paint();
    gui::Capture after(Hwnd());
    EXPECT_GT(after.Count(aBoxes[0], kBlack), 10);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(Area(aBoxes[i]), after.Count(aBoxes[i], kWhite)) << "box " << i;
    EXPECT_TRUE(ScreenCell(after, m_pView->m_ptCard) == CardOfPoem(0));
}

TEST_F(PracticeView, AnswerBeforeAnyPoemShowsPlaceholdersAndReadsTheIntroduction)
{
    Click(IDC_ANSWER);
    EXPECT_EQ(0, m_pView->m_nCurPoem);
    EXPECT_EQ(CString("番号"), Number());
    EXPECT_EQ("hy000.wav", Playing());
    gui::Capture cap(Hwnd());
    const RECT rcMeaning = BoxInterior(m_pView->m_boxMeaning, true);
    EXPECT_GT(cap.Count(rcMeaning, kGrey), 10);
    EXPECT_FALSE(cap.Contains(rcMeaning, kBlack));
    EXPECT_TRUE(ScreenCell(cap, m_pView->m_ptCard) == CardOfPoem(0));
}

TEST_F(PracticeView, LowerFirstShowsTheLowerVerseWithItsCard)
{
    Click(IDC_NEXT);
    gui::Capture before(Hwnd());
    Click(IDC_LOWER_FIRST);
    EXPECT_TRUE(m_pView->m_bLowerFirst);
    EXPECT_TRUE(gui::IsPressed(m_pView, IDC_LOWER_FIRST));
    gui::Capture unchanged(Hwnd());
    const RECT rcUpper = BoxInterior(m_pView->m_boxUpper, false);
    EXPECT_EQ(before.Count(rcUpper, kBlack), unchanged.Count(rcUpper, kBlack))
        << "nothing changes until the next poem";

    const int aButtons[] = {IDC_NEXT, IDC_PREV};
    for (int nButton : aButtons)
    {
        Click(nButton);
        const int n = m_pView->m_nCurPoem;
        gui::Capture cap(Hwnd());
        EXPECT_GT(cap.Count(BoxInterior(m_pView->m_boxLower, false), kBlack), 10);
        EXPECT_FALSE(cap.Contains(rcUpper, kBlack));
        EXPECT_TRUE(ScreenCell(cap, m_pView->m_ptCard) == CardOfPoem(n)) << n;
        char szFile[32];
        std::snprintf(szFile, sizeof(szFile), "hy%03d1.wav", n);
        EXPECT_EQ(szFile, Playing());
    }
    EnterNumber("100");
    EXPECT_EQ("hy1001.wav", Playing());
    Paint();
    gui::Capture cap(Hwnd());
    EXPECT_TRUE(ScreenCell(cap, m_pView->m_ptCard) == CardOfPoem(100)) << "the sheet's last cell";
    Click(IDC_ANSWER);
    EXPECT_EQ("hy1000.wav", Playing()) << "the upper verse comes second";
}

// --- Voice and recordings ------------------------------------------------------------------
TEST_F(PracticeView, VoiceOffOpensNothingAndLetsTheReadingFinish)
{
    Click(IDC_NEXT);
    EXPECT_EQ("hy0010.wav", Playing());
    Click(IDC_VOICE);
    EXPECT_FALSE(m_pView->m_bVoice);
    EXPECT_TRUE(gui::IsPressed(m_pView, IDC_VOICE));
    EXPECT_EQ("hy0010.wav", Playing()) << "the reading goes on";

    Click(IDC_NEXT);
    Click(IDC_ANSWER);
    EnterNumber("4");
    Click(IDC_PREV);
    EXPECT_EQ(0, OpenDeviceCount()) << "nothing opened with the voice off";

    Click(IDC_VOICE);
    EXPECT_TRUE(m_pView->m_bVoice);
    EXPECT_FALSE(gui::IsPressed(m_pView, IDC_VOICE));
    EXPECT_EQ(0, OpenDeviceCount()) << "nothing until the next poem";
    Click(IDC_NEXT);
    EXPECT_EQ("hy0040.wav", Playing());
}

TEST_F(PracticeView, MissingRecordingIsSilentAndTheNextOnePlays)
{
    EnterNumber("50");
    EXPECT_EQ(50, m_pView->m_nCurPoem);
    EXPECT_EQ(0u, m_pDoc->m_nMciDeviceID);
    EXPECT_EQ(0, OpenDeviceCount());
    EnterNumber("9");
    EXPECT_EQ("hy0090.wav", Playing());
}

TEST_F(PracticeView, ClosingTheViewStopsAndClosesTheReading)
{
    Click(IDC_NEXT);
    ASSERT_EQ("hy0010.wav", Playing());
    gui::SendCommand(ID_SWITCH_PRACTICE);
    EXPECT_EQ(0, OpenDeviceCount());
}

// Two documents read in turn. MCI gives the id that the first one closed to the second one's
// reading; the first one's next move must not stop and close that reading.
TEST_F(PracticeView, ADocumentsNextMoveLeavesAnotherDocumentsReadingAlone)
{
    Click(IDC_NEXT);
    ASSERT_EQ("hy0010.wav", Playing());
    const MCIDEVICEID nFirst = m_pDoc->m_nMciDeviceID;
    Click(IDC_VOICE);
    Click(IDC_NEXT);   // silent now: stops and closes the reading, opens nothing
    ASSERT_EQ(0, OpenDeviceCount());

    gui::SendCommand(ID_FILE_NEW);
    CKasumioriView* pOther = gui::ActiveViewAs<CKasumioriView>();
    ASSERT_NE(nullptr, pOther);
    ASSERT_NE(m_pView, pOther);
    CKasumioriDoc* pOtherDoc = static_cast<CKasumioriDoc*>(pOther->GetDocument());
    gui::ClickControl(pOther, IDC_NEXT);
    const MCIDEVICEID nOther = pOtherDoc->m_nMciDeviceID;
    ASSERT_NE(0u, nOther);
    EXPECT_EQ(nFirst, nOther) << "MCI reuses the freed id; that is the case that matters";

    Click(IDC_NEXT);   // the first document moves on, still silent
    EXPECT_EQ(3, m_pView->m_nCurPoem);
    EXPECT_EQ("hy0010.wav", mciprobe::DeviceFileName(nOther)) << "the other document's reading was closed";
    EXPECT_TRUE(mciprobe::IsPlaying(nOther));

    // Nor does the first document's view going away.
    HWND hFirstFrame = m_pView->GetParentFrame()->GetSafeHwnd();
    ::SendMessageW(::GetParent(hFirstFrame), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hFirstFrame), 0);
    gui::PumpMessages();
    ASSERT_EQ(m_pDoc, gui::ActiveView()->GetDocument());
    gui::SendCommand(ID_SWITCH_PRACTICE);
    EXPECT_TRUE(mciprobe::IsPlaying(nOther));

    ::SendMessageW(pOther->GetParentFrame()->GetSafeHwnd(), WM_CLOSE, 0, 0);
    gui::PumpMessages();
    EXPECT_EQ(1, AfxGetApp()->GetOpenDocumentCount());
    EXPECT_EQ(0, OpenDeviceCount());
    m_pView = gui::ActiveViewAs<CKasumioriView>();
}

TEST_F(PracticeView, LeavingTheNumberBoxBySwitchingTheActivityLeavesNoRecordingOpen)
{
    Click(IDC_NEXT);
    ::SetFocus(Control(IDC_NUMBER));
    ::SetWindowTextW(Control(IDC_NUMBER), L"5");
    gui::PumpMessages();
    // The box loses the focus while its view goes away.
    gui::SendCommand(ID_SWITCH_PRACTICE);
    EXPECT_EQ(0, OpenDeviceCount());
}

// --- Layout --------------------------------------------------------------------------------
TEST_F(PracticeView, FramesControlsAndCardFollowTheMetricsAndTheRightEdge)
{
    // The metrics of the view window's own stock font.
    const auto [cw, lh] = gui::StockCharCell(Hwnd());
    ASSERT_EQ(cw, m_pView->m_nCharWidth);
    ASSERT_EQ(lh, m_pView->m_nLineHeight);
    EXPECT_EQ(cw / 4, m_pView->m_nMarginX);
    EXPECT_EQ(lh / 4, m_pView->m_nMarginY);

    RECT rcWindow;
    ::GetWindowRect(Hwnd(), &rcWindow);
    const int nWindowWidth = rcWindow.right - rcWindow.left;
    const int nWindowHeight = rcWindow.bottom - rcWindow.top;
    // As the window shows it, then 23 pixels narrower: everything moves left with the edge.
    const int nNarrower[] = {0, 23};
    for (int d : nNarrower)
    {
        ::SetWindowPos(Hwnd(), nullptr, 0, 0, nWindowWidth - d, nWindowHeight,
                       SWP_NOMOVE | SWP_NOZORDER);
        RECT rcClient;
        ::GetClientRect(Hwnd(), &rcClient);
        const int R = rcClient.right;
        Paint();
        EXPECT_EQ(R - 3 * cw, m_pView->m_boxUpper.x);
        EXPECT_EQ(R - 5 * cw, m_pView->m_boxLower.x);
        EXPECT_EQ(R - 7 * cw, m_pView->m_boxKimariji.x);
        EXPECT_EQ(R - 7 * cw, m_pView->m_boxAuthor.x);
        EXPECT_EQ(R - 11 * cw - 75, m_pView->m_boxMeaning.x);
        EXPECT_EQ(CPoint(R - 8 * cw - 75, 3 * lh), m_pView->m_ptCard);
        EXPECT_EQ(3 * lh, m_pView->m_boxUpper.y);
        EXPECT_EQ(13 * lh, m_pView->m_boxAuthor.y);

        gui::Capture cap(Hwnd());
        const RECT aFrames[] = {
            FrameOf(m_pView, m_pView->m_boxUpper, false),
            FrameOf(m_pView, m_pView->m_boxLower, false),
            FrameOf(m_pView, m_pView->m_boxKimariji, false),
            FrameOf(m_pView, m_pView->m_boxAuthor, true),
            FrameOf(m_pView, m_pView->m_boxMeaning, true),
        };
        for (const RECT& rc : aFrames)
        {
            EXPECT_TRUE(OutlineIsFrame(cap, rc))
                << "frame " << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom
                << " at R " << R;
            // Inside the window: nothing of the layout is cut off.
            EXPECT_GE(rc.left, 0);
            EXPECT_LE(rc.bottom, rcClient.bottom);
        }
        EXPECT_FALSE(cap.Contains(Rect(aFrames[0].left - 1, aFrames[0].top, aFrames[0].left,
                                       aFrames[0].bottom), kFrame))
            << "nothing outside the upper frame";
        EXPECT_TRUE(ScreenCell(cap, m_pView->m_ptCard) == CardOfPoem(0));

        struct Placed
        {
            int nID, x, y;
        };
        const Placed aControls[] = {
            {IDC_NUMBER, R - 4 * cw - 75, 10 * lh}, {IDC_NEXT, R - 60, 6},
            {IDC_ANSWER, R - 120, 6},               {IDC_PREV, R - 180, 6},
            {IDC_RANDOM, R - 300, 6},               {IDC_LOWER_FIRST, R - 450, 6},
            {IDC_VOICE, R - 4 * cw - 135, 10 * lh},
        };
        for (const Placed& p : aControls)
        {
            RECT rc;
            ::GetWindowRect(Control(p.nID), &rc);
            ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&rc), 2);
            EXPECT_EQ(p.x, rc.left) << "control " << p.nID << " at R " << R;
            EXPECT_EQ(p.y, rc.top) << "control " << p.nID << " at R " << R;
            EXPECT_GE(rc.left, 0);
            EXPECT_LE(rc.right, R);
            EXPECT_LE(rc.bottom, rcClient.bottom);
        }
    }
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, nWindowWidth, nWindowHeight, SWP_NOMOVE | SWP_NOZORDER);
}

TEST_F(PracticeView, RepaintReplacesUntakenNumberBoxText)
{
    Click(IDC_NEXT);
    ::SetWindowTextW(Control(IDC_NUMBER), L"42");
    Paint();
    EXPECT_EQ(CString("1"), Number());
    EXPECT_EQ(1, m_pView->m_nCurPoem);
}

// --- Bad meanings ----------------------------------------------------------------------------
class PracticeViewBadMeanings : public PracticeView
{
protected:
    void WriteFiles() override
    {
        std::string csv;
        for (int i = 0; i < 300; ++i)
            csv += "長";                              // 1: far longer than its box
        csv += "\r\n\x01\x02\x1F\t\x7F" "abc\x82\r\n"; // 2: control bytes, lone lead byte
        csv += "\x82\xA0\x81";                         // 3: ends in a lone lead byte
        m_pDir->WriteFile("imi.csv", csv);
    }
};

TEST_F(PracticeViewBadMeanings, AreDrawnWithoutHarm)
{
    ASSERT_EQ(600, m_pDoc->m_aPoem[1].m_strMeaning.GetLength());
    Click(IDC_VOICE);
    for (int n = 1; n <= 3; ++n)
    {
        Click(IDC_NEXT);
        Click(IDC_ANSWER);
        Paint();
        EXPECT_EQ(n, m_pView->m_nCurPoem);
        gui::Capture cap(Hwnd());
        EXPECT_TRUE(OutlineIsFrame(cap, FrameOf(m_pView, m_pView->m_boxUpper, false)));
        EXPECT_TRUE(OutlineIsFrame(cap, FrameOf(m_pView, m_pView->m_boxAuthor, true)));
        EXPECT_GT(cap.Count(BoxInterior(m_pView->m_boxUpper, false), kBlack), 10);
        EXPECT_TRUE(ScreenCell(cap, m_pView->m_ptCard) == CardOfPoem(n));
    }
    // The long meaning runs on to the left, outside its frame, but stays a meaning.
    Click(IDC_PREV);
    Click(IDC_PREV);
    Click(IDC_ANSWER);
    gui::Capture cap(Hwnd());
    const RECT rcMeaning = FrameOf(m_pView, m_pView->m_boxMeaning, true);
    EXPECT_TRUE(cap.Contains(Rect(0, rcMeaning.top, rcMeaning.left, rcMeaning.bottom), kBlack));
}
} // namespace
