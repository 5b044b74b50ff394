#pragma once

#include <QString>
#include <QtGlobal>

// Date arithmetic of the month grid: 35 cells in five rows of seven, Sunday
// first. A cell's index is (row - 1) * 7 + column, 1 ... 35; 0 means "no cell"
// or "no day". Weekday numbers run 1 = Sunday ... 7 = Saturday. Every function
// is pure; values are 16-bit as they travel through the program, arithmetic is
// done in int.
namespace calendar {

// Weekday number (1 = Sunday) of the date built from year, month and day with
// overflow carried: day 0 is the last day of the previous month, month 13 is
// January of the next year, day 30 of February runs on into March.
qint16 WeekdayOf(int day, int month, int year);

// Weekday number of day 1 of the month.
qint16 GetFirstDay(qint16 month, qint16 year);

// 28 ... 31, or 0 when month is not 1 ... 12. Gregorian leap years.
qint16 GetDaysInMonth(qint16 month, qint16 year);

// Cell of a day: the first day's weekday + day - 1, where 36 and 37 fold into
// cells 1 and 2 (a 30- or 31-day month that starts late leaves them empty).
qint16 GetIndex(qint16 day, qint16 month, qint16 year);

// Day shown in a cell, or 0 when the cell shows no day of this month.
qint16 GetDay(qint16 index, qint16 month, qint16 year);

// English weekday name ("Sunday" ... "Saturday") of the carried date.
QString GetWkd(qint16 day, qint16 month, qint16 year);

// English name of weekday 1 = Sunday ... 7 = Saturday; empty outside that
// range.
QString WeekdayName(int weekday);

// Column heading of column 1 ... 7 ("Sun", "Mon", "Tue", "Wed", "Thurs",
// "Fri", "Sat"); empty outside that range.
QString ColumnHeading(int column);

// Full month name in the user's language (QLocale's default locale), as the
// month title and the report headings show it.
QString MonthName(int month);

// Month title such as "October-2005".
QString MonthTitle(qint16 month, qint16 year);

} // namespace calendar
