#pragma once

#include "calendar.h"

#include <QString>

#include <functional>

class QLocale;

// Dates as the program writes them in its captions, headings and messages.
// Each caption takes its words from a DateWords; the standard words are the
// ones every caption has used so far.
namespace calendar {

// The words a date is written with. Standard: the month named in the
// user's language as it stands on its own (QLocale's default locale, as in
// the month title), the weekday in English, and a date in a message or
// spoken in the order "Tuesday 14 March 2006". A language that declines a
// month within a date ("14 марта") gives that form here.
struct DateWords {
    // Month 1 ... 12 as it stands within a date: "March".
    std::function<QString(int month)> month = MonthName;
    // Weekday 1 = Sunday ... 7 = Saturday: "Tuesday".
    std::function<QString(int weekday)> weekday = WeekdayName;
    // Month 1 ... 12 at the head of the month title: "March".
    std::function<QString(int month)> titleMonth = MonthName;
    // A language's own way of writing a real date in a message ("14. März
    // 2006") and of saying it ("Dienstag, 14. März 2006"). Unset: the
    // words above, day, month and year apart by spaces.
    std::function<QString(int day, int month, int year)> messageDate;
    std::function<QString(int day, int month, int year)> spokenDate;
};

const DateWords &StandardWords();

// The words of a language a translation speaks: its months as they stand in
// a date and (with a capital, at the head of the title) on their own, its
// weekdays, and its dates written and spoken by the QDate formats given
// ("d. MMMM yyyy", "dddd, d. MMMM yyyy").
DateWords LocaleWords(const QLocale &locale, const QString &messageFormat, const QString &spokenFormat);

// "October-2005": the month shown, above the grid and in messages.
QString MonthTitle(int month, int year, const DateWords &words = StandardWords());

// "14-March-2006 Tuesday": the heading of a day on the month's page, in the
// reminder and in the results of "Find in notes". The weekday is that of the
// carried date (see WeekdayOf).
QString DayHeading(int day, int month, int year, const DateWords &words = StandardWords());

// "Tuesday 14 March 2006": a date as screen readers say it.
QString SpokenDate(int day, int month, int year, const DateWords &words = StandardWords());

// "14 March 2006": a date in a message to the user.
QString MessageDate(int day, int month, int year, const DateWords &words = StandardWords());

} // namespace calendar
