#include "ExeResources.h"

extern std::wstring g_strExe; // set by main from the command line

namespace e2e {

ExeResources::ExeResources()
    : m_hModule(::LoadLibraryExW(g_strExe.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
{
}

ExeResources::~ExeResources()
{
    if (m_hModule != nullptr)
        ::FreeLibrary(m_hModule);
}

std::wstring ExeResources::String(UINT nID) const
{
    // With a zero buffer size LoadStringW hands out the resource text itself, whatever its length.
    const wchar_t* p = nullptr;
    int n = ::LoadStringW(m_hModule, nID, reinterpret_cast<LPWSTR>(&p), 0);
    return n > 0 && p != nullptr ? std::wstring(p, n) : std::wstring();
}

} // namespace e2e
