// Base of the GDI object wrappers: owns one HGDIOBJ and deletes it in its destructor.
#pragma once

#include "AfxPlatform.h"
#include "CObject.h"

class CGdiObject : public CObject
{
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject();
    ~CGdiObject() override;   // DeleteObject of an owned handle

    HGDIOBJ m_hObject;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int nIndex);   // stock objects are never deleted
    int GetObject(int nCount, LPVOID lpObject) const;

    // The permanent wrapper of hObject, or a temporary one freed by DeleteTempMap.
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();

protected:
    // A temporary wrapper of the type T for a handle selected out of a DC.
    template <class T> static T* FromHandleAs(HGDIOBJ hObject);
    static CGdiObject* LookupPermanent(HGDIOBJ hObject);
    static void AddTemporary(HGDIOBJ hObject, CGdiObject* pObject);
    static CGdiObject* LookupTemporary(HGDIOBJ hObject);

    BOOL m_bStock;

    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
};

template <class T> T* CGdiObject::FromHandleAs(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    if (T* pPerm = dynamic_cast<T*>(LookupPermanent(hObject)))
        return pPerm;
    if (T* pTemp = dynamic_cast<T*>(LookupTemporary(hObject)))
        return pTemp;
    T* pNew = new T;
    pNew->m_hObject = hObject;
    AddTemporary(hObject, pNew);
    return pNew;
}
