#include "Afx.h"
#include "AfxPath.h"
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
    ON_COMMAND_RANGE(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, &CWinApp::OnFileMruFile)
END_MESSAGE_MAP()

namespace
{
CWinApp* g_pApp = nullptr;
BOOL g_bControlContainer = FALSE;

// HTML Help commands (htmlhelp.h), used through hhctrl.ocx loaded at run time.
const UINT kHH_DISPLAY_TOPIC = 0x0000;
const UINT kHH_DISPLAY_TOC = 0x0001;
const UINT kHH_DISPLAY_INDEX = 0x0002;
const UINT kHH_HELP_CONTEXT = 0x000F;
const UINT kHH_CLOSE_ALL = 0x0012;
const DWORD kHID_BASE_CONTROL = 0x00050000;
typedef HWND(WINAPI* PFN_HTMLHELPW)(HWND, LPCWSTR, UINT, DWORD_PTR);

LPCSTR DupString(LPCSTR psz)
{
    return psz != nullptr ? _strdup(psz) : nullptr;
}

void FreeString(LPCSTR& psz)
{
    std::free(const_cast<char*>(psz));
    psz = nullptr;
}

std::wstring Wide(LPCSTR psz)
{
    return AfxToWide(psz);
}

// The key HKCU\Software\<company>\<application>[\<section>]; nullptr when it does not exist
// (bCreate FALSE) or cannot be made.
HKEY OpenProfileKey(const CWinApp* pApp, LPCSTR lpszSection, BOOL bCreate)
{
    if (pApp->m_pszRegistryKey == nullptr || pApp->m_pszProfileName == nullptr)
        return nullptr;
    std::wstring path = L"Software\\" + Wide(pApp->m_pszRegistryKey) + L"\\" +
                        Wide(pApp->m_pszProfileName);
    if (lpszSection != nullptr && *lpszSection != '\0')
        path += L"\\" + Wide(lpszSection);
    HKEY hKey = nullptr;
    LONG lResult = bCreate
                       ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                         REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                                         &hKey, nullptr)
                       : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_WRITE | DELETE,
                                       &hKey);
    return lResult == ERROR_SUCCESS ? hKey : nullptr;
}

struct RegKey
{
    HKEY h;
    explicit RegKey(HKEY hKey) : h(hKey) {}
    ~RegKey()
    {
        if (h != nullptr)
            RegCloseKey(h);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
};

std::wstring IniString(const CWinApp* pApp, LPCSTR lpszSection, LPCSTR lpszEntry,
                       const std::wstring& def)
{
    std::vector<wchar_t> buf(256);
    for (;;)
    {
        DWORD n = GetPrivateProfileStringW(Wide(lpszSection).c_str(), Wide(lpszEntry).c_str(),
                                           def.c_str(), buf.data(), static_cast<DWORD>(buf.size()),
                                           Wide(pApp->m_pszProfileName).c_str());
        if (n + 1 < buf.size())
            return std::wstring(buf.data(), n);
        buf.resize(buf.size() * 4);
    }
}

HWND MessageOwner()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWnd = pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr;
    if (hWnd != nullptr && IsWindow(hWnd))
        return GetLastActivePopup(hWnd);
    return nullptr;
}

// Messages after which the idle work is due again.
BOOL IsIdleMessage(const MSG& msg)
{
    return msg.message != WM_TIMER && msg.message != WM_PAINT && msg.message != 0x0118;
}
} // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(DupString(lpszAppName)), m_pszExeName(nullptr), m_pszRegistryKey(nullptr),
      m_pszProfileName(nullptr), m_pszHelpFilePath(nullptr), m_hInstance(nullptr),
      m_hPrevInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL),
      m_pMainWnd(nullptr), m_eHelpType(afxWinHelp), m_pDocManager(nullptr),
      m_pRecentFileList(nullptr), m_msgCur(), m_nMaxMRU(0), m_bShellOpenEnabled(FALSE),
      m_bOleInitialized(FALSE), m_bUseProcessCommandLine(FALSE), m_hHtmlHelp(nullptr)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    m_pDocManager = nullptr;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (m_hHtmlHelp != nullptr)
        FreeLibrary(m_hHtmlHelp);
    FreeString(m_pszAppName);
    FreeString(m_pszExeName);
    FreeString(m_pszRegistryKey);
    FreeString(m_pszProfileName);
    FreeString(m_pszHelpFilePath);
    std::free(m_lpCmdLine);
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    if (m_hHtmlHelp != nullptr)
    {
        HtmlHelp(0, kHH_CLOSE_ALL);
        FreeLibrary(m_hHtmlHelp);
        m_hHtmlHelp = nullptr;
    }
    if (m_bOleInitialized)
    {
        OleUninitialize();
        m_bOleInitialized = FALSE;
    }
    return m_msgCur.message == WM_QUIT ? static_cast<int>(m_msgCur.wParam) : 0;
}

int CWinApp::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        MSG msg;
        while (bIdle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinApp::PumpMessage()
{
    BOOL bRet = GetMessageW(&m_msgCur, nullptr, 0, 0);
    if (bRet == 0 || bRet == -1)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur))
    {
        TranslateMessage(&m_msgCur);
        DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr)
        return FALSE;   // thread messages are not translated
    HWND hMain = m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr;
    // From the window of the message up to the main window: a form view runs its frames'
    // accelerators first, then IsDialogMessage; frames translate their accelerators.
    if (CWnd::WalkPreTranslateTree(hMain, pMsg))
        return TRUE;
    // A window outside the main frame (a modeless dialog): the main frame's accelerators
    // still apply.
    if (hMain != nullptr && pMsg->hwnd != hMain && !IsChild(hMain, pMsg->hwnd) &&
        GetAncestor(pMsg->hwnd, GA_ROOTOWNER) == hMain)
        return m_pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 0)
        return TRUE;   // one more pass: the temporary objects go next
    AfxUnlockTempMaps();
    return FALSE;
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    (void)nIDPrompt;
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            nType |= MB_ICONEXCLAMATION;
            break;
        }
    }
    const std::wstring text = AfxToWide(lpszPrompt);
    const std::wstring caption = AfxToWide(m_pszAppName);
    return MessageBoxW(MessageOwner(), text.c_str(), caption.c_str(), nType);
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    FreeString(m_pszRegistryKey);
    m_pszRegistryKey = DupString(lpszRegistryKey);
    FreeString(m_pszProfileName);
    m_pszProfileName = DupString(m_pszAppName != nullptr ? m_pszAppName : "");
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    return OpenProfileKey(this, nullptr, TRUE);
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    return OpenProfileKey(this, lpszSection, TRUE);
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
    {
        if (m_pszProfileName == nullptr)
            return static_cast<UINT>(nDefault);
        return GetPrivateProfileIntW(Wide(lpszSection).c_str(), Wide(lpszEntry).c_str(), nDefault,
                                     Wide(m_pszProfileName).c_str());
    }
    RegKey key(OpenProfileKey(this, lpszSection, FALSE));
    if (key.h == nullptr)
        return static_cast<UINT>(nDefault);
    DWORD dwValue = 0, dwType = 0, cb = sizeof(dwValue);
    if (RegQueryValueExW(key.h, Wide(lpszEntry).c_str(), nullptr, &dwType,
                         reinterpret_cast<BYTE*>(&dwValue), &cb) != ERROR_SUCCESS ||
        dwType != REG_DWORD || cb != sizeof(dwValue))
        return static_cast<UINT>(nDefault);
    return dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr)
    {
        if (m_pszProfileName == nullptr)
            return FALSE;
        return WritePrivateProfileStringW(Wide(lpszSection).c_str(), Wide(lpszEntry).c_str(),
                                          std::to_wstring(nValue).c_str(),
                                          Wide(m_pszProfileName).c_str());
    }
    RegKey key(OpenProfileKey(this, lpszSection, TRUE));
    if (key.h == nullptr)
        return FALSE;
    DWORD dwValue = static_cast<DWORD>(nValue);
    return RegSetValueExW(key.h, Wide(lpszEntry).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue)) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    if (m_pszRegistryKey == nullptr)
    {
        if (m_pszProfileName == nullptr)
            return CString(lpszDefault);
        std::wstring value = IniString(this, lpszSection, lpszEntry, Wide(lpszDefault));
        return AfxFromWide(value.c_str(), static_cast<int>(value.size()));
    }
    RegKey key(OpenProfileKey(this, lpszSection, FALSE));
    if (key.h == nullptr)
        return CString(lpszDefault);
    const std::wstring entry = Wide(lpszEntry);
    DWORD dwType = 0, cb = 0;
    if (RegQueryValueExW(key.h, entry.c_str(), nullptr, &dwType, nullptr, &cb) != ERROR_SUCCESS ||
        (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return CString(lpszDefault);
    std::vector<wchar_t> buf(cb / sizeof(wchar_t) + 1, L'\0');
    cb = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.h, entry.c_str(), nullptr, &dwType,
                         reinterpret_cast<BYTE*>(buf.data()), &cb) != ERROR_SUCCESS)
        return CString(lpszDefault);
    buf.back() = L'\0';
    return AfxFromWide(buf.data());
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
    {
        if (m_pszProfileName == nullptr)
            return FALSE;
        const std::wstring entry = Wide(lpszEntry), value = Wide(lpszValue);
        return WritePrivateProfileStringW(Wide(lpszSection).c_str(),
                                          lpszEntry != nullptr ? entry.c_str() : nullptr,
                                          lpszValue != nullptr ? value.c_str() : nullptr,
                                          Wide(m_pszProfileName).c_str());
    }
    if (lpszEntry == nullptr)
    {
        // The whole section goes.
        RegKey app(OpenProfileKey(this, nullptr, FALSE));
        if (app.h == nullptr)
            return FALSE;
        LONG lResult = RegDeleteTreeW(app.h, Wide(lpszSection).c_str());
        RegDeleteKeyW(app.h, Wide(lpszSection).c_str());
        return lResult == ERROR_SUCCESS;
    }
    if (lpszValue == nullptr)
    {
        RegKey key(OpenProfileKey(this, lpszSection, FALSE));
        if (key.h == nullptr)
            return TRUE;   // nothing to delete
        LONG lResult = RegDeleteValueW(key.h, Wide(lpszEntry).c_str());
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    RegKey key(OpenProfileKey(this, lpszSection, TRUE));
    if (key.h == nullptr)
        return FALSE;
    const std::wstring value = Wide(lpszValue);
    return RegSetValueExW(key.h, Wide(lpszEntry).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey == nullptr)
    {
        if (m_pszProfileName == nullptr)
            return FALSE;
        // The .INI form: two letters 'A'..'P' per byte, low nibble first.
        std::wstring value = IniString(this, lpszSection, lpszEntry, L"");
        if (value.empty() || value.size() % 2 != 0)
            return FALSE;
        std::unique_ptr<BYTE[]> data(new BYTE[value.size() / 2]);
        for (size_t i = 0; i < value.size() / 2; ++i)
        {
            wchar_t lo = value[2 * i], hi = value[2 * i + 1];
            if (lo < L'A' || lo > L'P' || hi < L'A' || hi > L'P')
                return FALSE;
            data[i] = static_cast<BYTE>((lo - L'A') | ((hi - L'A') << 4));
        }
        *pBytes = static_cast<UINT>(value.size() / 2);
        *ppData = data.release();
        return TRUE;
    }
    RegKey key(OpenProfileKey(this, lpszSection, FALSE));
    if (key.h == nullptr)
        return FALSE;
    const std::wstring entry = Wide(lpszEntry);
    DWORD dwType = 0, cb = 0;
    if (RegQueryValueExW(key.h, entry.c_str(), nullptr, &dwType, nullptr, &cb) != ERROR_SUCCESS ||
        dwType != REG_BINARY || cb == 0)
        return FALSE;
    std::unique_ptr<BYTE[]> data(new BYTE[cb]);
    if (RegQueryValueExW(key.h, entry.c_str(), nullptr, &dwType, data.get(), &cb) != ERROR_SUCCESS)
        return FALSE;
    *pBytes = cb;
    *ppData = data.release();
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr)
    {
        if (m_pszProfileName == nullptr)
            return FALSE;
        std::wstring value;
        for (UINT i = 0; i < nBytes; ++i)
        {
            value += static_cast<wchar_t>(L'A' + (pData[i] & 0x0F));
            value += static_cast<wchar_t>(L'A' + ((pData[i] >> 4) & 0x0F));
        }
        return WritePrivateProfileStringW(Wide(lpszSection).c_str(), Wide(lpszEntry).c_str(),
                                          value.c_str(), Wide(m_pszProfileName).c_str());
    }
    RegKey key(OpenProfileKey(this, lpszSection, TRUE));
    if (key.h == nullptr)
        return FALSE;
    return RegSetValueExW(key.h, Wide(lpszEntry).c_str(), 0, REG_BINARY, pData, nBytes) ==
           ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    const UINT nMaxIds = ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1;
    m_nMaxMRU = nMaxMRU < nMaxIds ? nMaxMRU : nMaxIds;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (m_nMaxMRU == 0)
        return;
    m_pRecentFileList = new CRecentFileList(ID_FILE_MRU_FILE1, "Recent File List", "File%d",
                                            static_cast<int>(m_nMaxMRU));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPos) const
{
    return m_pDocManager != nullptr ? m_pDocManager->GetNextDocTemplate(rPos) : nullptr;
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

int CWinApp::GetOpenDocumentCount()
{
    return m_pDocManager != nullptr ? m_pDocManager->GetOpenDocumentCount() : 0;
}

BOOL CWinApp::SaveAllModified()
{
    return m_pDocManager != nullptr ? m_pDocManager->SaveAllModified() : TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                               BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    return m_pDocManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog, pTemplate);
}

void CWinApp::EnableShellOpen()
{
    // Documents reach a running program only through its command line (the registered open
    // command); there is no DDE conversation to set up, so this records the request.
    m_bShellOpenEnabled = TRUE;
}

void CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->RegisterShellFileTypes(bCompat);
}

void CWinApp::UnregisterShellFileTypes()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->UnregisterShellFileTypes();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    // The real program parses the process's own UTF-16 command line (the narrow one of
    // WinMain loses characters outside the ANSI code page); a test hands its line to
    // AfxWinInit and gets that one parsed.
    std::wstring line;
    if (m_bUseProcessCommandLine)
        line = GetCommandLineW();
    else
        line = L"program " + AfxToWide(m_lpCmdLine);
    int nArgs = 0;
    LPWSTR* ppArgs = CommandLineToArgvW(line.c_str(), &nArgs);
    if (ppArgs == nullptr)
        return;
    for (int i = 1; i < nArgs; ++i)
    {
        CString strParam = AfxFromWide(ppArgs[i]);
        BOOL bFlag = FALSE;
        LPCSTR pszParam = strParam;
        if (pszParam[0] == '/' || pszParam[0] == '-')
        {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, i == nArgs - 1);
    }
    LocalFree(ppArgs);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    BOOL bResult = TRUE;
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
    {
        const int nBefore = GetOpenDocumentCount();
        // Through the command route, so that the program's own File New is used.
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        if (m_pMainWnd == nullptr || GetOpenDocumentCount() <= nBefore)
            bResult = FALSE;
        break;
    }
    case CCommandLineInfo::FileOpen:
        if (OpenDocumentFile(rCmdInfo.m_strFileName) == nullptr)
            bResult = FALSE;
        break;
    case CCommandLineInfo::AppRegister:
        RegisterShellFileTypes(TRUE);
        bResult = FALSE;   // registered; the program need not run
        break;
    case CCommandLineInfo::AppUnregister:
        UnregisterShellFileTypes();
        bResult = FALSE;
        break;
    case CCommandLineInfo::FileNothing:
        break;
    }
    return bResult;
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (m_eHelpType == afxHTMLHelp)
    {
        switch (nCmd)
        {
        case HELP_CONTEXT:
            HtmlHelp(dwData, kHH_HELP_CONTEXT);
            break;
        case HELP_QUIT:
            HtmlHelp(0, kHH_CLOSE_ALL);
            break;
        case HELP_INDEX:   // also HELP_CONTENTS
            HtmlHelp(0, kHH_DISPLAY_TOC);
            break;
        default:
            HtmlHelp(0, kHH_DISPLAY_TOPIC);
            break;
        }
        return;
    }
    if (m_pszHelpFilePath == nullptr)
        return;
    const std::wstring path = AfxToWide(m_pszHelpFilePath);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES && nCmd != HELP_QUIT)
        return;   // no help file: nothing to show
    HWND hOwner = m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr;
    ::WinHelpW(hOwner, path.c_str(), nCmd, dwData);
}

void CWinApp::HtmlHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (nCmd == kHH_CLOSE_ALL)
    {
        // Only a loaded library can have help windows open.
        if (m_hHtmlHelp != nullptr)
        {
            auto pfn = reinterpret_cast<PFN_HTMLHELPW>(
                reinterpret_cast<void (*)()>(GetProcAddress(m_hHtmlHelp, "HtmlHelpW")));
            if (pfn != nullptr)
                pfn(nullptr, nullptr, kHH_CLOSE_ALL, 0);
        }
        return;
    }
    if (m_pszHelpFilePath == nullptr)
        return;
    const std::wstring path = AfxToWide(m_pszHelpFilePath);
    // Without its help file the program simply shows no help.
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    if (m_hHtmlHelp == nullptr)
        m_hHtmlHelp = LoadLibraryW(L"hhctrl.ocx");
    if (m_hHtmlHelp == nullptr)
        return;
    auto pfn = reinterpret_cast<PFN_HTMLHELPW>(
        reinterpret_cast<void (*)()>(GetProcAddress(m_hHtmlHelp, "HtmlHelpW")));
    if (pfn == nullptr)
        return;
    HWND hOwner = m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr;
    pfn(hOwner, path.c_str(), nCmd, dwData);
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileOpen();
}

void CWinApp::OnAppExit()
{
    HWND hMain = m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (hMain != nullptr)
        SendMessageW(hMain, WM_CLOSE, 0, 0);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

void CWinApp::OnHelp()
{
    WinHelp(0, HELP_FINDER);
}

void CWinApp::OnHelpFinder()
{
    WinHelp(0, HELP_FINDER);
}

void CWinApp::OnHelpIndex()
{
    WinHelp(0, HELP_INDEX);
}

void CWinApp::OnContextHelp()
{
    // Shift+F1: the cursor becomes the help cursor until the user clicks a window (whose
    // control id selects the help context) or cancels with Escape or the right button.
    HWND hMain = m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (hMain == nullptr || m_pszHelpFilePath == nullptr ||
        GetFileAttributesW(AfxToWide(m_pszHelpFilePath).c_str()) == INVALID_FILE_ATTRIBUTES)
        return;

    HCURSOR hHelpCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32651) /* IDC_HELP */);
    SetCapture(hMain);
    SetCursor(hHelpCursor);
    DWORD dwContext = 0;
    BOOL bChosen = FALSE;
    BOOL bDone = FALSE;
    MSG msg;
    while (!bDone && GetCapture() == hMain)
    {
        BOOL bRet = GetMessageW(&msg, nullptr, 0, 0);
        if (bRet == 0 || bRet == -1)
        {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message)
        {
        case WM_LBUTTONDOWN:
        {
            POINT pt;
            GetCursorPos(&pt);
            HWND hWnd = WindowFromPoint(pt);
            int nID = hWnd != nullptr && (GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) != 0
                          ? GetDlgCtrlID(hWnd)
                          : 0;
            if (nID > 0 && nID < 0xFFFF)
                dwContext = kHID_BASE_CONTROL + static_cast<DWORD>(nID);
            bChosen = TRUE;
            bDone = TRUE;
            break;
        }
        case WM_RBUTTONDOWN:
            bDone = TRUE;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                bDone = TRUE;
            break;
        case WM_MOUSEMOVE:
            SetCursor(hHelpCursor);
            break;
        default:
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            break;
        }
    }
    if (GetCapture() == hMain)
        ReleaseCapture();
    if (!bChosen)
        return;
    if (m_eHelpType == afxHTMLHelp)
        HtmlHelp(dwContext, dwContext != 0 ? kHH_HELP_CONTEXT : kHH_DISPLAY_TOPIC);
    else
        WinHelp(dwContext, dwContext != 0 ? HELP_CONTEXT : HELP_FINDER);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (m_pRecentFileList == nullptr || nID < ID_FILE_MRU_FIRST)
        return FALSE;
    const int nIndex = static_cast<int>(nID - ID_FILE_MRU_FIRST);
    if (nIndex >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[nIndex].IsEmpty())
        return FALSE;
    const CString strPath = (*m_pRecentFileList)[nIndex];
    if (OpenDocumentFile(strPath) == nullptr)
    {
        // The failed-open message has been shown; an entry whose file is gone leaves the list.
        if (GetFileAttributesW(AfxToWide(strPath).c_str()) == INVALID_FILE_ATTRIBUTES)
            m_pRecentFileList->Remove(nIndex);
    }
    return TRUE;
}

void CWinApp::OnFileMruFile(UINT nID)
{
    OnOpenRecentFile(nID);
}

void CWinApp::SetCurrentHandles()
{
    const CString strModule = AfxGetModulePath(m_hInstance);
    std::wstring module = AfxToWide(strModule);
    std::wstring base = AfxToWide(AfxGetFileName(strModule));
    size_t nDot = base.rfind(L'.');
    if (nDot != std::wstring::npos)
        base.erase(nDot);

    if (m_pszExeName == nullptr)
        m_pszExeName = DupString(AfxFromWide(base.c_str(), static_cast<int>(base.size())));
    if (m_pszAppName == nullptr)
    {
        CString strTitle;
        if (strTitle.LoadString(AFX_IDS_APP_TITLE) && !strTitle.IsEmpty())
            m_pszAppName = DupString(strTitle);
        else
            m_pszAppName = DupString(m_pszExeName);
    }
    if (m_pszHelpFilePath == nullptr)
    {
        size_t nSep = module.find_last_of(L"\\/");
        size_t nExt = module.rfind(L'.');
        if (nExt != std::wstring::npos && (nSep == std::wstring::npos || nExt > nSep))
            module.erase(nExt);
        module += (m_eHelpType == afxHTMLHelp) ? L".chm" : L".hlp";
        m_pszHelpFilePath = DupString(AfxFromWide(module.c_str(), static_cast<int>(module.size())));
    }
    if (m_pszProfileName == nullptr)
    {
        std::wstring ini = base + L".INI";
        m_pszProfileName = DupString(AfxFromWide(ini.c_str(), static_cast<int>(ini.size())));
    }
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp != nullptr ? g_pApp->GetMainWnd() : nullptr;
}

LPCSTR AfxGetAppName()
{
    return (g_pApp != nullptr && g_pApp->m_pszAppName != nullptr) ? g_pApp->m_pszAppName : "";
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPCSTR lpCmdLine, int nCmdShow)
{
    if (hInstance == nullptr)
        hInstance = GetModuleHandleW(nullptr);
    AfxSetInstanceHandle(hInstance);
    AfxSetResourceHandle(hInstance);
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    pApp->m_hInstance = hInstance;
    pApp->m_hPrevInstance = hPrevInstance;
    std::free(pApp->m_lpCmdLine);
    pApp->m_lpCmdLine = _strdup(lpCmdLine != nullptr ? lpCmdLine : "");
    pApp->m_nCmdShow = nCmdShow;
    pApp->SetCurrentHandles();
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->m_bUseProcessCommandLine = TRUE;
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    if (!pApp->InitInstance())
    {
        // A main window that was made but is not to run (a failed shell command) goes.
        if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->GetSafeHwnd() != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

BOOL AfxOleInit()
{
    HRESULT hr = OleInitialize(nullptr);
    if (FAILED(hr))
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && !pApp->m_bOleInitialized)
        pApp->m_bOleInitialized = TRUE;
    else
        OleUninitialize();   // one initialisation is enough; keep the count balanced
    return TRUE;
}

void AfxEnableControlContainer()
{
    g_bControlContainer = TRUE;
}

BOOL AfxIsControlContainerEnabled()
{
    return g_bControlContainer;
}
