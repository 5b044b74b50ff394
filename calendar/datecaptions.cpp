#include "datecaptions.h"

#include <QDate>
#include <QLocale>
#include <QStringBuilder>

namespace calendar {

namespace {

// Qt's weekday (1 = Monday ... 7 = Sunday) of weekday 1 = Sunday ... 7.
int qtWeekday(int weekday)
{
    return (weekday + 5) % 7 + 1;
}

// "Tuesday 14 March 2006" (with the weekday) or "14 March 2006".
QString spacedDate(const DateWords &words, int day, int month, int year, bool weekday)
{
    QString text = QString::number(day) + QLatin1Char(' ') + words.month(month) + QLatin1Char(' ')
        + QString::number(year);
    if (weekday)
        text.prepend(words.weekday(WeekdayOf(day, month, year)) + QLatin1Char(' '));
    return text;
}

} // namespace

const DateWords &StandardWords()
{
    static const DateWords words;
    return words;
}

DateWords LocaleWords(const QLocale &locale, const QString &messageFormat, const QString &spokenFormat)
{
    DateWords words;
    words.month = [locale](int month) { return locale.monthName(month, QLocale::LongFormat); };
    words.weekday = [locale](int weekday) {
        return weekday < 1 || weekday > 7 ? QString() : locale.dayName(qtWeekday(weekday), QLocale::LongFormat);
    };
    // "март" and "marzec" head the title as "Март", "Marzec".
    words.titleMonth = [locale](int month) {
        const QString name = locale.standaloneMonthName(month, QLocale::LongFormat);
        return name.isEmpty() ? name : locale.toUpper(name.left(1)) + name.mid(1);
    };
    // A date the calendar carries (29 February 1900) is no QDate: it is
    // written in the standard order with the language's words.
    const DateWords plain = words;
    words.messageDate = [locale, plain, messageFormat](int day, int month, int year) -> QString {
        const QDate date(year, month, day);
        return date.isValid() ? locale.toString(date, messageFormat) : spacedDate(plain, day, month, year, false);
    };
    words.spokenDate = [locale, plain, spokenFormat](int day, int month, int year) -> QString {
        const QDate date(year, month, day);
        return date.isValid() ? locale.toString(date, spokenFormat) : spacedDate(plain, day, month, year, true);
    };
    return words;
}

QString MonthTitle(int month, int year, const DateWords &words)
{
    return words.titleMonth(month) % QLatin1Char('-') % QString::number(year);
}

QString DayHeading(int day, int month, int year, const DateWords &words)
{
    return QString::number(day) % QLatin1Char('-') % words.month(month) % QLatin1Char('-') % QString::number(year)
        % QLatin1Char(' ') % words.weekday(WeekdayOf(day, month, year));
}

QString SpokenDate(int day, int month, int year, const DateWords &words)
{
    if (words.spokenDate)
        return words.spokenDate(day, month, year);
    return spacedDate(words, day, month, year, true);
}

QString MessageDate(int day, int month, int year, const DateWords &words)
{
    if (words.messageDate)
        return words.messageDate(day, month, year);
    return spacedDate(words, day, month, year, false);
}

} // namespace calendar
