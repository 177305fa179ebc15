// The application object of the extended frames: the workspace section of the profile, the
// main-frame placement and the context-menu, keyboard and tooltip managers.
#pragma once

#include "CWinApp.h"
#include "CRect.h"
#include <memory>

class CFrameWnd;
class CContextMenuManager;
class CKeyboardManager;
class CTooltipManager;

class CWinAppEx : public CWinApp
{
    DECLARE_DYNAMIC(CWinAppEx)
public:
    explicit CWinAppEx(BOOL bResourceSmartUpdate = FALSE);
    ~CWinAppEx() override;

    BOOL InitContextMenuManager();
    BOOL InitKeyboardManager();
    BOOL InitTooltipManager();
    // Null until the matching Init call.
    CContextMenuManager* GetContextMenuManager();
    CKeyboardManager* GetKeyboardManager();
    CTooltipManager* GetTooltipManager();

    // The workspace section ("Workspace" by default) under the application's key.
    LPCSTR SetRegistryBase(LPCSTR lpszSectionName = nullptr);
    LPCSTR GetRegistryBase() const { return m_strRegSection; }
    // "Workspace" or "Workspace\<szSectionAdd>", as a profile section name.
    CString GetRegSectionPath(LPCSTR szSectionAdd = "");

    int GetSectionInt(LPCSTR lpszSubSection, LPCSTR lpszEntry, int nDefault = 0);
    BOOL WriteSectionInt(LPCSTR lpszSubSection, LPCSTR lpszEntry, int nValue);
    CString GetSectionString(LPCSTR lpszSubSection, LPCSTR lpszEntry, LPCSTR lpszDefault = "");
    BOOL WriteSectionString(LPCSTR lpszSubSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL GetSectionBinary(LPCSTR lpszSubSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteSectionBinary(LPCSTR lpszSubSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);
    int GetInt(LPCSTR lpszEntry, int nDefault = 0);
    BOOL WriteInt(LPCSTR lpszEntry, int nValue);
    CString GetString(LPCSTR lpszEntry, LPCSTR lpszDefault = "");
    BOOL WriteString(LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL GetBinary(LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteBinary(LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Called before the saved state is loaded (register context menus here).
    virtual void PreLoadState();
    virtual void LoadCustomState();
    virtual void SaveCustomState();
    // The main frame calls this once before it is first shown: PreLoadState, the keyboard
    // manager's tables, then the stored placement when it is a valid rectangle.
    virtual BOOL LoadState(CFrameWnd* pFrame, LPCSTR lpszSectionName = nullptr);
    // Stores the main frame's placement ("Workspace\WindowPlacement").
    virtual BOOL SaveState(CFrameWnd* pFrame, LPCSTR lpszSectionName = nullptr);
    // The main frame calls this when it is about to close.
    virtual void OnClosingMainFrame(CFrameWnd* pFrame);

    // "MainWindowRect" (binary RECT), "Flags" and "ShowCmd"; FALSE unless the rectangle is valid.
    virtual BOOL LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd);
    virtual BOOL StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags, int nShowCmd);
    virtual BOOL ReloadWindowPlacement(CFrameWnd* pFrame);

    BOOL m_bResourceSmartUpdate;

protected:
    DECLARE_MESSAGE_MAP()

    CString m_strRegSection;
    BOOL m_bStateLoaded;
    std::unique_ptr<CContextMenuManager> m_pContextMenuManager;
    std::unique_ptr<CKeyboardManager> m_pKeyboardManager;
    std::unique_ptr<CTooltipManager> m_pTooltipManager;
};
