#include "unsavednotes.h"

#include "calendar.h"
#include "store.h"

namespace monthview {

QString describe(const NoteDate &date)
{
    return QStringLiteral("%1 %2 %3").arg(date.day).arg(calendar::MonthName(date.month)).arg(date.year);
}

UnsavedNotes::UnsavedNotes(const store::NoteStore &notes)
    : m_store(notes)
{
}

// The store's error, or empty when the write or deletion worked.
QString UnsavedNotes::write(const NoteDate &date, const QString &text) const
{
    const store::Result result = text.isEmpty() ? m_store.DeleteData(date.day, date.month, date.year)
                                                : m_store.UpdateData(date.day, date.month, date.year, text);
    return result.error;
}

UnsavedNotes::Outcome UnsavedNotes::save(const NoteDate &date, const QString &text)
{
    QString error = write(date, text);
    if (error.isEmpty()) {
        m_notes.erase(date);
        return {true, QString()};
    }
    const bool known = m_notes.contains(date);
    Outcome outcome;
    if (!known) {
        outcome.tell = QStringLiteral("The note of %1 could not be saved.\n\n%2\n\n"
                                      "Its text stays on the screen, and Kalivo saves it as soon as it can.")
                           .arg(describe(date), error);
    }
    m_notes[date] = Kept{text, std::move(error)};
    return outcome;
}

void UnsavedNotes::retry()
{
    for (auto it = m_notes.begin(); it != m_notes.end();) {
        QString error = write(it->first, it->second.text);
        if (error.isEmpty()) {
            it = m_notes.erase(it);
        } else {
            it->second.error = std::move(error);
            ++it;
        }
    }
}

const QString *UnsavedNotes::textOf(const NoteDate &date) const
{
    const auto it = m_notes.find(date);
    return it == m_notes.end() ? nullptr : &it->second.text;
}

QStringList UnsavedNotes::list() const
{
    QStringList lines;
    for (const auto &[date, kept] : m_notes)
        lines << QStringLiteral("%1: %2").arg(describe(date), kept.error);
    return lines;
}

QStringList UnsavedNotes::datesIn(qint16 month, qint16 year) const
{
    QStringList dates;
    for (const auto &entry : m_notes) {
        if (entry.first.month == month && entry.first.year == year)
            dates << describe(entry.first);
    }
    return dates;
}

QString UnsavedNotes::closeQuestion() const
{
    return QStringLiteral("These notes could not be saved:\n\n%1\n\nClose Kalivo and lose them?")
        .arg(list().join(QLatin1Char('\n')));
}

} // namespace monthview
