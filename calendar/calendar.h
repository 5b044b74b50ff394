#pragma once

#include <QString>
#include <QtGlobal>

// Date arithmetic of the month grid: 35 cells in five rows of seven, Sunday
// first unless the week starts on another day where the user lives. A cell's
// index is (row - 1) * 7 + column, 1 ... 35; 0 means "no cell" or "no day".
// Weekday numbers run 1 = Sunday ... 7 = Saturday wherever the week starts.
// Every function is pure; values are 16-bit as they travel through the
// program, arithmetic is done in int.
namespace calendar {

// Weekday number (1 = Sunday) of the date built from year, month and day with
// overflow carried: day 0 is the last day of the previous month, month 13 is
// January of the next year, day 30 of February runs on into March.
qint16 WeekdayOf(int day, int month, int year);

// Weekday number of day 1 of the month.
qint16 GetFirstDay(qint16 month, qint16 year);

// 28 ... 31, or 0 when month is not 1 ... 12. Gregorian leap years.
qint16 GetDaysInMonth(qint16 month, qint16 year);

// The weekday that starts the week: 1 = Sunday, as the grid has always had
// it; 2 = Monday in most of Europe.
inline constexpr int kSundayFirst = 1;

// Column 1 ... 7 of a weekday in a week that starts on firstWeekday.
int ColumnOf(int weekday, int firstWeekday = kSundayFirst);

// Weekday shown in column 1 ... 7 of a week that starts on firstWeekday.
int WeekdayInColumn(int column, int firstWeekday = kSundayFirst);

// Cell of a day: the first day's column + day - 1, where 36 and 37 fold into
// cells 1 and 2 (a 30- or 31-day month that starts in the sixth or seventh
// column leaves them empty).
qint16 GetIndex(qint16 day, qint16 month, qint16 year, int firstWeekday = kSundayFirst);

// Day shown in a cell, or 0 when the cell shows no day of this month.
qint16 GetDay(qint16 index, qint16 month, qint16 year, int firstWeekday = kSundayFirst);

// English weekday name ("Sunday" ... "Saturday") of the carried date.
QString GetWkd(qint16 day, qint16 month, qint16 year);

// English name of weekday 1 = Sunday ... 7 = Saturday; empty outside that
// range.
QString WeekdayName(int weekday);

// Column heading of column 1 ... 7 ("Sun", "Mon", "Tue", "Wed", "Thurs",
// "Fri", "Sat" from Sunday on) in the user's language; empty outside that
// range.
QString ColumnHeading(int column, int firstWeekday = kSundayFirst);

// Full month name in the user's language (QLocale's default locale) as it
// stands on its own, as the month title and the report headings show it.
QString MonthName(int month);

} // namespace calendar
