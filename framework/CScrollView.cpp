#include "Afx.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL_WND()
    ON_WM_VSCROLL_WND()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CScrollView, CView)

const SIZE CScrollView::sizeDefault = { 0, 0 };

namespace
{
// One bar of UpdateBars: range 0..nTotal-1 with a page of nView at nPos, or hidden at 0.
void SetBar(HWND hWnd, int nBar, bool bNeed, int nTotal, int nView, int nPos)
{
    if (bNeed)
    {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_PAGE | SIF_RANGE | SIF_POS;
        si.nMin = 0;
        si.nMax = nTotal - 1;
        si.nPage = static_cast<UINT>(nView);
        si.nPos = nPos;
        ::SetScrollInfo(hWnd, nBar, &si, TRUE);
    }
    else
    {
        ::SetScrollPos(hWnd, nBar, 0, FALSE);
    }
    ::ShowScrollBar(hWnd, nBar, bNeed);
}
} // namespace

CScrollView::CScrollView() : m_nMapMode(0), m_bInsideUpdate(FALSE)
{
}

CScrollView::~CScrollView() = default;

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage,
                                 const SIZE& sizeLine)
{
    // Logical units are pixels here (MM_TEXT), whatever mode is asked for.
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_pageDev = sizePage;
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalLog.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalLog.cy / 10;
    m_lineDev = sizeLine;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;
    if (m_hWnd != nullptr)
        UpdateBars();
}

CPoint CScrollView::GetScrollPosition() const
{
    if (m_hWnd == nullptr)
        return CPoint(0, 0);
    return CPoint(::GetScrollPos(m_hWnd, SB_HORZ), ::GetScrollPos(m_hWnd, SB_VERT));
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint ptOld = GetScrollPosition();
    ::SetScrollPos(m_hWnd, SB_HORZ, pt.x, TRUE);
    ::SetScrollPos(m_hWnd, SB_VERT, pt.y, TRUE);
    CPoint ptNew = GetScrollPosition();   // clamped by the bars
    if (ptNew != ptOld)
        ::ScrollWindowEx(m_hWnd, ptOld.x - ptNew.x, ptOld.y - ptNew.y, nullptr, nullptr, nullptr,
                         nullptr, SW_INVALIDATE | SW_ERASE | SW_SCROLLCHILDREN);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (m_nMapMode != 0)
    {
        pDC->SetMapMode(MM_TEXT);
        CPoint pt = GetScrollPosition();
        pDC->SetViewportOrg(-pt.x, -pt.y);
    }
}

void CScrollView::UpdateBars()
{
    if (m_bInsideUpdate || m_hWnd == nullptr || m_nMapMode == 0)
        return;
    m_bInsideUpdate = TRUE;

    // The client size as it would be without scroll bars.
    DWORD dwStyle = GetStyle();
    int cxBar = ::GetSystemMetrics(SM_CXVSCROLL);
    int cyBar = ::GetSystemMetrics(SM_CYHSCROLL);
    CRect rcClient;
    GetClientRect(&rcClient);
    int cx = rcClient.Width() + ((dwStyle & WS_VSCROLL) ? cxBar : 0);
    int cy = rcClient.Height() + ((dwStyle & WS_HSCROLL) ? cyBar : 0);

    // A bar is needed where the total does not fit; one bar can make the other necessary.
    bool bNeedH = false;
    bool bNeedV = false;
    for (int nPass = 0; nPass < 2; ++nPass)
    {
        bNeedH = m_totalLog.cx > cx - (bNeedV ? cxBar : 0);
        bNeedV = m_totalLog.cy > cy - (bNeedH ? cyBar : 0);
    }
    int cxView = cx - (bNeedV ? cxBar : 0);
    int cyView = cy - (bNeedH ? cyBar : 0);

    CPoint ptOld = GetScrollPosition();
    CPoint ptNew(bNeedH ? std::max(0, std::min(static_cast<int>(ptOld.x), static_cast<int>(m_totalLog.cx) - cxView)) : 0,
                 bNeedV ? std::max(0, std::min(static_cast<int>(ptOld.y), static_cast<int>(m_totalLog.cy) - cyView)) : 0);

    SetBar(m_hWnd, SB_HORZ, bNeedH, m_totalLog.cx, cxView, ptNew.x);
    SetBar(m_hWnd, SB_VERT, bNeedV, m_totalLog.cy, cyView, ptNew.y);

    if (ptNew != ptOld)
        ::ScrollWindowEx(m_hWnd, ptOld.x - ptNew.x, ptOld.y - ptNew.y, nullptr, nullptr, nullptr,
                         nullptr, SW_INVALIDATE | SW_ERASE | SW_SCROLLCHILDREN);
    m_bInsideUpdate = FALSE;
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    // Also called directly by views (initial update): only a real WM_SIZE goes on to Windows.
    const MSG* pMsg = AfxGetCurrentMessage();
    if (pMsg->message == WM_SIZE && pMsg->hwnd == m_hWnd)
        CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnHScrollWnd(UINT nSBCode, UINT, HWND hWndScrollBar)
{
    if (hWndScrollBar != nullptr)
    {
        Default();   // a scroll bar control of the view, not the view's own bar
        return;
    }
    OnScroll(SB_HORZ, nSBCode);
}

void CScrollView::OnVScrollWnd(UINT nSBCode, UINT, HWND hWndScrollBar)
{
    if (hWndScrollBar != nullptr)
    {
        Default();
        return;
    }
    OnScroll(SB_VERT, nSBCode);
}

void CScrollView::OnScroll(int nBar, UINT nSBCode)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    if (!::GetScrollInfo(m_hWnd, nBar, &si))
        return;
    int nLine = nBar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    int nPage = nBar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    int nPos = si.nPos;
    switch (nSBCode)
    {
    case SB_TOP: nPos = si.nMin; break;
    case SB_BOTTOM: nPos = si.nMax; break;
    case SB_LINEUP: nPos -= std::max(1, nLine); break;
    case SB_LINEDOWN: nPos += std::max(1, nLine); break;
    case SB_PAGEUP: nPos -= std::max(1, nPage); break;
    case SB_PAGEDOWN: nPos += std::max(1, nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nPos = si.nTrackPos; break;
    default: return;
    }
    int nMaxPos = si.nMax - static_cast<int>(si.nPage) + 1;
    nPos = std::max(si.nMin, std::min(nPos, std::max(si.nMin, nMaxPos)));
    if (nPos == si.nPos)
        return;
    ::SetScrollPos(m_hWnd, nBar, nPos, TRUE);
    int nDelta = si.nPos - nPos;
    ::ScrollWindowEx(m_hWnd, nBar == SB_HORZ ? nDelta : 0, nBar == SB_VERT ? nDelta : 0, nullptr,
                     nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE | SW_SCROLLCHILDREN);
}
