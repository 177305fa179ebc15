#include "AfxClock.h"

#include "AfxSeam.h"

namespace
{
CAfxSeam<CAfxClock> g_clock;
}

CAfxClock::~CAfxClock()
{
}

void CAfxClock::Sleep(DWORD dwMilliseconds)
{
    ::Sleep(dwMilliseconds);
}

void CAfxClock::GetLocalTime(SYSTEMTIME* pst)
{
    ::GetLocalTime(pst);
}

CAfxClock* AfxSetClock(CAfxClock* pClock)
{
    return g_clock.Set(pClock);
}

CAfxClock& AfxGetClock()
{
    return g_clock.Get();
}

void AfxSleep(DWORD dwMilliseconds)
{
    AfxGetClock().Sleep(dwMilliseconds);
}
