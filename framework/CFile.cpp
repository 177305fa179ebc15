#include "CFile.h"
#include "AfxText.h"
#include "CFileException.h"

#include <string>

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace
{
DWORD AccessOf(UINT nOpenFlags)
{
    switch (nOpenFlags & 3)
    {
    case CFile::modeWrite:
        return GENERIC_WRITE;
    case CFile::modeReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return GENERIC_READ;
    }
}

DWORD ShareOf(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x70)
    {
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:   // shareExclusive, shareCompat
        return 0;
    }
}

DWORD DispositionOf(UINT nOpenFlags)
{
    if (nOpenFlags & CFile::modeCreate)
        return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    return OPEN_EXISTING;
}

CString FullPathOf(const std::wstring& strPath)
{
    DWORD nLen = GetFullPathNameW(strPath.c_str(), 0, nullptr, nullptr);
    if (nLen == 0)
        return AfxFromWide(strPath.c_str());
    std::wstring strFull(nLen, L'\0');
    nLen = GetFullPathNameW(strPath.c_str(), nLen, &strFull[0], nullptr);
    return AfxFromWide(strFull.c_str(), static_cast<int>(nLen));
}
}

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException ex;
    if (!CFile::Open(lpszFileName, nOpenFlags, &ex))
        AfxThrowFileException(ex.m_cause, ex.m_lOsError, ex.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        Abort();

    const std::wstring strPath = AfxToWide(lpszFileName);
    m_strFileName = strPath.empty() ? CString() : FullPathOf(strPath);

    SECURITY_ATTRIBUTES sa = { sizeof(sa), nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE };
    HANDLE hFile = CreateFileW(strPath.c_str(), AccessOf(nOpenFlags), ShareOf(nOpenFlags), &sa,
                               DispositionOf(nOpenFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        const LONG lError = static_cast<LONG>(GetLastError());
        if (pError != nullptr)
        {
            pError->m_lOsError = lError;
            pError->m_cause = CFileException::OsErrorToException(lError);
            pError->m_strFileName = m_strFileName;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD nRead = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr))
        ThrowLastError();
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr))
        ThrowLastError();
    // A short write without an error means the disk has no room left.
    if (nWritten < nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER liOff;
    liOff.QuadPart = lOff;
    LARGE_INTEGER liNew;
    const DWORD dwMethod = nFrom == end ? FILE_END : nFrom == current ? FILE_CURRENT : FILE_BEGIN;
    if (!SetFilePointerEx(m_hFile, liOff, &liNew, dwMethod))
        ThrowLastError();
    return static_cast<ULONGLONG>(liNew.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER liSize;
    if (!GetFileSizeEx(m_hFile, &liSize))
        ThrowLastError();
    return static_cast<ULONGLONG>(liSize.QuadPart);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER liZero;
    liZero.QuadPart = 0;
    LARGE_INTEGER liPos;
    if (!SetFilePointerEx(m_hFile, liZero, &liPos, FILE_CURRENT))
        ThrowLastError();
    return static_cast<ULONGLONG>(liPos.QuadPart);
}

void CFile::Flush()
{
    if (m_hFile != hFileNull && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    BOOL bOk = TRUE;
    if (m_hFile != hFileNull)
        bOk = CloseHandle(m_hFile);
    const LONG lError = static_cast<LONG>(GetLastError());
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (!bOk)
        CFileException::ThrowOsError(lError, m_strFileName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CString CFile::GetFileName() const
{
    const int nSep = m_strFileName.ReverseFind('\\');
    const int nSlash = m_strFileName.ReverseFind('/');
    const int nCut = nSep > nSlash ? nSep : nSlash;
    return nCut < 0 ? m_strFileName : m_strFileName.Mid(nCut + 1);
}

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!MoveFileW(AfxToWide(lpszOldName).c_str(), AfxToWide(lpszNewName).c_str()))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszOldName);
}

void PASCAL CFile::Remove(LPCSTR lpszFileName)
{
    if (!DeleteFileW(AfxToWide(lpszFileName).c_str()))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}
