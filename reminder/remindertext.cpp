#include "remindertext.h"

#include "datecaptions.h"
#include "notefile.h"

#include <QCoreApplication>

namespace reminder {

namespace {

const QLatin1String crlf("\r\n");

} // namespace

QString ReminderText(qint16 day, qint16 month, qint16 todayYear,
                     const std::function<store::Note(qint16 year)> &noteOf, const calendar::DateWords &words)
{
    QString text;
    for (int year = todayYear; year >= store::kFirstReminderYear; --year) {   // none before it
        const store::Note note = noteOf(qint16(year));
        const QString &shown = note.ok() ? note.text : note.error;
        if (shown.isEmpty())
            continue;
        if (year == todayYear - 1) {
            text += crlf + crlf + QCoreApplication::translate("reminder", "Last year on this day:") + crlf;
        } else if (year < todayYear) {
            text += crlf + crlf + calendar::DayHeading(day, month, year, words) + QLatin1Char(':') + crlf;
        }
        text += shown;
    }
    return text;
}

} // namespace reminder
