// The context of one UpdateData: direction and the window whose controls are exchanged;
// and the exchange functions of the DoDataExchange implementations.
#pragma once

#include "AfxPlatform.h"
#include "CString.h"

class CWnd;

// What Fail() throws; UpdateData catches it and returns FALSE.
struct CDataExchangeFailure
{
};

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;   // TRUE: controls -> members
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;

    // The control nIDC of m_pDlgWnd; fails the exchange when there is none.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange: UpdateData returns FALSE (focus goes to the last control).
    [[noreturn]] void Fail();
};

// Attaches the control window nIDC to rControl the first time (subclassing it).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The check state of a check box (BM_GETCHECK / BM_SETCHECK) and an int.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Window text (code page 932) and a CString.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Window text and an int; text that is not an integer fails with a message.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
