#pragma once

// One vertical text box: x, y are the first cell of the right-most column.
struct VerseBox
{
    int nCols;
    int nRows;
    int x;
    int y;
};
