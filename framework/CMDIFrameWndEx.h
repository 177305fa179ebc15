// The extended MDI main frame: an MDI frame whose placement is restored by the application's
// workspace state once it is loaded.
#pragma once

#include "CMDIFrameWnd.h"

class CMDIFrameWndEx : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(CMDIFrameWndEx)
public:
    CMDIFrameWndEx();
    ~CMDIFrameWndEx() override;

    // The base load, then (once) the application's LoadState for this frame.
    BOOL LoadFrame(UINT nIDResource,
                   DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

protected:
    DECLARE_MESSAGE_MAP()
};
