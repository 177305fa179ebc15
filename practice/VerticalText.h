#pragma once
#include "Afx.h"
#include <utility>
#include <vector>
#include "VerseBox.h"

// True when the byte is a character of its own; the lower bound is always the space.
bool IsSingleByteCell(unsigned char b, unsigned char nUpperBound);
// Byte offset and length of every cell of the text, in drawing order.
std::vector<std::pair<int, int>> SplitVerticalCells(const CString& str, unsigned char nUpperBound);
// Writes the text top to bottom, nRows cells per column, columns two character widths apart.
void DrawVerticalText(CDC* pDC, const CString& str, const VerseBox& box, int nCharWidth,
                      int nLineHeight, unsigned char nUpperBound);
