#include "CArchive.h"
#include "AfxLine.h"
#include "CArchiveException.h"
#include "CFile.h"
#include "CMemoryException.h"

#include <cstring>
#include <new>

namespace
{
const int kMinBufSize = 128;
}

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* /*lpBuf*/)
    : m_pDocument(nullptr), m_pFile(pFile), m_nMode(nMode), m_nPos(0), m_nEnd(0)
{
    if (pFile == nullptr)
        AfxThrowArchiveException(CArchiveException::genericException);
    try
    {
        m_aBuf.resize(static_cast<size_t>(nBufSize < kMinBufSize ? kMinBufSize : nBufSize));
    }
    catch (const std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
}

CArchive::~CArchive()
{
    if (m_pFile == nullptr)
        return;
    if (IsStoring() && !(m_nMode & bNoFlushOnDelete))
    {
        // A destructor must not throw; Close() is the place to learn about write errors.
        try
        {
            Flush();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    m_pFile = nullptr;
}

BOOL CArchive::FillBuffer()
{
    m_nPos = 0;
    m_nEnd = m_pFile->Read(m_aBuf.data(), static_cast<UINT>(m_aBuf.size()));
    return m_nEnd > 0;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (m_pFile == nullptr || IsStoring())
        AfxThrowArchiveException(CArchiveException::writeOnly);
    char* pOut = static_cast<char*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax)
    {
        if (m_nPos == m_nEnd && !FillBuffer())
            break;
        size_t nTake = m_nEnd - m_nPos;
        if (nTake > nMax - nDone)
            nTake = nMax - nDone;
        std::memcpy(pOut + nDone, m_aBuf.data() + m_nPos, nTake);
        m_nPos += nTake;
        nDone += static_cast<UINT>(nTake);
    }
    return nDone;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (m_pFile == nullptr || IsLoading())
        AfxThrowArchiveException(CArchiveException::readOnly);
    const char* pIn = static_cast<const char*>(lpBuf);
    while (nMax > 0)
    {
        if (m_nEnd == m_aBuf.size())
            Flush();
        size_t nTake = m_aBuf.size() - m_nEnd;
        if (nTake > nMax)
            nTake = nMax;
        std::memcpy(m_aBuf.data() + m_nEnd, pIn, nTake);
        m_nEnd += nTake;
        pIn += nTake;
        nMax -= static_cast<UINT>(nTake);
    }
}

BOOL CArchive::ReadString(CString& rString)
{
    if (m_pFile == nullptr || IsStoring())
        AfxThrowArchiveException(CArchiveException::writeOnly);
    return AfxReadLine(m_aBuf, m_nPos, m_nEnd, [this] { return FillBuffer(); }, rString);
}

void CArchive::WriteString(LPCSTR lpsz)
{
    if (lpsz != nullptr)
        Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        return;
    if (IsStoring())
    {
        const size_t nPending = m_nEnd;
        m_nEnd = 0;
        if (nPending > 0)
            m_pFile->Write(m_aBuf.data(), static_cast<UINT>(nPending));
    }
    else
    {
        const size_t nUnread = m_nEnd - m_nPos;
        m_nPos = m_nEnd = 0;
        if (nUnread > 0)
            m_pFile->Seek(-static_cast<LONGLONG>(nUnread), CFile::current);
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_nPos = m_nEnd = 0;
    m_pFile = nullptr;
}
