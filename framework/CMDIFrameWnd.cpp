#include "Afx.h"

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)

namespace
{
// Ids the MDI client gives its children (for a Window menu, which this frame does not use).
const UINT kFirstMDIChildId = 0xFF00;
}

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr)
{
}

CMDIFrameWnd::~CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    return CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    return CreateClient(lpcs, nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->m_hMenu : nullptr;
    ccs.idFirstChild = kFirstMDIChildId;
    // Children keep exactly the styles they ask for (no forced system menu or sizing border).
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL |
                    WS_VSCROLL | MDIS_ALLCHILDSTYLES;
    m_hWndMDIClient = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, dwStyle, 0, 0, 0,
                                        0, m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                        AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWndActive = nullptr;
    if (m_hWndMDIClient != nullptr)
        hWndActive = reinterpret_cast<HWND>(::SendMessageW(m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                           reinterpret_cast<LPARAM>(&bMaximized)));
    if (pbMaximized != nullptr)
        *pbMaximized = hWndActive != nullptr && bMaximized;
    return dynamic_cast<CMDIChildWnd*>(FromHandlePermanent(hWndActive));
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    if (m_hWndMDIClient != nullptr && pWndActivate != nullptr)
        ::SendMessageW(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    if (m_hWndMDIClient != nullptr && pWnd != nullptr)
        ::SendMessageW(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    if (m_hWndMDIClient != nullptr && pWnd != nullptr)
        ::SendMessageW(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

void CMDIFrameWnd::MDINext()
{
    if (m_hWndMDIClient != nullptr)
        ::SendMessageW(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDISetMenu(HMENU hFrameMenu, HMENU hWindowMenu)
{
    if (m_hWndMDIClient == nullptr || hFrameMenu == nullptr)
        return;
    if (::GetMenu(m_hWnd) != hFrameMenu)
        ::SendMessageW(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hFrameMenu),
                       reinterpret_cast<LPARAM>(hWindowMenu));
    DrawMenuBar();
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    if (CMDIChildWnd* pChild = MDIGetActive())
        return pChild->GetActiveDocument();
    return CFrameWnd::GetActiveDocument();
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    if (CMDIChildWnd* pChild = MDIGetActive())
        return pChild;
    return this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child (its view, document, the child itself) comes first.
    if (CMDIChildWnd* pChild = MDIGetActive())
    {
        if (pChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr && pChild->PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        if (pChild != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
        HACCEL hAccel = GetDefaultAccelerator();
        if (hAccel != nullptr && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg))
            return TRUE;
    }
    return FALSE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcW(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_bAddToTitle)
        return;
    // A maximised child's title is shown by the MDI client itself.
    CDocument* pDoc = nullptr;
    CMDIChildWnd* pChild = MDIGetActive();
    if (bAddToTitle && pChild != nullptr && !(pChild->GetStyle() & WS_MAXIMIZE))
        pDoc = pChild->GetActiveDocument();
    UpdateFrameTitleForDocument(pDoc != nullptr ? static_cast<LPCSTR>(pDoc->GetTitle()) : nullptr);
}

void CMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);   // the MDI client is the frame's pane
}
