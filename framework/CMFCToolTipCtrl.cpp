#include "CMFCToolTipCtrl.h"

IMPLEMENT_DYNCREATE(CMFCToolTipCtrl, CObject)

CMFCToolTipCtrl::CMFCToolTipCtrl(CMFCToolTipInfo* pParams)
{
    SetParams(pParams);
}

CMFCToolTipCtrl::~CMFCToolTipCtrl()
{
}

void CMFCToolTipCtrl::SetParams(CMFCToolTipInfo* pParams)
{
    m_Params = pParams != nullptr ? *pParams : CMFCToolTipInfo();
}
