#include "AfxClock.h"

#include <atomic>

namespace
{
std::atomic<CAfxClock*> g_pClock{nullptr};

CAfxClock& RealClock()
{
    static CAfxClock clock;
    return clock;
}
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
    return g_pClock.exchange(pClock);
}

CAfxClock& AfxGetClock()
{
    CAfxClock* pClock = g_pClock.load();
    return pClock != nullptr ? *pClock : RealClock();
}

void AfxSleep(DWORD dwMilliseconds)
{
    AfxGetClock().Sleep(dwMilliseconds);
}
