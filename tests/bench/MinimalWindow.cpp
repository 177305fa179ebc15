// The yardstick for the start-up benchmark: the least a Win32 program does to put a painted
// 500 x 510 main window on the screen (register a class, create, show, paint, message loop).
#include <windows.h>

namespace {

const wchar_t kClassName[] = L"KasumioriBenchMinimal";

LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_PAINT:
    {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hWnd, &ps);
        RECT rc;
        ::GetClientRect(hWnd, &rc);
        ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
        ::SetBkMode(hdc, TRANSPARENT);
        ::TextOutW(hdc, 8, 8, L"Minimal window", 14);
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nCmdShow)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassExW(&wc))
        return 1;

    const int cx = 500, cy = 510;
    int x = (::GetSystemMetrics(SM_CXSCREEN) - cx) / 2;
    int y = (::GetSystemMetrics(SM_CYSCREEN) - cy) / 2;
    HWND hWnd = ::CreateWindowExW(0, kClassName, L"Minimal", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  x, y, cx, cy, nullptr, nullptr, hInstance, nullptr);
    if (!hWnd)
        return 1;
    ::ShowWindow(hWnd, nCmdShow);
    ::UpdateWindow(hWnd);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
