#include "datecaptions.h"

#include <QStringBuilder>

namespace calendar {

const DateWords &StandardWords()
{
    static const DateWords words;
    return words;
}

QString DayHeading(int day, int month, int year, const DateWords &words)
{
    return QString::number(day) % QLatin1Char('-') % words.month(month) % QLatin1Char('-') % QString::number(year)
        % QLatin1Char(' ') % words.weekday(WeekdayOf(day, month, year));
}

QString SpokenDate(int day, int month, int year, const DateWords &words)
{
    return words.weekday(WeekdayOf(day, month, year)) % QLatin1Char(' ') % MessageDate(day, month, year, words);
}

QString MessageDate(int day, int month, int year, const DateWords &words)
{
    return QString::number(day) % QLatin1Char(' ') % words.month(month) % QLatin1Char(' ') % QString::number(year);
}

} // namespace calendar
