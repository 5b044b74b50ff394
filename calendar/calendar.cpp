#include "calendar.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace calendar {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month 1 ... 12).
constexpr long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);           // [0, 399]
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365]
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;          // [0, 146096]
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long floorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

const std::array<QString, 7> &weekdayNames()
{
    static const std::array<QString, 7> names = {
        QStringLiteral("Sunday"),   QStringLiteral("Monday"), QStringLiteral("Tuesday"),
        QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
        QStringLiteral("Saturday")};
    return names;
}

} // namespace

qint16 WeekdayOf(int day, int month, int year)
{
    // Carry the month into the year first, then let the day run on from the
    // first of that month: the same date as building it field by field.
    const long long m0 = static_cast<long long>(month) - 1;
    const long long y = year + floorDiv(m0, 12);
    const unsigned m = static_cast<unsigned>(m0 - floorDiv(m0, 12) * 12) + 1; // [1, 12]
    const long long days = daysFromCivil(y, m, 1) + (static_cast<long long>(day) - 1);
    // 1970-01-01 was a Thursday (5).
    const long long wd = (days + 4) % 7;                                      // (-7, 7)
    return static_cast<qint16>((wd < 0 ? wd + 7 : wd) + 1);                   // [1, 7]
}

qint16 GetFirstDay(qint16 month, qint16 year)
{
    return WeekdayOf(1, month, year);
}

qint16 GetDaysInMonth(qint16 month, qint16 year)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2: {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    default:
        return 0;
    }
}

int ColumnOf(int weekday, int firstWeekday)
{
    return ((weekday - firstWeekday) % 7 + 7) % 7 + 1;
}

int WeekdayInColumn(int column, int firstWeekday)
{
    return ((firstWeekday + column - 2) % 7 + 7) % 7 + 1;
}

qint16 GetIndex(qint16 day, qint16 month, qint16 year, int firstWeekday)
{
    int k = ColumnOf(GetFirstDay(month, year), firstWeekday) + int(day) - 1; // [column - 1 + day]
    if (k > 35)
        k -= 35;                                                           // 36, 37 -> 1, 2
    return static_cast<qint16>(k);
}

qint16 GetDay(qint16 index, qint16 month, qint16 year, int firstWeekday)
{
    if (index < 1 || index > 35)
        return 0;
    const qint16 days = GetDaysInMonth(month, year);
    for (qint16 day = 1; day <= days; ++day) {
        if (GetIndex(day, month, year, firstWeekday) == index)
            return day;
    }
    return 0;
}

QString GetWkd(qint16 day, qint16 month, qint16 year)
{
    return weekdayNames()[WeekdayOf(day, month, year) - 1];
}

QString WeekdayName(int weekday)
{
    if (weekday < 1 || weekday > 7)
        return {};
    return weekdayNames()[weekday - 1];
}

QString ColumnHeading(int column, int firstWeekday)
{
    // Thursday's heading has five letters, and the others three. "Sat" and
    // "Wed" are also words of their own: the comment tells the translator
    // which is meant.
    static const struct {
        const char *source;
        const char *comment;
    } headings[] = {
        QT_TRANSLATE_NOOP3("calendar", "Sun", "column heading: Sunday"),
        QT_TRANSLATE_NOOP3("calendar", "Mon", "column heading: Monday"),
        QT_TRANSLATE_NOOP3("calendar", "Tue", "column heading: Tuesday"),
        QT_TRANSLATE_NOOP3("calendar", "Wed", "column heading: Wednesday"),
        QT_TRANSLATE_NOOP3("calendar", "Thurs", "column heading: Thursday"),
        QT_TRANSLATE_NOOP3("calendar", "Fri", "column heading: Friday"),
        QT_TRANSLATE_NOOP3("calendar", "Sat", "column heading: Saturday")};
    if (column < 1 || column > 7)
        return {};
    const auto &heading = headings[WeekdayInColumn(column, firstWeekday) - 1];
    return QCoreApplication::translate("calendar", heading.source, heading.comment);
}

QString MonthName(int month)
{
    return QLocale().standaloneMonthName(month, QLocale::LongFormat);
}

} // namespace calendar
