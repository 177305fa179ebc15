// File path helpers for code-page-932 paths; the work is done on UTF-16 so that a 0x5C
// trail byte is never taken for a backslash.
#pragma once

#include "AfxPlatform.h"
#include "CString.h"

#include <string>
#include <vector>

// The absolute form of a path (unchanged when Windows cannot make one).
CString AfxFullPath(LPCSTR lpszPath);
// TRUE when both name the same file: full paths compared without regard to case.
BOOL AfxComparePath(LPCSTR lpszPath1, LPCSTR lpszPath2);
// The last component ("file.csv") and the folder part ("C:\dir") of a path.
CString AfxGetFileName(LPCSTR lpszPath);
CString AfxGetFolder(LPCSTR lpszPath);
// The extension with its dot (".csv"), empty when there is none.
CString AfxGetExtension(LPCSTR lpszPath);
// The extensions a template's filter field lists (".csv;.txt", a leading "*" allowed), each with
// its dot, spaces around it trimmed; empty entries are left out.
std::vector<std::wstring> AfxSplitExtensions(const CString& strFilterExt);
// The executable's full path.
CString AfxGetModulePath(HMODULE hModule = nullptr);
