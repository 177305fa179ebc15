#include "Afx.h"

namespace
{
BOOL EqualsNoCase(const char* psz1, const char* psz2)
{
    for (; *psz1 != '\0' && *psz2 != '\0'; ++psz1, ++psz2)
    {
        char c1 = (*psz1 >= 'A' && *psz1 <= 'Z') ? static_cast<char>(*psz1 - 'A' + 'a') : *psz1;
        char c2 = (*psz2 >= 'A' && *psz2 <= 'Z') ? static_cast<char>(*psz2 - 'A' + 'a') : *psz2;
        if (c1 != c2)
            return FALSE;
    }
    return *psz1 == *psz2;
}
} // namespace

CCommandLineInfo::CCommandLineInfo() : m_nShellCommand(FileNew)
{
}

CCommandLineInfo::~CCommandLineInfo()
{
}

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    (void)bLast;
    if (pszParam == nullptr)
        return;
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam)
{
    if (EqualsNoCase(pszParam, "Register") || EqualsNoCase(pszParam, "Regserver"))
        m_nShellCommand = AppRegister;
    else if (EqualsNoCase(pszParam, "Unregister") || EqualsNoCase(pszParam, "Unregserver"))
        m_nShellCommand = AppUnregister;
    // Other switches mean nothing to this framework and are ignored.
}

void CCommandLineInfo::ParseParamNotFlag(const char* pszParam)
{
    // The first plain argument is the document; further ones are ignored.
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}
