// The one replaceable clock: pauses and the current local time. Tests install their own
// clock so that nothing waits for real time.
#pragma once

#include "AfxPlatform.h"

class CAfxClock
{
public:
    virtual ~CAfxClock();
    virtual void Sleep(DWORD dwMilliseconds);
    virtual void GetLocalTime(SYSTEMTIME* pst);
};

// Installs pClock (nullptr = the real clock) and returns the clock installed before
// (nullptr when that was the real one). The caller keeps owning its clock.
CAfxClock* AfxSetClock(CAfxClock* pClock);
CAfxClock& AfxGetClock();
// What program code calls for its pauses.
void AfxSleep(DWORD dwMilliseconds);
