#include "COleDateTime.h"
#include "AfxClock.h"

#include <cmath>

namespace
{
// Day numbers (days since 1899-12-30) of the first and the last date that can be split.
const long kMinDay = -657434;   // 100-01-01
const long kMaxDay = 2958465;   // 9999-12-31

struct DateParts
{
    int nYear, nMonth, nDay, nHour, nMinute, nSecond, nDayOfWeek;
};

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& nYear, int& nMonth, int& nDay)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    nYear = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
    nMonth = static_cast<int>(m);
    nDay = static_cast<int>(d);
}

const long long kEpoch = DaysFromCivil(1899, 12, 30);

bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int aDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : aDays[m - 1];
}

// The day number and the time of day (0 <= f < 1) that a DATE stands for.
void SplitDate(DATE dt, double& dblDay, double& dblTime)
{
    dblDay = std::trunc(dt);
    dblTime = std::fabs(dt - dblDay);
}

double ToLinear(DATE dt)
{
    double dblDay, dblTime;
    SplitDate(dt, dblDay, dblTime);
    return dblDay + dblTime;
}

DATE FromLinear(double dblLinear)
{
    const double dblDay = std::floor(dblLinear);
    const double dblTime = dblLinear - dblDay;
    return dblDay >= 0.0 ? dblDay + dblTime : dblDay - dblTime;
}

bool InRange(DATE dt)
{
    return std::isfinite(dt) && std::trunc(dt) >= kMinDay && std::trunc(dt) <= kMaxDay;
}

bool ToParts(const COleDateTime& date, DateParts& parts)
{
    if (date.GetStatus() != COleDateTime::valid || !InRange(date.m_dt))
        return false;
    double dblDay, dblTime;
    SplitDate(date.m_dt, dblDay, dblTime);
    long long nDay = static_cast<long long>(dblDay);
    // To the nearest second; 23:59:59.5 and later is the next day's midnight.
    long nSeconds = static_cast<long>(std::floor(dblTime * 86400.0 + 0.5));
    if (nSeconds >= 86400)
    {
        nSeconds -= 86400;
        ++nDay;
    }
    if (nDay < kMinDay || nDay > kMaxDay)
        return false;
    CivilFromDays(nDay + kEpoch, parts.nYear, parts.nMonth, parts.nDay);
    parts.nHour = static_cast<int>(nSeconds / 3600);
    parts.nMinute = static_cast<int>(nSeconds / 60 % 60);
    parts.nSecond = static_cast<int>(nSeconds % 60);
    const long long nWeekday = (nDay + kEpoch + 4) % 7;   // 1970-01-01 was a Thursday
    parts.nDayOfWeek = static_cast<int>(nWeekday < 0 ? nWeekday + 7 : nWeekday);
    return true;
}

COleDateTime::DateTimeStatus Combined(COleDateTime::DateTimeStatus dateStatus,
                                      COleDateTimeSpan::DateTimeSpanStatus spanStatus)
{
    if (dateStatus == COleDateTime::invalid || spanStatus == COleDateTimeSpan::invalid)
        return COleDateTime::invalid;
    if (dateStatus == COleDateTime::null || spanStatus == COleDateTimeSpan::null)
        return COleDateTime::null;
    return COleDateTime::valid;
}
}

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st = {};
    AfxGetClock().GetLocalTime(&st);
    return COleDateTime(st);
}

COleDateTime::COleDateTime() : m_dt(0.0), m_status(valid)
{
}

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid)
{
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) : m_dt(0.0), m_status(valid)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour,
                systimeSrc.wMinute, systimeSrc.wSecond);
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    : m_dt(0.0), m_status(valid)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 ||
        nDay > DaysInMonth(nYear, nMonth) || nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 ||
        nSec < 0 || nSec > 59)
    {
        m_dt = 0.0;
        m_status = invalid;
        return 1;
    }
    const double dblDay = static_cast<double>(
        DaysFromCivil(nYear, static_cast<unsigned>(nMonth), static_cast<unsigned>(nDay)) - kEpoch);
    const double dblTime = (nHour * 3600 + nMin * 60 + nSec) / 86400.0;
    m_dt = dblDay >= 0.0 ? dblDay + dblTime : dblDay - dblTime;
    m_status = valid;
    return 0;
}

int COleDateTime::GetYear() const
{
    DateParts parts;
    return ToParts(*this, parts) ? parts.nYear : -1;
}

int COleDateTime::GetMonth() const
{
    DateParts parts;
    return ToParts(*this, parts) ? parts.nMonth : -1;
}

int COleDateTime::GetDay() const
{
    DateParts parts;
    return ToParts(*this, parts) ? parts.nDay : -1;
}

int COleDateTime::GetHour() const
{
    DateParts parts;
    return ToParts(*this, parts) ? parts.nHour : -1;
}

int COleDateTime::GetMinute() const
{
    DateParts parts;
    return ToParts(*this, parts) ? parts.nMinute : -1;
}

int COleDateTime::GetSecond() const
{
    DateParts parts;
    return ToParts(*this, parts) ? parts.nSecond : -1;
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    DateParts parts;
    if (!ToParts(*this, parts))
        return FALSE;
    sysTime.wYear = static_cast<WORD>(parts.nYear);
    sysTime.wMonth = static_cast<WORD>(parts.nMonth);
    sysTime.wDayOfWeek = static_cast<WORD>(parts.nDayOfWeek);
    sysTime.wDay = static_cast<WORD>(parts.nDay);
    sysTime.wHour = static_cast<WORD>(parts.nHour);
    sysTime.wMinute = static_cast<WORD>(parts.nMinute);
    sysTime.wSecond = static_cast<WORD>(parts.nSecond);
    sysTime.wMilliseconds = 0;
    return TRUE;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan span(ToLinear(m_dt) - ToLinear(date.m_dt));
    if (m_status == invalid || date.m_status == invalid)
        span.SetStatus(COleDateTimeSpan::invalid);
    else if (m_status == null || date.m_status == null)
        span.SetStatus(COleDateTimeSpan::null);
    return span;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTime result(FromLinear(ToLinear(m_dt) + dateSpan.m_span));
    result.m_status = Combined(m_status, dateSpan.GetStatus());
    if (result.m_status == valid && !InRange(result.m_dt))
        result.m_status = invalid;
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + (-dateSpan);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& dateSpan)
{
    *this = *this + dateSpan;
    return *this;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& dateSpan)
{
    *this = *this - dateSpan;
    return *this;
}

// Compared as instants: before 1899-12-30 a larger DATE is not a later time.
bool COleDateTime::operator==(const COleDateTime& date) const
{
    return m_status == date.m_status && ToLinear(m_dt) == ToLinear(date.m_dt);
}
bool COleDateTime::operator!=(const COleDateTime& date) const { return !(*this == date); }
bool COleDateTime::operator<(const COleDateTime& date) const { return ToLinear(m_dt) < ToLinear(date.m_dt); }
bool COleDateTime::operator>(const COleDateTime& date) const { return ToLinear(m_dt) > ToLinear(date.m_dt); }
bool COleDateTime::operator<=(const COleDateTime& date) const { return ToLinear(m_dt) <= ToLinear(date.m_dt); }
bool COleDateTime::operator>=(const COleDateTime& date) const { return ToLinear(m_dt) >= ToLinear(date.m_dt); }
