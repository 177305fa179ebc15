// The results of a card-taking game, drawn as text on the dialog.
#pragma once

#include "Afx.h"
#include "resource.h"

class CSeisekiDlg : public CDialog
{
    DECLARE_DYNAMIC(CSeisekiDlg)

public:
    CSeisekiDlg();
    virtual ~CSeisekiDlg();

    enum { IDD = IDD_SEISEKI };

    // Decimal texts, filled by the view before the dialog is shown.
    CString m_strHours;
    CString m_strMinutes;
    CString m_strSeconds;
    CString m_strTakenUpper;
    CString m_strTakenLower;
    CString m_strNotTaken;
    CString m_strFaults;

    void DrawResults();

protected:
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()
};
