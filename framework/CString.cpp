#include "CString.h"
#include "AfxText.h"
#include "AfxModule.h"
#include "CInvalidArgException.h"
#include "CMemoryException.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

namespace
{
// Runs a step that may allocate; allocation failures become the framework's exception.
template <class F>
void Guarded(F f)
{
    try
    {
        f();
    }
    catch (const std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
    catch (const std::length_error&)
    {
        AfxThrowMemoryException();
    }
}

size_t SafeLen(const char* psz)
{
    return psz == nullptr ? 0 : std::strlen(psz);
}

// Byte length of the character that starts at nPos.
size_t CharLen(const std::string& str, size_t nPos)
{
    return (AfxIsLeadByte932(static_cast<unsigned char>(str[nPos])) && nPos + 1 < str.size()) ? 2 : 1;
}

// The first character boundary at or after nStart.
size_t FirstBoundary(const std::string& str, int nStart)
{
    size_t i = 0;
    while (nStart > 0 && i < str.size() && i < static_cast<size_t>(nStart))
        i += CharLen(str, i);
    return i;
}
}

CString::CString()
{
}

CString::CString(const CString& str)
{
    Guarded([&] { m_str = str.m_str; });
}

CString::CString(CString&& str) noexcept : m_str(std::move(str.m_str))
{
}

CString::CString(const char* psz)
{
    Guarded([&] { m_str.assign(psz == nullptr ? "" : psz); });
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        Guarded([&] { m_str.assign(static_cast<size_t>(nRepeat), ch); });
}

CString::CString(const char* pch, int nLength)
{
    if (pch != nullptr && nLength > 0)
        Guarded([&] { m_str.assign(pch, static_cast<size_t>(nLength)); });
}

CString::~CString()
{
}

CString& CString::operator=(const CString& str)
{
    if (this != &str)
        Guarded([&] { m_str = str.m_str; });
    return *this;
}

CString& CString::operator=(CString&& str) noexcept
{
    m_str = std::move(str.m_str);
    return *this;
}

CString& CString::operator=(const char* psz)
{
    // psz may point into this string.
    Guarded([&] { m_str = std::string(psz == nullptr ? "" : psz); });
    return *this;
}

CString& CString::operator=(char ch)
{
    Guarded([&] { m_str.assign(1, ch); });
    return *this;
}

void CString::Empty()
{
    m_str.clear();
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    return m_str[static_cast<size_t>(nIndex)];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    m_str[static_cast<size_t>(nIndex)] = ch;
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    const long long nLen = GetLength();
    long long nFrom = nFirst < 0 ? 0 : nFirst;
    long long nTake = nCount < 0 ? 0 : nCount;
    if (nFrom > nLen)
        nFrom = nLen;
    if (nFrom + nTake > nLen)
        nTake = nLen - nFrom;
    return CString(m_str.data() + nFrom, static_cast<int>(nTake));
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return Mid(GetLength() - nCount, nCount);
}

int CString::Find(char ch, int nStart) const
{
    for (size_t i = FirstBoundary(m_str, nStart); i < m_str.size(); i += CharLen(m_str, i))
    {
        if (m_str[i] == ch)
            return static_cast<int>(i);
    }
    return -1;
}

int CString::Find(const char* pszSub, int nStart) const
{
    const size_t nSub = SafeLen(pszSub);
    if (nStart > GetLength())
        return -1;
    for (size_t i = FirstBoundary(m_str, nStart); i + nSub <= m_str.size(); i += CharLen(m_str, i))
    {
        if (std::memcmp(m_str.data() + i, pszSub, nSub) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int nFound = -1;
    for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i))
    {
        if (m_str[i] == ch)
            nFound = static_cast<int>(i);
    }
    return nFound;
}

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i))
    {
        if (m_str[i] == chOld && CharLen(m_str, i) == 1)
        {
            m_str[i] = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(const char* pszOld, const char* pszNew)
{
    const size_t nOld = SafeLen(pszOld);
    if (nOld == 0)
        return 0;
    const size_t nNew = SafeLen(pszNew);
    int nCount = 0;
    Guarded([&] {
        std::string result;
        size_t i = 0;
        while (i < m_str.size())
        {
            if (i + nOld <= m_str.size() && std::memcmp(m_str.data() + i, pszOld, nOld) == 0)
            {
                result.append(pszNew == nullptr ? "" : pszNew, nNew);
                i += nOld;
                ++nCount;
            }
            else
            {
                const size_t n = CharLen(m_str, i);
                result.append(m_str, i, n);
                i += n;
            }
        }
        if (nCount > 0)
            m_str.swap(result);
    });
    return nCount;
}

CString& CString::operator+=(const CString& str)
{
    Guarded([&] { m_str.append(str.m_str); });
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    Guarded([&] { m_str.append(std::string(psz == nullptr ? "" : psz)); });
    return *this;
}

CString& CString::operator+=(char ch)
{
    Guarded([&] { m_str.push_back(ch); });
    return *this;
}

int CString::Compare(const char* psz) const
{
    return m_str.compare(0, m_str.size(), psz == nullptr ? "" : psz, SafeLen(psz));
}

int CString::Compare(const CString& str) const
{
    return m_str.compare(str.m_str);
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    try
    {
        FormatV(pszFormat, args);
    }
    catch (...)
    {
        va_end(args);
        throw;
    }
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    if (pszFormat == nullptr)
        AfxThrowInvalidArgException();
    Guarded([&] {
        std::vector<char> buf(256);
        for (;;)
        {
            va_list argsCopy;
            va_copy(argsCopy, args);
            const int n = std::vsnprintf(buf.data(), buf.size(), pszFormat, argsCopy);
            va_end(argsCopy);
            if (n >= 0 && static_cast<size_t>(n) < buf.size())
            {
                // An argument may be this very string, so it is replaced only now.
                m_str.assign(buf.data(), static_cast<size_t>(n));
                return;
            }
            if (n < 0 && buf.size() >= (1u << 30))
                AfxThrowInvalidArgException();
            buf.resize(n >= 0 ? static_cast<size_t>(n) + 1 : buf.size() * 2);
        }
    });
}

BOOL CString::LoadString(UINT nID)
{
    // With a buffer length of 0 LoadStringW hands out the resource's own read-only text.
    const wchar_t* pText = nullptr;
    const int nLen = LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pText), 0);
    if (nLen <= 0 || pText == nullptr)
        return FALSE;
    *this = AfxFromWide(pText, nLen);
    return TRUE;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    // One extra byte so that a caller may write a terminating NUL after nMinBufLength bytes.
    const size_t nWant = static_cast<size_t>(nMinBufLength < 0 ? 0 : nMinBufLength) + 1;
    if (m_str.size() < nWant)
        Guarded([&] { m_str.resize(nWant, '\0'); });
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    size_t n;
    if (nNewLength < 0)
        n = strnlen(m_str.c_str(), m_str.size());
    else
        n = static_cast<size_t>(nNewLength) < m_str.size() ? static_cast<size_t>(nNewLength) : m_str.size();
    m_str.resize(n);
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    Guarded([&] { m_str.resize(static_cast<size_t>(nNewLength < 0 ? 0 : nNewLength), '\0'); });
    return &m_str[0];
}

CString operator+(const CString& s1, const CString& s2)
{
    CString s(s1);
    s += s2;
    return s;
}

CString operator+(const CString& s1, const char* psz2)
{
    CString s(s1);
    s += psz2;
    return s;
}

CString operator+(const char* psz1, const CString& s2)
{
    CString s(psz1);
    s += s2;
    return s;
}

CString operator+(const CString& s1, char ch2)
{
    CString s(s1);
    s += ch2;
    return s;
}

CString operator+(char ch1, const CString& s2)
{
    CString s(ch1);
    s += s2;
    return s;
}

bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
bool operator==(const CString& s1, const char* psz2) { return s1.Compare(psz2) == 0; }
bool operator==(const char* psz1, const CString& s2) { return s2.Compare(psz1) == 0; }
bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
bool operator!=(const CString& s1, const char* psz2) { return s1.Compare(psz2) != 0; }
bool operator!=(const char* psz1, const CString& s2) { return s2.Compare(psz1) != 0; }
bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
bool operator<(const CString& s1, const char* psz2) { return s1.Compare(psz2) < 0; }
bool operator<(const char* psz1, const CString& s2) { return s2.Compare(psz1) > 0; }
