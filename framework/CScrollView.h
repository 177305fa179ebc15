// A view with scroll bars that appear only while the client area is smaller than the
// document's total size (logical units of MM_TEXT, i.e. pixels).
#pragma once

#include "CView.h"
#include "CSize.h"

class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
protected:
    CScrollView();

public:
    ~CScrollView() override;

    static const SIZE sizeDefault;   // {0, 0}: a tenth / a hundredth of the total size

    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT pt);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    // Brings the scroll bars up to date for the present client size.
    void UpdateBars();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScrollWnd(UINT nSBCode, UINT nPos, HWND hWndScrollBar);
    afx_msg void OnVScrollWnd(UINT nSBCode, UINT nPos, HWND hWndScrollBar);

    DECLARE_MESSAGE_MAP()

    int m_nMapMode;
    CSize m_totalLog;
    CSize m_pageDev;
    CSize m_lineDev;
    BOOL m_bInsideUpdate;

private:
    void OnScroll(int nBar, UINT nSBCode);
};
