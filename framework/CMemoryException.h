// Out of memory.
#pragma once

#include "CException.h"

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
};

[[noreturn]] void AfxThrowMemoryException();
