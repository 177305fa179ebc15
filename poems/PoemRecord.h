#pragma once
#include "Afx.h"

// Selector of a text field of a poem record; follows the member order of PoemRecord.
enum PoemField
{
    fieldUpper = 0,
    fieldLower = 1,
    fieldAuthor = 2,
    fieldMeaning = 3,
    fieldKimariji = 4
};

// One poem of the table (record 0 holds the placeholders). All texts are CP932 bytes.
struct PoemRecord
{
    CString m_strUpper;
    CString m_strLower;
    CString m_strAuthor;
    CString m_strMeaning;
    CString m_strKimariji;
    int m_nKimarijiLen = 0;

    const CString& GetField(PoemField field) const;
};
