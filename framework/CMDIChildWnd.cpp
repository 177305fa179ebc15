#include "Afx.h"

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(nullptr)
{
}

CMDIChildWnd::~CMDIChildWnd() = default;

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (m_hWnd != nullptr)
        return FALSE;
    if (pParentWnd == nullptr)
        pParentWnd = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr)
        return FALSE;
    pParentWnd->RecalcLayout();

    CREATESTRUCT cs = {};
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle | WS_CHILD;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWnd;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
        return FALSE;
    m_bAddToTitle = (cs.style & FWS_ADDTOTITLE) != 0;
    cs.style &= ~static_cast<DWORD>(FWS_ADDTOTITLE);

    // Created hidden through the MDI client, then shown as asked, so that it appears in its
    // final state (maximised) at once.
    std::wstring strClass = IS_INTRESOURCE(cs.lpszClass) ? std::wstring() : AfxToWide(cs.lpszClass);
    std::wstring strTitle = AfxToWide(cs.lpszName);
    MDICREATESTRUCTW mcs = {};
    mcs.szClass = IS_INTRESOURCE(cs.lpszClass) ? reinterpret_cast<LPCWSTR>(cs.lpszClass) : strClass.c_str();
    mcs.szTitle = strTitle.c_str();
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = cs.style & ~static_cast<DWORD>(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);

    HWND hWndClient = pParentWnd->m_hWndMDIClient;
    // A maximised child leaves the client nothing to scroll, and the client takes its scroll
    // bars away itself, but only later (posted): the child would get its final size, and be
    // laid out and painted, a second time.
    if ((cs.style & WS_MAXIMIZE) &&
        (::GetWindowLongW(hWndClient, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0)
        ::ShowScrollBar(hWndClient, SB_BOTH, FALSE);
    m_bCreating = TRUE;
    AfxHookWindowCreate(this);
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessageW(hWndClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    AfxUnhookWindowCreate();
    m_bCreating = FALSE;
    if (hWnd == nullptr || hWnd != m_hWnd)
        return FALSE;

    if (cs.style & WS_VISIBLE)
    {
        ::BringWindowToTop(hWnd);
        if (cs.style & WS_MINIMIZE)
            ShowWindow(SW_SHOWMINIMIZED);
        else if (cs.style & WS_MAXIMIZE)
            ShowWindow(SW_SHOWMAXIMIZED);
        else
            ShowWindow(SW_SHOWNORMAL);
        pParentWnd->MDIActivate(this);
        ::SendMessageW(hWndClient, WM_MDIREFRESHMENU, 0, 0);
    }
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    dwDefaultStyle |= WS_CHILD;
    // The document type's menu and accelerators belong to its template.
    if (pContext != nullptr && pContext->m_pNewDocTemplate != nullptr)
    {
        m_hMenuShared = pContext->m_pNewDocTemplate->m_hMenuShared;
        m_hAccelTable = pContext->m_pNewDocTemplate->m_hAccelTable;
    }
    CString strFull;
    CString strTitle;
    if (strFull.LoadString(nIDResource))
    {
        int nEnd = strFull.Find('\n');
        strTitle = nEnd < 0 ? strFull : strFull.Left(nEnd);
    }
    return Create(GetIconWndClass(dwDefaultStyle, nIDResource), strTitle, dwDefaultStyle,
                  rectDefault, dynamic_cast<CMDIFrameWnd*>(pParentWnd), pContext);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr)
        return CFrameWnd::DestroyWindow();
    HWND hWndFrame = pFrame->m_hWnd;
    MDIDestroy();   // deletes this object
    if (CMDIFrameWnd* pFrameAfter = dynamic_cast<CMDIFrameWnd*>(FromHandlePermanent(hWndFrame)))
        pFrameAfter->OnUpdateFrameTitle(TRUE);
    return TRUE;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndClient = ::GetParent(m_hWnd);
    if (hWndClient == nullptr)
        return nullptr;
    return dynamic_cast<CMDIFrameWnd*>(FromHandlePermanent(::GetParent(hWndClient)));
}

void CMDIChildWnd::MDIActivate()
{
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->MDIActivate(this);
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (nCmdShow == -1)
    {
        // Keep the maximised state of the child that was active before.
        BOOL bMaximized = FALSE;
        if (pFrame != nullptr)
            pFrame->MDIGetActive(&bMaximized);
        DWORD dwStyle = GetStyle();
        if (bMaximized || (dwStyle & WS_MAXIMIZE))
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (dwStyle & WS_MINIMIZE)
            nCmdShow = SW_SHOWMINIMIZED;
    }
    CFrameWnd::ActivateFrame(nCmdShow);
    if (pFrame != nullptr)
    {
        pFrame->MDIActivate(this);
        ::SendMessageW(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CHILD;
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr)
    {
        CMDIFrameWnd* pFrame = GetMDIFrame();
        if (pFrame != nullptr && ::TranslateAcceleratorW(pFrame->m_hWnd, m_hAccelTable, pMsg))
            return TRUE;
    }
    return FALSE;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcW(m_hWnd, message, wParam, lParam);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (m_bAddToTitle)
    {
        CDocument* pDoc = GetActiveDocument();
        if (bAddToTitle && pDoc != nullptr)
        {
            CString strText = pDoc->GetTitle();
            if (m_nWindow > 0)
            {
                CString strNumber;
                strNumber.Format(":%d", m_nWindow);
                strText += strNumber;
            }
            CString strOld;
            GetWindowText(strOld);
            if (strOld != strText)
                SetWindowText(strText);
        }
    }
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr)
        return;
    if (hMenuAlt == nullptr)
        hMenuAlt = m_hMenuShared;
    if (bActive && hMenuAlt != nullptr)
        pFrame->MDISetMenu(hMenuAlt, nullptr);
    else if (!bActive && pActivateWnd == nullptr)
        pFrame->MDISetMenu(pFrame->m_hMenuDefault, nullptr);   // the last child goes
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // Through WM_MDICREATE the creation context travels in the MDICREATESTRUCT.
    const MDICREATESTRUCTW* pmcs = static_cast<const MDICREATESTRUCTW*>(lpCreateStruct->lpCreateParams);
    CCreateContext* pContext = pmcs != nullptr ? reinterpret_cast<CCreateContext*>(pmcs->lParam) : nullptr;
    return OnCreateHelper(lpCreateStruct, pContext);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    CView* pView = GetActiveView();
    if (bActivate)
    {
        OnUpdateFrameMenu(TRUE, pActivateWnd, nullptr);
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    else
    {
        if (pView != nullptr)
            pView->OnActivateView(FALSE, pView, pView);
        OnUpdateFrameMenu(FALSE, pActivateWnd, nullptr);
    }
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnSetFocus(CWnd*)
{
    Default();   // the MDI client activates the child
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
}
