// A string of code-page-932 bytes. Lengths and positions count bytes; embedded NUL bytes are
// kept. Searching is character-aware: a byte that is the second half of a double-byte
// character never matches on its own (so Find('\\') does not stop inside "表").
// Failed allocations throw CMemoryException*, bad indexes CInvalidArgException*.
#pragma once

#include "AfxPlatform.h"
#include <cstdarg>
#include <string>

#if defined(__GNUC__)
#define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#else
#define AFX_PRINTF_FORMAT(fmt, args)
#endif

class CString
{
public:
    CString();
    CString(const CString& str);
    CString(CString&& str) noexcept;
    CString(const char* psz);                 // null gives an empty string
    explicit CString(char ch, int nRepeat = 1);
    CString(const char* pch, int nLength);    // nLength bytes, NUL bytes included
    ~CString();

    CString& operator=(const CString& str);
    CString& operator=(CString&& str) noexcept;
    CString& operator=(const char* psz);
    CString& operator=(char ch);

    operator LPCSTR() const { return m_str.c_str(); }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty();

    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    // -1 when not found. nStart is a byte position; a start inside a character skips it.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    // Returns the number of replacements.
    int Replace(char chOld, char chNew);
    int Replace(const char* pszOld, const char* pszNew);

    CString& operator+=(const CString& str);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    // Byte-wise (unsigned) comparison: <0, 0, >0.
    int Compare(const char* psz) const;
    int Compare(const CString& str) const;

    void Format(const char* pszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
    void FormatV(const char* pszFormat, va_list args);

    // Reads the string nID from AfxGetResourceHandle(); FALSE (string unchanged) when missing.
    BOOL LoadString(UINT nID);

    // The buffer holds at least nMinBufLength bytes plus a NUL; ReleaseBuffer(-1) takes the
    // length up to the first NUL.
    LPSTR GetBuffer(int nMinBufLength = 0);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);

private:
    std::string m_str;
};

CString operator+(const CString& s1, const CString& s2);
CString operator+(const CString& s1, const char* psz2);
CString operator+(const char* psz1, const CString& s2);
CString operator+(const CString& s1, char ch2);
CString operator+(char ch1, const CString& s2);

bool operator==(const CString& s1, const CString& s2);
bool operator==(const CString& s1, const char* psz2);
bool operator==(const char* psz1, const CString& s2);
bool operator!=(const CString& s1, const CString& s2);
bool operator!=(const CString& s1, const char* psz2);
bool operator!=(const char* psz1, const CString& s2);
bool operator<(const CString& s1, const CString& s2);
bool operator<(const CString& s1, const char* psz2);
bool operator<(const char* psz1, const CString& s2);

// Lead bytes of double-byte characters in code page 932.
inline bool AfxIsLeadByte932(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
