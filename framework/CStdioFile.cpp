#include "CStdioFile.h"
#include "AfxLine.h"
#include "CFileException.h"
#include "CMemoryException.h"

#include <cstring>
#include <new>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace
{
const size_t kReadAheadSize = 4096;
}

CStdioFile::CStdioFile() : m_bText(TRUE), m_nAheadPos(0), m_nAheadEnd(0)
{
}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags)
    : m_bText(TRUE), m_nAheadPos(0), m_nAheadEnd(0)
{
    CFileException ex;
    if (!Open(lpszFileName, nOpenFlags, &ex))
        AfxThrowFileException(ex.m_cause, ex.m_lOsError, ex.m_strFileName);
}

CStdioFile::~CStdioFile()
{
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_nAheadPos = m_nAheadEnd = 0;
    m_bText = (nOpenFlags & typeBinary) ? FALSE : TRUE;
    return CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError);
}

BOOL CStdioFile::FillReadAhead()
{
    if (m_aReadAhead.empty())
    {
        try
        {
            m_aReadAhead.resize(kReadAheadSize);
        }
        catch (const std::bad_alloc&)
        {
            AfxThrowMemoryException();
        }
    }
    m_nAheadPos = 0;
    m_nAheadEnd = CFile::Read(m_aReadAhead.data(), static_cast<UINT>(m_aReadAhead.size()));
    return m_nAheadEnd > 0;
}

void CStdioFile::DropReadAhead()
{
    const size_t nUnread = m_nAheadEnd - m_nAheadPos;
    m_nAheadPos = m_nAheadEnd = 0;
    if (nUnread > 0)
        CFile::Seek(-static_cast<LONGLONG>(nUnread), current);
}

BOOL CStdioFile::ReadString(CString& rString)
{
    return AfxReadLine(m_aReadAhead, m_nAheadPos, m_nAheadEnd, [this] { return FillReadAhead(); },
                       rString);
}

void CStdioFile::WriteString(LPCSTR lpsz)
{
    if (lpsz == nullptr)
        return;
    if (!m_bText)
    {
        Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
        return;
    }
    for (const char* p = lpsz; *p != '\0';)
    {
        const char* pLf = std::strchr(p, '\n');
        const size_t nPart = pLf == nullptr ? std::strlen(p) : static_cast<size_t>(pLf - p);
        Write(p, static_cast<UINT>(nPart));
        if (pLf == nullptr)
            break;
        Write("\r\n", 2);
        p = pLf + 1;
    }
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    char* pOut = static_cast<char*>(lpBuf);
    const size_t nAvail = m_nAheadEnd - m_nAheadPos;
    const size_t nFromAhead = nAvail < nCount ? nAvail : nCount;
    if (nFromAhead > 0)
    {
        std::memcpy(pOut, m_aReadAhead.data() + m_nAheadPos, nFromAhead);
        m_nAheadPos += nFromAhead;
    }
    if (nFromAhead == nCount)
        return nCount;
    return static_cast<UINT>(nFromAhead) +
           CFile::Read(pOut + nFromAhead, nCount - static_cast<UINT>(nFromAhead));
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    DropReadAhead();
    CFile::Write(lpBuf, nCount);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    DropReadAhead();
    return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const
{
    return CFile::GetPosition() - (m_nAheadEnd - m_nAheadPos);
}

void CStdioFile::Flush()
{
    DropReadAhead();
    CFile::Flush();
}

void CStdioFile::Close()
{
    m_nAheadPos = m_nAheadEnd = 0;
    CFile::Close();
}

void CStdioFile::Abort()
{
    m_nAheadPos = m_nAheadEnd = 0;
    CFile::Abort();
}
