// A frame window: menu, accelerators, icon and title from one resource id; the view made from
// a creation context; command routing active view -> frame -> application; menu item
// states from the update handlers when a popup opens.
#pragma once

#include "AfxRes.h"
#include "CWnd.h"
#include "CString.h"

class CView;
class CDocument;
struct CCreateContext;

// Frame style bit: the active document's title is added to the frame's title. It is taken off
// the style before the window is created.
#define FWS_ADDTOTITLE  0x00008000L

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Menu, accelerators, icon and title (first field of string nIDResource) of the resource.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(UINT nIDResource);

    // Views and documents
    CView* GetActiveView() const;
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame();
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Sends the views their initial update and, with bMakeVisible, shows and activates.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    virtual HACCEL GetDefaultAccelerator();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL IsFrameWnd() const override;

    afx_msg void OnContextHelp();

    HMENU m_hMenuDefault;     // the menu of LoadFrame
    HACCEL m_hAccelTable;
    CString m_strTitle;       // the application part of the title
    int m_nWindow;            // frame number of the document (":2"), 0 or -1 for none
    BOOL m_bAutoMenuEnable;   // items without handlers are disabled
    UINT m_nIDHelp;
    BOOL m_bAddToTitle;       // FWS_ADDTOTITLE as it was when the window was created

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The class with the resource's icon (registered once).
    LPCSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

    DECLARE_MESSAGE_MAP()

    CView* m_pViewActive;
};
