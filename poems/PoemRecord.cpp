#include "PoemRecord.h"

const CString& PoemRecord::GetField(PoemField field) const
{
    switch (field)
    {
    case fieldUpper:
        return m_strUpper;
    case fieldLower:
        return m_strLower;
    case fieldAuthor:
        return m_strAuthor;
    case fieldMeaning:
        return m_strMeaning;
    case fieldKimariji:
        return m_strKimariji;
    }
    // Not a field: nothing to draw.
    static const CString s_strNone;
    return s_strNone;
}
