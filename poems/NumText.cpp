// Decimal text of poem numbers, counters and times.
#include "NumText.h"
#include <climits>
#include <cstdio>

namespace
{
// Any value outside 1..100 makes the number box keep its poem; used for text too large for int.
const int kOutOfRange = -1;
}

int StrToNum(CString str)
{
    const int nLen = str.GetLength();
    long long nResult = 0;
    for (int i = 0; i < nLen; ++i)
    {
        const int nPlace = nLen - 1 - i;
        // Every byte takes a place; only the ASCII digits 1..9 add to the value. A lead or
        // trail byte of CP932 never lies in that range.
        const char ch = str[i];
        if (ch < '1' || ch > '9')
            continue;
        if (nPlace > 9)
            return kOutOfRange;
        nResult += static_cast<long long>(ch - '0') * Pow10(nPlace + 1);
        if (nResult > INT_MAX)
            return kOutOfRange;
    }
    return static_cast<int>(nResult);
}

int Pow10(int n)
{
    // 10 to the power n - 1; past 10^9 the value no longer fits and stays at INT_MAX.
    int nResult = 1;
    for (int i = 1; i < n; ++i)
    {
        if (nResult > INT_MAX / 10)
            return INT_MAX;
        nResult *= 10;
    }
    return nResult;
}

CString NumToStr(int n)
{
    char szBuf[65];
    const int nWritten = std::snprintf(szBuf, sizeof(szBuf), "%d", n);
    return CString(szBuf, nWritten > 0 ? nWritten : 0);
}
