// Message boxes of the framework: owned by the main window, captioned with the application title.
#pragma once

#include "AfxPlatform.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The prompt is a string of the string table; its help context defaults to the string id.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

class CString;
// The string nIDS with "%1" replaced by lpsz1.
void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1);
