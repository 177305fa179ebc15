// Which verse stands in which column of the card-taking view. The pixels of each column are held
// against the text that it must show, drawn here one wide character a cell in the font and the
// colours of the view, and the reference is checked to differ from every other text the column
// could show: exchanged columns, a verse in the wrong column or a stale verse all fail.
#include "FudatoriFixture.h"

#include <string>
#include <vector>

#include "KasumioriDoc.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGrey = RGB(200, 200, 200);
const COLORREF kWhite = RGB(255, 255, 255);
const int kRows = 21;

// What a verse column can show.
enum Shown
{
    shownNothing,
    shownUpperPlaceholder,
    shownLowerPlaceholder,
    shownUpperVerse,
    shownLowerVerse,
    // The placeholders' cells on the face colour of the form instead of white.
    shownUpperPlaceholderOnFace,
    shownLowerPlaceholderOnFace,
    kShownCount
};

const char* const kShownName[kShownCount] = {
    "nothing",
    "the grey placeholder of the upper verse",
    "the grey placeholder of the lower verse",
    "the upper verse of the poem read",
    "the lower verse of the poem read",
    "the grey placeholder of the upper verse on the face colour",
    "the grey placeholder of the lower verse on the face colour",
};

// Where the columns must stand: from the right edge of the client area and the metrics of the
// font that a fresh device context of the view holds.
struct Layout
{
    int cw, lh, mx, my;
    int xUpper, xLower, y;
};

Layout ExpectedLayout(HWND hView)
{
    RECT rcClient = {};
    ::GetClientRect(hView, &rcClient);
    const gui::CharCell cell = gui::StockCharCell(hView);
    Layout l = {};
    l.cw = cell.cw;
    l.lh = cell.lh;
    l.mx = l.cw / 4;
    l.my = l.lh / 4;
    l.xUpper = rcClient.right - 2 * l.cw;
    l.xLower = rcClient.right - 4 * l.cw;
    l.y = 3 * l.lh;
    return l;
}

// The inside of the frame of the column whose cells start at x: only its characters are drawn
// there, on white.
RECT Inside(const Layout& l, int x)
{
    return {x - l.mx + 1, l.y - l.my + 1, x + l.cw + l.mx - 1, l.y + kRows * l.lh + l.my - 1};
}

// The inside of a column as it must look with this text: one wide character a cell from the top
// of the column, in the colour on the cell background, the rest of the column white.
gui::Capture ReferenceColumn(HWND hView, const Layout& l, int x, const CString& text,
                             COLORREF color, COLORREF cellBackground)
{
    const RECT rc = Inside(l, x);
    gui::ReferenceCanvas canvas(hView, rc.right - rc.left, rc.bottom - rc.top, kWhite);
    const HDC hdc = canvas.Dc();
    ::SetTextColor(hdc, color);
    ::SetBkColor(hdc, cellBackground);
    ::SetBkMode(hdc, OPAQUE);
    const std::wstring wide = AfxToWide(text);
    EXPECT_LE(wide.size(), static_cast<size_t>(kRows)) << "a verse longer than its column";
    for (size_t r = 0; r < wide.size() && r < static_cast<size_t>(kRows); ++r)
        ::TextOutW(hdc, x - rc.left, l.y - rc.top + static_cast<int>(r) * l.lh, &wide[r], 1);
    return canvas.Pixels();
}

// Pixels of the reference that a picture shows otherwise, the picture read from its (left, top).
int Differences(const gui::Capture& ref, const gui::Capture& pic, int nLeft = 0, int nTop = 0)
{
    int n = 0;
    for (int y = 0; y < ref.Height(); ++y)
        for (int x = 0; x < ref.Width(); ++x)
            if (ref.At(x, y) != pic.At(nLeft + x, nTop + y))
                ++n;
    return n;
}

struct ColumnsCase
{
    const char* pszName;
    std::vector<int> aClicks; // controls clicked in this order (the pass-over question: OK)
    Shown upper, lower;       // what the columns show right after the clicks
    Shown upperPainted, lowerPainted; // and after a repaint of the whole view
    bool bNumberIsPoem;       // the number box names the poem read, else "番号"
};

void PrintTo(const ColumnsCase& c, std::ostream* os)
{
    *os << c.pszName;
}

class FudatoriColumnsTest : public gui::FudatoriFixture, public testing::WithParamInterface<ColumnsCase>
{
protected:
    void ExpectColumns(const char* pszWhen, Shown upper, Shown lower, bool bNumberIsPoem)
    {
        const CFudatoriView& v = *m_pView;
        const Layout l = ExpectedLayout(m_hView);
        EXPECT_EQ(l.cw, v.m_nCharWidth) << pszWhen;
        EXPECT_EQ(l.lh, v.m_nLineHeight) << pszWhen;
        EXPECT_EQ(l.xUpper, v.m_boxUpper.x) << pszWhen;
        EXPECT_EQ(l.xLower, v.m_boxLower.x) << pszWhen;
        EXPECT_EQ(l.y, v.m_boxUpper.y) << pszWhen;
        EXPECT_EQ(l.y, v.m_boxLower.y) << pszWhen;

        const int nPoem = v.m_nCurPoem;
        const std::string strNumber = bNumberIsPoem ? std::to_string(nPoem) : "番号";
        EXPECT_EQ(CString(strNumber.c_str()), gui::ControlText(m_pView, IDC_NUMBER)) << pszWhen;
        if (bNumberIsPoem)
        {
            ASSERT_NE(0, nPoem) << pszWhen;
        }

        const PoemRecord& placeholders = v.GetDocument()->m_aPoem[0];
        const PoemRecord& poem = v.GetDocument()->m_aPoem[nPoem];
        const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        ASSERT_NE(kWhite, face);
        const CString strNothing;
        // The text, its colour and the background of its cells, for each thing a column can show.
        const struct
        {
            const CString& text;
            COLORREF color;
            COLORREF cell;
        } aLook[kShownCount] = {
            {strNothing, kBlack, kWhite},
            {placeholders.m_strUpper, kGrey, kWhite},
            {placeholders.m_strLower, kGrey, kWhite},
            {poem.m_strUpper, kBlack, kWhite},
            {poem.m_strLower, kBlack, kWhite},
            {placeholders.m_strUpper, kGrey, face},
            {placeholders.m_strLower, kGrey, face},
        };

        const gui::Capture cap(m_hView);
        const struct
        {
            const char* pszColumn;
            int x;
            Shown expected;
        } aColumns[] = {{"upper column", l.xUpper, upper}, {"lower column", l.xLower, lower}};
        for (const auto& col : aColumns)
        {
            // Everything the column could show, drawn into its own cells.
            std::vector<gui::Capture> aRef;
            for (const auto& look : aLook)
                aRef.push_back(ReferenceColumn(m_hView, l, col.x, look.text, look.color, look.cell));
            const gui::Capture& want = aRef[col.expected];
            // The comparison tells the wanted text from every other one.
            for (int k = 0; k < kShownCount; ++k)
            {
                if (k != col.expected)
                {
                    EXPECT_GT(Differences(want, aRef[k]), 0)
                        << pszWhen << ", " << col.pszColumn << ": " << kShownName[col.expected]
                        << " looks like " << kShownName[k];
                }
            }

            const RECT rc = Inside(l, col.x);
            const int nWrong = Differences(want, cap, rc.left, rc.top);
            std::string strSeen = "none of the texts";
            for (int k = 0; k < kShownCount; ++k)
                if (Differences(aRef[k], cap, rc.left, rc.top) == 0)
                    strSeen = kShownName[k];
            EXPECT_EQ(0, nWrong) << pszWhen << ", " << col.pszColumn << " (poem " << nPoem
                                 << "): wanted " << kShownName[col.expected] << ", shows "
                                 << strSeen;
        }
    }
};

TEST_P(FudatoriColumnsTest, EachColumnShowsItsVerseAndTheNumberBoxThePoemRead)
{
    const ColumnsCase& c = GetParam();
    gui::BoxAnswerer answerer(IDOK);
    for (int nID : c.aClicks)
        Click(nID);
    ExpectColumns("after the clicks", c.upper, c.lower, c.bNumberIsPoem);

    // A full painting draws the columns from the display state alone.
    ::InvalidateRect(m_hView, nullptr, TRUE);
    ::UpdateWindow(m_hView);
    Pump();
    ExpectColumns("after a repaint", c.upperPainted, c.lowerPainted, c.bNumberIsPoem);
}

const Shown kNone = shownNothing;
const Shown kPhU = shownUpperPlaceholder;
const Shown kPhL = shownLowerPlaceholder;
const Shown kUp = shownUpperVerse;
const Shown kLow = shownLowerVerse;
const Shown kPhUFace = shownUpperPlaceholderOnFace;
const Shown kPhLFace = shownLowerPlaceholderOnFace;

// A painting in display state 1 draws the upper column only: the white fill of the frames leaves
// the lower one empty. With 文字 pressed a verse is drawn without setting the background, so in a
// painting the first column drawn has its cells on the colour that the form's erasing left in the
// paint DC; the background is white again for the second.
const ColumnsCase kColumnsCases[] = {
    {"NewView", {}, kPhU, kPhL, kPhU, kPhL, false},
    {"Deal", {IDC_DEAL}, kPhU, kPhL, kPhU, kPhL, false},
    {"Next", {IDC_DEAL, IDC_NEXT}, kUp, kPhL, kUp, kNone, true},
    {"Lower", {IDC_DEAL, IDC_NEXT, IDC_LOWER}, kUp, kLow, kUp, kLow, true},
    {"NextAfterLower", {IDC_DEAL, IDC_NEXT, IDC_LOWER, IDC_NEXT}, kUp, kPhL, kUp, kNone, true},
    {"DealAfterLower", {IDC_DEAL, IDC_NEXT, IDC_LOWER, IDC_DEAL}, kPhU, kPhL, kPhU, kPhL, false},
    {"HiddenNext", {IDC_TEXT, IDC_DEAL, IDC_NEXT}, kPhU, kPhL, kPhUFace, kNone, true},
    {"HiddenLower", {IDC_TEXT, IDC_DEAL, IDC_NEXT, IDC_LOWER}, kPhU, kPhL, kPhU, kPhLFace, true},
    {"HiddenAfterNext", {IDC_DEAL, IDC_NEXT, IDC_TEXT, IDC_LOWER}, kPhU, kPhL, kPhU, kPhLFace, true},
    {"ShownAgain", {IDC_TEXT, IDC_DEAL, IDC_NEXT, IDC_TEXT, IDC_LOWER}, kUp, kLow, kUp, kLow, true},
};

INSTANTIATE_TEST_SUITE_P(States, FudatoriColumnsTest, testing::ValuesIn(kColumnsCases),
                         [](const testing::TestParamInfo<ColumnsCase>& info) {
                             return std::string(info.param.pszName);
                         });

} // namespace
