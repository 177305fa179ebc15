#include "Afx.h"

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

CFormView::CFormView(UINT nIDTemplate)
    : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate), m_pCreateContext(nullptr),
      m_hWndFocus(nullptr)
{
}

CFormView::~CFormView() = default;

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD dwRequestedStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID, CCreateContext* pContext)
{
    if (m_hWnd != nullptr || pParentWnd == nullptr)
        return FALSE;

    // The window is a child dialog of the system's dialog class, made from the template; the
    // requested style only decides border and visibility.
    CREATESTRUCT cs = {};
    cs.lpszClass = reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(0x8002));   // WC_DIALOG
    cs.style = dwRequestedStyle != 0 ? dwRequestedStyle : (WS_CHILD | WS_VISIBLE | WS_BORDER);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWnd;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID));
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
        return FALSE;

    m_pCreateContext = pContext;
    m_bCreating = TRUE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                                     pParentWnd->m_hWnd, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    m_bCreating = FALSE;
    m_pCreateContext = nullptr;
    if (hWnd == nullptr || hWnd != m_hWnd)
    {
        if (hWnd != nullptr)
            ::DestroyWindow(hWnd);
        return FALSE;
    }

    ModifyStyle(WS_BORDER | WS_CAPTION, cs.style & (WS_BORDER | WS_CAPTION));
    ModifyStyleEx(WS_EX_CLIENTEDGE, cs.dwExStyle & WS_EX_CLIENTEDGE);
    SetDlgCtrlID(static_cast<int>(nID));

    // The template's size is the size of the form: scroll bars appear only below it.
    CRect rcTemplate;
    GetWindowRect(&rcTemplate);
    SetScrollSizes(MM_TEXT, rcTemplate.Size());

    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (dwRequestedStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    // Accelerators of the frames come before the dialog keys, which would take every key.
    for (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr; pFrame = pFrame->GetParentFrame())
    {
        if (pFrame->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return PreTranslateInput(pMsg);
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*)
{
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (!bActivate)
    {
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus != nullptr && ::IsChild(m_hWnd, hWndFocus))
            m_hWndFocus = hWndFocus;
    }
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnActivateFrame(UINT nState, CFrameWnd*)
{
    if (nState == WA_INACTIVE)
    {
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus != nullptr && ::IsChild(m_hWnd, hWndFocus))
            m_hWndFocus = hWndFocus;
    }
}

int CFormView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // CreateDialog cannot carry the creation context: it comes from the member.
    lpCreateStruct->lpCreateParams = m_pCreateContext;
    return CScrollView::OnCreate(lpCreateStruct);
}

void CFormView::OnSetFocus(CWnd* pOldWnd)
{
    if (m_hWndFocus != nullptr && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus))
    {
        ::SetFocus(m_hWndFocus);   // back to the control that had it
        return;
    }
    m_hWndFocus = nullptr;
    CScrollView::OnSetFocus(pOldWnd);   // the dialog gives it to its first control
}
