// Which tooltip class and look each kind of tooltip uses.
#pragma once

#include "AfxPlatform.h"
#include "CObject.h"
#include "CMFCToolTipInfo.h"
#include <memory>

struct CRuntimeClass;

#define AFX_TOOLTIP_TYPE_DEFAULT    0x0001
#define AFX_TOOLTIP_TYPE_TOOLBAR    0x0002
#define AFX_TOOLTIP_TYPE_TAB        0x0004
#define AFX_TOOLTIP_TYPE_MINIFRAME  0x0008
#define AFX_TOOLTIP_TYPE_DOCKBAR    0x0010
#define AFX_TOOLTIP_TYPE_EDIT       0x0020
#define AFX_TOOLTIP_TYPE_BUTTON     0x0040
#define AFX_TOOLTIP_TYPE_TOOLBOX    0x0080
#define AFX_TOOLTIP_TYPE_PLANNER    0x0100
#define AFX_TOOLTIP_TYPE_RIBBON     0x0200
#define AFX_TOOLTIP_TYPE_CAPTIONBAR 0x0400
#define AFX_TOOLTIP_TYPES           11
#define AFX_TOOLTIP_TYPE_ALL        0xFFFF

class CTooltipManager : public CObject
{
public:
    CTooltipManager();
    ~CTooltipManager() override;

    // For every type bit in nTypes: the class (must derive from CMFCToolTipCtrl; null = the
    // default) and a copy of the parameters (null = the defaults).
    void SetTooltipParams(UINT nTypes, CRuntimeClass* pRTC = nullptr,
                          CMFCToolTipInfo* pParams = nullptr);
    // nType is one AFX_TOOLTIP_TYPE_ bit; null when nothing was set for it.
    CRuntimeClass* GetTooltipClass(UINT nType) const;
    const CMFCToolTipInfo* GetTooltipParams(UINT nType) const;

private:
    static int TypeIndex(UINT nType);

    CRuntimeClass* m_apRTC[AFX_TOOLTIP_TYPES];
    std::unique_ptr<CMFCToolTipInfo> m_apParams[AFX_TOOLTIP_TYPES];
};
