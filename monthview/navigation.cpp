#include "navigation.h"

#include "calendar.h"

#include <algorithm>

namespace monthview {

MonthYear nextMonth(MonthYear shown)
{
    if (shown.month == 12 && shown.year >= kLastYear)
        return shown;
    if (shown.month == 12)
        return {1, qint16(shown.year + 1)};
    return {qint16(shown.month + 1), shown.year};
}

MonthYear previousMonth(MonthYear shown)
{
    if (shown.month == 1 && shown.year <= kFirstYear)
        return shown;
    if (shown.month == 1)
        return {12, qint16(shown.year - 1)};
    return {qint16(shown.month - 1), shown.year};
}

MonthYear stepYear(MonthYear shown, int delta)
{
    int year = shown.year + delta;
    if (year == 1899)
        year = 1900;
    else if (year == 2100)
        year = 2099;
    return {shown.month, qint16(std::clamp<int>(year, kFirstYear, kLastYear))};
}

qint16 sameDayIn(qint16 day, MonthYear month)
{
    return std::min(day, calendar::GetDaysInMonth(month.month, month.year));
}

} // namespace monthview
