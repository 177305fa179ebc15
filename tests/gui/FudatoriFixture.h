// The card-taking view as the GUI tests drive it: a fresh view under a fake clock, real clicks
// on its buttons and its board, and its timers fired from the view's own timer record.
#pragma once
#include "GuiHarness.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "FudatoriView.h"
#include "resource.h"

namespace gui {

// A board cell.
const int kCellW = 60;
const int kCellH = 85;

using TimerList = std::vector<std::pair<UINT_PTR, UINT>>;

class FudatoriFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        // The clock first: the view takes its construction time from it.
        m_pClock = std::make_unique<FakeClock>();
        SendCommand(ID_SWITCH_FUDATORI);
        m_pView = ActiveViewAs<CFudatoriView>();
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
        PumpMessages();
    }

    void Click(int nID)
    {
        HWND hCtrl = ::GetDlgItem(m_hView, nID);
        ASSERT_NE(nullptr, hCtrl) << "no control " << nID;
        ::SendMessageW(hCtrl, BM_CLICK, 0, 0);
        Pump();
    }

    bool Pressed(int nID) { return IsPressed(m_pView, nID) != FALSE; }

    void SetPressed(int nID, bool bPressed)
    {
        if (Pressed(nID) != bPressed)
            Click(nID);
        ASSERT_EQ(bPressed, Pressed(nID)) << "toggle " << nID;
    }

    // Presses exactly the read toggles of the given groups (1..6).
    void SetReadGroupsOff(std::initializer_list<int> groupsOff)
    {
        for (int k = 1; k <= 6; ++k)
        {
            const bool bOff = std::find(groupsOff.begin(), groupsOff.end(), k) != groupsOff.end();
            SetPressed(IDC_READ1 + k - 1, bOff);
        }
    }

    void ClickAt(int x, int y)
    {
        ::SendMessageW(m_hView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(m_hView, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Pump();
    }

    CPoint CellCorner(int nPos) const
    {
        return CPoint(m_pView->m_ptBoard.x + ((nPos - 1) % 15) * kCellW,
                      m_pView->m_ptBoard.y + ((nPos - 1) / 15) * kCellH);
    }

    void ClickPosition(int nPos)
    {
        const CPoint pt = CellCorner(nPos);
        ClickAt(pt.x + 30, pt.y + 40);
    }

    int PositionOf(int nPoem) const
    {
        for (int p = 1; p <= 100; ++p)
            if (m_pView->m_aBoard.GetAt(p) == nPoem)
                return p;
        return 0;
    }

    // A position whose card is not the poem being read.
    int WrongPosition() const
    {
        for (int p = 1; p <= 100; ++p)
            if (m_pView->m_aBoard.GetAt(p) != m_pView->m_nCurPoem)
                return p;
        return 0;
    }

    void FireTimer(UINT_PTR nID)
    {
        ::SendMessageW(m_hView, WM_TIMER, nID, 0);
        Pump();
    }

    TimerList Timers() const { return m_pView->GetRunningTimers(); }

    std::unique_ptr<FakeClock> m_pClock;
    CFudatoriView* m_pView = nullptr;
    HWND m_hView = nullptr;
};

} // namespace gui
