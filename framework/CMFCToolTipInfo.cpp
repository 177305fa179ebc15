#include "CMFCToolTipInfo.h"

CMFCToolTipInfo::CMFCToolTipInfo()
    : m_bBoldLabel(TRUE), m_bDrawDescription(TRUE), m_bDrawIcon(TRUE), m_bRoundedCorners(FALSE),
      m_bDrawSeparator(FALSE), m_bBalloonTooltip(FALSE), m_bVislManagerTheme(FALSE),
      m_nMaxDescrWidth(200), m_nGradientAngle(-1), m_clrFill(static_cast<COLORREF>(-1)),
      m_clrFillGradient(static_cast<COLORREF>(-1)), m_clrText(static_cast<COLORREF>(-1)),
      m_clrBorder(static_cast<COLORREF>(-1))
{
}
