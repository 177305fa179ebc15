#include "Afx.h"
#include <string>
#include <unordered_map>

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace
{
std::unordered_map<HMENU, CMenu*>& PermanentMenuMap()
{
    static std::unordered_map<HMENU, CMenu*> map;
    return map;
}

std::unordered_map<HMENU, CMenu*>& TemporaryMenuMap()
{
    static std::unordered_map<HMENU, CMenu*> map;
    return map;
}

// Item text for the W functions; ownerdraw/bitmap items carry no text.
LPCWSTR ItemText(UINT nFlags, LPCSTR lpszNewItem, std::wstring& strStorage)
{
    if ((nFlags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR)) != 0 || lpszNewItem == nullptr)
        return reinterpret_cast<LPCWSTR>(lpszNewItem);
    strStorage = AfxToWide(lpszNewItem);
    return strStorage.c_str();
}
}

CMenu::CMenu() : m_hMenu(nullptr)
{
}

CMenu::~CMenu()
{
    DestroyMenu();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    PermanentMenuMap()[hMenu] = this;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr)
    {
        auto& perms = PermanentMenuMap();
        auto it = perms.find(hMenu);
        if (it != perms.end() && it->second == this)
            perms.erase(it);
    }
    m_hMenu = nullptr;
    return hMenu;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    auto& perms = PermanentMenuMap();
    auto itPerm = perms.find(hMenu);
    if (itPerm != perms.end())
        return itPerm->second;
    auto& temps = TemporaryMenuMap();
    auto it = temps.find(hMenu);
    if (it != temps.end())
        return it->second;
    CMenu* pMenu = new CMenu;
    pMenu->m_hMenu = hMenu;
    temps.emplace(hMenu, pMenu);
    return pMenu;
}

void CMenu::DeleteTempMap()
{
    std::unordered_map<HMENU, CMenu*> old;
    old.swap(TemporaryMenuMap());
    for (auto& entry : old)
    {
        entry.second->m_hMenu = nullptr;   // a wrapper only: the menu is not ours
        delete entry.second;
    }
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

UINT CMenu::GetMenuItemCount() const
{
    int nCount = ::GetMenuItemCount(m_hMenu);
    return nCount < 0 ? 0 : static_cast<UINT>(nCount);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0)
    {
        rString.Empty();
        return 0;
    }
    std::wstring buf(static_cast<size_t>(nLen) + 1, L'\0');
    int nGot = ::GetMenuStringW(m_hMenu, nIDItem, &buf[0], nLen + 1, nFlags);
    rString = AfxFromWide(buf.c_str(), nGot);
    return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    std::wstring str;
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, ItemText(nFlags, lpszNewItem, str));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    std::wstring str;
    return ::InsertMenuW(m_hMenu, nPosition, nFlags, nIDNewItem,
                         ItemText(nFlags, lpszNewItem, str));
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    std::wstring str;
    return ::ModifyMenuW(m_hMenu, nPosition, nFlags, nIDNewItem,
                         ItemText(nFlags, lpszNewItem, str));
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd != nullptr ? pWnd->m_hWnd : nullptr,
                            lpRect);
}
