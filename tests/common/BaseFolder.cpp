#include "BaseFolder.h"

CString DoubledSeparators(const CString& strFolder)
{
    CString strResult;
    for (int i = 0; i < strFolder.GetLength(); ++i)
    {
        strResult += strFolder[i];
        if (strFolder[i] == '\\')
            strResult += '\\';
    }
    return strResult;
}
