// The vertical text rule shared by both views: which bytes are one cell, and where each cell goes.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Afx.h"
#include "VerticalText.h"

namespace
{
const unsigned char kPractice = 0xDF;
const unsigned char kFudatori = 0xFF;

using Cells = std::vector<std::pair<int, int>>;

CString Bytes(const std::string& s)
{
    return CString(s.data(), static_cast<int>(s.size()));
}

// Every byte against the table of both views, range by range.
TEST(VerticalText, ByteTableOfBothViews)
{
    struct Range
    {
        int nFirst, nLast;
        bool bPractice, bFudatori;
    };
    const Range aRanges[] = {
        {0x00, 0x1F, false, false}, // control bytes
        {0x20, 0x80, true, true},   // ASCII, the space included, and 0x80
        {0x81, 0x9F, false, false}, // lead bytes
        {0xA0, 0xDF, true, true},   // half-width katakana and 0xA0
        {0xE0, 0xFC, false, false}, // lead bytes
        {0xFD, 0xFF, false, true},  // unused bytes: single only up to the card-taking bound
    };
    int nNext = 0;
    for (const Range& range : aRanges)
    {
        ASSERT_EQ(nNext, range.nFirst);
        for (int b = range.nFirst; b <= range.nLast; ++b)
        {
            EXPECT_EQ(range.bPractice, IsSingleByteCell(static_cast<unsigned char>(b), kPractice))
                << "byte " << std::hex << b;
            EXPECT_EQ(range.bFudatori, IsSingleByteCell(static_cast<unsigned char>(b), kFudatori))
                << "byte " << std::hex << b;
        }
        nNext = range.nLast + 1;
    }
    EXPECT_EQ(0x100, nNext);
}

TEST(VerticalText, SplitsIntoCells)
{
    struct Case
    {
        const char* pszName;
        std::string bytes;
        unsigned char nUpper;
        Cells cells;
    };
    const Case aCases[] = {
        {"a space b, practice", "a b", kPractice, {{0, 1}, {1, 1}, {2, 1}}},
        {"a space b, card-taking", "a b", kFudatori, {{0, 1}, {1, 1}, {2, 1}}},
        {"half-width katakana, practice", "\xB1\xB2\xDF", kPractice, {{0, 1}, {1, 1}, {2, 1}}},
        {"half-width katakana, card-taking", "\xB1\xB2\xDF", kFudatori, {{0, 1}, {1, 1}, {2, 1}}},
        {"double-byte then a last lone lead byte", "\x82\xA0\x82", kPractice, {{0, 2}, {2, 1}}},
        {"lone lead byte after ASCII", "ab\xE0", kFudatori, {{0, 1}, {1, 1}, {2, 1}}},
        {"trail byte with the backslash value", "\x95\x5C" "a", kPractice, {{0, 2}, {2, 1}}},
        {"FD FE FF, practice", "\xFD\xFE\xFF", kPractice, {{0, 2}, {2, 1}}},
        {"FD FE FF, card-taking", "\xFD\xFE\xFF", kFudatori, {{0, 1}, {1, 1}, {2, 1}}},
        {"control bytes pair up", "\x01" "A\x1F", kPractice, {{0, 2}, {2, 1}}},
        {"tab before a kana", "\t\x82\xA0", kPractice, {{0, 2}, {2, 1}}},
        {"empty", "", kPractice, {}},
    };
    for (const Case& c : aCases)
    {
        EXPECT_EQ(c.cells, SplitVerticalCells(Bytes(c.bytes), c.nUpper)) << c.pszName;
    }
}

// Draws into a white 24-bit DIB through the framework's CDC and reports which cells got ink.
class InkCanvas
{
public:
    static const int kWidth = 640;
    static const int kHeight = 480;

    InkCanvas()
    {
        BITMAPINFO bmi;
        std::memset(&bmi, 0, sizeof(bmi));
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = kWidth;
        bmi.bmiHeader.biHeight = -kHeight;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hdc = ::CreateCompatibleDC(nullptr);
        m_hbm = ::CreateDIBSection(m_hdc, &bmi, DIB_RGB_COLORS,
                                   reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        m_hbmOld = ::SelectObject(m_hdc, m_hbm);
        std::memset(m_pBits, 0xFF, kWidth * kHeight * 4);
        ::SetTextColor(m_hdc, RGB(0, 0, 0));
        ::SetBkColor(m_hdc, RGB(255, 255, 255));
    }
    ~InkCanvas()
    {
        ::SelectObject(m_hdc, m_hbmOld);
        ::DeleteObject(m_hbm);
        ::DeleteDC(m_hdc);
    }

    void Draw(const CString& str, const VerseBox& box, int cw, int lh, unsigned char nUpper)
    {
        CDC dc;
        dc.Attach(m_hdc);
        DrawVerticalText(&dc, str, box, cw, lh, nUpper);
        dc.Detach();
        ::GdiFlush();
    }

    // Cells (column offset from the box in character widths, row) that hold dark pixels.
    std::set<std::pair<int, int>> InkedCells(const VerseBox& box, int cw, int lh) const
    {
        std::set<std::pair<int, int>> cells;
        for (int y = 0; y < kHeight; ++y)
        {
            for (int x = 0; x < kWidth; ++x)
            {
                const DWORD px = m_pBits[y * kWidth + x] & 0xFFFFFF;
                if (px == 0xFFFFFF)
                    continue;
                const int dx = x - box.x;
                const int dy = y - box.y;
                const int c = dx >= 0 ? dx / cw : -((-dx + cw - 1) / cw);
                const int r = dy >= 0 ? dy / lh : -((-dy + lh - 1) / lh);
                cells.insert({c, r});
            }
        }
        return cells;
    }

private:
    HDC m_hdc = nullptr;
    HBITMAP m_hbm = nullptr;
    HGDIOBJ m_hbmOld = nullptr;
    DWORD* m_pBits = nullptr;
};

std::string Repeat(const char* psz, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += psz;
    return s;
}

// Cells wide enough for any stock font, so a glyph stays inside its own cell.
const int kCell = 30;
const char kKanaA[] = "\x82\xA0"; // あ

TEST(VerticalText, CellsGoDownThenTwoColumnsLeft)
{
    using Set = std::set<std::pair<int, int>>;
    struct Case
    {
        const char* pszName;
        std::string bytes;
        VerseBox box;
        unsigned char nUpper;
        Set inked;
    };
    Set setAuthor;
    for (int r = 0; r < 11; ++r)
        setAuthor.insert({0, r});
    for (int r = 0; r < 4; ++r)
        setAuthor.insert({-2, r});
    const Case aCases[] = {
        // The space is a blank cell of its own: b lands in the third row.
        {"a space b", "a b", {1, 21, 400, 30}, kPractice, {{0, 0}, {0, 2}}},
        {"a space b, card-taking", "a b", {1, 21, 400, 30}, kFudatori, {{0, 0}, {0, 2}}},
        {"half-width katakana", "\xB1\xB2\xB3", {1, 21, 400, 30}, kPractice,
         {{0, 0}, {0, 1}, {0, 2}}},
        // 15 characters in the 6 x 11 poet's box: 11 down, then 4 two widths to the left.
        {"15 in 6 x 11", Repeat(kKanaA, 15), {6, 11, 400, 30}, kPractice, setAuthor},
        // A seventh character in the 1 x 6 box starts a column outside the frame.
        {"7 in 1 x 6", Repeat(kKanaA, 7), {1, 6, 400, 30}, kPractice,
         {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {-2, 0}}},
    };
    for (const Case& c : aCases)
    {
        InkCanvas canvas;
        canvas.Draw(Bytes(c.bytes), c.box, kCell, kCell, c.nUpper);
        EXPECT_EQ(c.inked, canvas.InkedCells(c.box, kCell, kCell)) << c.pszName;
    }
}

// Bytes that are no character at all still draw one cell each and nothing more.
TEST(VerticalText, BadBytesDrawWithoutHarm)
{
    const VerseBox box = {1, 3, 300, 30};
    const std::string aTexts[] = {
        "\x01\x02\x03\x1F", std::string("\x82", 1), "\xFD\xFE\xFF\xFC", "\x82\xA0\x81",
    };
    for (const std::string& s : aTexts)
    {
        InkCanvas canvas;
        canvas.Draw(Bytes(s), box, kCell, kCell, kPractice);
        const size_t nCells = SplitVerticalCells(Bytes(s), kPractice).size();
        for (const auto& cell : canvas.InkedCells(box, kCell, kCell))
        {
            // Only the cells the rule gives: column 0 down to row 2, then column -2.
            const int nIndex = (-cell.first / 2) * box.nRows + cell.second;
            EXPECT_TRUE(cell.first <= 0 && cell.first % 2 == 0 && cell.second >= 0 &&
                        cell.second < box.nRows && nIndex < static_cast<int>(nCells))
                << "stray ink at " << cell.first << "," << cell.second;
        }
    }
}
} // namespace
