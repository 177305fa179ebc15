#include "COleDateTimeSpan.h"

#include <cmath>

namespace
{
const double kHalfSecond = 0.5 / 86400.0;

// Whole units of the span rounded to the nearest second, cut toward zero.
double TotalUnits(double dblSpan, double dblUnitsPerDay)
{
    if (std::isnan(dblSpan))
        return 0.0;
    const double dblRounded = dblSpan >= 0.0 ? dblSpan + kHalfSecond : dblSpan - kHalfSecond;
    return std::trunc(dblRounded * dblUnitsPerDay);
}

LONG Part(double dblSpan, double dblUnitsPerDay, double dblUnitsPerWhole)
{
    // fmod keeps the sign of the dividend, like the remainder of an integer division.
    return static_cast<LONG>(std::fmod(TotalUnits(dblSpan, dblUnitsPerDay), dblUnitsPerWhole));
}

COleDateTimeSpan::DateTimeSpanStatus Combined(COleDateTimeSpan::DateTimeSpanStatus a,
                                              COleDateTimeSpan::DateTimeSpanStatus b)
{
    if (a == COleDateTimeSpan::invalid || b == COleDateTimeSpan::invalid)
        return COleDateTimeSpan::invalid;
    if (a == COleDateTimeSpan::null || b == COleDateTimeSpan::null)
        return COleDateTimeSpan::null;
    return COleDateTimeSpan::valid;
}
}

COleDateTimeSpan::COleDateTimeSpan() : m_span(0.0), m_status(valid)
{
}

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid)
{
}

COleDateTimeSpan::COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + nHours / 24.0 + nMins / 1440.0 + nSecs / 86400.0;
    m_status = valid;
}

double COleDateTimeSpan::GetTotalDays() const { return TotalUnits(m_span, 1.0); }
double COleDateTimeSpan::GetTotalHours() const { return TotalUnits(m_span, 24.0); }
double COleDateTimeSpan::GetTotalMinutes() const { return TotalUnits(m_span, 1440.0); }
double COleDateTimeSpan::GetTotalSeconds() const { return TotalUnits(m_span, 86400.0); }

LONG COleDateTimeSpan::GetDays() const
{
    const double dblDays = TotalUnits(m_span, 1.0);
    if (dblDays > 2147483647.0)
        return 2147483647L;
    if (dblDays < -2147483648.0)
        return -2147483647L - 1;
    return static_cast<LONG>(dblDays);
}

LONG COleDateTimeSpan::GetHours() const { return Part(m_span, 24.0, 24.0); }
LONG COleDateTimeSpan::GetMinutes() const { return Part(m_span, 1440.0, 60.0); }
LONG COleDateTimeSpan::GetSeconds() const { return Part(m_span, 86400.0, 60.0); }

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan result(m_span + dateSpan.m_span);
    result.m_status = Combined(m_status, dateSpan.m_status);
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan result(m_span - dateSpan.m_span);
    result.m_status = Combined(m_status, dateSpan.m_status);
    return result;
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& dateSpan)
{
    *this = *this + dateSpan;
    return *this;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& dateSpan)
{
    *this = *this - dateSpan;
    return *this;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}
