// Scratch folders and files that the document and audio tests write for themselves.
#pragma once
#include "Afx.h"
#include <string>

namespace testfiles
{
// A new empty folder under the temporary folder; removed with everything in it on destruction.
class ScratchDir
{
public:
    explicit ScratchDir(const wchar_t* pszTag);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::wstring& Path() const { return m_strPath; }
    std::wstring File(const std::wstring& strName) const { return m_strPath + L"\\" + strName; }
    // The folder as the practice view stores it in the document: CP932, backslashes doubled.
    CString DoubledBaseDir() const;

private:
    std::wstring m_strPath;
};

void WriteBytes(const std::wstring& strPath, const std::string& strBytes);
std::string ReadBytes(const std::wstring& strPath);
// A PCM wave file (8 kHz, 8 bit, mono) of the given length, a quiet tone.
void WriteWave(const std::wstring& strPath, int nMilliseconds);
}  // namespace testfiles
