#include "Afx.h"

BEGIN_MESSAGE_MAP(CMDIFrameWndEx, CMDIFrameWnd)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CMDIFrameWndEx, CMDIFrameWnd)

CMDIFrameWndEx::CMDIFrameWndEx() = default;

CMDIFrameWndEx::~CMDIFrameWndEx() = default;

BOOL CMDIFrameWndEx::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                               CCreateContext* pContext)
{
    if (!CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // The stored workspace state (placement) applies before the frame is first shown.
    if (CWinAppEx* pApp = dynamic_cast<CWinAppEx*>(AfxGetApp()))
        pApp->LoadState(this);
    return TRUE;
}
