#include "VerticalText.h"

namespace
{
// Lead bytes of code page 932: the first byte of a double-byte character.
bool IsLeadByte932(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Orders two one-byte strings the way the code-page-932 string comparison does: a lone lead
// byte is an incomplete character and ends the string there, so it sorts as the empty string.
int CompareOneByte932(unsigned char a, unsigned char b)
{
    const int nKeyA = IsLeadByte932(a) ? -1 : a;
    const int nKeyB = IsLeadByte932(b) ? -1 : b;
    return nKeyA < nKeyB ? -1 : (nKeyA > nKeyB ? 1 : 0);
}

const unsigned char kLowerBound = 0x20;
}

bool IsSingleByteCell(unsigned char b, unsigned char nUpperBound)
{
    return CompareOneByte932(b, kLowerBound) >= 0 && CompareOneByte932(b, nUpperBound) <= 0;
}

std::vector<std::pair<int, int>> SplitVerticalCells(const CString& str, unsigned char nUpperBound)
{
    std::vector<std::pair<int, int>> aCells;
    const int nLength = str.GetLength();
    for (int i = 0; i < nLength; ++i)
    {
        const unsigned char b = static_cast<unsigned char>(str.GetAt(i));
        if (IsSingleByteCell(b, nUpperBound) || i + 1 >= nLength)
        {
            // A lead byte at the very end has no partner: it takes a cell alone.
            aCells.emplace_back(i, 1);
        }
        else
        {
            aCells.emplace_back(i, 2);
            ++i;
        }
    }
    return aCells;
}

void DrawVerticalText(CDC* pDC, const CString& str, const VerseBox& box, int nCharWidth,
                      int nLineHeight, unsigned char nUpperBound)
{
    int c = 0;
    int r = 0;
    for (const auto& cell : SplitVerticalCells(str, nUpperBound))
    {
        if (r >= box.nRows)
        {
            // Next column two character widths to the left, one empty width between.
            c -= 2;
            r = 0;
        }
        pDC->TextOut(box.x + c * nCharWidth, box.y + r * nLineHeight,
                     str.Mid(cell.first, cell.second));
        ++r;
    }
}

void DrawColumnFrame(CDC* pDC, const VerseBox& box, int nCharWidth, int nLineHeight,
                     int nMarginX, int nMarginY)
{
    pDC->Rectangle(box.x - nMarginX, box.y - nMarginY, box.x + box.nCols * nCharWidth + nMarginX,
                   box.y + box.nRows * nLineHeight + nMarginY);
}
