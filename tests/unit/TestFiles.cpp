#include "TestFiles.h"
#include "BaseFolder.h"
#include <cmath>
#include <stdexcept>
#include <vector>

namespace testfiles
{
namespace
{
void RemoveTree(const std::wstring& strDir)
{
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((strDir + L"\\*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::wstring strName = fd.cFileName;
            if (strName == L"." || strName == L"..")
                continue;
            const std::wstring strPath = strDir + L"\\" + strName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(strPath);
            else
                DeleteFileW(strPath.c_str());
        } while (FindNextFileW(hFind, &fd));
        FindClose(hFind);
    }
    RemoveDirectoryW(strDir.c_str());
}

void PutLE(std::string& s, unsigned long n, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        s += static_cast<char>((n >> (8 * i)) & 0xFF);
}
}  // namespace

ScratchDir::ScratchDir(const wchar_t* pszTag)
{
    wchar_t szTemp[MAX_PATH];
    GetTempPathW(MAX_PATH, szTemp);
    std::wstring strBase = szTemp;
    if (!strBase.empty() && strBase.back() == L'\\')
        strBase.pop_back();
    for (unsigned n = GetTickCount() & 0xFFFF;; ++n)
    {
        std::wstring strTry = strBase + L"\\ks_" + pszTag + L"_" + std::to_wstring(GetCurrentProcessId()) +
                              L"_" + std::to_wstring(n);
        if (CreateDirectoryW(strTry.c_str(), nullptr))
        {
            m_strPath = strTry;
            break;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create a scratch folder");
    }
}

ScratchDir::~ScratchDir()
{
    RemoveTree(m_strPath);
}

CString ScratchDir::DoubledBaseDir() const
{
    return DoubledSeparators(AfxFromWide(m_strPath.c_str()));
}

void WriteBytes(const std::wstring& strPath, const std::string& strBytes)
{
    HANDLE h = CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write a test file");
    DWORD dwWritten = 0;
    const BOOL bOk = WriteFile(h, strBytes.data(), static_cast<DWORD>(strBytes.size()), &dwWritten, nullptr);
    CloseHandle(h);
    if (!bOk || dwWritten != strBytes.size())
        throw std::runtime_error("short write of a test file");
}

std::string ReadBytes(const std::wstring& strPath)
{
    HANDLE h = CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot read a test file");
    std::string strBytes;
    char buf[65536];
    DWORD dwRead = 0;
    while (ReadFile(h, buf, sizeof(buf), &dwRead, nullptr) && dwRead > 0)
        strBytes.append(buf, dwRead);
    CloseHandle(h);
    return strBytes;
}

void WriteWave(const std::wstring& strPath, int nMilliseconds)
{
    const unsigned long nRate = 8000;
    const unsigned long nSamples = nRate * static_cast<unsigned long>(nMilliseconds) / 1000;
    std::string s = "RIFF";
    PutLE(s, 36 + nSamples, 4);
    s += "WAVEfmt ";
    PutLE(s, 16, 4);
    PutLE(s, 1, 2);          // PCM
    PutLE(s, 1, 2);          // mono
    PutLE(s, nRate, 4);
    PutLE(s, nRate, 4);      // bytes per second
    PutLE(s, 1, 2);          // block align
    PutLE(s, 8, 2);          // bits per sample
    s += "data";
    PutLE(s, nSamples, 4);
    for (unsigned long i = 0; i < nSamples; ++i)
        s += static_cast<char>(128 + static_cast<int>(20 * std::sin(i * 0.3)));
    WriteBytes(strPath, s);
}
}  // namespace testfiles
