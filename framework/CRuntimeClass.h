// Class description used by RUNTIME_CLASS, IsKindOf and dynamic creation.
#pragma once

#include "AfxPlatform.h"

class CObject;

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                        // 0xFFFF: not serialisable
    CObject* (*m_pfnCreateObject)();       // null unless the class is DECLARE_DYNCREATE
    CRuntimeClass* m_pBaseClass;           // null only for CObject

    // A new object of the class, or null when the class cannot be created dynamically.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};
