#include "CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

CMemoryException::CMemoryException()
{
}

void AfxThrowMemoryException()
{
    // Out of memory, yet the exception object is small enough to be made in almost every case.
    throw new CMemoryException;
}
