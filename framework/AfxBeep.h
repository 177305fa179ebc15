// The replaceable message beep. Program code beeps through AfxMessageBeep; tests install a
// beeper of their own to tell which steps beeped, where the real beep leaves no trace.
#pragma once

#include "AfxPlatform.h"

class CAfxBeeper
{
public:
    virtual ~CAfxBeeper();
    virtual BOOL MessageBeep(UINT uType);
};

// Installs pBeeper (nullptr = the real beep) and returns the beeper installed before
// (nullptr when that was the real one). The caller keeps owning its beeper.
CAfxBeeper* AfxSetBeeper(CAfxBeeper* pBeeper);
// What program code calls instead of ::MessageBeep.
BOOL AfxMessageBeep(UINT uType);
