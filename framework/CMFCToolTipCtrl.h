// The framework's tooltip class, named to the tooltip manager by its runtime class.
#pragma once

#include "AfxPlatform.h"
#include "CObject.h"
#include "CMFCToolTipInfo.h"

class CMFCToolTipCtrl : public CObject
{
    DECLARE_DYNCREATE(CMFCToolTipCtrl)
public:
    explicit CMFCToolTipCtrl(CMFCToolTipInfo* pParams = nullptr);
    ~CMFCToolTipCtrl() override;

    void SetParams(CMFCToolTipInfo* pParams);   // null: the defaults
    const CMFCToolTipInfo& GetParams() const { return m_Params; }

protected:
    CMFCToolTipInfo m_Params;
};
