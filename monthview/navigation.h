#pragma once

#include <QtGlobal>

// Where the navigation buttons go from a displayed month. Years stay within
// four digits, 1 ... 9999, because note files are named by them; at either
// end a step holds.
namespace monthview {

struct MonthYear {
    qint16 month = 0;   // 1 ... 12
    qint16 year = 0;    // 1 ... 9999
    bool operator==(const MonthYear &) const = default;
};

constexpr qint16 kFirstYear = 1;
constexpr qint16 kLastYear = 9999;

// "Next Month >" and "< Prev Month".
MonthYear nextMonth(MonthYear shown);
MonthYear previousMonth(MonthYear shown);

// "Yr >" (+1) and "< Yr" (-1), keeping the month. They stop at 1900 and
// 2099, but only when they arrive there; beyond those years, reached by the
// month buttons, they step on.
MonthYear stepYear(MonthYear shown, int delta);

// The day of `month` with the day number `day`, or its last day when it is
// shorter: from the 31st, April's 30th.
qint16 sameDayIn(qint16 day, MonthYear month);

} // namespace monthview
