#include "Afx.h"
#include <unordered_map>

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace
{
std::unordered_map<HGDIOBJ, CGdiObject*>& PermanentGdiMap()
{
    static std::unordered_map<HGDIOBJ, CGdiObject*> map;
    return map;
}

std::unordered_map<HGDIOBJ, CGdiObject*>& TemporaryGdiMap()
{
    static std::unordered_map<HGDIOBJ, CGdiObject*> map;
    return map;
}
}

CGdiObject::CGdiObject() : m_hObject(nullptr), m_bStock(FALSE)
{
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    m_bStock = FALSE;
    PermanentGdiMap()[hObject] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
    {
        auto& perms = PermanentGdiMap();
        auto it = perms.find(hObject);
        if (it != perms.end() && it->second == this)
            perms.erase(it);
    }
    m_hObject = nullptr;
    m_bStock = FALSE;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    BOOL bStock = m_bStock;
    HGDIOBJ hObject = Detach();
    return bStock ? TRUE : ::DeleteObject(hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    if (!Attach(hObject))
        return FALSE;
    m_bStock = TRUE;
    return TRUE;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectW(m_hObject, nCount, lpObject);
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return FromHandleAs<CGdiObject>(hObject);
}

CGdiObject* CGdiObject::LookupPermanent(HGDIOBJ hObject)
{
    auto& perms = PermanentGdiMap();
    auto it = perms.find(hObject);
    return it == perms.end() ? nullptr : it->second;
}

CGdiObject* CGdiObject::LookupTemporary(HGDIOBJ hObject)
{
    auto& temps = TemporaryGdiMap();
    auto it = temps.find(hObject);
    return it == temps.end() ? nullptr : it->second;
}

void CGdiObject::AddTemporary(HGDIOBJ hObject, CGdiObject* pObject)
{
    auto& temps = TemporaryGdiMap();
    auto it = temps.find(hObject);
    if (it != temps.end())
    {
        // A wrapper of another type for a reused handle value: replace it.
        it->second->m_hObject = nullptr;
        delete it->second;
        it->second = pObject;
        return;
    }
    temps.emplace(hObject, pObject);
}

void CGdiObject::DeleteTempMap()
{
    std::unordered_map<HGDIOBJ, CGdiObject*> old;
    old.swap(TemporaryGdiMap());
    for (auto& entry : old)
    {
        entry.second->m_hObject = nullptr;   // wrappers only: the objects are not ours
        delete entry.second;
    }
}
