// Dates, time spans and the replaceable clock.
#include "AfxCore.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
struct Parts
{
    int nYear, nMonth, nDay, nHour, nMinute, nSecond;
};

Parts PartsOf(const COleDateTime& t)
{
    return {t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond()};
}

bool operator==(const Parts& a, const Parts& b)
{
    return a.nYear == b.nYear && a.nMonth == b.nMonth && a.nDay == b.nDay && a.nHour == b.nHour &&
           a.nMinute == b.nMinute && a.nSecond == b.nSecond;
}

std::ostream& operator<<(std::ostream& os, const Parts& p)
{
    return os << p.nYear << '-' << p.nMonth << '-' << p.nDay << ' ' << p.nHour << ':' << p.nMinute
              << ':' << p.nSecond;
}

class CFakeClock : public CAfxClock
{
public:
    void Sleep(DWORD dwMilliseconds) override { m_aSleeps.push_back(dwMilliseconds); }
    void GetLocalTime(SYSTEMTIME* pst) override { *pst = m_st; }

    SYSTEMTIME m_st = {};
    std::vector<DWORD> m_aSleeps;
};
}

TEST(FrameworkCoreDateTime, SplitsDatesOnBothSidesOfTheEpoch)
{
    const COleDateTime leap(2024, 2, 29, 13, 45, 30);
    EXPECT_EQ(COleDateTime::valid, leap.GetStatus());
    EXPECT_EQ((Parts{2024, 2, 29, 13, 45, 30}), PartsOf(leap));
    EXPECT_DOUBLE_EQ(36526.0, COleDateTime(2000, 1, 1, 0, 0, 0).m_dt);

    // Before 1899-12-30 the fraction still counts forward from the start of the day.
    const COleDateTime before(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(-1.25, before.m_dt);
    EXPECT_EQ((Parts{1899, 12, 29, 6, 0, 0}), PartsOf(COleDateTime(-1.25)));
    EXPECT_EQ((Parts{100, 1, 1, 0, 0, 0}), PartsOf(COleDateTime(100, 1, 1, 0, 0, 0)));
    EXPECT_EQ((Parts{9999, 12, 31, 23, 59, 59}), PartsOf(COleDateTime(9999, 12, 31, 23, 59, 59)));

    // Parts round to the nearest second, into the next day when it is that close.
    EXPECT_EQ((Parts{1899, 12, 31, 0, 0, 0}), PartsOf(COleDateTime(1.0 - 0.1 / 86400)));
    EXPECT_EQ((Parts{1899, 12, 30, 0, 0, 0}), PartsOf(COleDateTime(-1.0 - (1.0 - 0.1 / 86400))));

    SYSTEMTIME st = {};
    st.wYear = 2023; st.wMonth = 11; st.wDay = 5; st.wHour = 7; st.wMinute = 8; st.wSecond = 9;
    st.wMilliseconds = 999;
    EXPECT_EQ((Parts{2023, 11, 5, 7, 8, 9}), PartsOf(COleDateTime(st)));   // to the second
}

TEST(FrameworkCoreDateTime, InvalidOrUnsplittableDatesGiveMinusOne)
{
    const Parts none = {-1, -1, -1, -1, -1, -1};
    const COleDateTime aBad[] = {
        COleDateTime(2023, 2, 29, 0, 0, 0), COleDateTime(99, 12, 31, 0, 0, 0),
        COleDateTime(2024, 1, 1, 24, 0, 0), COleDateTime(2024, 13, 1, 0, 0, 0),
        COleDateTime(1e7), COleDateTime(-657435.5)};
    for (const COleDateTime& t : aBad)
        EXPECT_EQ(none, PartsOf(t)) << t.m_dt;
    EXPECT_EQ(COleDateTime::invalid, aBad[0].GetStatus());

    COleDateTime valid(2024, 1, 1, 0, 0, 0);
    valid.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(none, PartsOf(valid));
}

TEST(FrameworkCoreDateTime, ArithmeticCrossesTheEpochLinearly)
{
    const COleDateTime start(1899, 12, 29, 18, 0, 0);
    const COleDateTime end(1899, 12, 30, 6, 0, 0);
    EXPECT_NEAR(0.5, (end - start).m_span, 1e-12);
    EXPECT_TRUE(start < end);
    EXPECT_EQ((Parts{1899, 12, 30, 6, 0, 0}), PartsOf(start + COleDateTimeSpan(0, 12, 0, 0)));
    EXPECT_EQ((Parts{1899, 12, 28, 18, 0, 0}), PartsOf(end - COleDateTimeSpan(1, 12, 0, 0)));
    EXPECT_EQ(COleDateTimeSpan::invalid,
              (COleDateTime(2023, 2, 29, 0, 0, 0) - start).GetStatus());
}

TEST(FrameworkCoreDateTimeSpan, PartsOfPlayingTimes)
{
    struct Case
    {
        int nSeconds;
        LONG nHours, nMinutes, nSeconds2, nDays;
    };
    const Case aCases[] = {
        {59, 0, 0, 59, 0},
        {3600, 1, 0, 0, 0},
        {25 * 3600 + 3 * 60 + 4, 1, 3, 4, 1},
        {-90, 0, -1, -30, 0},
        {0, 0, 0, 0, 0},
    };
    // Whole-second times subtracted as the game does, so the span carries rounding error.
    const COleDateTime start(2024, 3, 1, 23, 59, 30);
    for (const Case& c : aCases)
    {
        const COleDateTime end = COleDateTime(start.m_dt + c.nSeconds / 86400.0);
        const COleDateTimeSpan aSpans[] = {end - start, COleDateTimeSpan(c.nSeconds / 86400.0)};
        for (const COleDateTimeSpan& span : aSpans)
        {
            EXPECT_EQ(c.nHours, span.GetHours()) << c.nSeconds;
            EXPECT_EQ(c.nMinutes, span.GetMinutes()) << c.nSeconds;
            EXPECT_EQ(c.nSeconds2, span.GetSeconds()) << c.nSeconds;
            EXPECT_EQ(c.nDays, span.GetDays()) << c.nSeconds;
            EXPECT_EQ(static_cast<double>(c.nSeconds), span.GetTotalSeconds()) << c.nSeconds;
        }
    }
    EXPECT_EQ(4, COleDateTimeSpan(1, 1, 3, 4).GetSeconds());
    EXPECT_EQ(1563, COleDateTimeSpan(1, 2, 3, 4).GetTotalMinutes());
}

TEST(FrameworkCoreClock, SeamReplacesCurrentTimeAndSleep)
{
    CFakeClock fake;
    fake.m_st.wYear = 2001; fake.m_st.wMonth = 2; fake.m_st.wDay = 3;
    fake.m_st.wHour = 4; fake.m_st.wMinute = 5; fake.m_st.wSecond = 6;
    EXPECT_EQ(nullptr, AfxSetClock(&fake));
    EXPECT_EQ(&fake, &AfxGetClock());

    EXPECT_EQ((Parts{2001, 2, 3, 4, 5, 6}), PartsOf(COleDateTime::GetCurrentTime()));
    AfxSleep(20000);
    AfxSleep(1);
    EXPECT_EQ((std::vector<DWORD>{20000, 1}), fake.m_aSleeps);

    EXPECT_EQ(&fake, AfxSetClock(nullptr));
    // The real clock again.
    EXPECT_NE(&fake, &AfxGetClock());
    EXPECT_NE(2001, COleDateTime::GetCurrentTime().GetYear());
    AfxSleep(1);
    EXPECT_EQ(2u, fake.m_aSleeps.size());
}
