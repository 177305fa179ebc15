#pragma once

// The built-in texts of the hundred poems, one record per poem number; record 0 holds the
// placeholders that blank the text boxes.
struct PoemEntry
{
    const char* pszUpper;
    const char* pszLower;
    const char* pszAuthor;
    const char* pszMeaning;
    const char* pszKimariji;
    int nKimarijiLen;
};

extern const PoemEntry g_aPoemTable[101];
