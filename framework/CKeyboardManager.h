// Holds the accelerator tables of the main frame and the document templates and answers
// which keys run a command.
#pragma once

#include "AfxPlatform.h"
#include "CObject.h"
#include "CString.h"
#include <vector>

class CFrameWnd;

class CKeyboardManager : public CObject
{
public:
    CKeyboardManager();
    ~CKeyboardManager() override;

    // Takes the accelerators of pDefaultFrame and of every document template.
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, CFrameWnd* pDefaultFrame = nullptr);
    // Keeps a copy of hAccel's entries (a table already held is replaced).
    void AddTable(HACCEL hAccel);
    int GetTableCount() const { return static_cast<int>(m_aTables.size()); }
    const std::vector<ACCEL>* GetTable(HACCEL hAccel) const;
    // The key text ("Ctrl+N") of the first accelerator of uiCmd in the frame's table (all held
    // tables when pWndFrame is null); FALSE when none.
    BOOL FindDefaultAccelerator(UINT uiCmd, CString& str, CFrameWnd* pWndFrame,
                                BOOL bIsDefaultFrame);
    static CString FormatAccel(const ACCEL& accel);

private:
    struct Table
    {
        HACCEL hAccel;
        std::vector<ACCEL> aEntries;
    };
    std::vector<Table> m_aTables;
};
