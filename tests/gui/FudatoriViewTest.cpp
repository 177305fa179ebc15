// The card-taking view driven through real messages: the board on real pixels, deals, the
// reading chain with the timer record, takes and faults, the end of a game and its results.
#include "FudatoriFixture.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "FudatoriView.h"
#include "KasumioriDoc.h"
#include "KimarijiGroups.h"
#include "MciProbe.h"
#include "NumText.h"
#include "SeisekiDlg.h"
#include "resource.h"

namespace {

using gui::kCellW;
using gui::kCellH;
using gui::TimerList;
const COLORREF kPlaceholderGrey = RGB(200, 200, 200);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kFrameGrey = RGB(125, 125, 125);

// The board sheet as the program's resources hold it.
const gui::Capture& BoardSheet()
{
    static const gui::Capture sheet = [] {
        HBITMAP hBmp = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_BOARD_CARDS));
        gui::Capture pixels(hBmp);
        ::DeleteObject(hBmp);
        return pixels;
    }();
    return sheet;
}

// Sheet cells of the pictures that a board cell can show.
struct SheetCell
{
    int x;
    int y;
};
SheetCell CardCell(int nPoem) { return {((nPoem - 1) % 10) * kCellW, ((nPoem - 1) / 10) * kCellH}; }
const SheetCell kEmptySlot = {0, 850};
const SheetCell kCorrectMark = {60, 850};
const SheetCell kWrongMark = {120, 850};

bool ShowsPicture(const gui::Capture& cap, int nLeft, int nTop, SheetCell src)
{
    const gui::Capture& sheet = BoardSheet();
    for (int y = 0; y < kCellH; ++y)
        for (int x = 0; x < kCellW; ++x)
            if (cap.At(nLeft + x, nTop + y) != sheet.At(src.x + x, src.y + y))
                return false;
    return true;
}

// What the display itself shows at a client rectangle of a window (read from the screen, not
// from the window's own device context).
bool DisplayShowsPicture(HWND hWnd, int nLeft, int nTop, SheetCell src)
{
    return ShowsPicture(gui::Capture(hWnd, gui::Capture::fromScreen), nLeft, nTop, src);
}

// The results dialog as it was shown: its members and whether its drawn text matched.
struct ResultsSeen
{
    CString strTakenUpper, strTakenLower, strNotTaken, strFaults;
    CString strHours, strMinutes, strSeconds;
    bool bTextDrawn = false;
    std::wstring strMismatch;
};

// The six lines that the results dialog must show for these numbers.
std::vector<std::pair<POINT, std::wstring>> ExpectedResultLines(const std::wstring& up,
                                                                const std::wstring& low,
                                                                const std::wstring& notTaken,
                                                                const std::wstring& faults,
                                                                const std::wstring& h,
                                                                const std::wstring& m,
                                                                const std::wstring& s)
{
    return {
        {{10, 10}, L"今回の成績"},
        {{20, 30}, L"上の句で取った札…　" + up + L" 枚"},
        {{20, 50}, L"下の句で取った札…　" + low + L" 枚"},
        {{20, 70}, L"取れなかった札　…　" + notTaken + L" 枚"},
        {{20, 90}, L"お手付き　　　　…　" + faults + L" 回"},
        {{20, 110}, L"練習時間　　　　…　" + h + L" 時間 " + m + L" 分 " + s + L" 秒 "},
    };
}

std::wstring W(const CString& str) { return AfxToWide(str); }

// Wine's message box keeps its icon control even when it shows no icon: look for one that is
// visible and holds an icon.
BOOL CALLBACK FindVisibleIcon(HWND hChild, LPARAM lParam)
{
    wchar_t szClass[16] = {};
    ::GetClassNameW(hChild, szClass, 16);
    const LONG nStyle = ::GetWindowLongW(hChild, GWL_STYLE);
    if (_wcsicmp(szClass, L"Static") == 0 && (nStyle & SS_TYPEMASK) == SS_ICON &&
        ::IsWindowVisible(hChild) && ::SendMessageW(hChild, STM_GETICON, 0, 0) != 0)
        *reinterpret_cast<bool*>(lParam) = true;
    return TRUE;
}

bool HasVisibleIcon(HWND hBox)
{
    bool bIcon = false;
    ::EnumChildWindows(hBox, FindVisibleIcon, reinterpret_cast<LPARAM>(&bIcon));
    return bIcon;
}

// Compares what the dialog shows with the expected lines drawn by the same stock font on the
// dialog's own background; returns an empty text when every line matches.
std::wstring CompareDrawnResults(HWND hDlg, const std::vector<std::pair<POINT, std::wstring>>& lines)
{
    gui::Capture cap(hDlg);
    const COLORREF bg = cap.At(cap.Width() - 3, 3);
    gui::ReferenceCanvas canvas(hDlg, cap.Width(), cap.Height(), bg);
    const HDC hMem = canvas.Dc();
    ::SetBkMode(hMem, TRANSPARENT);
    std::wstring strMismatch;
    for (const auto& line : lines)
    {
        ::TextOutW(hMem, line.first.x, line.first.y, line.second.c_str(),
                   static_cast<int>(line.second.size()));
        SIZE sz = {};
        ::GetTextExtentPoint32W(hMem, line.second.c_str(), static_cast<int>(line.second.size()), &sz);
        ::GdiFlush();
        int nInk = 0;
        for (int y = line.first.y; y < line.first.y + sz.cy && y < cap.Height(); ++y)
        {
            for (int x = line.first.x; x < line.first.x + sz.cx && x < cap.Width(); ++x)
            {
                const COLORREF want = ::GetPixel(hMem, x, y);
                if (want != bg)
                    ++nInk;
                if (cap.At(x, y) != want)
                {
                    strMismatch = L"line \"" + line.second + L"\" differs at " +
                                  std::to_wstring(x) + L"," + std::to_wstring(y);
                    break;
                }
            }
            if (!strMismatch.empty())
                break;
        }
        if (strMismatch.empty() && nInk == 0)
            strMismatch = L"line \"" + line.second + L"\" has no ink";
        if (!strMismatch.empty())
            break;
    }
    return strMismatch;
}

class FudatoriViewTest : public gui::FudatoriFixture
{
protected:
    bool CellShows(const gui::Capture& cap, int nPos, SheetCell src) const
    {
        const CPoint pt = CellCorner(nPos);
        return ShowsPicture(cap, pt.x, pt.y, src);
    }

    // Installs a results watcher on the answerer: the dialog's members and its drawn text.
    void WatchResults(gui::BoxAnswerer& answerer, std::vector<ResultsSeen>& aSeen,
                      const std::vector<std::pair<POINT, std::wstring>>* pExpected = nullptr)
    {
        answerer.m_onShow = [&aSeen, pExpected](HWND hBox) {
            CSeisekiDlg* pDlg = dynamic_cast<CSeisekiDlg*>(CWnd::FromHandlePermanent(hBox));
            if (pDlg == nullptr)
                return;
            ResultsSeen seen;
            seen.strTakenUpper = pDlg->m_strTakenUpper;
            seen.strTakenLower = pDlg->m_strTakenLower;
            seen.strNotTaken = pDlg->m_strNotTaken;
            seen.strFaults = pDlg->m_strFaults;
            seen.strHours = pDlg->m_strHours;
            seen.strMinutes = pDlg->m_strMinutes;
            seen.strSeconds = pDlg->m_strSeconds;
            if (pExpected != nullptr)
            {
                seen.strMismatch = CompareDrawnResults(hBox, *pExpected);
                seen.bTextDrawn = seen.strMismatch.empty();
            }
            aSeen.push_back(seen);
        };
    }
};

// ---------------------------------------------------------------------------------------------
TEST_F(FudatoriViewTest, NewViewShowsEmptyBoardPlaceholdersAndDefaults)
{
    CFudatoriView& v = *m_pView;
    EXPECT_FALSE(v.m_bRoundActive);
    EXPECT_TRUE(v.m_bVoice);
    EXPECT_FALSE(v.m_bAuto);
    EXPECT_EQ(0, v.m_nShown);
    EXPECT_EQ(0, v.m_nSpeed);
    EXPECT_EQ(0, v.m_nSeedSalt);
    EXPECT_EQ(0, v.m_nCurPoem);
    EXPECT_EQ(20000, v.m_nUpperWait);
    EXPECT_EQ(10000, v.m_nLowerWait1);
    EXPECT_EQ(30000, v.m_nLowerWait2);
    EXPECT_EQ(15000, v.m_nFirstWait);
    EXPECT_EQ(9000, v.m_nTakeWait);
    ASSERT_EQ(101, v.m_aRead.GetSize());
    ASSERT_EQ(101, v.m_aBoard.GetSize());
    ASSERT_EQ(101, v.m_aExcluded.GetSize());
    ASSERT_EQ(101, v.m_aGone.GetSize());
    for (int i = 0; i <= 100; ++i)
    {
        EXPECT_EQ(0, v.m_aRead.GetAt(i));
        EXPECT_EQ(0, v.m_aBoard.GetAt(i));
        EXPECT_EQ(1, v.m_aExcluded.GetAt(i));
        EXPECT_EQ(0, v.m_aGone.GetAt(i));
    }
    EXPECT_TRUE(Pressed(IDC_AUTO));
    for (int id : {IDC_READ1, IDC_READ2, IDC_READ3, IDC_READ4, IDC_READ5, IDC_READ6, IDC_BOARD1,
                   IDC_BOARD2, IDC_BOARD3, IDC_BOARD4, IDC_BOARD5, IDC_BOARD6, IDC_FUDATORI_VOICE,
                   IDC_TEXT})
        EXPECT_FALSE(Pressed(id)) << "toggle " << id;
    EXPECT_EQ(CString("番号"), gui::ControlText(m_pView, IDC_NUMBER));
    EXPECT_EQ(CString("ゆっくり"), gui::ControlText(m_pView, IDC_SPEED));
    EXPECT_TRUE(Timers().empty());

    // Geometry from the stock font's metrics and the right edge of the client area.
    CRect rcClient;
    m_pView->GetClientRect(&rcClient);
    const int R = rcClient.right;
    const auto [cw, lh] = gui::StockCharCell(m_hView);
    EXPECT_EQ(cw, v.m_nCharWidth);
    EXPECT_EQ(lh, v.m_nLineHeight);
    EXPECT_EQ(R - 2 * cw, v.m_boxUpper.x);
    EXPECT_EQ(R - 4 * cw, v.m_boxLower.x);
    EXPECT_EQ(3 * lh, v.m_boxUpper.y);
    EXPECT_EQ(R - 2 * cw + cw / 4 - 3 * cw - 900, v.m_ptBoard.x);
    EXPECT_EQ(3 * lh, v.m_ptBoard.y);

    gui::Capture cap(m_hView);
    for (int p = 1; p <= 100; ++p)
        EXPECT_TRUE(CellShows(cap, p, kEmptySlot)) << "position " << p;
    // Row 6 ends after position 100.
    const CPoint after100 = CellCorner(100) + CSize(kCellW, 0);
    EXPECT_FALSE(ShowsPicture(cap, after100.x, after100.y, kEmptySlot));
    EXPECT_FALSE(ShowsPicture(cap, after100.x + 4 * kCellW, after100.y, kEmptySlot));

    // Both columns: framed, grey placeholders, nothing black.
    for (const VerseBox* pBox : {&v.m_boxUpper, &v.m_boxLower})
    {
        const RECT rcText = {pBox->x, pBox->y, pBox->x + cw, pBox->y + 21 * lh};
        EXPECT_TRUE(cap.Contains(rcText, kPlaceholderGrey));
        EXPECT_FALSE(cap.Contains(rcText, kBlack));
        EXPECT_EQ(kFrameGrey, cap.At(pBox->x - cw / 4, pBox->y + lh));
        EXPECT_EQ(kFrameGrey, cap.At(pBox->x + 5, pBox->y + 21 * lh + lh / 4 - 1));
    }
}

TEST_F(FudatoriViewTest, ControlsAreLaidOutInARowFromTheBoardAndTheRightEdge)
{
    struct Step
    {
        int nID;
        int nAfter;   // control whose right edge it follows, or 0
        int nOffset;  // gap after that edge, or position relative to the anchor
    };
    auto check = [this](const char* pszWhen) {
        CFudatoriView& v = *m_pView;
        CRect rcClient;
        v.GetClientRect(&rcClient);
        const int R = rcClient.right;
        auto rectOf = [this](int nID) {
            CRect rc;
            ::GetWindowRect(::GetDlgItem(m_hView, nID), &rc);
            ::MapWindowPoints(nullptr, m_hView, reinterpret_cast<POINT*>(&rc), 2);
            return rc;
        };
        const int L = v.m_ptBoard.x;
        const Step aChain[] = {
            {IDC_READ1, IDC_DEAL, 12},    {IDC_READ2, IDC_READ1, 6},    {IDC_READ3, IDC_READ2, 6},
            {IDC_READ4, IDC_READ3, 6},    {IDC_READ5, IDC_READ4, 6},    {IDC_READ6, IDC_READ5, 6},
            {IDC_BOARD1, IDC_READ6, 18},  {IDC_BOARD2, IDC_BOARD1, 6},  {IDC_BOARD3, IDC_BOARD2, 6},
            {IDC_BOARD4, IDC_BOARD3, 6},  {IDC_BOARD5, IDC_BOARD4, 6},  {IDC_BOARD6, IDC_BOARD5, 6},
            {IDC_TEXT, IDC_FUDATORI_VOICE, 6}, {IDC_AUTO, IDC_TEXT, 6}, {IDC_SPEED, IDC_AUTO, 6},
        };
        EXPECT_EQ(L, rectOf(IDC_DEAL).left) << pszWhen;
        EXPECT_EQ(L + 540, rectOf(IDC_FUDATORI_VOICE).left) << pszWhen;
        for (const Step& s : aChain)
            EXPECT_EQ(rectOf(s.nAfter).right + s.nOffset, rectOf(s.nID).left)
                << pszWhen << ": control " << s.nID;
        EXPECT_EQ(R - 132, rectOf(IDC_NEXT).left) << pszWhen;
        EXPECT_EQ(R - 192, rectOf(IDC_LOWER).left) << pszWhen;
        EXPECT_EQ(R - 72, rectOf(IDC_FINISH).left) << pszWhen;
        for (int id : {IDC_DEAL, IDC_READ1, IDC_BOARD6, IDC_SPEED, IDC_NEXT, IDC_LOWER, IDC_FINISH})
            EXPECT_EQ(6, rectOf(id).top) << pszWhen << ": control " << id;
        const CRect rcNumber = rectOf(IDC_NUMBER);
        EXPECT_EQ(v.m_boxUpper.x - v.m_nCharWidth, rcNumber.left) << pszWhen;
        EXPECT_EQ(v.m_boxUpper.y + 23 * v.m_nLineHeight, rcNumber.top) << pszWhen;
        EXPECT_EQ(R - 2 * v.m_nCharWidth, v.m_boxUpper.x) << pszWhen;
    };
    check("as opened");

    // A narrower view: everything follows the right edge again at the next painting.
    CRect rcView;
    m_pView->GetWindowRect(&rcView);
    ::MapWindowPoints(nullptr, ::GetParent(m_hView), reinterpret_cast<POINT*>(&rcView), 2);
    const int nOldLeftOfBoard = m_pView->m_ptBoard.x;
    ::MoveWindow(m_hView, rcView.left, rcView.top, rcView.Width() - 40, rcView.Height(), TRUE);
    ::InvalidateRect(m_hView, nullptr, TRUE);
    ::UpdateWindow(m_hView);
    Pump();
    EXPECT_EQ(nOldLeftOfBoard - 40, m_pView->m_ptBoard.x);
    check("40 pixels narrower");
    ::MoveWindow(m_hView, rcView.left, rcView.top, rcView.Width(), rcView.Height(), TRUE);
    ::InvalidateRect(m_hView, nullptr, TRUE);
    ::UpdateWindow(m_hView);
    Pump();
}

// ---------------------------------------------------------------------------------------------
struct DealCase
{
    const char* pszName;
    std::initializer_list<int> groupsOff;
    int nRemaining;
};

TEST_F(FudatoriViewTest, DealFollowsTheReadTogglesAndShufflesAllHundredCards)
{
    const DealCase aCases[] = {
        {"all groups", {}, 100},
        {"only two syllables", {1, 3, 4, 5, 6}, 43},
        {"only three syllables", {1, 2, 4, 5, 6}, 36},
        {"two and three syllables", {1, 4, 5, 6}, 79},
        {"only five syllables", {1, 2, 3, 4, 6}, 2},
        {"nothing", {1, 2, 3, 4, 5, 6}, 0},
    };
    CFudatoriView& v = *m_pView;
    for (const DealCase& c : aCases)
    {
        SCOPED_TRACE(c.pszName);
        SetReadGroupsOff(c.groupsOff);
        Click(IDC_DEAL);
        ASSERT_TRUE(v.m_bRoundActive);
        EXPECT_EQ(c.nRemaining, v.m_nRemaining);

        std::set<int> read;
        for (int k = 1; k <= 6; ++k)
            if (std::find(c.groupsOff.begin(), c.groupsOff.end(), k) == c.groupsOff.end())
                for (int i = 0; i < g_aKimarijiGroup[k - 1].nSize; ++i)
                    read.insert(g_aKimarijiGroup[k - 1].pPoems[i]);
        EXPECT_EQ(static_cast<size_t>(c.nRemaining), read.size());

        EXPECT_EQ(0, v.m_aBoard.GetAt(0));
        EXPECT_EQ(1, v.m_aRead.GetAt(0));
        EXPECT_EQ(1, v.m_aExcluded.GetAt(0));
        EXPECT_EQ(1, v.m_aGone.GetAt(0));
        std::set<int> onBoard;
        for (int p = 1; p <= 100; ++p)
            onBoard.insert(v.m_aBoard.GetAt(p));
        EXPECT_EQ(100u, onBoard.size());
        EXPECT_EQ(1, *onBoard.begin());
        EXPECT_EQ(100, *onBoard.rbegin());
        for (int i = 1; i <= 100; ++i)
        {
            const int nExpected = read.count(i) ? 0 : 1;
            EXPECT_EQ(nExpected, v.m_aExcluded.GetAt(i)) << "poem " << i;
            EXPECT_EQ(v.m_aExcluded.GetAt(i), v.m_aRead.GetAt(i)) << "poem " << i;
            // Every board toggle is released: every card lies on the board.
            EXPECT_EQ(0, v.m_aGone.GetAt(i)) << "poem " << i;
        }

        // Each poem in play comes exactly once, then nothing.
        std::set<int> picked;
        for (int n = 0; n < c.nRemaining; ++n)
        {
            const int r = v.PickNextPoem();
            ASSERT_TRUE(read.count(r)) << "picked " << r;
            ASSERT_TRUE(picked.insert(r).second) << "picked twice: " << r;
        }
        EXPECT_EQ(0, v.PickNextPoem());
        EXPECT_EQ(read, picked);
    }
}

TEST_F(FudatoriViewTest, AGroupThatIsReadKeepsItsCardsOnTheBoard)
{
    CFudatoriView& v = *m_pView;
    // 札一 cannot be pressed while 一字 is released.
    Click(IDC_BOARD1);
    EXPECT_FALSE(Pressed(IDC_BOARD1));
    EXPECT_EQ(0, v.m_nBoardGroupCheck[0]);

    // 一字 pressed frees 札一.
    Click(IDC_READ1);
    Click(IDC_BOARD1);
    EXPECT_TRUE(Pressed(IDC_READ1));
    EXPECT_TRUE(Pressed(IDC_BOARD1));
    Click(IDC_DEAL);
    const KimarijiGroup& g1 = g_aKimarijiGroup[0];
    for (int i = 0; i < g1.nSize; ++i)
    {
        EXPECT_EQ(1, v.m_aGone.GetAt(g1.pPoems[i]));
        EXPECT_EQ(1, v.m_aRead.GetAt(g1.pPoems[i]));
    }
    EXPECT_EQ(93, v.m_nRemaining);
    gui::Capture cap(m_hView);
    for (int i = 0; i < g1.nSize; ++i)
        EXPECT_TRUE(CellShows(cap, PositionOf(g1.pPoems[i]), kEmptySlot)) << g1.pPoems[i];

    // Toggles changed during a game wait for the next deal.
    const std::vector<WORD> aBoard(v.m_aBoard.GetData(), v.m_aBoard.GetData() + 101);
    const std::vector<WORD> aGone(v.m_aGone.GetData(), v.m_aGone.GetData() + 101);
    const std::vector<WORD> aRead(v.m_aRead.GetData(), v.m_aRead.GetData() + 101);
    Click(IDC_READ2);
    Click(IDC_BOARD2);
    EXPECT_EQ(aBoard, std::vector<WORD>(v.m_aBoard.GetData(), v.m_aBoard.GetData() + 101));
    EXPECT_EQ(aGone, std::vector<WORD>(v.m_aGone.GetData(), v.m_aGone.GetData() + 101));
    EXPECT_EQ(aRead, std::vector<WORD>(v.m_aRead.GetData(), v.m_aRead.GetData() + 101));
    EXPECT_EQ(93, v.m_nRemaining);
    Click(IDC_READ2);
    EXPECT_FALSE(Pressed(IDC_BOARD2)) << "releasing 二字 releases 札二";

    // Releasing 一字 releases 札一.
    Click(IDC_READ1);
    EXPECT_FALSE(Pressed(IDC_READ1));
    EXPECT_FALSE(Pressed(IDC_BOARD1));

    // 一字 pressed and 札一 released: the cards lie on the board and are never read.
    Click(IDC_READ1);
    Click(IDC_DEAL);
    EXPECT_EQ(93, v.m_nRemaining);
    for (int i = 0; i < g1.nSize; ++i)
    {
        EXPECT_EQ(0, v.m_aGone.GetAt(g1.pPoems[i]));
        EXPECT_EQ(1, v.m_aExcluded.GetAt(g1.pPoems[i]));
    }
    std::set<int> picked;
    for (int r = v.PickNextPoem(); r != 0; r = v.PickNextPoem())
        picked.insert(r);
    for (int i = 0; i < g1.nSize; ++i)
        EXPECT_EQ(0u, picked.count(g1.pPoems[i]));
    EXPECT_EQ(93u, picked.size());
}

// The seed of a draw: salt, the previous and current poem, the date and time parts, the draw
// number (from 2) and the previous number of the same pick.
int ExpectedPick(int nSalt, int nPrev, int nCur, const SYSTEMTIME& st, const CWordArray& aRead,
                 int* pSaltAfter)
{
    int nDraw = 1;
    int r = 0;
    do
    {
        ++nDraw;
        if (nSalt > 1000000)
            nSalt = 0;
        const int nSeed = nSalt + nPrev + nCur + st.wYear + st.wMonth + st.wDay + st.wHour +
                          st.wMinute + st.wSecond + nDraw + r;
        srand(static_cast<unsigned>(nSeed));
        r = rand() % 100;
        if (r == 0)
            r = 100;
        nSalt += 100;
    } while (aRead.GetAt(r) != 0);
    *pSaltAfter = nSalt;
    return r;
}

TEST_F(FudatoriViewTest, EveryDrawIsSeededFromTheClockAndTheSalt)
{
    CFudatoriView& v = *m_pView;
    gui::BoxAnswerer answerer(IDOK);
    m_pClock->Set(2027, 3, 4, 5, 6, 7);
    Click(IDC_DEAL);
    // Every draw of the deal added 100; at least one draw per position.
    EXPECT_EQ(0, v.m_nSeedSalt % 100);
    EXPECT_GE(v.m_nSeedSalt, 10000);

    SYSTEMTIME st = {};
    m_pClock->GetLocalTime(&st);
    struct SaltCase
    {
        int nSalt;
        const char* pszName;
    };
    for (const SaltCase& c : {SaltCase{1000001, "above the limit: starts again from 0"},
                              SaltCase{1000000, "at the limit: kept"}, SaltCase{4200, "plain"}})
    {
        SCOPED_TRACE(c.pszName);
        v.m_nSeedSalt = c.nSalt;
        // The seed takes m_nPrevPoem and m_nCurPoem as they are before the pick moves them.
        const int nCurBefore = v.m_nCurPoem;
        int nSaltAfter = 0;
        const int nExpected =
            ExpectedPick(c.nSalt, v.m_nPrevPoem, v.m_nCurPoem, st, v.m_aRead, &nSaltAfter);
        Click(IDC_NEXT);
        EXPECT_EQ(nExpected, v.m_nCurPoem);
        EXPECT_EQ(nCurBefore, v.m_nPrevPoem);
        EXPECT_EQ(nSaltAfter, v.m_nSeedSalt);
        if (c.nSalt > 1000000)
        {
            EXPECT_LT(v.m_nSeedSalt, 1000000);
        }
        else
        {
            EXPECT_GT(v.m_nSeedSalt, c.nSalt);
        }
    }
    // The end of a game starts the salt again.
    Click(IDC_FINISH);
    EXPECT_EQ(0, v.m_nSeedSalt);
}

// ---------------------------------------------------------------------------------------------
struct AutoCase
{
    int nSpeed;
    bool bVoice;
    int nUpper, nLower1, nLower2, nFirst, nTake;
};

class FudatoriAutoTest : public FudatoriViewTest, public testing::WithParamInterface<AutoCase>
{
};

// A whole automatic game: every poem goes through the chain of timers with the periods of the
// speed and the voice; takes cut the chain, passing over counts without a question.
TEST_P(FudatoriAutoTest, WholeGameFollowsTheTimerChain)
{
    const AutoCase& c = GetParam();
    CFudatoriView& v = *m_pView;
    gui::BoxAnswerer answerer(IDOK);
    std::vector<ResultsSeen> aResults;
    WatchResults(answerer, aResults);

    for (int i = 0; i < c.nSpeed; ++i)
        Click(IDC_SPEED);
    SetPressed(IDC_FUDATORI_VOICE, !c.bVoice);
    // Eight poems: the groups of four and five syllables.
    SetReadGroupsOff({1, 2, 3, 6});

    // 自動 released before any game: the buttons go grey and the next-poem timer asks for a deal.
    Click(IDC_AUTO);
    ASSERT_TRUE(v.m_bAuto);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_hView, IDC_NEXT)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_hView, IDC_LOWER)));
    EXPECT_EQ((TimerList{{5, static_cast<UINT>(c.nTake)}}), Timers());
    FireTimer(5);
    ASSERT_EQ(1u, answerer.m_aSeen.size());
    EXPECT_EQ(CString("最初に札並べボタンを押してください。"), answerer.m_aSeen[0].strText);
    EXPECT_EQ(CString("情報"), answerer.m_aSeen[0].strCaption);
    EXPECT_EQ((std::vector<int>{IDOK}), answerer.m_aSeen[0].aButtons);
    EXPECT_TRUE(Timers().empty());

    Click(IDC_DEAL);
    EXPECT_EQ((TimerList{{4, static_cast<UINT>(c.nFirst)}}), Timers());
    FireTimer(4);

    int nTakenUpper = 0, nTakenLower = 0, nNotTaken = 0, nFaults = 0;
    for (int nPoem = 0; v.m_bRoundActive; ++nPoem)
    {
        SCOPED_TRACE("poem " + std::to_string(nPoem));
        ASSERT_LT(nPoem, 8);
        ASSERT_EQ(1, v.m_nShown);
        ASSERT_EQ(0, v.m_nLowerCount);
        ASSERT_EQ((TimerList{{1, static_cast<UINT>(c.nUpper)}}), Timers());
        const int nCur = v.m_nCurPoem;
        ASSERT_EQ(0, v.m_aExcluded.GetAt(nCur));
        switch (nPoem % 4)
        {
        case 0: // taken during the upper verse: the lower verse is read at once
            ClickPosition(PositionOf(nCur));
            ++nTakenUpper;
            EXPECT_EQ(2, v.m_nShown);
            EXPECT_EQ(1, v.m_nLowerCount);
            break;
        case 1: // a fault leaves the stage timer alone; then taken after the first lower verse
            ClickPosition(WrongPosition());
            ++nFaults;
            EXPECT_EQ((TimerList{{1, static_cast<UINT>(c.nUpper)}}), Timers());
            FireTimer(1);
            EXPECT_EQ(2, v.m_nShown);
            EXPECT_EQ((TimerList{{2, static_cast<UINT>(c.nLower1)}}), Timers());
            ClickPosition(PositionOf(nCur));
            ++nTakenLower;
            EXPECT_EQ(1, v.m_nLowerCount);
            break;
        case 2: // taken after the second lower verse
            FireTimer(1);
            FireTimer(2);
            EXPECT_EQ(2, v.m_nLowerCount);
            EXPECT_EQ((TimerList{{3, static_cast<UINT>(c.nLower2)}}), Timers());
            ClickPosition(PositionOf(nCur));
            ++nTakenLower;
            break;
        case 3: // not taken: timer 3 passes over it without a question
            FireTimer(1);
            FireTimer(2);
            FireTimer(3);
            ++nNotTaken;
            EXPECT_EQ(1, v.m_aGone.GetAt(nCur));
            EXPECT_EQ(1, v.m_aExcluded.GetAt(nCur));
            if (v.m_bRoundActive)
            {
                EXPECT_NE(nCur, v.m_nCurPoem);
            }
            continue;
        }
        EXPECT_EQ(1, v.m_aGone.GetAt(nCur));
        if (!v.m_bRoundActive)
            break;
        EXPECT_EQ((TimerList{{5, static_cast<UINT>(c.nTake)}}), Timers());
        FireTimer(5);
    }

    EXPECT_FALSE(v.m_bRoundActive);
    EXPECT_TRUE(Timers().empty());
    EXPECT_EQ(0, v.m_nRemaining);
    EXPECT_EQ(8, nTakenUpper + nTakenLower + nNotTaken);
    EXPECT_EQ(nTakenUpper, v.m_nTakenUpper);
    EXPECT_EQ(nTakenLower, v.m_nTakenLower);
    EXPECT_EQ(nNotTaken, v.m_nNotTaken);
    EXPECT_EQ(nFaults, v.m_nFaults);
    // The question of 次の句 never came: only the first notice and the results.
    ASSERT_EQ(2u, answerer.m_aSeen.size());
    EXPECT_EQ(CString("成績"), answerer.m_aSeen[1].strCaption);
    ASSERT_EQ(1u, aResults.size());
    EXPECT_EQ(NumToStr(nTakenUpper), aResults[0].strTakenUpper);
    EXPECT_EQ(NumToStr(nTakenLower), aResults[0].strTakenLower);
    EXPECT_EQ(NumToStr(nNotTaken), aResults[0].strNotTaken);
    EXPECT_EQ(NumToStr(nFaults), aResults[0].strFaults);
}

INSTANTIATE_TEST_SUITE_P(SpeedsAndVoice, FudatoriAutoTest,
                         testing::Values(AutoCase{0, true, 20000, 10000, 30000, 15000, 9000},
                                         AutoCase{1, true, 15000, 10000, 20000, 15000, 9000},
                                         AutoCase{2, true, 10000, 10000, 15000, 15000, 9000},
                                         AutoCase{0, false, 20000, 10000, 30000, 1000, 1000},
                                         AutoCase{1, false, 15000, 10000, 20000, 1000, 1000},
                                         AutoCase{2, false, 10000, 10000, 15000, 1000, 1000}));

TEST_F(FudatoriViewTest, AutomaticModeTurnedOnWhileACardIsOutPassesItOverSilently)
{
    CFudatoriView& v = *m_pView;
    gui::BoxAnswerer answerer(IDCANCEL);
    Click(IDC_DEAL);
    Click(IDC_NEXT);
    const int nCur = v.m_nCurPoem;
    Click(IDC_AUTO);
    EXPECT_EQ((TimerList{{5, 9000u}}), Timers());
    FireTimer(5);
    EXPECT_TRUE(answerer.m_aSeen.empty());
    EXPECT_EQ(1, v.m_nNotTaken);
    EXPECT_EQ(1, v.m_aGone.GetAt(nCur));
    EXPECT_NE(nCur, v.m_nCurPoem);
    EXPECT_EQ((TimerList{{1, 20000u}}), Timers());
    // 自動 pressed again: every timer stops, the buttons come back.
    Click(IDC_AUTO);
    EXPECT_FALSE(v.m_bAuto);
    EXPECT_TRUE(Timers().empty());
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_hView, IDC_NEXT)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_hView, IDC_LOWER)));
}

// ---------------------------------------------------------------------------------------------
TEST_F(FudatoriViewTest, TakesAndFaultsByHandShowTheirMarkForOneSecond)
{
    CFudatoriView& v = *m_pView;
    std::vector<std::pair<int, bool>> aMarks; // position, correct mark shown (else wrong mark)
    std::vector<bool> aOnDisplay;             // the display itself showed that mark
    int nMarkPos = 0;
    m_pClock->m_onSleep = [&]() {
        const CPoint corner = CellCorner(nMarkPos);
        aOnDisplay.push_back(DisplayShowsPicture(m_hView, corner.x, corner.y, kCorrectMark) ||
                             DisplayShowsPicture(m_hView, corner.x, corner.y, kWrongMark));
        gui::Capture cap(m_hView);
        if (CellShows(cap, nMarkPos, kCorrectMark))
            aMarks.emplace_back(nMarkPos, true);
        else if (CellShows(cap, nMarkPos, kWrongMark))
            aMarks.emplace_back(nMarkPos, false);
        else
            aMarks.emplace_back(-nMarkPos, false); // no mark on the clicked cell
    };
    Click(IDC_DEAL);

    // Before the first poem every card is wrong.
    nMarkPos = 7;
    ClickPosition(nMarkPos);
    EXPECT_EQ(1, v.m_nFaults);
    {
        gui::Capture cap(m_hView);
        EXPECT_TRUE(CellShows(cap, 7, CardCell(v.m_aBoard.GetAt(7))));
    }

    Click(IDC_NEXT);
    const int nFirst = v.m_nCurPoem;
    const int nWrong = WrongPosition();
    nMarkPos = nWrong;
    ClickPosition(nWrong);
    EXPECT_EQ(2, v.m_nFaults);
    EXPECT_EQ(1, v.m_nShown);
    EXPECT_EQ(0, v.m_nLowerCount);
    {
        gui::Capture cap(m_hView);
        EXPECT_TRUE(CellShows(cap, nWrong, CardCell(v.m_aBoard.GetAt(nWrong))));
    }

    // Taken during the upper verse: the lower verse is shown before the pause.
    const int nPos = PositionOf(nFirst);
    nMarkPos = nPos;
    ClickPosition(nPos);
    EXPECT_EQ(1, v.m_nTakenUpper);
    EXPECT_EQ(0, v.m_nTakenLower);
    EXPECT_EQ(99, v.m_nRemaining);
    EXPECT_EQ(2, v.m_nShown);
    EXPECT_EQ(1, v.m_nLowerCount);
    EXPECT_EQ(1, v.m_aGone.GetAt(nFirst));
    EXPECT_EQ(1, v.m_aExcluded.GetAt(nFirst));
    {
        gui::Capture cap(m_hView);
        EXPECT_TRUE(CellShows(cap, nPos, kEmptySlot));
    }

    // The same cell again: an empty slot is a fault, not a second take.
    ClickPosition(nPos);
    EXPECT_EQ(1, v.m_nTakenUpper);
    EXPECT_EQ(99, v.m_nRemaining);
    EXPECT_EQ(3, v.m_nFaults);
    {
        gui::Capture cap(m_hView);
        EXPECT_TRUE(CellShows(cap, nPos, kEmptySlot));
    }

    // After 下の句 a take counts for the lower verse and does not read it again.
    Click(IDC_NEXT);
    const int nSecond = v.m_nCurPoem;
    Click(IDC_LOWER);
    EXPECT_EQ(2, v.m_nShown);
    EXPECT_EQ(1, v.m_nLowerCount);
    nMarkPos = PositionOf(nSecond);
    ClickPosition(nMarkPos);
    EXPECT_EQ(1, v.m_nTakenLower);
    EXPECT_EQ(1, v.m_nLowerCount);
    EXPECT_EQ(98, v.m_nRemaining);

    EXPECT_EQ((std::vector<std::pair<int, bool>>{{7, false}, {nWrong, false}, {nPos, true},
                                                 {nPos, false}, {PositionOf(nSecond), true}}),
              aMarks);
    EXPECT_EQ((std::vector<bool>(5, true)), aOnDisplay) << "each mark reached the display";
    EXPECT_EQ((std::vector<DWORD>(5, 1000)), m_pClock->m_aSleeps);
    EXPECT_TRUE(Timers().empty()) << "no timer outside automatic mode";
}

TEST_F(FudatoriViewTest, OnlyPointsStrictlyInsideTheBoardHitACell)
{
    CFudatoriView& v = *m_pView;
    int nMarked = 0;
    m_pClock->m_onSleep = [&]() {
        gui::Capture cap(m_hView);
        nMarked = 0;
        for (int p = 1; p <= 100; ++p)
            if (CellShows(cap, p, kWrongMark))
                nMarked = nMarked == 0 ? p : -1;
    };
    Click(IDC_DEAL); // no poem read yet: every hit is a fault with the wrong mark
    struct HitCase
    {
        int dx, dy;   // from the board's top-left corner
        int nPos;     // 0: off the board
    };
    const HitCase aCases[] = {
        {0, 10, 0},     {10, 0, 0},      {1, 1, 1},      {59, 10, 1},     {60, 10, 2},
        {840, 10, 15},  {899, 10, 15},   {900, 10, 0},   {10, 85, 16},    {899, 509, 90},
        {10, 510, 0},   {10, 511, 91},   {1, 594, 91},   {599, 594, 100}, {540, 520, 100},
        {600, 520, 0},  {10, 595, 0},    {-5, 100, 0},   {700, 550, 0},   {5000, 5000, 0},
    };
    int nFaults = 0;
    for (const HitCase& c : aCases)
    {
        SCOPED_TRACE(std::to_string(c.dx) + "," + std::to_string(c.dy));
        const size_t nSleeps = m_pClock->m_aSleeps.size();
        nMarked = 0;
        ClickAt(v.m_ptBoard.x + c.dx, v.m_ptBoard.y + c.dy);
        if (c.nPos == 0)
        {
            EXPECT_EQ(nSleeps, m_pClock->m_aSleeps.size());
            EXPECT_EQ(nFaults, v.m_nFaults);
        }
        else
        {
            EXPECT_EQ(nSleeps + 1, m_pClock->m_aSleeps.size());
            EXPECT_EQ(++nFaults, v.m_nFaults);
            EXPECT_EQ(c.nPos, nMarked);
        }
    }
    EXPECT_TRUE(v.m_bRoundActive);
}

// ---------------------------------------------------------------------------------------------
TEST_F(FudatoriViewTest, TakingTheLastCardShowsItsMarkThenTheResults)
{
    CFudatoriView& v = *m_pView;
    gui::BoxAnswerer answerer(IDOK);
    std::vector<ResultsSeen> aResults;
    WatchResults(answerer, aResults);
    std::vector<std::string> aEvents;
    m_pClock->m_onSleep = [&]() { aEvents.push_back("pause"); };
    auto onShow = answerer.m_onShow;
    answerer.m_onShow = [&, onShow](HWND h) { aEvents.push_back("results"); onShow(h); };

    SetReadGroupsOff({1, 2, 3, 4, 6});
    Click(IDC_DEAL);
    Click(IDC_NEXT);
    ClickPosition(PositionOf(v.m_nCurPoem));
    Click(IDC_NEXT);
    const int nLast = v.m_nCurPoem;
    EXPECT_TRUE(nLast == 83 || nLast == 93);
    ClickPosition(PositionOf(nLast));
    EXPECT_EQ((std::vector<std::string>{"pause", "pause", "results"}), aEvents);
    EXPECT_FALSE(v.m_bRoundActive);
    EXPECT_EQ(0, v.m_nSeedSalt);
    EXPECT_TRUE(Timers().empty());
    ASSERT_EQ(1u, aResults.size());
    EXPECT_EQ(CString("2"), aResults[0].strTakenUpper);
    EXPECT_EQ(CString("0"), aResults[0].strNotTaken);
    // The view keeps the last poem; a new painting shows no card at all.
    EXPECT_EQ(nLast, v.m_nCurPoem);
    ::InvalidateRect(m_hView, nullptr, TRUE);
    ::UpdateWindow(m_hView);
    gui::Capture cap(m_hView);
    for (int p = 1; p <= 100; ++p)
        EXPECT_TRUE(CellShows(cap, p, kEmptySlot)) << p;

    // After the end clicks do nothing and 次の句 asks for a deal.
    const size_t nPauses = m_pClock->m_aSleeps.size();
    ClickPosition(1);
    EXPECT_EQ(nPauses, m_pClock->m_aSleeps.size());
    Click(IDC_NEXT);
    ASSERT_EQ(2u, answerer.m_aSeen.size());
    EXPECT_EQ(CString("最初に札並べボタンを押してください。"), answerer.m_aSeen[1].strText);
    EXPECT_EQ(nLast, v.m_nCurPoem);
}

TEST_F(FudatoriViewTest, PassOverQuestionCancelKeepsThePoemAndOkCountsIt)
{
    CFudatoriView& v = *m_pView;
    gui::BoxAnswerer answerer(IDOK);
    std::vector<ResultsSeen> aResults;
    WatchResults(answerer, aResults);
    std::vector<bool> aFrameDisabled; // per box: the main frame could not be used meanwhile
    std::vector<bool> aIcon;
    auto onShow = answerer.m_onShow;
    answerer.m_onShow = [&, onShow](HWND h) {
        aFrameDisabled.push_back(!::IsWindowEnabled(gui::MainFrame()->GetSafeHwnd()));
        aIcon.push_back(HasVisibleIcon(h));
        onShow(h);
    };

    SetReadGroupsOff({1, 2, 3, 4, 6});
    Click(IDC_DEAL);
    Click(IDC_NEXT);
    const int nFirst = v.m_nCurPoem;
    Click(IDC_LOWER);
    EXPECT_EQ(1, v.m_nLowerCount);

    answerer.Queue(IDCANCEL);
    Click(IDC_NEXT);
    ASSERT_EQ(1u, answerer.m_aSeen.size());
    const gui::SeenBox& box = answerer.m_aSeen[0];
    EXPECT_EQ(CString("前の札はまだ取られていません。このまま進みますか。"), box.strText);
    EXPECT_EQ(CString("情報"), box.strCaption);
    EXPECT_EQ((std::vector<bool>{false}), aIcon);
    std::vector<int> aButtons = box.aButtons;
    std::sort(aButtons.begin(), aButtons.end());
    EXPECT_EQ((std::vector<int>{IDOK, IDCANCEL}), aButtons);
    EXPECT_TRUE(box.hOwner == m_hView || box.hOwner == ::GetAncestor(m_hView, GA_ROOT));
    EXPECT_EQ((std::vector<bool>{true}), aFrameDisabled);
    // Cancel: the same poem, nothing counted, but the lower-verse count starts again.
    EXPECT_EQ(nFirst, v.m_nCurPoem);
    EXPECT_EQ(0, v.m_nNotTaken);
    EXPECT_EQ(2, v.m_nRemaining);
    EXPECT_EQ(0, v.m_nLowerCount);
    EXPECT_EQ(0, v.m_aGone.GetAt(nFirst));
    // ... so a take now counts during the upper verse and reads the lower verse once more.
    ClickPosition(PositionOf(nFirst));
    EXPECT_EQ(1, v.m_nTakenUpper);
    EXPECT_EQ(1, v.m_nLowerCount);

    Click(IDC_NEXT);
    EXPECT_EQ(1u, answerer.m_aSeen.size()) << "a taken card asks nothing";
    const int nSecond = v.m_nCurPoem;
    const int nPos = PositionOf(nSecond);
    // OK on the last card: passed over, the results follow, no further poem is read.
    Click(IDC_NEXT);
    ASSERT_EQ(3u, answerer.m_aSeen.size());
    EXPECT_EQ(CString("成績"), answerer.m_aSeen[2].strCaption);
    EXPECT_EQ((std::vector<bool>{true, true, true}), aFrameDisabled) << "the results are modal too";
    EXPECT_EQ((std::vector<bool>{false, false, false}), aIcon);
    EXPECT_EQ(1, v.m_nNotTaken);
    EXPECT_EQ(0, v.m_nRemaining);
    EXPECT_EQ(nSecond, v.m_nCurPoem);
    EXPECT_FALSE(v.m_bRoundActive);
    ASSERT_EQ(1u, aResults.size());
    EXPECT_EQ(CString("1"), aResults[0].strNotTaken);
    EXPECT_EQ(CString("1"), aResults[0].strTakenUpper);
    gui::Capture cap(m_hView);
    EXPECT_TRUE(CellShows(cap, nPos, kEmptySlot)) << "the passed-over card left the board";
}

// ---------------------------------------------------------------------------------------------
struct SpanCase
{
    const char* pszName;
    long long nSeconds;
    const wchar_t* pszHours;
    const wchar_t* pszMinutes;
    const wchar_t* pszSeconds;
};

TEST_F(FudatoriViewTest, ResultsShowTheCountsAndThePlayingTimeWithoutDays)
{
    CFudatoriView& v = *m_pView;
    gui::BoxAnswerer answerer(IDOK);
    std::vector<ResultsSeen> aResults;
    std::vector<std::pair<POINT, std::wstring>> aExpected;
    WatchResults(answerer, aResults, &aExpected);

    // 終了 before any deal: zero counts and the time since the view was made.
    aExpected = ExpectedResultLines(L"0", L"0", L"0", L"0", L"0", L"0", L"59");
    m_pClock->AdvanceSeconds(59);
    Click(IDC_FINISH);
    ASSERT_EQ(1u, aResults.size());
    EXPECT_TRUE(aResults[0].bTextDrawn) << AfxFromWide(aResults[0].strMismatch.c_str());
    EXPECT_EQ(CString("59"), aResults[0].strSeconds);

    const SpanCase aCases[] = {
        {"59 seconds", 59, L"0", L"0", L"59"},
        {"one hour", 3600, L"1", L"0", L"0"},
        {"25 hours 3 minutes 4 seconds", 25 * 3600 + 3 * 60 + 4, L"1", L"3", L"4"},
        {"clock set back 90 seconds", -90, L"0", L"-1", L"-30"},
    };
    for (const SpanCase& c : aCases)
    {
        SCOPED_TRACE(c.pszName);
        aResults.clear();
        Click(IDC_DEAL);
        Click(IDC_NEXT);
        ClickPosition(PositionOf(v.m_nCurPoem));
        ClickPosition(WrongPosition());
        m_pClock->AdvanceSeconds(c.nSeconds - 2); // the two pauses took two seconds
        aExpected = ExpectedResultLines(L"1", L"0", L"0", L"1", c.pszHours, c.pszMinutes,
                                        c.pszSeconds);
        Click(IDC_FINISH);
        ASSERT_EQ(1u, aResults.size());
        const ResultsSeen& r = aResults[0];
        EXPECT_EQ(c.pszHours, W(r.strHours));
        EXPECT_EQ(c.pszMinutes, W(r.strMinutes));
        EXPECT_EQ(c.pszSeconds, W(r.strSeconds));
        EXPECT_TRUE(r.bTextDrawn) << AfxFromWide(r.strMismatch.c_str());
        EXPECT_FALSE(v.m_bRoundActive);
    }

    // 終了 again after the game: the same counts, timed from that game's deal.
    aResults.clear();
    m_pClock->AdvanceSeconds(10);
    aExpected = ExpectedResultLines(L"1", L"0", L"0", L"1", L"0", L"-1", L"-20");
    Click(IDC_FINISH);
    ASSERT_EQ(1u, aResults.size());
    EXPECT_TRUE(aResults[0].bTextDrawn) << AfxFromWide(aResults[0].strMismatch.c_str());
    EXPECT_EQ(CString("1"), aResults[0].strTakenUpper);
    EXPECT_EQ(CString("1"), aResults[0].strFaults);
    EXPECT_EQ(CString("-1"), aResults[0].strMinutes);
    EXPECT_EQ(CString("-20"), aResults[0].strSeconds);
}

// ---------------------------------------------------------------------------------------------
TEST_F(FudatoriViewTest, SpeedVoiceAndTextToggles)
{
    CFudatoriView& v = *m_pView;
    struct SpeedStep
    {
        const char* pszCaption;
        int nUpper, nLower2;
    };
    const SpeedStep aSteps[] = {{"ふつう", 15000, 20000}, {"はやい", 10000, 15000},
                                {"ゆっくり", 20000, 30000}, {"ふつう", 15000, 20000}};
    for (const SpeedStep& s : aSteps)
    {
        Click(IDC_SPEED);
        EXPECT_EQ(CString(s.pszCaption), gui::ControlText(m_pView, IDC_SPEED));
        EXPECT_EQ(s.nUpper, v.m_nUpperWait);
        EXPECT_EQ(10000, v.m_nLowerWait1);
        EXPECT_EQ(s.nLower2, v.m_nLowerWait2);
    }
    // A speed out of range shows and becomes the slow one at the next painting.
    v.m_nSpeed = 7;
    ::InvalidateRect(m_hView, nullptr, TRUE);
    ::UpdateWindow(m_hView);
    EXPECT_EQ(0, v.m_nSpeed);
    EXPECT_EQ(CString("ゆっくり"), gui::ControlText(m_pView, IDC_SPEED));

    // Hidden text and no voice never go together.
    Click(IDC_TEXT);
    EXPECT_TRUE(Pressed(IDC_TEXT));
    Click(IDC_FUDATORI_VOICE);
    EXPECT_TRUE(Pressed(IDC_FUDATORI_VOICE));
    EXPECT_FALSE(Pressed(IDC_TEXT));
    EXPECT_FALSE(v.m_bVoice);
    EXPECT_EQ(1000, v.m_nFirstWait);
    EXPECT_EQ(1000, v.m_nTakeWait);
    Click(IDC_TEXT);
    EXPECT_TRUE(Pressed(IDC_TEXT));
    EXPECT_FALSE(Pressed(IDC_FUDATORI_VOICE));
    EXPECT_TRUE(v.m_bVoice);
    EXPECT_EQ(15000, v.m_nFirstWait);
    EXPECT_EQ(9000, v.m_nTakeWait);

    // With the text hidden the columns stay grey but the number box names the poem.
    Click(IDC_DEAL);
    Click(IDC_NEXT);
    gui::Capture cap(m_hView);
    const RECT rcUpper = {v.m_boxUpper.x, v.m_boxUpper.y, v.m_boxUpper.x + v.m_nCharWidth,
                          v.m_boxUpper.y + 21 * v.m_nLineHeight};
    EXPECT_FALSE(cap.Contains(rcUpper, kBlack));
    EXPECT_TRUE(cap.Contains(rcUpper, kPlaceholderGrey));
    EXPECT_EQ(NumToStr(v.m_nCurPoem), gui::ControlText(m_pView, IDC_NUMBER));
    // Shown again: the next drawing of a verse is black.
    Click(IDC_TEXT);
    Click(IDC_LOWER);
    gui::Capture cap2(m_hView);
    EXPECT_TRUE(cap2.Contains(rcUpper, kBlack));

    // A running timer keeps the period it was started with.
    Click(IDC_AUTO);
    EXPECT_EQ((TimerList{{5, 9000u}}), Timers());
    Click(IDC_SPEED);
    Click(IDC_FUDATORI_VOICE);
    EXPECT_EQ(1000, v.m_nTakeWait);
    EXPECT_EQ((TimerList{{5, 9000u}}), Timers());
}

TEST_F(FudatoriViewTest, LowerVerseBeforeTheFirstPoemOnlyCounts)
{
    CFudatoriView& v = *m_pView;
    Click(IDC_DEAL);
    gui::Capture before(m_hView);
    Click(IDC_LOWER);
    EXPECT_EQ(2, v.m_nShown);
    EXPECT_EQ(1, v.m_nLowerCount);
    EXPECT_EQ(0, v.m_nCurPoem);
    gui::Capture after(m_hView);
    const RECT rc = {v.m_boxLower.x, v.m_boxLower.y, v.m_boxLower.x + v.m_nCharWidth,
                     v.m_boxLower.y + 21 * v.m_nLineHeight};
    EXPECT_EQ(before.Count(rc, kPlaceholderGrey), after.Count(rc, kPlaceholderGrey));
    Click(IDC_NEXT);
    EXPECT_EQ(1, v.m_nShown);
    EXPECT_EQ(0, v.m_nLowerCount);
}

TEST_F(FudatoriViewTest, DealDuringAGameStartsAfreshWithoutResults)
{
    CFudatoriView& v = *m_pView;
    gui::BoxAnswerer answerer(IDOK);
    Click(IDC_DEAL);
    Click(IDC_NEXT);
    ClickPosition(PositionOf(v.m_nCurPoem));
    ClickPosition(WrongPosition());
    EXPECT_EQ(1, v.m_nTakenUpper);
    EXPECT_EQ(1, v.m_nFaults);
    m_pClock->AdvanceSeconds(30);
    Click(IDC_DEAL);
    EXPECT_TRUE(answerer.m_aSeen.empty());
    EXPECT_TRUE(v.m_bRoundActive);
    EXPECT_EQ(0, v.m_nTakenUpper);
    EXPECT_EQ(0, v.m_nFaults);
    EXPECT_EQ(100, v.m_nRemaining);
    EXPECT_EQ(0, v.m_nCurPoem);
    EXPECT_EQ(0, v.m_nShown);
    EXPECT_DOUBLE_EQ(static_cast<DATE>(COleDateTime::GetCurrentTime()),
                     static_cast<DATE>(v.m_timeStart));
}

TEST_F(FudatoriViewTest, BoardShowsEachDealtCardOrTheEmptySlot)
{
    CFudatoriView& v = *m_pView;
    // Groups 1 and 6 not read and not laid out, group 2 laid out but not read.
    Click(IDC_READ1);
    Click(IDC_BOARD1);
    Click(IDC_READ6);
    Click(IDC_BOARD6);
    Click(IDC_READ2);
    Click(IDC_DEAL);
    Click(IDC_NEXT);
    ClickPosition(PositionOf(v.m_nCurPoem));
    const int nTaken = v.m_nCurPoem;
    ::InvalidateRect(m_hView, nullptr, TRUE);
    ::UpdateWindow(m_hView);
    gui::Capture cap(m_hView);
    int nCards = 0;
    for (int p = 1; p <= 100; ++p)
    {
        const int c = v.m_aBoard.GetAt(p);
        const bool bOut = v.m_aGone.GetAt(c) == 0;
        nCards += bOut ? 1 : 0;
        EXPECT_TRUE(CellShows(cap, p, bOut ? CardCell(c) : kEmptySlot))
            << "position " << p << " card " << c;
    }
    EXPECT_EQ(100 - 7 - 6 - 1, nCards);
    EXPECT_EQ(1, v.m_aGone.GetAt(nTaken));
    // The verse columns show the current poem in black, lower verse and upper verse.
    const RECT rcUpper = {v.m_boxUpper.x, v.m_boxUpper.y, v.m_boxUpper.x + v.m_nCharWidth,
                          v.m_boxUpper.y + 21 * v.m_nLineHeight};
    const RECT rcLower = {v.m_boxLower.x, v.m_boxLower.y, v.m_boxLower.x + v.m_nCharWidth,
                          v.m_boxLower.y + 21 * v.m_nLineHeight};
    EXPECT_TRUE(cap.Contains(rcUpper, kBlack));
    EXPECT_TRUE(cap.Contains(rcLower, kBlack));
}

// ---------------------------------------------------------------------------------------------
TEST_F(FudatoriViewTest, SwitchingActivityDuringAnAutomaticReadingLeavesNothingBehind)
{
    gui::ScopedTempDir dir;
    const std::string wave = gui::MakeWave(3000);
    for (int n = 1; n <= 100; ++n)
        for (int part = 0; part <= 1; ++part)
        {
            char szName[32];
            std::snprintf(szName, sizeof(szName), "yomi\\hy%03d%d.wav", n, part);
            dir.WriteFile(szName, wave);
        }
    dir.WriteFile("yomi\\hy000.wav", wave);
    CKasumioriDoc* pDoc = m_pView->GetDocument();
    pDoc->m_strBaseDir = dir.Path();

    gui::BoxAnswerer answerer(IDOK);
    Click(IDC_AUTO);
    Click(IDC_DEAL);
    FireTimer(4);
    const MCIDEVICEID nDevice = pDoc->m_nMciDeviceID;
    ASSERT_NE(0u, nDevice);
    ASSERT_TRUE(mciprobe::IsPlaying(nDevice)) << "the upper verse is being read";
    ASSERT_FALSE(Timers().empty());

    gui::SendCommand(ID_SWITCH_PRACTICE);
    EXPECT_FALSE(::IsWindow(m_hView));
    m_pView = nullptr;
    EXPECT_EQ(nullptr, gui::ActiveViewAs<CFudatoriView>());
    // The device is closed: MCI knows its id no more.
    EXPECT_EQ(0u, mciprobe::DeviceMode(nDevice));
    // Nothing of the old game fires any more.
    gui::PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(answerer.m_aSeen.empty());
}

// ---------------------------------------------------------------------------------------------
TEST_F(FudatoriViewTest, StormsOfClicksAndStrayTimersLoseNoCount)
{
    CFudatoriView& v = *m_pView;
    gui::BoxAnswerer answerer(IDOK);
    Click(IDC_DEAL);
    Click(IDC_NEXT);
    const int nCur = v.m_nCurPoem;

    // Timer ids that the view never starts change nothing.
    for (UINT_PTR id : {static_cast<UINT_PTR>(0), static_cast<UINT_PTR>(6),
                        static_cast<UINT_PTR>(99), static_cast<UINT_PTR>(0xFFFF)})
        FireTimer(id);
    EXPECT_EQ(nCur, v.m_nCurPoem);
    EXPECT_EQ(1, v.m_nShown);
    EXPECT_EQ(0, v.m_nLowerCount);
    EXPECT_TRUE(Timers().empty());

    // Clicks queued during a pause are handled afterwards, each with its own pause.
    const int nWrong = WrongPosition();
    bool bQueued = false;
    m_pClock->m_onSleep = [&]() {
        if (bQueued)
            return;
        bQueued = true;
        const CPoint pt = CellCorner(nWrong);
        for (int i = 0; i < 5; ++i)
        {
            ::PostMessageW(m_hView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x + 5 + i, pt.y + 5));
            ::PostMessageW(m_hView, WM_LBUTTONUP, 0, MAKELPARAM(pt.x + 5 + i, pt.y + 5));
        }
        // One more that takes the card.
        const CPoint ptCard = CellCorner(PositionOf(nCur));
        ::PostMessageW(m_hView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptCard.x + 9, ptCard.y + 9));
    };
    ClickPosition(nWrong);
    EXPECT_EQ(7u, m_pClock->m_aSleeps.size());
    EXPECT_EQ(6, v.m_nFaults);
    EXPECT_EQ(1, v.m_nTakenUpper);
    EXPECT_EQ(99, v.m_nRemaining);

    // A real click on a control is the control's: it counts nothing on the board.
    HWND hSpeed = ::GetDlgItem(m_hView, IDC_SPEED);
    ::PostMessageW(hSpeed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::PostMessageW(hSpeed, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    Pump();
    EXPECT_EQ(1, v.m_nSpeed);
    EXPECT_EQ(6, v.m_nFaults);
    EXPECT_EQ(7u, m_pClock->m_aSleeps.size());
    // Off the board, on the view: nothing.
    ClickAt(v.m_ptBoard.x + 950, v.m_ptBoard.y + 550);
    ClickAt(2, 2);
    EXPECT_EQ(6, v.m_nFaults);
    EXPECT_EQ(7u, m_pClock->m_aSleeps.size());
    EXPECT_TRUE(answerer.m_aSeen.empty());
}

TEST_F(FudatoriViewTest, ClicksQueuedBehindTheLastTakeOpenNoSecondResults)
{
    CFudatoriView& v = *m_pView;
    gui::BoxAnswerer answerer(IDOK);
    SetReadGroupsOff({1, 2, 3, 4, 6});
    Click(IDC_DEAL);
    Click(IDC_NEXT);
    ClickPosition(PositionOf(v.m_nCurPoem));
    Click(IDC_NEXT);
    const int nLast = v.m_nCurPoem;
    bool bQueued = false;
    m_pClock->m_onSleep = [&]() {
        if (bQueued)
            return;
        bQueued = true;
        for (int i = 0; i < 4; ++i)
        {
            const CPoint pt = CellCorner(1 + i);
            ::PostMessageW(m_hView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x + 5, pt.y + 5));
        }
    };
    ClickPosition(PositionOf(nLast));
    Pump();
    ASSERT_EQ(1u, answerer.m_aSeen.size());
    EXPECT_EQ(CString("成績"), answerer.m_aSeen[0].strCaption);
    EXPECT_FALSE(v.m_bRoundActive);
    EXPECT_EQ(0, v.m_nFaults);

    // A game with nothing to read ends at the first click on the view itself.
    answerer.m_aSeen.clear();
    SetReadGroupsOff({1, 2, 3, 4, 5, 6});
    Click(IDC_DEAL);
    EXPECT_EQ(0, v.m_nRemaining);
    Click(IDC_NEXT);
    EXPECT_EQ(1, v.m_nCurPoem) << "nothing to read: poem 1 is shown";
    Click(IDC_NEXT);
    EXPECT_EQ(1, v.m_nCurPoem);
    EXPECT_TRUE(answerer.m_aSeen.empty());
    ClickAt(v.m_ptBoard.x + 950, v.m_ptBoard.y + 550);
    ASSERT_EQ(1u, answerer.m_aSeen.size());
    EXPECT_FALSE(v.m_bRoundActive);
    EXPECT_EQ(0, v.m_nFaults);
}

} // namespace
