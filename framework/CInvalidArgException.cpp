#include "CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CInvalidArgException, CException)

CInvalidArgException::CInvalidArgException()
{
}

void AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}
