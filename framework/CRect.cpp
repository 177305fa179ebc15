#include "CRect.h"

void CRect::NormalizeRect()
{
    if (left > right)
    {
        const LONG t = left;
        left = right;
        right = t;
    }
    if (top > bottom)
    {
        const LONG t = top;
        top = bottom;
        bottom = t;
    }
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return ::IntersectRect(this, lpRect1, lpRect2);
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return ::UnionRect(this, lpRect1, lpRect2);
}
