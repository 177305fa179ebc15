#include "Afx.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush() = default;

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush::~CBrush() = default;

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    // System colour brushes belong to the system: never deleted.
    if (!Attach(::GetSysColorBrush(nIndex)))
        return FALSE;
    m_bStock = TRUE;
    return TRUE;
}

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
    return FromHandleAs<CBrush>(hBrush);
}
