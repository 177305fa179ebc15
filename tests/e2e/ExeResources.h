// Resources of the built Kasumiori.exe, read from the file itself (none of its code runs).
#pragma once
#include <windows.h>
#include <string>

namespace e2e {

// The exe loaded as an image of resources only; freed with the object.
class ExeResources
{
public:
    ExeResources();
    ~ExeResources();
    ExeResources(const ExeResources&) = delete;
    ExeResources& operator=(const ExeResources&) = delete;

    HMODULE Handle() const { return m_hModule; }
    // The string resource nID; empty when there is none.
    std::wstring String(UINT nID) const;

private:
    HMODULE m_hModule;
};

} // namespace e2e
