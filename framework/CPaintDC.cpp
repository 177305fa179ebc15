#include "Afx.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd), m_ps()
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    // EndPaint also for a failed BeginPaint: it validates the update region.
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
