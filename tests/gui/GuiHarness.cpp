#include "GuiHarness.h"
#include "BaseFolder.h"
#include <algorithm>
#include <cstdio>

namespace gui {

void PumpMessages()
{
    MSG msg;
    CWinApp* pApp = AfxGetApp();
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (pApp == nullptr || !pApp->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        PumpMessages();
        if (pred())
            return true;
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

CFrameWnd* MainFrame()
{
    return dynamic_cast<CFrameWnd*>(AfxGetApp()->m_pMainWnd);
}

CView* ActiveView()
{
    CMDIFrameWnd* pMain = dynamic_cast<CMDIFrameWnd*>(MainFrame());
    if (pMain == nullptr)
        return nullptr;
    CMDIChildWnd* pChild = pMain->MDIGetActive();
    return pChild != nullptr ? pChild->GetActiveView() : nullptr;
}

void SendCommand(UINT nID)
{
    ::SendMessageW(MainFrame()->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    PumpMessages();
}

void ClickControl(CWnd* pParent, int nCtrlID)
{
    HWND hCtrl = ::GetDlgItem(pParent->GetSafeHwnd(), nCtrlID);
    ASSERT_NE(hCtrl, nullptr) << "no control " << nCtrlID;
    ::SendMessageW(hCtrl, BM_CLICK, 0, 0);
    PumpMessages();
}

CString ControlText(CWnd* pParent, int nCtrlID)
{
    wchar_t buf[1024] = {};
    ::GetDlgItemTextW(pParent->GetSafeHwnd(), nCtrlID, buf, 1024);
    return AfxFromWide(buf);
}

BOOL IsPressed(CWnd* pParent, int nCtrlID)
{
    return ::SendDlgItemMessageW(pParent->GetSafeHwnd(), nCtrlID, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// ---------------------------------------------------------------------------------------------
FakeClock::FakeClock() : m_nMs(0), m_pPrevious(nullptr)
{
    Set(2026, 12, 10, 9, 0, 0);
    m_pPrevious = AfxSetClock(this);
}

FakeClock::~FakeClock()
{
    AfxSetClock(m_pPrevious);
}

void FakeClock::Sleep(DWORD dwMilliseconds)
{
    m_aSleeps.push_back(dwMilliseconds);
    if (m_onSleep)
        m_onSleep();
    m_nMs += dwMilliseconds;
}

void FakeClock::GetLocalTime(SYSTEMTIME* pst)
{
    ULONGLONG t = static_cast<ULONGLONG>(m_nMs) * 10000ULL;
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(t);
    ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
    ::FileTimeToSystemTime(&ft, pst);
}

void FakeClock::Set(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(nYear);
    st.wMonth = static_cast<WORD>(nMonth);
    st.wDay = static_cast<WORD>(nDay);
    st.wHour = static_cast<WORD>(nHour);
    st.wMinute = static_cast<WORD>(nMinute);
    st.wSecond = static_cast<WORD>(nSecond);
    FILETIME ft;
    ::SystemTimeToFileTime(&st, &ft);
    ULONGLONG t = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    m_nMs = static_cast<long long>(t / 10000ULL);
}

void FakeClock::AdvanceSeconds(long long nSeconds)
{
    m_nMs += nSeconds * 1000;
}

// ---------------------------------------------------------------------------------------------
BeepRecorder::BeepRecorder() : m_pPrevious(AfxSetBeeper(this))
{
}

BeepRecorder::~BeepRecorder()
{
    AfxSetBeeper(m_pPrevious);
}

BOOL BeepRecorder::MessageBeep(UINT uType)
{
    m_aBeeps.push_back(uType);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
namespace {

BoxAnswerer* g_pAnswerer = nullptr;
std::vector<HWND> g_aPending;

bool IsDialogWindow(HWND hWnd)
{
    wchar_t cls[16] = {};
    ::GetClassNameW(hWnd, cls, 16);
    return wcscmp(cls, L"#32770") == 0;
}

BOOL CALLBACK CollectChild(HWND hChild, LPARAM lParam)
{
    SeenBox* pBox = reinterpret_cast<SeenBox*>(lParam);
    wchar_t cls[16] = {};
    ::GetClassNameW(hChild, cls, 16);
    LONG style = ::GetWindowLongW(hChild, GWL_STYLE);
    // Wine keeps an icon control in every message box; only one that holds an icon shows one
    if (_wcsicmp(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON && ::IsWindowVisible(hChild) &&
        ::SendMessageW(hChild, STM_GETICON, 0, 0) != 0)
        pBox->bHasIcon = true;
    if (_wcsicmp(cls, L"Button") == 0 && ::IsWindowVisible(hChild))
        pBox->aButtons.push_back(::GetDlgCtrlID(hChild));
    return TRUE;
}

} // namespace

struct BoxAnswererAccess
{
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
    {
        ::KillTimer(nullptr, idEvent);
        BoxAnswerer* p = g_pAnswerer;
        std::vector<HWND> pending;
        pending.swap(g_aPending);
        for (HWND hBox : pending)
        {
            if (p == nullptr || !::IsWindow(hBox))
                continue;
            SeenBox box;
            wchar_t buf[2048] = {};
            ::GetWindowTextW(hBox, buf, 2048);
            box.strCaption = AfxFromWide(buf);
            buf[0] = 0;
            ::GetDlgItemTextW(hBox, 0xFFFF, buf, 2048);
            box.strText = AfxFromWide(buf);
            box.hOwner = ::GetWindow(hBox, GW_OWNER);
            box.bHasIcon = false;
            ::EnumChildWindows(hBox, CollectChild, reinterpret_cast<LPARAM>(&box));
            p->m_aSeen.push_back(box);
            if (p->m_onShow)
            {
                ::UpdateWindow(hBox);
                p->m_onShow(hBox);
            }
            int nButton = p->m_nDefault;
            if (!p->m_aQueue.empty())
            {
                nButton = p->m_aQueue.front();
                p->m_aQueue.erase(p->m_aQueue.begin());
            }
            ::PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(hBox, nButton)));
        }
    }

    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_ACTIVATE && g_pAnswerer != nullptr)
        {
            HWND hWnd = reinterpret_cast<HWND>(wParam);
            if (IsDialogWindow(hWnd) &&
                std::find(g_aPending.begin(), g_aPending.end(), hWnd) == g_aPending.end())
            {
                g_aPending.push_back(hWnd);
                // answered from the modal loop once the box is up and painted
                ::SetTimer(nullptr, 0, 30, &BoxAnswererAccess::OnTimer);
            }
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
};

BoxAnswerer::BoxAnswerer(int nDefaultButton) : m_nDefault(nDefaultButton), m_hHook(nullptr)
{
    g_pAnswerer = this;
    m_hHook = ::SetWindowsHookExW(WH_CBT, &BoxAnswererAccess::CbtProc, nullptr,
                                  ::GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer()
{
    if (m_hHook != nullptr)
        ::UnhookWindowsHookEx(m_hHook);
    g_pAnswerer = nullptr;
    g_aPending.clear();
}

// ---------------------------------------------------------------------------------------------
Capture::Capture(HWND hWnd, Source source)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    m_nWidth = rc.right;
    m_nHeight = rc.bottom;
    if (m_nWidth <= 0 || m_nHeight <= 0)
        return;
    ::GdiFlush();
    if (source == fromScreen)
    {
        POINT pt = {0, 0};
        ::ClientToScreen(hWnd, &pt);
        HDC hdc = ::GetDC(nullptr);
        Grab(hdc, pt.x, pt.y);
        ::ReleaseDC(nullptr, hdc);
    }
    else
    {
        HDC hdc = ::GetDC(hWnd);
        Grab(hdc, 0, 0);
        ::ReleaseDC(hWnd, hdc);
    }
}

Capture::Capture(HBITMAP hBitmap)
{
    BITMAP bm = {};
    if (hBitmap == nullptr || ::GetObjectW(hBitmap, sizeof(bm), &bm) == 0)
        return;
    m_nWidth = bm.bmWidth;
    m_nHeight = bm.bmHeight;
    HDC hdcBitmap = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdcBitmap, hBitmap);
    Grab(hdcBitmap, 0, 0);
    ::SelectObject(hdcBitmap, hOld);
    ::DeleteDC(hdcBitmap);
}

// Copies m_nWidth x m_nHeight pixels from (x, y) of a device context into memory.
void Capture::Grab(HDC hdcSource, int x, int y)
{
    HDC hMem = ::CreateCompatibleDC(hdcSource);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = m_nWidth;
    bi.bmiHeader.biHeight = -m_nHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBmp = ::CreateDIBSection(hdcSource, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, m_nWidth, m_nHeight, hdcSource, x, y, SRCCOPY);
    ::GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(pBits);
    m_aPixels.assign(p, p + static_cast<size_t>(m_nWidth) * m_nHeight);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
}

COLORREF Capture::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return CLR_INVALID;
    DWORD v = m_aPixels[static_cast<size_t>(y) * m_nWidth + x];
    // DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int Capture::Count(const RECT& rc, COLORREF color) const
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (At(x, y) == color)
                ++n;
    return n;
}

bool Capture::Contains(const RECT& rc, COLORREF color) const
{
    return Count(rc, color) > 0;
}

bool Capture::SavePng(const char* pszPath) const
{
    // A 24-bit BMP is enough for looking at a failure; convert it to PNG outside if wanted.
    FILE* f = std::fopen(pszPath, "wb");
    if (f == nullptr)
        return false;
    int rowBytes = (m_nWidth * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    ih.biSize = sizeof(ih);
    ih.biWidth = m_nWidth;
    ih.biHeight = m_nHeight;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(ih);
    fh.bfSize = fh.bfOffBits + rowBytes * m_nHeight;
    std::fwrite(&fh, sizeof(fh), 1, f);
    std::fwrite(&ih, sizeof(ih), 1, f);
    std::vector<unsigned char> row(rowBytes);
    for (int y = m_nHeight - 1; y >= 0; --y)
    {
        for (int x = 0; x < m_nWidth; ++x)
        {
            COLORREF c = At(x, y);
            row[x * 3] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
        std::fwrite(row.data(), 1, row.size(), f);
    }
    std::fclose(f);
    return true;
}

// ---------------------------------------------------------------------------------------------
ReferenceCanvas::ReferenceCanvas(HWND hWnd, int nWidth, int nHeight, COLORREF background)
{
    HDC hdcWindow = ::GetDC(hWnd);
    m_hdc = ::CreateCompatibleDC(hdcWindow);
    m_hBitmap = ::CreateCompatibleBitmap(hdcWindow, nWidth, nHeight);
    m_hOldBitmap = ::SelectObject(m_hdc, m_hBitmap);
    ::SelectObject(m_hdc, ::GetCurrentObject(hdcWindow, OBJ_FONT));
    ::ReleaseDC(hWnd, hdcWindow);
    const RECT rcAll = {0, 0, nWidth, nHeight};
    HBRUSH hBrush = ::CreateSolidBrush(background);
    ::FillRect(m_hdc, &rcAll, hBrush);
    ::DeleteObject(hBrush);
}

ReferenceCanvas::~ReferenceCanvas()
{
    ::SelectObject(m_hdc, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hdc);
}

Capture ReferenceCanvas::Pixels()
{
    // A bitmap can be selected into one device context at a time.
    ::GdiFlush();
    ::SelectObject(m_hdc, m_hOldBitmap);
    Capture pixels(m_hBitmap);
    ::SelectObject(m_hdc, m_hBitmap);
    return pixels;
}

// ---------------------------------------------------------------------------------------------
CharCell StockCharCell(HWND hWnd)
{
    HDC hdc = ::GetDC(hWnd);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hdc, &tm);
    ::ReleaseDC(hWnd, hdc);
    return CharCell{tm.tmMaxCharWidth, tm.tmHeight + tm.tmInternalLeading};
}

// ---------------------------------------------------------------------------------------------
ScopedTempDir::ScopedTempDir()
{
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    static int s_nCounter = 0;
    wchar_t dir[MAX_PATH] = {};
    swprintf(dir, MAX_PATH, L"%lsksgui%lu_%d", base, ::GetCurrentProcessId(), ++s_nCounter);
    ::CreateDirectoryW(dir, nullptr);
    m_strPath = AfxFromWide(dir);
    wchar_t cur[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, cur);
    m_strPrevious = AfxFromWide(cur);
    ::SetCurrentDirectoryW(dir);
}

static void RemoveTree(const std::wstring& dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring full = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                ::DeleteFileW(full.c_str());
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(dir.c_str());
}

ScopedTempDir::~ScopedTempDir()
{
    ::SetCurrentDirectoryW(AfxToWide(m_strPrevious).c_str());
    RemoveTree(AfxToWide(m_strPath));
}

CString ScopedTempDir::BaseFolder() const
{
    return DoubledSeparators(m_strPath);
}

void ScopedTempDir::WriteFile(const char* pszRelative, const std::string& bytes) const
{
    std::wstring full = AfxToWide(m_strPath) + L"\\" + AfxToWide(pszRelative);
    for (size_t i = AfxToWide(m_strPath).size() + 1; i < full.size(); ++i)
        if (full[i] == L'\\')
            ::CreateDirectoryW(full.substr(0, i).c_str(), nullptr);
    HANDLE h = ::CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(h);
}

std::string MakeWave(int nMilliseconds)
{
    const int rate = 8000;
    int samples = rate * nMilliseconds / 1000;
    std::string w;
    auto put32 = [&w](unsigned v) { for (int i = 0; i < 4; ++i) w.push_back(static_cast<char>((v >> (8 * i)) & 0xFF)); };
    auto put16 = [&w](unsigned v) { w.push_back(static_cast<char>(v & 0xFF)); w.push_back(static_cast<char>((v >> 8) & 0xFF)); };
    w += "RIFF";
    put32(36 + samples);
    w += "WAVEfmt ";
    put32(16);
    put16(1);        // PCM
    put16(1);        // mono
    put32(rate);
    put32(rate);     // bytes per second, 8-bit mono
    put16(1);
    put16(8);
    w += "data";
    put32(samples);
    for (int i = 0; i < samples; ++i)
        w.push_back(static_cast<char>(128 + ((i / 10) % 2 ? 20 : -20)));
    return w;
}

} // namespace gui
