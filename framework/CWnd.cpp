#include "Afx.h"
#include <cstdio>
#include <exception>
#include <list>
#include <set>
#include <string>
#include <unordered_map>

#ifdef UNICODE
#error "The framework passes code-page-932 text as char strings: build without UNICODE."
#endif

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace
{
// Everything the window machinery keeps per thread (the program has one UI thread, tests too).
struct WndThreadState
{
    HHOOK hHookCbt = nullptr;
    int nHookDepth = 0;
    CWnd* pWndInit = nullptr;     // the object waiting for the window being created
    MSG msgCur = {};              // the message being handled, for Default()
    HWND hWndLockout = nullptr;   // notifications from its controls are ignored (UpdateData)
};

thread_local WndThreadState t_state;

std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

std::unordered_map<HWND, CWnd*>& TemporaryMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// DC wrappers handed out by GetDC/GetWindowDC; ReleaseDC deletes exactly these.
std::set<CDC*>& LentDCs()
{
    static std::set<CDC*> set;
    return set;
}

// The wrapper GetDC/GetWindowDC hand out for hDC; nullptr when Windows gave no DC.
CDC* LendDC(HDC hDC)
{
    if (hDC == nullptr)
        return nullptr;
    CDC* pDC = new CDC;
    pDC->m_hDC = hDC;
    LentDCs().insert(pDC);
    return pDC;
}

// A CCmdUI that only records whether the command is enabled (commands of menus and
// accelerators are checked before they run).
class CTestCmdUI : public CCmdUI
{
public:
    CTestCmdUI() : m_bEnabled(TRUE) {}
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCSTR) override {}

    BOOL m_bEnabled;
};

// One report for exceptions that reach a window procedure: they are stopped there.
LRESULT ReportWndProcException(HWND hWnd, UINT nMsg, const char* pszWhat)
{
    char szText[256];
    std::snprintf(szText, sizeof(szText),
                  "Kasumiori: exception in the handler of message 0x%04X: %s\n", nMsg, pszWhat);
    ::OutputDebugStringA(szText);
    std::fputs(szText, stderr);
    if (nMsg == WM_CREATE)
        return -1;   // creation fails
    if (nMsg == WM_PAINT)
        ::ValidateRect(hWnd, nullptr);   // no endless repaint
    return 0;
}

std::wstring ClassNameToWide(LPCSTR lpszClass)
{
    if (IS_INTRESOURCE(lpszClass))
        return std::wstring();
    return AfxToWide(lpszClass);
}

LPCWSTR ClassNameArg(LPCSTR lpszClass, const std::wstring& strWide)
{
    if (IS_INTRESOURCE(lpszClass))
        return reinterpret_cast<LPCWSTR>(lpszClass);   // an atom
    return strWide.c_str();
}

// ModifyStyle/ModifyStyleEx on the style word nIndex (GWL_STYLE or GWL_EXSTYLE); FALSE when
// nothing changes.
BOOL ModifyStyleBits(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, nIndex));
    DWORD dwNew = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNew)
        return FALSE;
    ::SetWindowLongPtrW(hWnd, nIndex, static_cast<LONG_PTR>(dwNew));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

bool IsImeWindow(HWND hWnd)
{
    if (::GetClassLongPtrW(hWnd, GCL_STYLE) & CS_IME)
        return true;
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    return ::lstrcmpiW(szClass, L"ime") == 0;
}

void SendToDescendants(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                       BOOL bOnlyPerm)
{
    // Collected first: the handlers may create or destroy windows.
    std::vector<HWND> children;
    for (HWND hChild = ::GetWindow(hWndParent, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    for (HWND hChild : children)
    {
        if (!::IsWindow(hChild))
            continue;
        if (bOnlyPerm)
        {
            if (CWnd* pWnd = CWnd::FromHandlePermanent(hChild))
                AfxCallWndProc(pWnd, hChild, message, wParam, lParam);
        }
        else
        {
            ::SendMessageW(hChild, message, wParam, lParam);
        }
        if (bDeep && ::IsWindow(hChild))
            SendToDescendants(hChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

HWND FindDescendant(HWND hWndParent, int nID, BOOL bOnlyPerm)
{
    // Direct children first, then their children.
    for (HWND hChild = ::GetWindow(hWndParent, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (::GetDlgCtrlID(hChild) == nID && (!bOnlyPerm || CWnd::FromHandlePermanent(hChild)))
            return hChild;
    }
    for (HWND hChild = ::GetWindow(hWndParent, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (HWND hFound = FindDescendant(hChild, nID, bOnlyPerm))
            return hFound;
    }
    return nullptr;
}

// The narrow CREATESTRUCT the handlers are declared with, from the one CreateWindowExW gave.
struct NarrowCreateStruct
{
    explicit NarrowCreateStruct(const CREATESTRUCTW* pcsw)
    {
        cs.lpCreateParams = pcsw->lpCreateParams;
        cs.hInstance = pcsw->hInstance;
        cs.hMenu = pcsw->hMenu;
        cs.hwndParent = pcsw->hwndParent;
        cs.cy = pcsw->cy;
        cs.cx = pcsw->cx;
        cs.y = pcsw->y;
        cs.x = pcsw->x;
        cs.style = pcsw->style;
        cs.dwExStyle = pcsw->dwExStyle;
        if (pcsw->lpszName != nullptr && !IS_INTRESOURCE(pcsw->lpszName))
        {
            strName = AfxFromWide(pcsw->lpszName);
            cs.lpszName = strName;
        }
        else
        {
            cs.lpszName = reinterpret_cast<LPCSTR>(pcsw->lpszName);
        }
        if (pcsw->lpszClass != nullptr && !IS_INTRESOURCE(pcsw->lpszClass))
        {
            strClass = AfxFromWide(pcsw->lpszClass);
            cs.lpszClass = strClass;
        }
        else
        {
            cs.lpszClass = reinterpret_cast<LPCSTR>(pcsw->lpszClass);
        }
    }

    CREATESTRUCTA cs = {};
    CString strName;
    CString strClass;
};

// Restores the lockout window when UpdateData ends, however it ends.
struct LockoutScope
{
    explicit LockoutScope(HWND hWnd) : hWndOld(t_state.hWndLockout) { t_state.hWndLockout = hWnd; }
    ~LockoutScope() { t_state.hWndLockout = hWndOld; }
    HWND hWndOld;
};
}

// ---------------------------------------------------------------------------------------
// Window procedure, creation hook, class registration

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    MSG msgSaved = t_state.msgCur;
    t_state.msgCur.hwnd = hWnd;
    t_state.msgCur.message = nMsg;
    t_state.msgCur.wParam = wParam;
    t_state.msgCur.lParam = lParam;

    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        lResult = ReportWndProcException(hWnd, nMsg, e->GetRuntimeClass()->m_lpszClassName);
        e->Delete();
    }
    catch (const CDataExchangeFailure&)
    {
        lResult = ReportWndProcException(hWnd, nMsg, "data exchange failed");
    }
    catch (const std::exception& e)
    {
        lResult = ReportWndProcException(hWnd, nMsg, e.what());
    }
    catch (...)
    {
        lResult = ReportWndProcException(hWnd, nMsg, "unknown exception");
    }

    // The window's last message: the object lets go of it (and may delete itself).
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
    {
        try
        {
            pWnd->OnNcDestroy();
        }
        catch (CException* e)
        {
            ReportWndProcException(hWnd, nMsg, e->GetRuntimeClass()->m_lpszClassName);
            e->Delete();
        }
        catch (...)
        {
            ReportWndProcException(hWnd, nMsg, "exception in the final clean-up");
        }
    }

    t_state.msgCur = msgSaved;
    return lResult;
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM)
{
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    // Dialogs initialise themselves; form views take the focus when their frame activates.
    CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (pDlg == nullptr)
        return FALSE;
    try
    {
        return pDlg->OnInitDialog();
    }
    catch (CException* e)
    {
        ReportWndProcException(hWnd, nMsg, e->GetRuntimeClass()->m_lpszClassName);
        e->Delete();
    }
    catch (const CDataExchangeFailure&)
    {
        ReportWndProcException(hWnd, nMsg, "data exchange failed");
    }
    catch (const std::exception& e)
    {
        ReportWndProcException(hWnd, nMsg, e.what());
    }
    catch (...)
    {
        ReportWndProcException(hWnd, nMsg, "unknown exception");
    }
    return TRUE;
}

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && t_state.pWndInit != nullptr)
    {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (!IsImeWindow(hWnd))
        {
            CWnd* pWnd = t_state.pWndInit;
            t_state.pWndInit = nullptr;
            if (pWnd->Attach(hWnd))
            {
                pWnd->PreSubclassWindow();
                WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
                    hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
                if (pfnOld != &AfxWndProc)
                    pWnd->m_pfnSuper = pfnOld;
            }
        }
    }
    return ::CallNextHookEx(t_state.hHookCbt, nCode, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    if (t_state.hHookCbt == nullptr)
        t_state.hHookCbt = ::SetWindowsHookExW(WH_CBT, &AfxCbtFilterHook, nullptr,
                                               ::GetCurrentThreadId());
    ++t_state.nHookDepth;
    t_state.pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    BOOL bAttached = t_state.pWndInit == nullptr;
    t_state.pWndInit = nullptr;
    if (--t_state.nHookDepth <= 0)
    {
        t_state.nHookDepth = 0;
        if (t_state.hHookCbt != nullptr)
            ::UnhookWindowsHookEx(t_state.hHookCbt);
        t_state.hHookCbt = nullptr;
    }
    return bAttached;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::list<std::string> s_registered;   // stable storage for the returned names
    HINSTANCE hInst = AfxGetInstanceHandle();
    char szName[128];
    std::snprintf(szName, sizeof(szName), "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst),
                  nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
                  static_cast<void*>(hIcon));
    for (const std::string& str : s_registered)
    {
        if (str == szName)
            return str.c_str();
    }

    std::wstring strWide = AfxToWide(szName);
    WNDCLASSW wc = {};
    if (!::GetClassInfoW(hInst, strWide.c_str(), &wc))
    {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcW;   // AfxWndProc comes in when a window is attached
        wc.hInstance = hInst;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = strWide.c_str();
        if (!::RegisterClassW(&wc))
            return nullptr;
    }
    s_registered.push_back(szName);
    return s_registered.back().c_str();
}

LPCSTR AfxRegisterFrameOrViewClass(HICON hIcon)
{
    return AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                               ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)),
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
}

const MSG* AfxGetCurrentMessage()
{
    return &t_state.msgCur;
}

BOOL AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    if (bDeleteTemps)
    {
        CWnd::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CMenu::DeleteTempMap();
    }
    return TRUE;
}

// ---------------------------------------------------------------------------------------
// CWnd

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr), m_bCreating(FALSE)
{
}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
    {
        // A window still alive when its object goes is destroyed with it.
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        if (m_hWnd != nullptr)
            Detach();
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& temps = TemporaryMap();
    auto it = temps.find(hWnd);
    if (it != temps.end())
        return it->second;
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    temps.emplace(hWnd, pWnd);
    return pWnd;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    auto& perms = PermanentMap();
    auto it = perms.find(hWnd);
    return it == perms.end() ? nullptr : it->second;
}

void CWnd::DeleteTempMap()
{
    auto& temps = TemporaryMap();
    std::unordered_map<HWND, CWnd*> old;
    old.swap(temps);
    for (auto& entry : old)
    {
        entry.second->m_hWnd = nullptr;   // a wrapper only: the window is not ours
        delete entry.second;
    }
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr)
        return FALSE;
    auto& perms = PermanentMap();
    if (perms.find(hWndNew) != perms.end())
        return FALSE;
    perms.emplace(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
    {
        auto& perms = PermanentMap();
        auto it = perms.find(hWnd);
        if (it != perms.end() && it->second == this)
            perms.erase(it);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (pfnOld == nullptr)
    {
        Detach();
        return FALSE;
    }
    if (pfnOld != &AfxWndProc)
        m_pfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;

    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
        return FALSE;

    if (IsFrameWnd())
    {
        static_cast<CFrameWnd*>(this)->m_bAddToTitle = (cs.style & FWS_ADDTOTITLE) != 0;
        cs.style &= ~static_cast<DWORD>(FWS_ADDTOTITLE);
    }

    std::wstring strClass = ClassNameToWide(cs.lpszClass);
    std::wstring strName = AfxToWide(cs.lpszName);
    m_bCreating = TRUE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, ClassNameArg(cs.lpszClass, strClass),
                                  cs.lpszName != nullptr ? strName.c_str() : nullptr, cs.style,
                                  cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu,
                                  cs.hInstance, cs.lpCreateParams);
    AfxUnhookWindowCreate();
    m_bCreating = FALSE;
    return hWnd != nullptr && hWnd == m_hWnd;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
    {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
        if (cs.lpszClass == nullptr)
            return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    // The object may be deleted by PostNcDestroy inside this call: nothing of it is used after.
    return ::DestroyWindow(m_hWnd);
}

void CWnd::OnNcDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
    {
        // The main window going ends the program's message loop.
        ::PostQuitMessage(0);
        pApp->m_pMainWnd = nullptr;
    }
    m_timers.clear();

    HWND hWnd = m_hWnd;
    WNDPROC pfnNow = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    if (pfnNow == &AfxWndProc && m_pfnSuper != nullptr)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();

    // A window that dies inside its own creation call leaves its object to the creator.
    if (!m_bCreating)
        PostNcDestroy();
}

void CWnd::PostNcDestroy()
{
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = t_state.msgCur;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        LRESULT lResult = 0;
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr ||
            !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }

    const AFX_MSGMAP_ENTRY* pEntry = nullptr;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr && pEntry == nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p)
        {
            if (p->nMessage == message && p->nMessage != WM_COMMAND && p->nMessage != WM_NOTIFY)
            {
                pEntry = p;
                break;
            }
        }
    }
    if (pEntry == nullptr)
        return FALSE;

    LRESULT lResult = 0;
    const AFX_MSGFN& fn = pEntry->fn;
    switch (pEntry->nSig)
    {
    case AfxSig_vv:
    case AfxSig_vv_msg:
        (this->*fn.pfn_vv)();
        break;
    case AfxSig_is:
    {
        NarrowCreateStruct ncs(reinterpret_cast<const CREATESTRUCTW*>(lParam));
        lResult = (this->*fn.pfn_is)(&ncs.cs);
        break;
    }
    case AfxSig_vwii:
        (this->*fn.pfn_vwii)(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),
                             static_cast<short>(HIWORD(lParam)));
        break;
    case AfxSig_vt:
        (this->*fn.pfn_vt)(static_cast<UINT_PTR>(wParam));
        break;
    case AfxSig_vwp:
        (this->*fn.pfn_vwp)(static_cast<UINT>(wParam), CPoint(lParam));
        break;
    case AfxSig_vhdrop:
        (this->*fn.pfn_vhdrop)(reinterpret_cast<HDROP>(wParam));
        break;
    case AfxSig_vmwb:
        (this->*fn.pfn_vmwb)(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)),
                             LOWORD(lParam), HIWORD(lParam) != 0);
        break;
    case AfxSig_bD:
    {
        // A wrapper for the duration of the call: the DC belongs to the caller.
        CDC dc;
        dc.m_hDC = reinterpret_cast<HDC>(wParam);
        try
        {
            lResult = (this->*fn.pfn_bD)(&dc);
        }
        catch (...)
        {
            dc.m_hDC = nullptr;
            throw;
        }
        dc.m_hDC = nullptr;
        break;
    }
    case AfxSig_vW:
        (this->*fn.pfn_vW)(FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case AfxSig_vbWW:
        (this->*fn.pfn_vbWW)(reinterpret_cast<HWND>(lParam) == m_hWnd,
                             FromHandle(reinterpret_cast<HWND>(lParam)),
                             FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case AfxSig_vwwh:
        (this->*fn.pfn_vwwh)(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        break;
    case AfxSig_lwl:
        lResult = (this->*fn.pfn_lwl)(wParam, lParam);
        break;
    default:
        return FALSE;
    }
    *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);

    if (hWndCtrl == nullptr)
    {
        // Menu or accelerator: a command whose item is disabled does not run.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        // Notification of a child control; UpdateData's own changes are not reported.
        if (t_state.hWndLockout == m_hWnd)
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (t_state.hWndLockout == m_hWnd)
        return TRUE;
    AFX_NOTIFY notify = { pResult, pNMHDR };
    UINT nID = static_cast<UINT>(pNMHDR->idFrom);
    int nCode = static_cast<int>(MAKELONG(LOWORD(pNMHDR->code), WM_NOTIFY));
    return OnCmdMsg(nID, nCode, &notify, nullptr);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop || !::IsWindow(hWnd))
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg)
{
    return ::IsDialogMessageW(m_hWnd, lpMsg);
}

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    LockoutScope lockout(m_hWnd);
    try
    {
        DoDataExchange(&dx);
    }
    catch (const CDataExchangeFailure&)
    {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm)
{
    SendToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    ::SetWindowTextW(m_hWnd, AfxToWide(lpszString).c_str());
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLengthW(m_hWnd);
    std::wstring buf(static_cast<size_t>(nLen) + 1, L'\0');
    int nGot = ::GetWindowTextW(m_hWnd, &buf[0], nLen + 1);
    rString = AfxFromWide(buf.c_str(), nGot);
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
{
    if (lpszStringBuf == nullptr || nMaxCount <= 0)
        return 0;
    CString str;
    GetWindowText(str);
    int nCopy = str.GetLength();
    if (nCopy > nMaxCount - 1)
    {
        nCopy = nMaxCount - 1;
        // Do not end on the first half of a double-byte character.
        int i = 0;
        while (i < nCopy)
        {
            int nChar = AfxIsLeadByte932(static_cast<unsigned char>(str.GetAt(i))) ? 2 : 1;
            if (i + nChar > nCopy)
                break;
            i += nChar;
        }
        nCopy = i;
    }
    ::memcpy(lpszStringBuf, static_cast<LPCSTR>(str), static_cast<size_t>(nCopy));
    lpszStringBuf[nCopy] = '\0';
    return nCopy;
}

int CWnd::GetWindowTextLength() const
{
    CString str;
    GetWindowText(str);
    return str.GetLength();
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (lpszCaption == nullptr)
        lpszCaption = AfxGetAppName();
    std::wstring strText = AfxToWide(lpszText);
    std::wstring strCaption = AfxToWide(lpszCaption);
    return ::MessageBoxW(m_hWnd, strText.c_str(), strCaption.c_str(), nType);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                        void (CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD))
{
    UINT_PTR nResult = ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    if (nResult != 0)
        m_timers[nIDEvent] = nElapse;
    return nResult;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    m_timers.erase(nIDEvent);
    return ::KillTimer(m_hWnd, nIDEvent);
}

UINT CWnd::GetTimerPeriod(UINT_PTR nIDEvent) const
{
    auto it = m_timers.find(nIDEvent);
    return it == m_timers.end() ? 0 : it->second;
}

std::vector<std::pair<UINT_PTR, UINT>> CWnd::GetRunningTimers() const
{
    return std::vector<std::pair<UINT_PTR, UINT>>(m_timers.begin(), m_timers.end());
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                 lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    // The special positions (wndTop ...) are passed as fake objects whose address is the
    // HWND value, as the Win32 constants are.
    HWND hWndAfter = pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr;
    return ::SetWindowPos(m_hWnd, hWndAfter, x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    DWORD dwStyle = GetStyle();
    HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : nullptr;
    if (pAlternateOwner == nullptr)
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);

    CRect rcWnd;
    GetWindowRect(&rcWnd);
    CRect rcArea;     // where the window must stay
    CRect rcCenter;   // what it is centred on
    if (!(dwStyle & WS_CHILD))
    {
        // A hidden or minimised owner is no reference: centre on the work area instead.
        if (hWndCenter != nullptr)
        {
            LONG_PTR dwCenterStyle = ::GetWindowLongPtrW(hWndCenter, GWL_STYLE);
            if (!(dwCenterStyle & WS_VISIBLE) || (dwCenterStyle & WS_MINIMIZE))
                hWndCenter = nullptr;
        }
        MONITORINFO mi = {};
        mi.cbSize = sizeof(mi);
        if (hWndCenter == nullptr)
        {
            ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &mi);
            rcCenter = mi.rcWork;
            rcArea = mi.rcWork;
        }
        else
        {
            ::GetWindowRect(hWndCenter, &rcCenter);
            ::GetMonitorInfoW(::MonitorFromWindow(hWndCenter, MONITOR_DEFAULTTONEAREST), &mi);
            rcArea = mi.rcWork;
        }
    }
    else
    {
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        if (hWndCenter == nullptr)
            hWndCenter = hWndParent;
        ::GetClientRect(hWndCenter, &rcCenter);
        ::MapWindowPoints(hWndCenter, hWndParent, reinterpret_cast<POINT*>(&rcCenter), 2);
        ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rcWnd), 2);
    }

    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcWnd.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcWnd.Height() / 2;
    if (xLeft + rcWnd.Width() > rcArea.right)
        xLeft = rcArea.right - rcWnd.Width();
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    if (yTop + rcWnd.Height() > rcArea.bottom)
        yTop = rcArea.bottom - rcWnd.Height();
    if (yTop < rcArea.top)
        yTop = rcArea.top;
    ::SetWindowPos(m_hWnd, nullptr, xLeft, yTop, -1, -1,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(lpRect), 2);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(lpRect), 2);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    lpwndpl->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
{
    return ::SetWindowPlacement(m_hWnd, lpwndpl);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::IsZoomed() const
{
    return ::IsZoomed(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::IsWindow() const
{
    return m_hWnd != nullptr && ::IsWindow(m_hWnd);
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleBits(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleBits(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
    ::ValidateRect(m_hWnd, lpRect);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}

CDC* CWnd::GetDC()
{
    return LendDC(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
    return LendDC(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    if (pDC == nullptr)
        return 0;
    int nResult = ::ReleaseDC(m_hWnd, pDC->m_hDC);
    pDC->m_hDC = nullptr;
    if (LentDCs().erase(pDC) != 0)
        delete pDC;
    return nResult;
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent != nullptr ? pWndNewParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetOwner() const
{
    return FromHandle(::GetWindow(m_hWnd, GW_OWNER));
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWnd = m_hWnd;
    HWND hWndParent;
    while ((hWndParent = ::GetParent(hWnd)) != nullptr)
        hWnd = hWndParent;
    return FromHandle(hWnd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsFrameWnd())
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    CFrameWnd* pFrame = IsFrameWnd() ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this)) : GetParentFrame();
    while (pFrame != nullptr)
    {
        CFrameWnd* pParent = pFrame->GetParentFrame();
        if (pParent == nullptr)
            break;
        pFrame = pParent;
    }
    return pFrame;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return pWnd != nullptr && ::IsChild(m_hWnd, pWnd->m_hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const
{
    *phWnd = ::GetDlgItem(m_hWnd, nID);
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    HWND hWnd = FindDescendant(m_hWnd, nID, bOnlyPerm);
    return bOnlyPerm ? FromHandlePermanent(hWnd) : FromHandle(hWnd);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID)
{
    return static_cast<int>(::SetWindowLongPtrW(m_hWnd, GWLP_ID, nID));
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::GetDesktopWindow()
{
    return FromHandle(::GetDesktopWindow());
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

CWnd* CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

void CWnd::BringWindowToTop()
{
    ::BringWindowToTop(m_hWnd);
}

BOOL CWnd::SetForegroundWindow()
{
    return ::SetForegroundWindow(m_hWnd);
}

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu != nullptr ? pMenu->m_hMenu : nullptr);
}

void CWnd::DrawMenuBar()
{
    ::DrawMenuBar(m_hWnd);
}

void CWnd::OnHelp()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnHelp();
}

void CWnd::OnHelpFinder()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnHelpFinder();
}

void CWnd::OnHelpIndex()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnHelpIndex();
}

void CWnd::OnHelpUsing()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelp(0, HELP_HELPONHELP);
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnDropFiles(HDROP)
{
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
