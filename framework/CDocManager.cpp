#include "Afx.h"
#include "AfxPath.h"
#include <shlobj.h>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

IMPLEMENT_DYNAMIC(CDocManager, CObject)

namespace
{
// Writes the default value of HKCU\Software\Classes\<subKey>. bChanged becomes TRUE when the
// key or its value was not already what is written: the shell is told about associations only
// then (under Wine every notification starts the menu builder).
void SetClassesKey(const std::wstring& subKey, const std::wstring& value, BOOL& bChanged)
{
    const std::wstring path = L"Software\\Classes\\" + subKey;
    HKEY hKey = nullptr;
    DWORD dwDisposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &hKey, &dwDisposition) !=
        ERROR_SUCCESS)
        return;
    const DWORD cbValue = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    BOOL bSame = FALSE;
    if (dwDisposition == REG_OPENED_EXISTING_KEY)
    {
        std::vector<wchar_t> current(value.size() + 2, L'\0');
        DWORD cb = static_cast<DWORD>(current.size() * sizeof(wchar_t));
        DWORD dwType = 0;
        bSame = RegQueryValueExW(hKey, nullptr, nullptr, &dwType,
                                 reinterpret_cast<BYTE*>(current.data()), &cb) == ERROR_SUCCESS &&
                dwType == REG_SZ && cb == cbValue &&
                std::wstring(current.data()) == value;
    }
    LONG lResult = RegSetValueExW(hKey, nullptr, 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(value.c_str()), cbValue);
    RegCloseKey(hKey);
    if (lResult == ERROR_SUCCESS && !bSame)
        bChanged = TRUE;
}

// The default value of a key under HKEY_CLASSES_ROOT (user and machine classes merged).
std::wstring GetClassesRootValue(const std::wstring& subKey)
{
    wchar_t buf[512];
    DWORD cb = sizeof(buf);
    DWORD dwType = 0;
    if (RegGetValueW(HKEY_CLASSES_ROOT, subKey.c_str(), nullptr, RRF_RT_REG_SZ, &dwType, buf,
                     &cb) != ERROR_SUCCESS)
        return std::wstring();
    return buf;
}

struct IconSearch
{
    UINT nID;
    int nIndex;
    int nFound;
};

BOOL CALLBACK FindIconProc(HMODULE, LPCWSTR, LPWSTR lpName, LONG_PTR lParam)
{
    IconSearch* pSearch = reinterpret_cast<IconSearch*>(lParam);
    if (IS_INTRESOURCE(lpName) && reinterpret_cast<UINT_PTR>(lpName) == pSearch->nID)
    {
        pSearch->nFound = pSearch->nIndex;
        return FALSE;
    }
    ++pSearch->nIndex;
    return TRUE;
}

// The position of icon nID among the module's icons, as "<exe>,<index>" counts them.
int IconIndex(UINT nID)
{
    IconSearch search = {nID, 0, -1};
    EnumResourceNamesW(AfxGetResourceHandle(), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */,
                       FindIconProc, reinterpret_cast<LONG_PTR>(&search));
    return search.nFound >= 0 ? search.nFound : 0;
}

// A dialog that lets the user pick one of several document types for File New.
enum { IDC_TYPE_LIST = 100 };

void AppendString(std::vector<WORD>& t, const wchar_t* psz)
{
    do
        t.push_back(static_cast<WORD>(*psz));
    while (*psz++ != L'\0');
}

void AppendItem(std::vector<WORD>& t, DWORD dwStyle, short x, short y, short cx, short cy,
                WORD wID, WORD wClassAtom, const wchar_t* pszText)
{
    while (t.size() % 2 != 0)   // DWORD alignment
        t.push_back(0);
    DLGITEMTEMPLATE item = {};
    item.style = dwStyle | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = wID;
    const WORD* p = reinterpret_cast<const WORD*>(&item);
    t.insert(t.end(), p, p + sizeof(item) / sizeof(WORD));
    t.push_back(0xFFFF);
    t.push_back(wClassAtom);
    AppendString(t, pszText);
    t.push_back(0);   // no creation data
}

INT_PTR CALLBACK NewTypeDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_INITDIALOG:
    {
        const auto* pNames = reinterpret_cast<const std::vector<std::wstring>*>(lParam);
        HWND hList = GetDlgItem(hDlg, IDC_TYPE_LIST);
        for (const std::wstring& name : *pNames)
            SendMessageW(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageW(hList, LB_SETCURSEL, 0, 0);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK ||
            (LOWORD(wParam) == IDC_TYPE_LIST && HIWORD(wParam) == LBN_DBLCLK))
        {
            LRESULT nSel = SendDlgItemMessageW(hDlg, IDC_TYPE_LIST, LB_GETCURSEL, 0, 0);
            EndDialog(hDlg, nSel == LB_ERR ? 0 : nSel + 1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL)
        {
            EndDialog(hDlg, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// 0 = cancelled, otherwise 1 + the index of the chosen name.
INT_PTR ChooseDocType(const std::vector<std::wstring>& names)
{
    std::vector<WORD> t;
    DLGTEMPLATE dlg = {};
    dlg.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dlg.cdit = 3;
    dlg.cx = 160;
    dlg.cy = 90;
    const WORD* p = reinterpret_cast<const WORD*>(&dlg);
    t.insert(t.end(), p, p + sizeof(dlg) / sizeof(WORD));
    t.push_back(0);                      // no menu
    t.push_back(0);                      // standard class
    AppendString(t, L"\x65B0\x898F");    // 新規
    t.push_back(9);
    AppendString(t, L"MS UI Gothic");
    AppendItem(t, WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 7, 7, 96, 76, IDC_TYPE_LIST,
               0x0083, L"");
    AppendItem(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 108, 7, 45, 14, IDOK, 0x0080, L"OK");
    AppendItem(t, BS_PUSHBUTTON | WS_TABSTOP, 108, 25, 45, 14, IDCANCEL, 0x0080,
               L"\x30AD\x30E3\x30F3\x30BB\x30EB");   // キャンセル
    CWnd* pMainWnd = AfxGetMainWnd();
    return DialogBoxIndirectParamW(AfxGetInstanceHandle(),
                                   reinterpret_cast<LPCDLGTEMPLATEW>(t.data()),
                                   pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr,
                                   NewTypeDlgProc, reinterpret_cast<LPARAM>(&names));
}

// The common file dialogs, loaded the first time one is needed: most runs never show one, and
// loading the library (with what it pulls in) at every start costs more than the dialog does.
struct FileDialogs
{
    typedef BOOL(WINAPI* PFN_FILENAME)(LPOPENFILENAMEW);
    typedef DWORD(WINAPI* PFN_ERROR)();
    PFN_FILENAME pfnOpen = nullptr;
    PFN_FILENAME pfnSave = nullptr;
    PFN_ERROR pfnError = nullptr;

    FileDialogs()
    {
        // Kept for the life of the process, like any library the program linked.
        HMODULE hLib = LoadLibraryW(L"comdlg32.dll");
        if (hLib == nullptr)
            return;
        pfnOpen = reinterpret_cast<PFN_FILENAME>(
            reinterpret_cast<void (*)()>(GetProcAddress(hLib, "GetOpenFileNameW")));
        pfnSave = reinterpret_cast<PFN_FILENAME>(
            reinterpret_cast<void (*)()>(GetProcAddress(hLib, "GetSaveFileNameW")));
        pfnError = reinterpret_cast<PFN_ERROR>(
            reinterpret_cast<void (*)()>(GetProcAddress(hLib, "CommDlgExtendedError")));
    }

    BOOL Run(BOOL bOpen, OPENFILENAMEW* pofn) const
    {
        PFN_FILENAME pfn = bOpen ? pfnOpen : pfnSave;
        return pfn != nullptr && pfn(pofn);
    }

    DWORD LastError() const { return pfnError != nullptr ? pfnError() : 0; }
};

const FileDialogs& GetFileDialogs()
{
    static const FileDialogs s_dialogs;
    return s_dialogs;
}

// "Name\0*.ext\0" for a template; empty when it names no filter.
std::wstring FilterOf(CDocTemplate* pTemplate)
{
    CString strName, strExt;
    if (!pTemplate->GetDocString(strName, CDocTemplate::filterName) || strName.IsEmpty() ||
        !pTemplate->GetDocString(strExt, CDocTemplate::filterExt) || strExt.IsEmpty())
        return std::wstring();
    std::wstring pattern;
    for (const std::wstring& ext : AfxSplitExtensions(strExt))
    {
        if (!pattern.empty())
            pattern += L';';
        pattern += L'*' + ext;
    }
    return AfxToWide(strName) + L'\0' + pattern + L'\0';
}
} // namespace

CDocManager::CDocManager()
{
}

CDocManager::~CDocManager()
{
    for (CDocTemplate* pTemplate : m_templateList)
        delete pTemplate;
    m_templateList.clear();
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate == nullptr ||
        std::find(m_templateList.begin(), m_templateList.end(), pTemplate) != m_templateList.end())
        return;
    pTemplate->LoadTemplate();
    m_templateList.push_back(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const
{
    return m_templateList.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& rPos) const
{
    size_t nIndex = static_cast<size_t>(reinterpret_cast<UINT_PTR>(rPos));
    if (nIndex == 0 || nIndex > m_templateList.size())
    {
        rPos = nullptr;
        return nullptr;
    }
    rPos = nIndex < m_templateList.size()
               ? reinterpret_cast<POSITION>(static_cast<UINT_PTR>(nIndex + 1))
               : nullptr;
    return m_templateList[nIndex - 1];
}

void CDocManager::RegisterShellFileTypes(BOOL bCompat)
{
    const std::wstring exe = AfxToWide(AfxGetModulePath());
    const std::wstring openCommand = L"\"" + exe + L"\" \"%1\"";
    std::vector<std::wstring> done;
    BOOL bChanged = FALSE;

    for (CDocTemplate* pTemplate : m_templateList)
    {
        CString strTypeId, strTypeName, strFilterExt;
        if (!pTemplate->GetDocString(strTypeId, CDocTemplate::regFileTypeId) || strTypeId.IsEmpty())
            continue;
        const std::wstring typeId = AfxToWide(strTypeId);
        // Several templates may share a type: the first registered one describes it.
        if (std::find(done.begin(), done.end(), typeId) != done.end())
            continue;
        done.push_back(typeId);

        if (!pTemplate->GetDocString(strTypeName, CDocTemplate::regFileTypeName) ||
            strTypeName.IsEmpty())
            strTypeName = strTypeId;
        SetClassesKey(typeId, AfxToWide(strTypeName), bChanged);
        if (bCompat)
            SetClassesKey(typeId + L"\\DefaultIcon",
                          exe + L"," + std::to_wstring(IconIndex(pTemplate->m_nIDResource)),
                          bChanged);
        SetClassesKey(typeId + L"\\shell\\open\\command", openCommand, bChanged);

        if (pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt))
        {
            for (const std::wstring& ext : AfxSplitExtensions(strFilterExt))
            {
                // An extension that another program already owns is left to it.
                const std::wstring current = GetClassesRootValue(ext);
                if (current.empty() || current == typeId)
                    SetClassesKey(ext, typeId, bChanged);
            }
        }
    }
    if (bChanged)
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void CDocManager::UnregisterShellFileTypes()
{
    BOOL bChanged = FALSE;
    for (CDocTemplate* pTemplate : m_templateList)
    {
        CString strTypeId, strFilterExt;
        if (!pTemplate->GetDocString(strTypeId, CDocTemplate::regFileTypeId) || strTypeId.IsEmpty())
            continue;
        const std::wstring typeId = AfxToWide(strTypeId);
        HKEY hClasses = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, KEY_ALL_ACCESS, &hClasses) !=
            ERROR_SUCCESS)
            return;
        if (RegDeleteTreeW(hClasses, typeId.c_str()) == ERROR_SUCCESS)
        {
            RegDeleteKeyW(hClasses, typeId.c_str());
            bChanged = TRUE;
        }
        if (pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt))
        {
            for (const std::wstring& ext : AfxSplitExtensions(strFilterExt))
            {
                wchar_t buf[512];
                DWORD cb = sizeof(buf);
                if (RegGetValueW(hClasses, ext.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buf, &cb) ==
                        ERROR_SUCCESS &&
                    typeId == buf)
                {
                    RegDeleteTreeW(hClasses, ext.c_str());
                    RegDeleteKeyW(hClasses, ext.c_str());
                    bChanged = TRUE;
                }
            }
        }
        RegCloseKey(hClasses);
    }
    if (bChanged)
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR lpszFileName)
{
    if (lpszFileName == nullptr)
        return nullptr;
    // The shell and users may hand the path over in quotes or with spaces around it.
    std::wstring name = AfxToWide(lpszFileName);
    while (!name.empty() && (name.front() == L' ' || name.front() == L'"'))
        name.erase(0, 1);
    while (!name.empty() && (name.back() == L' ' || name.back() == L'"'))
        name.pop_back();
    if (name.empty())
        return nullptr;
    const CString strPath = AfxFullPath(AfxFromWide(name.c_str(), static_cast<int>(name.size())));

    CDocTemplate* pBestTemplate = nullptr;
    CDocument* pOpenDocument = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (CDocTemplate* pTemplate : m_templateList)
    {
        CDocument* pMatch = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(strPath, pMatch);
        if (match > bestMatch)
        {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
        if (match == CDocTemplate::yesAlreadyOpen)
        {
            pOpenDocument = pMatch;
            break;
        }
    }

    if (pOpenDocument != nullptr)
    {
        POSITION pos = pOpenDocument->GetFirstViewPosition();
        if (pos != nullptr)
        {
            CView* pView = pOpenDocument->GetNextView(pos);
            CFrameWnd* pFrame = pView->GetParentFrame();
            if (pFrame != nullptr)
                pFrame->ActivateFrame();
            CWinApp* pApp = AfxGetApp();
            CFrameWnd* pAppFrame =
                pApp != nullptr ? dynamic_cast<CFrameWnd*>(pApp->m_pMainWnd) : nullptr;
            if (pAppFrame != nullptr && pAppFrame != pFrame)
                pAppFrame->ActivateFrame();
        }
        return pOpenDocument;
    }

    if (pBestTemplate == nullptr)
    {
        CString strPrompt;
        AfxFormatString1(strPrompt, AFX_IDP_FAILED_TO_OPEN_DOC, strPath);
        AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, AFX_IDP_FAILED_TO_OPEN_DOC);
        return nullptr;
    }
    return pBestTemplate->OpenDocumentFile(strPath);
}

BOOL CDocManager::SaveAllModified()
{
    for (CDocTemplate* pTemplate : m_templateList)
    {
        if (!pTemplate->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    for (CDocTemplate* pTemplate : m_templateList)
        pTemplate->CloseAllDocuments(bEndSession);
}

int CDocManager::GetOpenDocumentCount()
{
    int nCount = 0;
    for (CDocTemplate* pTemplate : m_templateList)
    {
        POSITION pos = pTemplate->GetFirstDocPosition();
        while (pos != nullptr)
        {
            pTemplate->GetNextDoc(pos);
            ++nCount;
        }
    }
    return nCount;
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                   BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    std::wstring filter;
    std::vector<std::wstring> seen;
    std::wstring defExt;
    auto addFilter = [&](CDocTemplate* p) {
        std::wstring one = FilterOf(p);
        if (one.empty() || std::find(seen.begin(), seen.end(), one) != seen.end())
            return;
        seen.push_back(one);
        filter += one;
    };
    if (pTemplate != nullptr)
    {
        addFilter(pTemplate);
        CString strExt;
        if (pTemplate->GetDocString(strExt, CDocTemplate::filterExt))
        {
            std::vector<std::wstring> exts = AfxSplitExtensions(strExt);
            if (!exts.empty() && exts.front().size() > 1 && exts.front().front() == L'.')
                defExt = exts.front().substr(1);
        }
    }
    else
    {
        for (CDocTemplate* p : m_templateList)
            addFilter(p);
    }
    CString strAll;
    strAll.LoadString(AFX_IDS_ALLFILTER);
    filter += AfxToWide(strAll) + L'\0' + L"*.*" + L'\0' + L'\0';

    CString strTitle;
    strTitle.LoadString(nIDSTitle);
    const std::wstring title = AfxToWide(strTitle);

    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring initial = AfxToWide(fileName);
    if (initial.size() < file.size())
        std::copy(initial.begin(), initial.end(), file.begin());

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hOwner = pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr;
    if (hOwner != nullptr)
        hOwner = GetLastActivePopup(hOwner);
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
    ofn.Flags = lFlags | OFN_EXPLORER | OFN_NOCHANGEDIR;

    const FileDialogs& dialogs = GetFileDialogs();
    BOOL bResult = dialogs.Run(bOpenFileDialog, &ofn);
    if (!bResult && dialogs.LastError() == FNERR_INVALIDFILENAME)
    {
        // The proposed name was not acceptable (a title with a colon, say): start empty.
        file.assign(file.size(), L'\0');
        bResult = dialogs.Run(bOpenFileDialog, &ofn);
    }
    if (!bResult)
        return FALSE;
    fileName = AfxFromWide(file.data());
    return TRUE;
}

void CDocManager::OnFileNew()
{
    std::vector<CDocTemplate*> candidates;
    std::vector<std::wstring> names;
    for (CDocTemplate* pTemplate : m_templateList)
    {
        CString strNewName;
        if (pTemplate->GetDocString(strNewName, CDocTemplate::fileNewName) && !strNewName.IsEmpty())
        {
            candidates.push_back(pTemplate);
            names.push_back(AfxToWide(strNewName));
        }
    }
    if (candidates.empty())
        return;   // no type offers File New

    CDocTemplate* pTemplate = candidates.front();
    if (candidates.size() > 1)
    {
        INT_PTR nChoice = ChooseDocType(names);
        if (nChoice <= 0 || static_cast<size_t>(nChoice) > candidates.size())
            return;
        pTemplate = candidates[static_cast<size_t>(nChoice) - 1];
    }
    pTemplate->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen()
{
    CString strFileName;
    if (!DoPromptFileName(strFileName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                          TRUE, nullptr))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->OpenDocumentFile(strFileName);
    else
        OpenDocumentFile(strFileName);
}
