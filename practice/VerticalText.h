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

// Colours of the text boxes, shared by both views.
const COLORREF kVerseFrameColor = RGB(0x7D, 0x7D, 0x7D);   // frame pen
const COLORREF kVerseBackground = RGB(0xFF, 0xFF, 0xFF);   // frame fill and cell background
const COLORREF kPlaceholderText = RGB(0xC8, 0xC8, 0xC8);   // headings of the placeholders
const COLORREF kVerseText = RGB(0x00, 0x00, 0x00);         // a poem's text

// Draws the frame of a one-column box: it reaches right from x, a margin outside the box.
void DrawColumnFrame(CDC* pDC, const VerseBox& box, int nCharWidth, int nLineHeight,
                     int nMarginX, int nMarginY);
