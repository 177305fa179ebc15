// A dialog from a template of the program's resources, run modally by the system's dialog
// loop (so timers of other windows keep firing) with its messages going to the message map.
#pragma once

#include "CWnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // The result passed to EndDialog, or -1 when the dialog cannot be made.
    virtual INT_PTR DoModal();
    // A modeless dialog.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();   // UpdateData(FALSE); TRUE: the system sets the focus
    virtual void OnOK();           // UpdateData(TRUE), then EndDialog(IDOK)
    virtual void OnCancel();       // EndDialog(IDCANCEL)

    UINT m_nIDHelp;
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

protected:
    DECLARE_MESSAGE_MAP()
};
