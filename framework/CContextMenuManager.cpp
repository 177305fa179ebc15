#include "Afx.h"

CContextMenuManager::CContextMenuManager()
{
}

CContextMenuManager::~CContextMenuManager()
{
    for (Entry& entry : m_aMenus)
        DestroyMenu(entry.hMenu);
}

BOOL CContextMenuManager::AddMenu(LPCSTR lpszName, UINT nMenuResId)
{
    if (lpszName == nullptr)
        return FALSE;
    HMENU hMenu = LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nMenuResId));
    if (hMenu == nullptr)
        return FALSE;
    HMENU hPopup = GetSubMenu(hMenu, 0);
    if (hPopup == nullptr)
    {
        DestroyMenu(hMenu);
        return FALSE;
    }
    for (Entry& entry : m_aMenus)
    {
        if (entry.strName == lpszName)
        {
            DestroyMenu(entry.hMenu);
            entry.nResId = nMenuResId;
            entry.hMenu = hMenu;
            entry.hPopup = hPopup;
            return TRUE;
        }
    }
    m_aMenus.push_back(Entry{CString(lpszName), nMenuResId, hMenu, hPopup});
    return TRUE;
}

BOOL CContextMenuManager::AddMenu(UINT nMenuNameResId, UINT nMenuResId)
{
    CString strName;
    if (!strName.LoadString(nMenuNameResId))
        return FALSE;
    return AddMenu(strName, nMenuResId);
}

HMENU CContextMenuManager::GetMenuByName(LPCSTR lpszName, UINT* puiOrigResID) const
{
    for (const Entry& entry : m_aMenus)
    {
        if (lpszName != nullptr && entry.strName == lpszName)
        {
            if (puiOrigResID != nullptr)
                *puiOrigResID = entry.nResId;
            return entry.hPopup;
        }
    }
    return nullptr;
}

HMENU CContextMenuManager::GetMenuById(UINT nMenuResId) const
{
    for (const Entry& entry : m_aMenus)
    {
        if (entry.nResId == nMenuResId)
            return entry.hPopup;
    }
    return nullptr;
}

BOOL CContextMenuManager::ShowPopupMenu(UINT nMenuResId, int x, int y, CWnd* pWndOwner,
                                        BOOL bOwnMessage, BOOL bRightAlign)
{
    (void)bOwnMessage;   // commands always go to the owner, which routes them on
    HMENU hPopup = GetMenuById(nMenuResId);
    if (hPopup == nullptr)
        return FALSE;
    CWnd* pOwner = pWndOwner != nullptr ? pWndOwner : AfxGetMainWnd();
    HWND hOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
    if (hOwner == nullptr)
        return FALSE;
    // The owner must be in front, or the menu does not close when the user clicks elsewhere.
    SetForegroundWindow(hOwner);
    BOOL bResult = TrackPopupMenuEx(hPopup,
                                    (bRightAlign ? TPM_RIGHTALIGN : TPM_LEFTALIGN) | TPM_RIGHTBUTTON,
                                    x, y, hOwner, nullptr);
    PostMessageW(hOwner, WM_NULL, 0, 0);
    return bResult;
}
