// A fresh card-taking view for every test: the activity is switched to anew on a fake clock,
// and the view's real timer ticks are dropped so that tests fire the timers themselves.
#pragma once
#include "GuiHarness.h"

#include <memory>

#include "FudatoriView.h"
#include "resource.h"

class FudatoriFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        // The clock first: the view takes its construction time from it.
        m_pClock = std::make_unique<gui::FakeClock>();
        gui::SendCommand(ID_SWITCH_FUDATORI);
        m_pView = gui::ActiveViewAs<CFudatoriView>();
        ASSERT_NE(nullptr, m_pView);
        m_hView = m_pView->GetSafeHwnd();
        ::UpdateWindow(m_hView);
        Pump();
    }

    void TearDown() override
    {
        // Whatever a test left running must not fire into the next one.
        if (m_pView != nullptr && ::IsWindow(m_hView))
            for (UINT_PTR id = 1; id <= 5; ++id)
                m_pView->KillTimer(id);
        Pump();
        m_pClock.reset();
    }

    // Handles what is waiting, except the view's real timer ticks: the tests fire the timers
    // themselves, from the timer record, so that nothing depends on real seconds.
    void Pump()
    {
        MSG msg;
        while (::IsWindow(m_hView) && ::PeekMessageW(&msg, m_hView, WM_TIMER, WM_TIMER, PM_REMOVE))
        {
        }
        gui::PumpMessages();
    }

    void Click(int nID)
    {
        HWND hCtrl = ::GetDlgItem(m_hView, nID);
        ASSERT_NE(nullptr, hCtrl) << "no control " << nID;
        ::SendMessageW(hCtrl, BM_CLICK, 0, 0);
        Pump();
    }

    bool Pressed(int nID) { return gui::IsPressed(m_pView, nID) != FALSE; }

    void SetPressed(int nID, bool bPressed)
    {
        if (Pressed(nID) != bPressed)
            Click(nID);
        ASSERT_EQ(bPressed, Pressed(nID)) << "toggle " << nID;
    }

    std::unique_ptr<gui::FakeClock> m_pClock;
    CFudatoriView* m_pView = nullptr;
    HWND m_hView = nullptr;
};
