#include "Afx.h"
#include "AfxPath.h"
#include <string>
#include <vector>

namespace
{
// Shortens a long path to "C:\...\folder\file.csv", keeping as many trailing components as
// fit into nMaxLength characters; with bAtLeastName the file name is kept even when too long.
std::wstring AbbreviatePath(const std::wstring& path, size_t nMaxLength, BOOL bAtLeastName)
{
    if (path.size() <= nMaxLength)
        return path;

    // The root ("C:\" or "\\server\share\") and the components after it.
    size_t nRootEnd = 0;
    if (path.size() > 2 && path[1] == L':' && path[2] == L'\\')
        nRootEnd = 3;
    else if (path.compare(0, 2, L"\\\\") == 0)
    {
        size_t nServer = path.find(L'\\', 2);
        size_t nShare = nServer == std::wstring::npos ? nServer : path.find(L'\\', nServer + 1);
        nRootEnd = nShare == std::wstring::npos ? 0 : nShare + 1;
    }
    const std::wstring root = path.substr(0, nRootEnd);
    std::vector<std::wstring> parts;
    size_t nStart = nRootEnd;
    while (nStart <= path.size())
    {
        size_t nEnd = path.find(L'\\', nStart);
        if (nEnd == std::wstring::npos)
            nEnd = path.size();
        parts.push_back(path.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    const std::wstring& name = parts.back();
    const std::wstring ellipsis = L"...\\";

    // As many trailing components as fit behind root + "...\".
    std::wstring tail = name;
    for (size_t i = parts.size() - 1; i-- > 1;)
    {
        std::wstring candidate = parts[i] + L"\\" + tail;
        if (root.size() + ellipsis.size() + candidate.size() > nMaxLength)
            break;
        tail = candidate;
    }
    if (root.size() + ellipsis.size() + tail.size() <= nMaxLength)
        return root + ellipsis + tail;
    return (bAtLeastName || name.size() <= nMaxLength) ? name : std::wstring();
}

HMENU MenuOf(CCmdUI* pCmdUI)
{
    return pCmdUI->m_pMenu != nullptr ? pCmdUI->m_pMenu->GetSafeHmenu() : nullptr;
}

// The profile entry of the nIndex-th (0-based) name: the format numbers them from 1.
CString EntryName(const CString& strFormat, int nIndex)
{
    CString strEntry;
    strEntry.Format(strFormat, nIndex + 1);
    return strEntry;
}
} // namespace

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat,
                                 int nSize, int nMaxDispLen)
    : m_nSize(nSize > 0 ? nSize : 1), m_arrNames(static_cast<size_t>(m_nSize)),
      m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat), m_nStart(nStart),
      m_nMaxDisplayLength(nMaxDispLen)
{
}

CRecentFileList::~CRecentFileList()
{
}

void CRecentFileList::Add(LPCSTR lpszPathName)
{
    if (lpszPathName == nullptr || *lpszPathName == '\0')
        return;
    const CString strPath = AfxFullPath(lpszPathName);

    // Move an older entry of the same file to the front instead of listing it twice.
    int nFound = m_nSize - 1;
    for (int i = 0; i < m_nSize; ++i)
    {
        if (!m_arrNames[i].IsEmpty() && AfxComparePath(m_arrNames[i], strPath))
        {
            nFound = i;
            break;
        }
    }
    for (int i = nFound; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = strPath;
    WriteList();
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    for (int i = nIndex; i < m_nSize - 1; ++i)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[m_nSize - 1].Empty();
    WriteList();
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[nIndex].IsEmpty())
        return FALSE;
    std::wstring path = AfxToWide(m_arrNames[nIndex]);

    // A file of the current folder is shown by its name alone.
    if (lpszCurDir != nullptr && nCurDir > 0)
    {
        std::wstring dir = AfxToWide(lpszCurDir, nCurDir);
        if (!dir.empty() && dir.back() != L'\\')
            dir += L'\\';
        if (path.size() > dir.size() &&
            CompareStringOrdinal(path.c_str(), static_cast<int>(dir.size()), dir.c_str(),
                                 static_cast<int>(dir.size()), TRUE) == CSTR_EQUAL &&
            path.find(L'\\', dir.size()) == std::wstring::npos)
            path = path.substr(dir.size());
    }
    if (m_nMaxDisplayLength > 0)
        path = AbbreviatePath(path, static_cast<size_t>(m_nMaxDisplayLength), bAtLeastName);
    strName = AfxFromWide(path.c_str(), static_cast<int>(path.size()));
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    HMENU hMenu = MenuOf(pCmdUI);
    if (m_strOriginal.IsEmpty() && hMenu != nullptr)
    {
        wchar_t szText[256] = L"";
        if (GetMenuStringW(hMenu, pCmdUI->m_nIndex, szText, 256, MF_BYPOSITION) > 0)
            m_strOriginal = AfxFromWide(szText);
    }

    if (m_arrNames[0].IsEmpty())
    {
        // Empty list: the one original, greyed item. Entries shown before go away.
        if (hMenu != nullptr)
        {
            for (int i = 1; i < m_nSize; ++i)
                DeleteMenu(hMenu, m_nStart + static_cast<UINT>(i), MF_BYCOMMAND);
            pCmdUI->m_nIndexMax = static_cast<UINT>(GetMenuItemCount(hMenu));
        }
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    if (hMenu == nullptr)
        return;

    for (int i = 0; i < m_nSize; ++i)
        DeleteMenu(hMenu, m_nStart + static_cast<UINT>(i), MF_BYCOMMAND);

    wchar_t szCurDir[MAX_PATH];
    DWORD nCurDir = GetCurrentDirectoryW(MAX_PATH, szCurDir);
    const CString strCurDir = (nCurDir > 0 && nCurDir < MAX_PATH) ? AfxFromWide(szCurDir) : CString();

    for (int i = 0; i < m_nSize; ++i)
    {
        CString strName;
        if (!GetDisplayName(strName, i, strCurDir, strCurDir.GetLength()))
            break;
        // A '&' of the path must not become a mnemonic.
        std::wstring text = L"&" + std::to_wstring(i + 1) + L" ";
        for (wchar_t ch : AfxToWide(strName))
        {
            text += ch;
            if (ch == L'&')
                text += L'&';
        }
        InsertMenuW(hMenu, pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION,
                    m_nStart + static_cast<UINT>(i), text.c_str());
    }
    // Continue the menu update after the last entry; the entries are enabled.
    --pCmdUI->m_nIndex;
    pCmdUI->m_nIndexMax = static_cast<UINT>(GetMenuItemCount(hMenu));
    pCmdUI->Enable(TRUE);
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < m_nSize; ++i)
    {
        m_arrNames[i] =
            pApp->GetProfileString(m_strSectionName, EntryName(m_strEntryFormat, i), "");
    }
    // Drop gaps so that the entries stay numbered from 1.
    std::vector<CString> names;
    for (const CString& str : m_arrNames)
        if (!str.IsEmpty())
            names.push_back(str);
    names.resize(static_cast<size_t>(m_nSize));
    m_arrNames = names;
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < m_nSize; ++i)
    {
        pApp->WriteProfileString(m_strSectionName, EntryName(m_strEntryFormat, i),
                                 m_arrNames[i].IsEmpty() ? nullptr : static_cast<LPCSTR>(m_arrNames[i]));
    }
}
