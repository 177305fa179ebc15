#include "Afx.h"

BEGIN_MESSAGE_MAP(CMDIChildWndEx, CMDIChildWnd)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CMDIChildWndEx, CMDIChildWnd)

CMDIChildWndEx::CMDIChildWndEx() = default;

CMDIChildWndEx::~CMDIChildWndEx() = default;
