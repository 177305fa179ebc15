// Base of the framework's exceptions. They are thrown as pointers (throw new CXxxException)
// and the catcher calls Delete(), which frees heap-made exceptions only.
#pragma once

#include "CObject.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE);
    ~CException() override;
    void Delete();

protected:
    BOOL m_bAutoDelete;
};
