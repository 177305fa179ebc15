#pragma once
#include "Afx.h"
#include "resource.h"

// The About box: icon, version and two lines of text; OK closes it.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

    enum { IDD = IDD_ABOUTBOX };

protected:
    DECLARE_MESSAGE_MAP()
};
