// The application object: start-up, the message loop, the per-user profile in the registry,
// the document templates, the recent-file list, the command line and help.
#pragma once

#include "AfxPlatform.h"
#include "CCmdTarget.h"
#include "CString.h"
#include "CDocument.h"

class CWnd;
class CCmdUI;
class CDocTemplate;
class CDocManager;
class CRecentFileList;
class CCommandLineInfo;

enum AFX_HELP_TYPE
{
    afxWinHelp = 0,
    afxHTMLHelp = 1
};

class CWinApp : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // The one application object; AfxGetApp returns it from construction on.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Start-up and the message loop
    virtual BOOL InitInstance();
    virtual int ExitInstance();   // stores the profile settings; returns the exit code
    virtual int Run();
    virtual BOOL PumpMessage();   // FALSE on WM_QUIT
    // Accelerators and dialog navigation of the windows from msg.hwnd up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnIdle(LONG lCount);
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Profile: HKCU\Software\<company>\<application>\<section> once SetRegistryKey ran,
    // otherwise the .INI file m_pszProfileName.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();                  // caller closes; nullptr on failure
    HKEY GetSectionKey(LPCSTR lpszSection);    // caller closes; created when missing
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // lpszEntry null deletes the section, lpszValue null the entry.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Documents
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    virtual void AddToRecentFileList(LPCSTR lpszPathName);
    int GetOpenDocumentCount();
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          CDocTemplate* pTemplate);

    // Shell
    void EnableShellOpen();
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    void UnregisterShellFileTypes();
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // FALSE when the program is to end (no document could be made, or a register command).
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Help: HTML Help (hhctrl.ocx, loaded when first needed) or WinHelp, by m_eHelpType.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual void HtmlHelp(DWORD_PTR dwData, UINT nCmd = 0x000F /* HH_HELP_CONTEXT */);

    // Command handlers (the program's map binds ID_FILE_NEW and ID_FILE_OPEN to these)
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnAppExit();
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    afx_msg void OnHelp();
    afx_msg void OnHelpFinder();
    afx_msg void OnHelpIndex();
    afx_msg void OnContextHelp();
    // Opens entry nID - ID_FILE_MRU_FILE1; an entry that fails to open leaves the list.
    virtual BOOL OnOpenRecentFile(UINT nID);

    LPCSTR m_pszAppName;        // string AFX_IDS_APP_TITLE, else the executable's name
    LPCSTR m_pszExeName;        // the executable's base name
    LPCSTR m_pszRegistryKey;    // the company key, null until SetRegistryKey
    LPCSTR m_pszProfileName;    // the application's key (or .INI file) name
    LPCSTR m_pszHelpFilePath;   // the executable's path with .chm (HTML Help) or .hlp
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;
    CWnd* m_pMainWnd;
    AFX_HELP_TYPE m_eHelpType;
    CDocManager* m_pDocManager;
    CRecentFileList* m_pRecentFileList;
    MSG m_msgCur;

protected:
    afx_msg void OnFileMruFile(UINT nID);
    DECLARE_MESSAGE_MAP()

    // Application name, executable name and help path from the module (AfxWinInit).
    void SetCurrentHandles();

    UINT m_nMaxMRU;
    BOOL m_bShellOpenEnabled;
    BOOL m_bOleInitialized;
    BOOL m_bUseProcessCommandLine;   // the real process: parse GetCommandLineW
    HMODULE m_hHtmlHelp;

    friend BOOL AfxWinInit(HINSTANCE, HINSTANCE, LPCSTR, int);
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int);
    friend BOOL AfxOleInit();
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCSTR AfxGetAppName();
// Records the instance, the command line and the show command in the application object.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPCSTR lpCmdLine, int nCmdShow);
// AfxWinInit, InitInstance, then Run (or ExitInstance when InitInstance fails).
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
BOOL AfxOleInit();
void AfxEnableControlContainer();
BOOL AfxIsControlContainerEnabled();
