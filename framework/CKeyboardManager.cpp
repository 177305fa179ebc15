#include "Afx.h"
#include <string>

CKeyboardManager::CKeyboardManager()
{
}

CKeyboardManager::~CKeyboardManager()
{
}

BOOL CKeyboardManager::LoadState(LPCSTR lpszProfileName, CFrameWnd* pDefaultFrame)
{
    (void)lpszProfileName;   // no customised keys are stored; the resources are the state
    if (pDefaultFrame != nullptr)
        AddTable(pDefaultFrame->GetDefaultAccelerator());
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
    {
        POSITION pos = pApp->GetFirstDocTemplatePosition();
        while (pos != nullptr)
        {
            CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
            AddTable(pTemplate->m_hAccelTable);
        }
    }
    return TRUE;
}

void CKeyboardManager::AddTable(HACCEL hAccel)
{
    if (hAccel == nullptr)
        return;
    int nCount = CopyAcceleratorTableW(hAccel, nullptr, 0);
    std::vector<ACCEL> entries(static_cast<size_t>(nCount > 0 ? nCount : 0));
    if (nCount > 0)
        CopyAcceleratorTableW(hAccel, entries.data(), nCount);
    for (Table& table : m_aTables)
    {
        if (table.hAccel == hAccel)
        {
            table.aEntries = entries;
            return;
        }
    }
    m_aTables.push_back(Table{hAccel, entries});
}

const std::vector<ACCEL>* CKeyboardManager::GetTable(HACCEL hAccel) const
{
    for (const Table& table : m_aTables)
    {
        if (table.hAccel == hAccel)
            return &table.aEntries;
    }
    return nullptr;
}

BOOL CKeyboardManager::FindDefaultAccelerator(UINT uiCmd, CString& str, CFrameWnd* pWndFrame,
                                              BOOL bIsDefaultFrame)
{
    (void)bIsDefaultFrame;
    const std::vector<ACCEL>* pOnly =
        pWndFrame != nullptr ? GetTable(pWndFrame->GetDefaultAccelerator()) : nullptr;
    for (const Table& table : m_aTables)
    {
        if (pOnly != nullptr && &table.aEntries != pOnly)
            continue;
        for (const ACCEL& accel : table.aEntries)
        {
            if (accel.cmd == uiCmd)
            {
                str = FormatAccel(accel);
                return TRUE;
            }
        }
    }
    return FALSE;
}

CString CKeyboardManager::FormatAccel(const ACCEL& accel)
{
    std::wstring text;
    if ((accel.fVirt & FCONTROL) != 0)
        text += L"Ctrl+";
    if ((accel.fVirt & FSHIFT) != 0)
        text += L"Shift+";
    if ((accel.fVirt & FALT) != 0)
        text += L"Alt+";
    if ((accel.fVirt & FVIRTKEY) != 0)
    {
        const UINT vk = accel.key;
        LONG lParam = static_cast<LONG>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) << 16);
        switch (vk)
        {
        case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_DIVIDE: case VK_NUMLOCK:
            lParam |= 1 << 24;   // extended keys, or the keypad's names come back
            break;
        default:
            break;
        }
        wchar_t szName[64] = L"";
        if (vk >= VK_F1 && vk <= VK_F24)
            text += L"F" + std::to_wstring(vk - VK_F1 + 1);
        else if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
            text += static_cast<wchar_t>(vk);
        else if (GetKeyNameTextW(lParam, szName, 64) > 0)
            text += szName;
        else
            text += L"0x" + std::to_wstring(vk);
    }
    else
    {
        text += static_cast<wchar_t>(accel.key);
    }
    return AfxFromWide(text.c_str(), static_cast<int>(text.size()));
}
