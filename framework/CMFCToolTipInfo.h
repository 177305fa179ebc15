// Look of the framework's tooltips, as handed to the tooltip manager.
#pragma once

#include "AfxPlatform.h"

class CMFCToolTipInfo
{
public:
    CMFCToolTipInfo();

    BOOL m_bBoldLabel;
    BOOL m_bDrawDescription;
    BOOL m_bDrawIcon;
    BOOL m_bRoundedCorners;
    BOOL m_bDrawSeparator;
    BOOL m_bBalloonTooltip;
    BOOL m_bVislManagerTheme;   // take the look from the visual manager
    int m_nMaxDescrWidth;
    int m_nGradientAngle;
    COLORREF m_clrFill;
    COLORREF m_clrFillGradient;
    COLORREF m_clrText;
    COLORREF m_clrBorder;
};
