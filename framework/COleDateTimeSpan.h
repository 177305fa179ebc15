// A span of time in days (double). The part getters round to the nearest second away from
// zero first (D' = D +/- half a second), then cut toward zero, so a negative span gives
// negative parts: -90 s is 0 h, -1 min, -30 s.
#pragma once

#include "AfxPlatform.h"

class COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan();
    COleDateTimeSpan(double dblSpanSrc);
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    // Whole units of the rounded span.
    double GetTotalDays() const;
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;
    // Parts: days, hours 0..23, minutes 0..59, seconds 0..59 (negated for a negative span).
    LONG GetDays() const;
    LONG GetHours() const;
    LONG GetMinutes() const;
    LONG GetSeconds() const;

    operator double() const { return m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan operator-() const;

    bool operator==(const COleDateTimeSpan& dateSpan) const { return m_span == dateSpan.m_span; }
    bool operator!=(const COleDateTimeSpan& dateSpan) const { return m_span != dateSpan.m_span; }
    bool operator<(const COleDateTimeSpan& dateSpan) const { return m_span < dateSpan.m_span; }
    bool operator>(const COleDateTimeSpan& dateSpan) const { return m_span > dateSpan.m_span; }
    bool operator<=(const COleDateTimeSpan& dateSpan) const { return m_span <= dateSpan.m_span; }
    bool operator>=(const COleDateTimeSpan& dateSpan) const { return m_span >= dateSpan.m_span; }

    double m_span;
    DateTimeSpanStatus m_status;
};
