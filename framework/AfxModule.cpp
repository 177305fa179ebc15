#include "AfxModule.h"

namespace
{
HINSTANCE g_hInstance = nullptr;
HINSTANCE g_hResource = nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_hInstance != nullptr ? g_hInstance : GetModuleHandleW(nullptr);
}

void AfxSetInstanceHandle(HINSTANCE hInstance)
{
    g_hInstance = hInstance;
}

HINSTANCE AfxGetResourceHandle()
{
    return g_hResource != nullptr ? g_hResource : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_hResource = hInstResource;
}
