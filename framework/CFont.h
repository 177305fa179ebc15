// A font.
#pragma once

#include "CGdiObject.h"

class CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    CFont();
    ~CFont() override;

    // lpszFaceName in code page 932.
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, HDC hDC = nullptr);
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT hFont);
};
