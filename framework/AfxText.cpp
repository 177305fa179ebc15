#include "AfxText.h"
#include "CString.h"
#include "CMemoryException.h"

#include <cstring>
#include <new>

namespace
{
const UINT kCodePage = 932;
}

std::wstring AfxToWide(const char* psz, int nLen)
{
    if (psz == nullptr)
        return std::wstring();
    if (nLen < 0)
        nLen = static_cast<int>(std::strlen(psz));
    if (nLen == 0)
        return std::wstring();
    int nWide = MultiByteToWideChar(kCodePage, 0, psz, nLen, nullptr, 0);
    if (nWide <= 0)
        return std::wstring();
    try
    {
        std::wstring str(static_cast<size_t>(nWide), L'\0');
        MultiByteToWideChar(kCodePage, 0, psz, nLen, &str[0], nWide);
        return str;
    }
    catch (const std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
}

std::wstring AfxToWide(const CString& str)
{
    return AfxToWide(static_cast<LPCSTR>(str), str.GetLength());
}

CString AfxFromWide(const wchar_t* psz, int nLen)
{
    if (psz == nullptr)
        return CString();
    if (nLen < 0)
        nLen = static_cast<int>(std::wcslen(psz));
    if (nLen == 0)
        return CString();
    int nBytes = WideCharToMultiByte(kCodePage, 0, psz, nLen, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return CString();
    CString str;
    LPSTR pBuf = str.GetBufferSetLength(nBytes);
    WideCharToMultiByte(kCodePage, 0, psz, nLen, pBuf, nBytes, nullptr, nullptr);
    return str;
}
