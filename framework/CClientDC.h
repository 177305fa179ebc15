// The client-area DC of a window, from GetDC to ReleaseDC.
#pragma once

#include "CDC.h"

class CWnd;

class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);   // null: the screen
    ~CClientDC() override;

    HWND m_hWnd;
};
