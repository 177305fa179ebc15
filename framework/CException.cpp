#include "CException.h"

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException()
{
}

void CException::Delete()
{
    // Only exceptions made with new are freed; one on the stack stays where it is.
    if (m_bAutoDelete)
        delete this;
}
