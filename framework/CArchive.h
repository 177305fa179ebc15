// A buffered reading (load) or writing (store) stream over any CFile. Reading from a storing
// archive or writing to a loading one throws CArchiveException*; file errors come through as
// the file's CFileException*.
#pragma once

#include "AfxPlatform.h"
#include "CString.h"
#include <vector>

class CFile;
class CDocument;

class CArchive
{
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    // The archive always keeps its own buffer of nBufSize bytes; lpBuf is not used.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // Flushes a storing archive that was not closed; errors are dropped here.
    ~CArchive();

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Same line rules as CStdioFile::ReadString; FALSE at the end of the file.
    BOOL ReadString(CString& rString);
    // Writes the bytes of the string as they are (no line end is added).
    void WriteString(LPCSTR lpsz);

    // Storing: writes the buffer to the file. Loading: gives unread buffered bytes back.
    void Flush();
    // Flushes and detaches from the file (the file stays open).
    void Close();
    // Detaches without writing anything.
    void Abort();

    CDocument* m_pDocument;

private:
    BOOL FillBuffer();

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<char> m_aBuf;
    size_t m_nPos;       // next byte to read
    size_t m_nEnd;       // loading: end of valid data; storing: bytes waiting to be written
};
