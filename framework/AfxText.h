// Conversion between the program's code-page-932 text and the UTF-16 of the W functions.
#pragma once

#include "AfxPlatform.h"
#include <string>

class CString;

// nLen < 0: psz is NUL-terminated. A null psz gives an empty result.
std::wstring AfxToWide(const char* psz, int nLen = -1);
// The whole string, embedded NUL bytes included.
std::wstring AfxToWide(const CString& str);
CString AfxFromWide(const wchar_t* psz, int nLen = -1);
