#include "Afx.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont::CFont() = default;

CFont::~CFont() = default;

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, HDC hDC)
{
    // nPointSize is in tenths of a point.
    HDC hDCScreen = hDC != nullptr ? hDC : ::GetDC(nullptr);
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -::MulDiv(nPointSize, ::GetDeviceCaps(hDCScreen, LOGPIXELSY), 720);
    std::wstring strFace = AfxToWide(lpszFaceName);
    ::lstrcpynW(lf.lfFaceName, strFace.c_str(), LF_FACESIZE);
    if (hDC == nullptr)
        ::ReleaseDC(nullptr, hDCScreen);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont)
{
    return Attach(::CreateFontIndirectW(lpLogFont));
}

CFont* CFont::FromHandle(HFONT hFont)
{
    return FromHandleAs<CFont>(hFont);
}
