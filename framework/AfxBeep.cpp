#include "AfxBeep.h"

#include "AfxSeam.h"

namespace
{
CAfxSeam<CAfxBeeper> g_beeper;
}

CAfxBeeper::~CAfxBeeper()
{
}

BOOL CAfxBeeper::MessageBeep(UINT uType)
{
    return ::MessageBeep(uType);
}

CAfxBeeper* AfxSetBeeper(CAfxBeeper* pBeeper)
{
    return g_beeper.Set(pBeeper);
}

BOOL AfxMessageBeep(UINT uType)
{
    return g_beeper.Get().MessageBeep(uType);
}
