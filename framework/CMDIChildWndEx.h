// The extended MDI child frame.
#pragma once

#include "CMDIChildWnd.h"

class CMDIChildWndEx : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CMDIChildWndEx)
public:
    CMDIChildWndEx();
    ~CMDIChildWndEx() override;

protected:
    DECLARE_MESSAGE_MAP()
};
