// Popup menus registered by name, shown as context menus.
#pragma once

#include "AfxPlatform.h"
#include "CObject.h"
#include "CString.h"
#include <vector>

class CWnd;

class CContextMenuManager : public CObject
{
public:
    CContextMenuManager();
    ~CContextMenuManager() override;   // destroys the loaded menus

    // Loads menu resource nMenuResId and keeps its first popup under lpszName.
    BOOL AddMenu(LPCSTR lpszName, UINT nMenuResId);
    BOOL AddMenu(UINT nMenuNameResId, UINT nMenuResId);
    HMENU GetMenuByName(LPCSTR lpszName, UINT* puiOrigResID = nullptr) const;
    HMENU GetMenuById(UINT nMenuResId) const;
    // Shows the popup at screen point (x, y); commands go to pWndOwner (or the main window).
    BOOL ShowPopupMenu(UINT nMenuResId, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage = FALSE,
                       BOOL bRightAlign = FALSE);

private:
    struct Entry
    {
        CString strName;
        UINT nResId;
        HMENU hMenu;      // the loaded menu resource (owned)
        HMENU hPopup;     // its first popup
    };
    std::vector<Entry> m_aMenus;
};
