#include "Afx.h"
#include <cstring>
#include <memory>

IMPLEMENT_DYNAMIC(CWinAppEx, CWinApp)

BEGIN_MESSAGE_MAP(CWinAppEx, CWinApp)
END_MESSAGE_MAP()

namespace
{
const char kPlacementSection[] = "WindowPlacement";
const char kRectEntry[] = "MainWindowRect";
const char kFlagsEntry[] = "Flags";
const char kShowCmdEntry[] = "ShowCmd";
} // namespace

CWinAppEx::CWinAppEx(BOOL bResourceSmartUpdate)
    : m_bResourceSmartUpdate(bResourceSmartUpdate), m_strRegSection("Workspace"),
      m_bStateLoaded(FALSE)
{
}

CWinAppEx::~CWinAppEx()
{
}

BOOL CWinAppEx::InitContextMenuManager()
{
    if (m_pContextMenuManager)
        return FALSE;
    m_pContextMenuManager = std::make_unique<CContextMenuManager>();
    return TRUE;
}

BOOL CWinAppEx::InitKeyboardManager()
{
    if (m_pKeyboardManager)
        return FALSE;
    m_pKeyboardManager = std::make_unique<CKeyboardManager>();
    return TRUE;
}

BOOL CWinAppEx::InitTooltipManager()
{
    if (m_pTooltipManager)
        return FALSE;
    m_pTooltipManager = std::make_unique<CTooltipManager>();
    return TRUE;
}

CContextMenuManager* CWinAppEx::GetContextMenuManager()
{
    return m_pContextMenuManager.get();
}

CKeyboardManager* CWinAppEx::GetKeyboardManager()
{
    return m_pKeyboardManager.get();
}

CTooltipManager* CWinAppEx::GetTooltipManager()
{
    return m_pTooltipManager.get();
}

LPCSTR CWinAppEx::SetRegistryBase(LPCSTR lpszSectionName)
{
    m_strRegSection = (lpszSectionName != nullptr && *lpszSectionName != '\0') ? lpszSectionName
                                                                               : "Workspace";
    return m_strRegSection;
}

CString CWinAppEx::GetRegSectionPath(LPCSTR szSectionAdd)
{
    CString strPath = m_strRegSection;
    if (szSectionAdd != nullptr && *szSectionAdd != '\0')
    {
        strPath += "\\";
        strPath += szSectionAdd;
    }
    return strPath;
}

int CWinAppEx::GetSectionInt(LPCSTR lpszSubSection, LPCSTR lpszEntry, int nDefault)
{
    return static_cast<int>(GetProfileInt(GetRegSectionPath(lpszSubSection), lpszEntry, nDefault));
}

BOOL CWinAppEx::WriteSectionInt(LPCSTR lpszSubSection, LPCSTR lpszEntry, int nValue)
{
    return WriteProfileInt(GetRegSectionPath(lpszSubSection), lpszEntry, nValue);
}

CString CWinAppEx::GetSectionString(LPCSTR lpszSubSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    return GetProfileString(GetRegSectionPath(lpszSubSection), lpszEntry, lpszDefault);
}

BOOL CWinAppEx::WriteSectionString(LPCSTR lpszSubSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    return WriteProfileString(GetRegSectionPath(lpszSubSection), lpszEntry, lpszValue);
}

BOOL CWinAppEx::GetSectionBinary(LPCSTR lpszSubSection, LPCSTR lpszEntry, LPBYTE* ppData,
                                 UINT* pBytes)
{
    return GetProfileBinary(GetRegSectionPath(lpszSubSection), lpszEntry, ppData, pBytes);
}

BOOL CWinAppEx::WriteSectionBinary(LPCSTR lpszSubSection, LPCSTR lpszEntry, LPBYTE pData,
                                   UINT nBytes)
{
    return WriteProfileBinary(GetRegSectionPath(lpszSubSection), lpszEntry, pData, nBytes);
}

int CWinAppEx::GetInt(LPCSTR lpszEntry, int nDefault)
{
    return GetSectionInt("", lpszEntry, nDefault);
}

BOOL CWinAppEx::WriteInt(LPCSTR lpszEntry, int nValue)
{
    return WriteSectionInt("", lpszEntry, nValue);
}

CString CWinAppEx::GetString(LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    return GetSectionString("", lpszEntry, lpszDefault);
}

BOOL CWinAppEx::WriteString(LPCSTR lpszEntry, LPCSTR lpszValue)
{
    return WriteSectionString("", lpszEntry, lpszValue);
}

BOOL CWinAppEx::GetBinary(LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    return GetSectionBinary("", lpszEntry, ppData, pBytes);
}

BOOL CWinAppEx::WriteBinary(LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    return WriteSectionBinary("", lpszEntry, pData, nBytes);
}

void CWinAppEx::PreLoadState()
{
    // The program registers its context menus here.
}

void CWinAppEx::LoadCustomState()
{
    // The program reads state of its own here.
}

void CWinAppEx::SaveCustomState()
{
    // The program stores state of its own here.
}

BOOL CWinAppEx::LoadState(CFrameWnd* pFrame, LPCSTR lpszSectionName)
{
    // Once, for the top-level main frame only.
    HWND hWnd = pFrame != nullptr ? pFrame->GetSafeHwnd() : nullptr;
    if (m_bStateLoaded || hWnd == nullptr || (GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) != 0)
        return FALSE;
    m_bStateLoaded = TRUE;
    if (lpszSectionName != nullptr)
        SetRegistryBase(lpszSectionName);

    PreLoadState();
    LoadCustomState();
    if (m_pKeyboardManager)
        m_pKeyboardManager->LoadState(nullptr, pFrame);
    ReloadWindowPlacement(pFrame);
    return TRUE;
}

BOOL CWinAppEx::SaveState(CFrameWnd* pFrame, LPCSTR lpszSectionName)
{
    if (lpszSectionName != nullptr)
        SetRegistryBase(lpszSectionName);
    HWND hWnd = pFrame != nullptr ? pFrame->GetSafeHwnd() : nullptr;
    if (hWnd == nullptr)
        return FALSE;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!GetWindowPlacement(hWnd, &wp))
        return FALSE;
    BOOL bResult = StoreWindowPlacement(CRect(wp.rcNormalPosition), static_cast<int>(wp.flags),
                                        static_cast<int>(wp.showCmd));
    SaveCustomState();
    return bResult;
}

void CWinAppEx::OnClosingMainFrame(CFrameWnd* pFrame)
{
    SaveState(pFrame);
}

BOOL CWinAppEx::LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd)
{
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (!GetSectionBinary(kPlacementSection, kRectEntry, &pData, &nBytes))
        return FALSE;   // missing, or not binary (the program writes the integer 0 over it)
    std::unique_ptr<BYTE[]> data(pData);
    if (nBytes != sizeof(RECT))
        return FALSE;
    RECT rect;
    std::memcpy(&rect, data.get(), sizeof(rect));
    // An empty rectangle, or one on no monitor, would put the window out of reach.
    if (rect.right <= rect.left || rect.bottom <= rect.top ||
        MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) == nullptr)
        return FALSE;
    rectNormalPosition = CRect(rect);
    nFlags = GetSectionInt(kPlacementSection, kFlagsEntry, 0);
    nShowCmd = GetSectionInt(kPlacementSection, kShowCmdEntry, SW_SHOWNORMAL);
    return TRUE;
}

BOOL CWinAppEx::StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags, int nShowCmd)
{
    RECT rect = {rectNormalPosition.left, rectNormalPosition.top, rectNormalPosition.right,
                 rectNormalPosition.bottom};
    BOOL bResult = WriteSectionBinary(kPlacementSection, kRectEntry, reinterpret_cast<LPBYTE>(&rect),
                                      sizeof(rect));
    bResult = WriteSectionInt(kPlacementSection, kFlagsEntry, nFlags) && bResult;
    bResult = WriteSectionInt(kPlacementSection, kShowCmdEntry, nShowCmd) && bResult;
    return bResult;
}

BOOL CWinAppEx::ReloadWindowPlacement(CFrameWnd* pFrame)
{
    HWND hWnd = pFrame != nullptr ? pFrame->GetSafeHwnd() : nullptr;
    if (hWnd == nullptr)
        return FALSE;
    CRect rect;
    int nFlags = 0;
    int nShowCmd = SW_SHOWNORMAL;
    if (!LoadWindowPlacement(rect, nFlags, nShowCmd))
        return FALSE;

    // A window closed minimised comes back restored (or maximised, if it was before).
    if (nShowCmd == SW_SHOWMINIMIZED || nShowCmd == SW_MINIMIZE || nShowCmd == SW_SHOWMINNOACTIVE)
        nShowCmd = (nFlags & WPF_RESTORETOMAXIMIZED) != 0 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;

    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    GetWindowPlacement(hWnd, &wp);
    wp.rcNormalPosition = rect;
    wp.flags = static_cast<UINT>(nFlags) & WPF_RESTORETOMAXIMIZED;
    if (IsWindowVisible(hWnd))
    {
        wp.showCmd = static_cast<UINT>(nShowCmd);
    }
    else
    {
        // Not shown yet: only the place changes; the first ShowWindow uses m_nCmdShow.
        wp.showCmd = SW_HIDE;
        if (nShowCmd == SW_SHOWMAXIMIZED &&
            (m_nCmdShow == SW_SHOWNORMAL || m_nCmdShow == SW_SHOW || m_nCmdShow == SW_SHOWDEFAULT))
            m_nCmdShow = SW_SHOWMAXIMIZED;
    }
    return SetWindowPlacement(hWnd, &wp);
}
