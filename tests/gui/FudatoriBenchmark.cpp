// Timing of the card-taking view's drawing; not a test. Run by tests/bench/fudatori_bench.sh
// (gtest's disabled tests run only when asked for).
#include "GuiHarness.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "FudatoriView.h"

namespace {

double NowMs()
{
    static LARGE_INTEGER s_freq = {};
    if (s_freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&s_freq);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(s_freq.QuadPart);
}

double Median(std::vector<double> a)
{
    std::sort(a.begin(), a.end());
    return a.empty() ? 0.0 : a[a.size() / 2];
}

void DropViewTimers(HWND hView)
{
    MSG msg;
    while (::PeekMessageW(&msg, hView, WM_TIMER, WM_TIMER, PM_REMOVE))
    {
    }
    gui::PumpMessages();
}

} // namespace

TEST(FudatoriBench, DISABLED_FullDrawAndTake)
{
    gui::FakeClock clock;
    gui::SendCommand(ID_SWITCH_FUDATORI);
    CFudatoriView* pView = gui::ActiveViewAs<CFudatoriView>();
    ASSERT_NE(nullptr, pView);
    const HWND hView = pView->GetSafeHwnd();
    ::UpdateWindow(hView);
    gui::PumpMessages();

    ::SendMessageW(::GetDlgItem(hView, IDC_DEAL), BM_CLICK, 0, 0);
    ::SendMessageW(::GetDlgItem(hView, IDC_NEXT), BM_CLICK, 0, 0);
    ::SendMessageW(::GetDlgItem(hView, IDC_LOWER), BM_CLICK, 0, 0);
    DropViewTimers(hView);

    // The whole drawing of a game: controls, frames, 100 cells, both verses.
    std::vector<double> aDraw;
    for (int i = 0; i < 60; ++i)
    {
        CClientDC dc(pView);
        const double t0 = NowMs();
        pView->OnDraw(&dc);
        ::GdiFlush();
        aDraw.push_back(NowMs() - t0);
    }

    // Of that: the 22 data exchanges that the drawing makes (one per control placed, one last).
    std::vector<double> aExchange;
    for (int i = 0; i < 20; ++i)
    {
        const double t0 = NowMs();
        for (int n = 0; n < 22; ++n)
            pView->UpdateData(FALSE);
        aExchange.push_back(NowMs() - t0);
    }

    // One take: from the click to the mark on the screen (the moment the pause begins), and
    // the whole handler without the pause.
    std::vector<double> aMark;
    std::vector<double> aHandler;
    double tClick = 0.0;
    clock.m_onSleep = [&]() { aMark.push_back(NowMs() - tClick); };
    gui::BoxAnswerer answerer(IDOK); // in case anything asks
    for (int i = 0; i < 40 && pView->m_bRoundActive; ++i)
    {
        if (i > 0)
            ::SendMessageW(::GetDlgItem(hView, IDC_NEXT), BM_CLICK, 0, 0);
        DropViewTimers(hView);
        int nPos = 0;
        for (int p = 1; p <= 100; ++p)
            if (pView->m_aBoard.GetAt(p) == pView->m_nCurPoem)
                nPos = p;
        ASSERT_NE(0, nPos);
        const int x = pView->m_ptBoard.x + ((nPos - 1) % 15) * 60 + 30;
        const int y = pView->m_ptBoard.y + ((nPos - 1) / 15) * 85 + 40;
        tClick = NowMs();
        ::SendMessageW(hView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        aHandler.push_back(NowMs() - tClick);
        ::SendMessageW(hView, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        DropViewTimers(hView);
    }

    std::printf("BENCH full OnDraw during a game: median %.2f ms (min %.2f, n=%zu)\n",
                Median(aDraw), *std::min_element(aDraw.begin(), aDraw.end()), aDraw.size());
    std::printf("BENCH   of which 22 x UpdateData(FALSE): median %.2f ms\n", Median(aExchange));
    std::printf("BENCH take, click to mark on screen: median %.2f ms (n=%zu)\n", Median(aMark),
                aMark.size());
    std::printf("BENCH take, whole click handler without the pause: median %.2f ms (n=%zu)\n",
                Median(aHandler), aHandler.size());
}

namespace {

// Writes a marker file that tests/bench/fudatori_screens.sh answers with a screenshot of the
// whole display, and waits until the script has taken it (it deletes the marker).
void AwaitScreenshot(const std::wstring& dir, const wchar_t* pszName, DWORD dwWaitMs)
{
    const std::wstring path = dir + L"\\" + pszName;
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE)
        ::CloseHandle(h);
    gui::PumpUntil([&] { return ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES; },
                   dwWaitMs);
}

// The real clock, except that every pause first asks for a screenshot taken during it.
class ScreenshotClock : public CAfxClock
{
public:
    explicit ScreenshotClock(std::wstring dir) : m_dir(std::move(dir)) { m_pPrev = AfxSetClock(this); }
    ~ScreenshotClock() override { AfxSetClock(m_pPrev); }
    void Sleep(DWORD dwMilliseconds) override
    {
        const std::wstring name = L"pause" + std::to_wstring(++m_nPause);
        HANDLE h = ::CreateFileW((m_dir + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
        // Hold the thread as the pause does, without handling a message, until the shot is
        // taken, so the picture shows what the pause itself leaves on the screen.
        const DWORD dwStart = ::GetTickCount();
        while (::GetFileAttributesW((m_dir + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES &&
               ::GetTickCount() - dwStart < 5000)
            ::Sleep(20);
        const DWORD dwSpent = ::GetTickCount() - dwStart;
        CAfxClock::Sleep(dwSpent < dwMilliseconds ? dwMilliseconds - dwSpent : 0);
    }

private:
    std::wstring m_dir;
    int m_nPause = 0;
    CAfxClock* m_pPrev = nullptr;
};

} // namespace

TEST(FudatoriBench, DISABLED_ScreenshotsOfABoardInPlay)
{
    wchar_t szDir[MAX_PATH] = {};
    ::GetEnvironmentVariableW(L"KASUMIORI_SHOT_DIR", szDir, MAX_PATH);
    ASSERT_NE(L'\0', szDir[0]) << "run from tests/bench/fudatori_screens.sh";
    const std::wstring dir = szDir;

    gui::SendCommand(ID_SWITCH_FUDATORI);
    CFudatoriView* pView = gui::ActiveViewAs<CFudatoriView>();
    ASSERT_NE(nullptr, pView);
    const HWND hView = pView->GetSafeHwnd();
    gui::PumpUntil([] { return false; }, 500);
    AwaitScreenshot(dir, L"start", 5000);

    ::SendMessageW(::GetDlgItem(hView, IDC_DEAL), BM_CLICK, 0, 0);
    ::SendMessageW(::GetDlgItem(hView, IDC_NEXT), BM_CLICK, 0, 0);
    gui::PumpUntil([] { return false; }, 300);
    AwaitScreenshot(dir, L"dealt", 5000);

    ScreenshotClock clock(dir);
    auto clickPoem = [&](int nPoem) {
        for (int p = 1; p <= 100; ++p)
            if (pView->m_aBoard.GetAt(p) == nPoem)
            {
                const int x = pView->m_ptBoard.x + ((p - 1) % 15) * 60 + 30;
                const int y = pView->m_ptBoard.y + ((p - 1) / 15) * 85 + 40;
                ::SendMessageW(hView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
                ::SendMessageW(hView, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
                return;
            }
    };
    clickPoem(pView->m_nCurPoem);                        // pause1: the correct mark
    clickPoem(pView->m_nCurPoem == 1 ? 2 : 1);           // pause2: the wrong mark
    gui::PumpUntil([] { return false; }, 300);
    AwaitScreenshot(dir, L"after", 5000);

    gui::BoxAnswerer answerer(IDOK);
    answerer.m_onShow = [&](HWND) { AwaitScreenshot(dir, L"results", 5000); };
    ::SendMessageW(::GetDlgItem(hView, IDC_FINISH), BM_CLICK, 0, 0);
    gui::PumpMessages();
}
