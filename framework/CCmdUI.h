// The state of one menu item (or control) while its update handler runs: the handler
// enables, checks or renames it through this object.
#pragma once

#include "AfxPlatform.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI();

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);    // 0 unchecked, 1 checked
    virtual void SetRadio(BOOL bOn = TRUE);   // a radio mark instead of a check mark
    virtual void SetText(LPCSTR lpszText);    // code page 932
    // The handler leaves the item to the next command target in the route.
    void ContinueRouting();

    // Asks pTarget's route for an update handler; without one (and bDisableIfNoHndler) the
    // item is enabled exactly when the route has a command handler for it.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID;
    UINT m_nIndex;          // position in m_pMenu
    CMenu* m_pMenu;         // the popup being updated, or null for a control
    CMenu* m_pSubMenu;      // set when the item is itself a popup
    CMenu* m_pParentMenu;
    CWnd* m_pOther;         // the control being updated, when not a menu item
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;       // item count of m_pMenu; handlers that add or remove items adjust it
};
