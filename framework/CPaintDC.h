// The DC of a WM_PAINT: BeginPaint in the constructor, EndPaint in the destructor.
#pragma once

#include "CDC.h"

class CWnd;

class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    HWND m_hWnd;
    PAINTSTRUCT m_ps;
};
