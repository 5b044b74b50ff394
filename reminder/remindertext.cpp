#include "remindertext.h"

#include "calendar.h"
#include "notefile.h"

namespace reminder {

namespace {

const QLatin1String crlf("\r\n");

QString dateOf(qint16 day, const QString &monthName, qint16 month, qint16 year)
{
    return QString::number(day) + QLatin1Char('-') + monthName + QLatin1Char('-')
        + QString::number(year) + QLatin1Char(' ') + calendar::GetWkd(day, month, year);
}

} // namespace

QString ReminderText(qint16 day, qint16 month, qint16 todayYear,
                     const std::function<store::Note(qint16 year)> &noteOf)
{
    QString text;
    QString monthName;   // looked up once, at the first dated heading
    for (int year = todayYear; year >= store::kFirstReminderYear; --year) {   // none before it
        const store::Note note = noteOf(qint16(year));
        const QString &shown = note.ok() ? note.text : note.error;
        if (shown.isEmpty())
            continue;
        if (year == todayYear - 1) {
            text += crlf + crlf + QLatin1String("Last year on this day:") + crlf;
        } else if (year < todayYear) {
            if (monthName.isEmpty())
                monthName = calendar::MonthName(month);
            text += crlf + crlf + dateOf(day, monthName, month, qint16(year)) + QLatin1Char(':') + crlf;
        }
        text += shown;
    }
    return text;
}

QString ReminderCaption(qint16 day, qint16 month, qint16 year)
{
    return dateOf(day, calendar::MonthName(month), month, year);
}

} // namespace reminder
