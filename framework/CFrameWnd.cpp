#include "Afx.h"

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_DROPFILES()
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace
{
// The first field of a resource's document string ("title\ndocName\n...").
CString FirstField(const CString& strFull)
{
    int nEnd = strFull.Find('\n');
    return nEnd < 0 ? strFull : strFull.Left(nEnd);
}

// DragFinish however the opening of the dropped files ends.
struct DropScope
{
    explicit DropScope(HDROP h) : hDrop(h) {}
    ~DropScope() { ::DragFinish(hDrop); }
    HDROP hDrop;
};
}

CFrameWnd::CFrameWnd()
    : m_hMenuDefault(nullptr), m_hAccelTable(nullptr), m_nWindow(-1), m_bAutoMenuEnable(TRUE),
      m_nIDHelp(0), m_bAddToTitle(FALSE), m_pViewActive(nullptr)
{
}

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr)
    {
        std::wstring strMenu = IS_INTRESOURCE(lpszMenuName) ? std::wstring() : AfxToWide(lpszMenuName);
        hMenu = ::LoadMenuW(AfxGetResourceHandle(),
                            IS_INTRESOURCE(lpszMenuName) ? reinterpret_cast<LPCWSTR>(lpszMenuName)
                                                         : strMenu.c_str());
        if (hMenu == nullptr)
            return FALSE;
    }
    m_strTitle = lpszWindowName;

    // rectDefault: Windows chooses position and size.
    int x = rect.left;
    int y = rect.top;
    int cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    int cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                  pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, hMenu, pContext))
    {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    LPCSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    CString strFull;
    if (strFull.LoadString(nIDResource))
        m_strTitle = FirstField(strFull);
    CString strTitle = m_strTitle;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd,
                MAKEINTRESOURCEA(nIDResource), 0, pContext))
        return FALSE;

    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(nIDResource);
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(UINT nIDResource)
{
    if (m_hAccelTable != nullptr)
        return FALSE;   // loaded once
    m_hAccelTable = ::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
    return m_hAccelTable != nullptr;
}

LPCSTR CFrameWnd::GetIconWndClass(DWORD, UINT nIDResource)
{
    HICON hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
    return AfxRegisterFrameOrViewClass(hIcon);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
    {
        cs.lpszClass = AfxRegisterFrameOrViewClass();
        if (cs.lpszClass == nullptr)
            return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::IsFrameWnd() const
{
    return TRUE;
}

CView* CFrameWnd::GetActiveView() const
{
    return m_pViewActive;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = pViewNew;
    if (bNotify && pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    if (bNotify && pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = dynamic_cast<CWnd*>(pObject);
    if (pView == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    // A view whose window could not be made is not deleted by the framework: we do it.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                       nID, pContext))
    {
        delete pView;
        return nullptr;
    }
    // The view's own edge replaces the frame's.
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = nullptr;
    if (GetActiveView() == nullptr)
    {
        pView = dynamic_cast<CView*>(GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
        if (pView != nullptr)
            SetActiveView(pView, FALSE);
    }

    if (bMakeVisible)
    {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        if (pView != nullptr)
            pView->OnActivateFrame(WA_INACTIVE, this);

        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this)
        {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView != nullptr && pView->m_hWnd != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }

    // Frame numbers and titles (may already have been visible).
    if (pDoc != nullptr)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE && !(GetStyle() & WS_CHILD))
        BringWindowToTop();
}

void CFrameWnd::RecalcLayout(BOOL)
{
    // The one pane fills the client area.
    HWND hWndPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (hWndPane == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcPane;
    ::GetWindowRect(hWndPane, &rcPane);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcPane), 2);
    if (rcPane != rcClient)
        ::SetWindowPos(hWndPane, nullptr, rcClient.left, rcClient.top, rcClient.Width(),
                       rcClient.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_bAddToTitle)
        return;
    CDocument* pDoc = GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && pDoc != nullptr ? static_cast<LPCSTR>(pDoc->GetTitle())
                                                               : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName)
{
    CString strText;
    if (lpszDocName != nullptr && *lpszDocName != '\0')
    {
        strText = lpszDocName;
        if (m_nWindow > 0)
        {
            CString strNumber;
            strNumber.Format(":%d", m_nWindow);
            strText += strNumber;
        }
        strText += " - ";
        strText += m_strTitle;
    }
    else
    {
        strText = m_strTitle;
    }
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
        SetWindowText(strText);
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // The application comes last, once: a child frame leaves it to its top-level frame.
    if (GetParentFrame() != nullptr)
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        if (hAccel != nullptr && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg))
            return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::OnContextHelp()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnContextHelp();
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
    {
        if (CreateView(pContext, AFX_IDW_PANE_FIRST) == nullptr)
            return FALSE;
    }
    return TRUE;
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    RecalcLayout();
    return 0;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return OnCreateHelper(lpCreateStruct, static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams));
}

void CFrameWnd::OnDestroy()
{
    // The frame's own menu goes with the window; a document's shared menu stays its template's.
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    HWND hWnd = m_hWnd;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
    {
        // The main window: every document is closed first, then the window goes.
        if (!pApp->SaveAllModified())
            return;
        if (CWinAppEx* pAppEx = dynamic_cast<CWinAppEx*>(pApp))
            pAppEx->OnClosingMainFrame(this);
        pApp->CloseAllDocuments(FALSE);
        if (::IsWindow(hWnd) && FromHandlePermanent(hWnd) == this)
            DestroyWindow();
        return;
    }

    CDocument* pDoc = GetActiveDocument();
    if (pDoc != nullptr && !pDoc->CanCloseFrame(this))
        return;
    if (pDoc != nullptr && pDoc->m_bAutoDelete)
    {
        // The document's last frame closes the document, which destroys the frame.
        bool bOtherFrame = false;
        POSITION pos = pDoc->GetFirstViewPosition();
        while (pos != nullptr)
        {
            CView* pView = pDoc->GetNextView(pos);
            if (pView != nullptr && pView->GetParentFrame() != this)
            {
                bOtherFrame = true;
                break;
            }
        }
        if (!bOtherFrame)
        {
            pDoc->OnCloseDocument();
            return;
        }
        pDoc->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);   // MDI frames and children need the default handling
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    DropScope scope(hDropInfo);
    SetActiveWindow();
    CWinApp* pApp = AfxGetApp();
    UINT nFiles = ::DragQueryFileW(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT iFile = 0; iFile < nFiles && pApp != nullptr; ++iFile)
    {
        UINT nLen = ::DragQueryFileW(hDropInfo, iFile, nullptr, 0);
        std::wstring strPath(static_cast<size_t>(nLen) + 1, L'\0');
        UINT nGot = ::DragQueryFileW(hDropInfo, iFile, &strPath[0], nLen + 1);
        pApp->OpenDocumentFile(AfxFromWide(strPath.c_str(), static_cast<int>(nGot)));
    }
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pMenu == nullptr)
        return;   // the system menu keeps its own states

    // Each item asks the command route for its state; MRU and system items are only changed
    // by their own update handlers.
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue;   // separator
        if (state.m_nID == static_cast<UINT>(-1))
        {
            // A popup: updated by the state of its first command, never disabled for lack of
            // a handler.
            state.m_pSubMenu = pMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (state.m_pSubMenu == nullptr ||
                (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(this, FALSE);
        }
        else
        {
            state.m_pSubMenu = nullptr;
            BOOL bAuto = m_bAutoMenuEnable && state.m_nID < 0xF000 &&
                         !(state.m_nID >= ID_FILE_MRU_FIRST && state.m_nID <= ID_FILE_MRU_LAST);
            state.DoUpdate(this, bAuto);
        }

        // Handlers may have added or removed items (the recent-file list does).
        UINT nCount = pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax)
        {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount &&
                   pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}
