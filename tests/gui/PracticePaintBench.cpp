// Paint timing of the practice view: not part of the test run (disabled); tests/bench/practice_paint
// runs it and prints the medians.
#include "GuiHarness.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "KasumioriView.h"
#include "resource.h"

namespace
{
double MedianMs(std::vector<double> a)
{
    std::sort(a.begin(), a.end());
    return a.empty() ? 0.0 : a[a.size() / 2];
}

TEST(PracticePaintBench, DISABLED_FullDrawWithTheAnswerShown)
{
    gui::SendCommand(ID_SWITCH_PRACTICE);
    CKasumioriView* pView = gui::ActiveViewAs<CKasumioriView>();
    ASSERT_NE(pView, nullptr);
    // Quiet, then poem 77 with its answer: every box, every frame and the card are drawn.
    gui::ClickControl(pView, IDC_VOICE);
    ::SetFocus(::GetDlgItem(pView->GetSafeHwnd(), IDC_NUMBER));
    ::SetDlgItemTextW(pView->GetSafeHwnd(), IDC_NUMBER, L"77");
    ::SetFocus(::GetDlgItem(pView->GetSafeHwnd(), IDC_ANSWER));
    gui::ClickControl(pView, IDC_ANSWER);
    ASSERT_TRUE(pView->m_bAnswerShown);
    ASSERT_EQ(77, pView->m_nCurPoem);

    LARGE_INTEGER freq;
    ::QueryPerformanceFrequency(&freq);
    auto now = []() {
        LARGE_INTEGER t;
        ::QueryPerformanceCounter(&t);
        return t.QuadPart;
    };
    const int kRuns = 201;
    std::vector<double> aDraw, aPaint;
    for (int i = 0; i < kRuns; ++i)
    {
        {
            CClientDC dc(pView);
            const long long t0 = now();
            pView->OnDraw(&dc);
            ::GdiFlush();
            aDraw.push_back(1000.0 * static_cast<double>(now() - t0) / freq.QuadPart);
        }
        gui::PumpMessages();
        // The whole WM_PAINT as the window gets it: erase, OnDraw, end of paint.
        const long long t0 = now();
        ::InvalidateRect(pView->GetSafeHwnd(), nullptr, TRUE);
        ::UpdateWindow(pView->GetSafeHwnd());
        ::GdiFlush();
        aPaint.push_back(1000.0 * static_cast<double>(now() - t0) / freq.QuadPart);
        gui::PumpMessages();
    }
    std::printf("practice_paint: OnDraw with the answer shown, median %.3f ms (min %.3f, %d runs)\n",
                MedianMs(aDraw), *std::min_element(aDraw.begin(), aDraw.end()), kRuns);
    std::printf("practice_paint: whole WM_PAINT with the answer shown, median %.3f ms\n",
                MedianMs(aPaint));
    gui::ClickControl(pView, IDC_VOICE);
}
} // namespace
