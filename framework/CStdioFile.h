// A file read and written by lines. Text mode (the default, typeText) writes "\n" as CR LF;
// typeBinary writes bytes as given. Reading never changes bytes: ReadString returns a line
// without its line end (LF, or CR LF), keeps a lone CR, and gives a last line that has no
// line end. Read and Write move bytes unchanged in both modes.
#pragma once

#include "CFile.h"
#include <vector>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // FALSE when the file is at its end (rString is then empty).
    virtual BOOL ReadString(CString& rString);
    virtual void WriteString(LPCSTR lpsz);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    // Gives back read-ahead bytes to the file so its position is the logical one.
    void DropReadAhead();
    BOOL FillReadAhead();

    BOOL m_bText;
    std::vector<char> m_aReadAhead;
    size_t m_nAheadPos;
    size_t m_nAheadEnd;
};
