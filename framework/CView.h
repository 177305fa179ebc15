// A view: the window that shows a document inside a frame. Views live on the heap and delete
// themselves when their window goes; on destruction they leave their document.
#pragma once

#include "CWnd.h"

class CDocument;
class CFrameWnd;
struct CPrintInfo;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
protected:
    CView();

public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // View first, then its document.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    virtual void OnInitialUpdate();   // OnUpdate(nullptr, 0, nullptr)
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);   // Invalidate
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    CDocument* m_pDocument;

protected:
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

    friend class CDocument;
};
