#include "AfxLine.h"
#include "CMemoryException.h"
#include "CString.h"

#include <cstring>
#include <new>
#include <string>

BOOL AfxReadLine(const std::vector<char>& aBuf, size_t& nPos, const size_t& nEnd,
                 const std::function<BOOL()>& fill, CString& rString)
{
    std::string strLine;
    BOOL bAny = FALSE;
    try
    {
        for (;;)
        {
            if (nPos == nEnd && !fill())
                break;
            bAny = TRUE;
            const char* pStart = aBuf.data() + nPos;
            const size_t nAvail = nEnd - nPos;
            const char* pLf = static_cast<const char*>(std::memchr(pStart, '\n', nAvail));
            if (pLf == nullptr)
            {
                strLine.append(pStart, nAvail);
                nPos = nEnd;
                continue;
            }
            strLine.append(pStart, static_cast<size_t>(pLf - pStart));
            nPos += static_cast<size_t>(pLf - pStart) + 1;
            // The CR of a CR LF may have come with the previous buffer; it is in strLine now.
            if (!strLine.empty() && strLine.back() == '\r')
                strLine.pop_back();
            break;
        }
    }
    catch (const std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
    rString = CString(strLine.data(), static_cast<int>(strLine.size()));
    return bAny;
}
