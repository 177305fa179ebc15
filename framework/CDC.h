// A device context. A CDC that made its DC (CreateCompatibleDC) deletes it; the derived
// CClientDC, CWindowDC and CPaintDC release theirs.
#pragma once

#include "AfxPlatform.h"
#include "CObject.h"
#include "CString.h"
#include "CPoint.h"
#include "CRect.h"

class CGdiObject;
class CPen;
class CBrush;
class CBitmap;
class CFont;

class CDC : public CObject
{
    DECLARE_DYNAMIC(CDC)
public:
    CDC();
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC hDC);
    HDC Detach();
    // A temporary wrapper of a DC made elsewhere, freed by DeleteTempMap.
    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();

    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const;

    // Selection: each returns the object that was selected before (a temporary wrapper when
    // no wrapper of ours owns it), to be selected back.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CFont* SelectObject(CFont* pFont);
    CGdiObject* SelectStockObject(int nIndex);

    // Text: the bytes are code page 932 and go out through TextOutW.
    BOOL TextOut(int x, int y, const CString& str);
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount);
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    int SetBkMode(int nBkMode);
    int GetBkMode() const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    CSize GetTextExtent(const CString& str) const;

    // Drawing
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF crColor);

    // Coordinates
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point);
    CPoint GetViewportOrg() const;
    int SetMapMode(int nMapMode);
};
