// The recent-file list: kept in the registry, shown in place of the ID_FILE_MRU_FILE1 item.
#pragma once

#include "AfxPlatform.h"
#include "CString.h"
#include <vector>

class CCmdUI;

#define AFX_ABBREV_FILENAME_LEN 30

class CRecentFileList
{
public:
    // nStart: command id of the first entry; entries are named by lpszEntryFormat ("File%d").
    CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
    virtual ~CRecentFileList();

    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;

    int GetSize() const { return m_nSize; }
    CString& operator[](int nIndex) { return m_arrNames[nIndex]; }

    // Puts the full path first, dropping an older entry of the same file; writes the list.
    virtual void Add(LPCSTR lpszPathName);
    virtual void Remove(int nIndex);
    // The menu text of an entry; FALSE for an empty entry.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

    int m_nSize;
    std::vector<CString> m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal;   // the menu item's own text, shown (greyed) while the list is empty
};
