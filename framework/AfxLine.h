// Line reading shared by CArchive and CStdioFile, which both read through a buffer of their own.
#pragma once

#include "AfxPlatform.h"

#include <cstddef>
#include <functional>
#include <vector>

class CString;

// Reads one line out of aBuf[nPos, nEnd), calling fill when that range is used up; fill refills
// aBuf, resets nPos and nEnd and returns FALSE at the end of the data. The LF or CR LF that ends
// the line is consumed but not stored. FALSE (and an empty rString) when no byte was left.
BOOL AfxReadLine(const std::vector<char>& aBuf, size_t& nPos, const size_t& nEnd,
                 const std::function<BOOL()>& fill, CString& rString);
