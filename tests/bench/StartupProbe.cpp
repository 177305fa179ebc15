// StartupProbe PROGRAM.exe [ARGS...]: starts a program, waits for its first painted main window
// and prints the time from process creation to that moment, then closes the window (WM_CLOSE)
// and waits for the program to end. Both programs of the start-up benchmark are measured by it,
// the same way, so only their own start-up differs.
//
// "Painted" means what a user would see: the main window (visible, top level, with a caption,
// not a dialog) and every visible window inside it have no pending paint, and the screen itself
// shows drawn content in its client area (not a single flat colour, which is what an unpainted
// window shows).
//
// StartupProbe --hold: only keeps the desktop open until it is ended. Wine closes its desktop
// process shortly after the last program on it ends and starts it again with the next one; a
// holder running through the whole benchmark keeps that start-up out of every measurement, as
// on Windows, where the desktop is always there.
//
// Output, one line: "startup_ms=<milliseconds> pid=<id> window=<class>"; exit status 0.
// Exit status 2 when no painted window appears within the time limit (KASUMIORI_PROBE_TIMEOUT_MS,
// default 30000), 3 when the program cannot be started or ends first, 4 when it will not close.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Handle
{
    HANDLE h = nullptr;
    Handle() = default;
    explicit Handle(HANDLE handle) : h(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle()
    {
        if (h)
            ::CloseHandle(h);
    }
};

struct ScreenDC
{
    HDC hdc = ::GetDC(nullptr);
    ScreenDC() = default;
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() { ::ReleaseDC(nullptr, hdc); }
};

struct MemoryDC
{
    HDC hdc;
    explicit MemoryDC(HDC compatible) : hdc(::CreateCompatibleDC(compatible)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() { ::DeleteDC(hdc); }
};

struct Bitmap
{
    HBITMAP h;
    explicit Bitmap(HBITMAP bitmap) : h(bitmap) {}
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    ~Bitmap()
    {
        if (h)
            ::DeleteObject(h);
    }
};

double Millis(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER freq)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(freq.QuadPart);
}

bool IsMainWindowOf(HWND hWnd, DWORD pid)
{
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    if (owner != pid || !::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER))
        return false;
    if ((::GetWindowLongW(hWnd, GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
        return false;
    wchar_t cls[64] = {};
    ::GetClassNameW(hWnd, cls, 64);
    return wcscmp(cls, L"#32770") != 0;
}

struct FindMain
{
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindMainProc(HWND hWnd, LPARAM lParam)
{
    FindMain* d = reinterpret_cast<FindMain*>(lParam);
    if (!IsMainWindowOf(hWnd, d->pid))
        return TRUE;
    d->found = hWnd;
    return FALSE;
}

BOOL CALLBACK AnyPendingChild(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd) && ::GetUpdateRect(hWnd, nullptr, FALSE))
    {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

bool PaintPending(HWND hWnd)
{
    if (::GetUpdateRect(hWnd, nullptr, FALSE))
        return true;
    bool pending = false;
    ::EnumChildWindows(hWnd, AnyPendingChild, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

// Reads the window's client area back from the screen and tells whether anything is drawn in it.
bool ScreenShowsContent(HWND hWnd)
{
    RECT rc;
    if (!::GetClientRect(hWnd, &rc) || rc.right <= 0 || rc.bottom <= 0)
        return false;
    POINT origin = {0, 0};
    ::ClientToScreen(hWnd, &origin);
    const int cx = rc.right, cy = rc.bottom;

    ScreenDC screen;
    MemoryDC mem(screen.hdc);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap dib(::CreateDIBSection(screen.hdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib.h || !bits)
        return false;
    HGDIOBJ old = ::SelectObject(mem.hdc, dib.h);
    BOOL copied = ::BitBlt(mem.hdc, 0, 0, cx, cy, screen.hdc, origin.x, origin.y, SRCCOPY);
    ::GdiFlush();
    ::SelectObject(mem.hdc, old);
    if (!copied)
        return false;

    const DWORD* px = static_cast<const DWORD*>(bits);
    const DWORD first = px[0] & 0xFFFFFF;
    const size_t n = static_cast<size_t>(cx) * static_cast<size_t>(cy);
    for (size_t i = 1; i < n; ++i)
        if ((px[i] & 0xFFFFFF) != first)
            return true;
    return false;
}

std::wstring QuoteArg(const std::wstring& arg)
{
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring q = L"\"";
    for (wchar_t c : arg)
    {
        if (c == L'"')
            q += L'\\';
        q += c;
    }
    return q + L"\"";
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: StartupProbe PROGRAM.exe [ARGS...]\n");
        return 1;
    }
    if (wcscmp(argv[1], L"--hold") == 0)
    {
        ::GetDesktopWindow(); // attaches this process to the desktop
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        {
        }
        return 0;
    }
    DWORD limitMs = 30000;
    if (const char* env = std::getenv("KASUMIORI_PROBE_TIMEOUT_MS"))
        limitMs = static_cast<DWORD>(std::strtoul(env, nullptr, 10));

    std::wstring cmd;
    for (int i = 1; i < argc; ++i)
        cmd += (i > 1 ? L" " : L"") + QuoteArg(argv[i]);
    std::vector<wchar_t> cmdBuf(cmd.begin(), cmd.end());
    cmdBuf.push_back(0);

    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi = {};
    LARGE_INTEGER freq, start, now;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(nullptr, cmdBuf.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &si, &pi))
    {
        std::fprintf(stderr, "StartupProbe: cannot start the program (error %lu)\n",
                     ::GetLastError());
        return 3;
    }
    Handle process(pi.hProcess), thread(pi.hThread);

    HWND main = nullptr;
    for (;;)
    {
        FindMain d = {pi.dwProcessId, nullptr};
        ::EnumWindows(FindMainProc, reinterpret_cast<LPARAM>(&d));
        if (d.found && !PaintPending(d.found) && ScreenShowsContent(d.found))
        {
            ::QueryPerformanceCounter(&now);
            main = d.found;
            break;
        }
        if (::WaitForSingleObject(process.h, 2) == WAIT_OBJECT_0)
        {
            std::fprintf(stderr, "StartupProbe: the program ended before showing a window\n");
            return 3;
        }
        ::QueryPerformanceCounter(&now);
        if (Millis(start, now, freq) > limitMs)
        {
            std::fprintf(stderr, "StartupProbe: no painted main window within %lu ms\n", limitMs);
            ::TerminateProcess(process.h, 1);
            return 2;
        }
    }
    const double ms = Millis(start, now, freq);
    wchar_t cls[64] = {};
    ::GetClassNameW(main, cls, 64);
    std::printf("startup_ms=%.1f pid=%lu window=%ls\n", ms, pi.dwProcessId, cls);
    std::fflush(stdout);

    ::PostMessageW(main, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.h, 10000) != WAIT_OBJECT_0)
    {
        std::fprintf(stderr, "StartupProbe: the program did not close on WM_CLOSE\n");
        ::TerminateProcess(process.h, 1);
        return 4;
    }
    return 0;
}
