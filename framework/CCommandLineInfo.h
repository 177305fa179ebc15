// What the command line asks the program to do at start.
#pragma once

#include "AfxPlatform.h"
#include "CObject.h"
#include "CString.h"

class CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo();
    ~CCommandLineInfo() override;

    // One argument: bFlag when it started with '/' or '-' (the mark is removed).
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    enum ShellCommand
    {
        FileNew,
        FileOpen,
        AppRegister,     // /Register, /Regserver: register the file types, then end
        AppUnregister,   // /Unregister, /Unregserver: remove them, then end
        FileNothing = -1
    };
    ShellCommand m_nShellCommand;
    CString m_strFileName;

protected:
    void ParseParamFlag(const char* pszParam);
    void ParseParamNotFlag(const char* pszParam);
};
