// The whole-window DC of a window (non-client area included), from GetWindowDC to ReleaseDC.
#pragma once

#include "CDC.h"

class CWnd;

class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);   // null: the screen
    ~CWindowDC() override;

    HWND m_hWnd;
};
