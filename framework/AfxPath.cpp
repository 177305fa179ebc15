#include "AfxPath.h"
#include "AfxText.h"
#include <string>
#include <vector>

namespace
{
std::wstring FullPathW(const std::wstring& path)
{
    DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return path;
    std::vector<wchar_t> buf(n + 1);
    n = GetFullPathNameW(path.c_str(), static_cast<DWORD>(buf.size()), buf.data(), nullptr);
    if (n == 0 || n >= buf.size())
        return path;
    return std::wstring(buf.data(), n);
}

size_t LastSeparator(const std::wstring& path)
{
    return path.find_last_of(L"\\/:");
}
} // namespace

CString AfxFullPath(LPCSTR lpszPath)
{
    if (lpszPath == nullptr || *lpszPath == '\0')
        return CString();
    std::wstring w = FullPathW(AfxToWide(lpszPath));
    return AfxFromWide(w.c_str(), static_cast<int>(w.size()));
}

BOOL AfxComparePath(LPCSTR lpszPath1, LPCSTR lpszPath2)
{
    if (lpszPath1 == nullptr || lpszPath2 == nullptr)
        return FALSE;
    std::wstring a = FullPathW(AfxToWide(lpszPath1));
    std::wstring b = FullPathW(AfxToWide(lpszPath2));
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

CString AfxGetFileName(LPCSTR lpszPath)
{
    std::wstring w = AfxToWide(lpszPath);
    size_t n = LastSeparator(w);
    std::wstring name = (n == std::wstring::npos) ? w : w.substr(n + 1);
    return AfxFromWide(name.c_str(), static_cast<int>(name.size()));
}

CString AfxGetFolder(LPCSTR lpszPath)
{
    std::wstring w = FullPathW(AfxToWide(lpszPath));
    size_t n = LastSeparator(w);
    if (n == std::wstring::npos)
        return CString();
    // Keep the separator of a root ("C:\") so that the folder still names the root.
    std::wstring dir = w.substr(0, (n == 2 && w[1] == L':') ? n + 1 : n);
    return AfxFromWide(dir.c_str(), static_cast<int>(dir.size()));
}

CString AfxGetExtension(LPCSTR lpszPath)
{
    std::wstring name = AfxToWide(AfxGetFileName(lpszPath));
    size_t n = name.rfind(L'.');
    if (n == std::wstring::npos)
        return CString();
    std::wstring ext = name.substr(n);
    return AfxFromWide(ext.c_str(), static_cast<int>(ext.size()));
}

std::vector<std::wstring> AfxSplitExtensions(const CString& strFilterExt)
{
    std::vector<std::wstring> result;
    const std::wstring list = AfxToWide(strFilterExt);
    size_t nStart = 0;
    while (nStart < list.size())
    {
        size_t nEnd = list.find(L';', nStart);
        if (nEnd == std::wstring::npos)
            nEnd = list.size();
        std::wstring one = list.substr(nStart, nEnd - nStart);
        while (!one.empty() && one.front() == L' ')
            one.erase(0, 1);
        while (!one.empty() && one.back() == L' ')
            one.pop_back();
        if (!one.empty() && one.front() == L'*')
            one.erase(0, 1);
        if (!one.empty())
            result.push_back(one);
        nStart = nEnd + 1;
    }
    return result;
}

CString AfxGetModulePath(HMODULE hModule)
{
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;)
    {
        DWORD n = GetModuleFileNameW(hModule, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0)
            return CString();
        if (n < buf.size())
            return AfxFromWide(buf.data(), static_cast<int>(n));
        buf.resize(buf.size() * 2);
    }
}
