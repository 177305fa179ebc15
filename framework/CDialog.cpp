#include "Afx.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace
{
// The owner of a modal dialog without a parent: the main window, as long as it can own one.
HWND DialogOwner(CWnd* pParentWnd)
{
    if (pParentWnd != nullptr && pParentWnd->m_hWnd != nullptr)
        return pParentWnd->m_hWnd;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd != nullptr && ::IsWindow(pApp->m_pMainWnd->m_hWnd))
        return pApp->m_pMainWnd->m_hWnd;
    return ::GetActiveWindow();
}
}

CDialog::CDialog() : m_nIDHelp(0), m_nIDTemplate(0), m_pParentWnd(nullptr)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != nullptr || m_nIDTemplate == 0)
        return -1;
    HWND hWndOwner = DialogOwner(m_pParentWnd);

    // The system's modal loop: it disables the owner and keeps dispatching the messages
    // (timers included) of every window of the thread until EndDialog.
    AfxHookWindowCreate(this);
    INT_PTR nResult = ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                                        hWndOwner, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();

    if (m_hWnd != nullptr)
        Detach();   // only when the dialog window could not be made after all
    if (hWndOwner != nullptr && ::IsWindow(hWndOwner))
        ::SetActiveWindow(hWndOwner);
    return nResult;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    if (m_hWnd != nullptr)
        return FALSE;
    m_nIDTemplate = nIDTemplate;
    if (m_nIDHelp == 0)
        m_nIDHelp = nIDTemplate;
    m_pParentWnd = pParentWnd;
    m_bCreating = TRUE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDTemplate),
                                     DialogOwner(pParentWnd), &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    m_bCreating = FALSE;
    return hWnd != nullptr && hWnd == m_hWnd;
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;   // the refused control has the focus; the dialog stays
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
