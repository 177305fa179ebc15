// A view laid out from a dialog template: the view window is a child dialog made from the
// template (its controls in their tab order), with its messages going to the view's map.
#pragma once

#include "CScrollView.h"

class CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)
protected:
    explicit CFormView(UINT nIDTemplate);

public:
    ~CFormView() override;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    // The frames' accelerators first, then the dialog keys (Tab, arrows, Enter ...).
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnInitialUpdate() override;   // UpdateData(FALSE), then the base
    void OnDraw(CDC* pDC) override;    // the controls paint themselves
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;

    UINT m_nIDHelp;
    UINT m_nIDTemplate;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    DECLARE_MESSAGE_MAP()

    CCreateContext* m_pCreateContext;   // carried into OnCreate (CreateDialog cannot pass it)
    HWND m_hWndFocus;                   // the control that had the focus when we lost it
};
