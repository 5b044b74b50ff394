#include "remindertext.h"

#include "calendar.h"

namespace reminder {

namespace {

const QLatin1String crlf("\r\n");

QString dateOf(qint16 day, qint16 month, qint16 year)
{
    return QString::number(day) + QLatin1Char('-') + calendar::MonthName(month) + QLatin1Char('-')
        + QString::number(year) + QLatin1Char(' ') + calendar::GetWkd(day, month, year);
}

QString heading(qint16 day, qint16 month, qint16 todayYear, qint16 year)
{
    if (year == todayYear)
        return {};
    if (year == todayYear - 1)
        return crlf + crlf + QLatin1String("Last year on this day:") + crlf;
    return crlf + crlf + dateOf(day, month, year) + QLatin1Char(':') + crlf;
}

} // namespace

QString ReminderText(qint16 day, qint16 month, qint16 todayYear,
                     const std::function<store::Note(qint16 year)> &noteOf)
{
    QString text;
    for (int year = todayYear; year >= 1900; --year) {   // no pass before 1900
        const store::Note note = noteOf(qint16(year));
        const QString &shown = note.ok() ? note.text : note.error;
        if (!shown.isEmpty())
            text += heading(day, month, todayYear, qint16(year)) + shown;
    }
    return text;
}

QString ReminderCaption(qint16 day, qint16 month, qint16 year)
{
    return dateOf(day, month, year);
}

} // namespace reminder
