// Windows headers as the framework wants them: Windows 7 API level, no min/max macros.
// Every framework header starts here so that each one compiles on its own.
#pragma once

#ifndef WINVER
#define WINVER 0x0601
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
