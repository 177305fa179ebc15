// The module handles the framework loads resources from.
#pragma once

#include "AfxPlatform.h"

// Both default to the executable, GetModuleHandle(NULL).
HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE hInstance);   // AfxWinInit records the program's here
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
