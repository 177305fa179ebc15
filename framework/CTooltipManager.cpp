#include "CTooltipManager.h"
#include "CMFCToolTipCtrl.h"

CTooltipManager::CTooltipManager() : m_apRTC()
{
}

CTooltipManager::~CTooltipManager()
{
}

int CTooltipManager::TypeIndex(UINT nType)
{
    for (int i = 0; i < AFX_TOOLTIP_TYPES; ++i)
    {
        if (nType == (1u << i))
            return i;
    }
    return -1;
}

void CTooltipManager::SetTooltipParams(UINT nTypes, CRuntimeClass* pRTC, CMFCToolTipInfo* pParams)
{
    // A class that is no tooltip of ours falls back to the default.
    if (pRTC != nullptr && !pRTC->IsDerivedFrom(RUNTIME_CLASS(CMFCToolTipCtrl)))
        pRTC = nullptr;
    for (int i = 0; i < AFX_TOOLTIP_TYPES; ++i)
    {
        if ((nTypes & (1u << i)) == 0)
            continue;
        m_apRTC[i] = pRTC != nullptr ? pRTC : RUNTIME_CLASS(CMFCToolTipCtrl);
        m_apParams[i] = std::make_unique<CMFCToolTipInfo>(pParams != nullptr ? *pParams
                                                                              : CMFCToolTipInfo());
    }
}

CRuntimeClass* CTooltipManager::GetTooltipClass(UINT nType) const
{
    int i = TypeIndex(nType);
    return i >= 0 ? m_apRTC[i] : nullptr;
}

const CMFCToolTipInfo* CTooltipManager::GetTooltipParams(UINT nType) const
{
    int i = TypeIndex(nType);
    return i >= 0 ? m_apParams[i].get() : nullptr;
}
