// A caller's mistake, such as an index outside a string or an array.
#pragma once

#include "CException.h"

class CInvalidArgException : public CException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException();
};

[[noreturn]] void AfxThrowInvalidArgException();
