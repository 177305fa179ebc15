// A local date and time as an OLE automation date: days since 1899-12-30 00:00, the fraction
// being the time of day. Before that day the value is negative but its fraction still counts
// forward (-1.25 is 1899-12-29 06:00), so arithmetic goes through a linear day count.
// Dates from 100-01-01 to 9999-12-31 can be split into parts; a part of a date that is
// invalid or outside that range is -1.
#pragma once

#include "AfxPlatform.h"
#include "COleDateTimeSpan.h"

// winbase.h maps GetCurrentTime() to GetTickCount(); the framework's name wins.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class COleDateTime
{
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    // The local time of AfxGetClock(), to the second.
    static COleDateTime GetCurrentTime();

    COleDateTime();
    COleDateTime(DATE dtSrc);
    COleDateTime(const SYSTEMTIME& systimeSrc);   // milliseconds are dropped
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    // 0 on success; 1 with the status invalid when a field is out of range.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // The parts in one step; FALSE when the date cannot be split.
    BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;

    operator DATE() const { return m_dt; }

    COleDateTimeSpan operator-(const COleDateTime& date) const;
    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTime& operator+=(const COleDateTimeSpan& dateSpan);
    COleDateTime& operator-=(const COleDateTimeSpan& dateSpan);

    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const;
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const;
    bool operator<=(const COleDateTime& date) const;
    bool operator>=(const COleDateTime& date) const;

    DATE m_dt;
    DateTimeStatus m_status;
};
