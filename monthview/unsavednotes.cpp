#include "unsavednotes.h"

#include "datecaptions.h"
#include "store.h"

namespace monthview {

UnsavedNotes::UnsavedNotes(const store::NoteStore &notes, std::function<void(const QString &)> tell,
                           const calendar::DateWords &words)
    : m_store(notes)
    , m_tell(std::move(tell))
    , m_words(words)
{
}

QString UnsavedNotes::describe(const NoteDate &date) const
{
    return calendar::MessageDate(date.day, date.month, date.year, m_words);
}

QString UnsavedNotes::keptCopyMessage(const NoteDate &date, const QString &copy) const
{
    return tr("The note of %1 was changed outside Kalivo while you were editing it.\n\n"
              "Your text is now the note; the other version is kept as %2.")
        .arg(describe(date), copy);
}

// A deletion always keeps the note it deletes.
store::Result UnsavedNotes::write(const NoteDate &date, const QString &text, const store::Origin &origin,
                                  bool keepVersion) const
{
    const store::KeepVersion keep = keepVersion || text.isEmpty() ? store::KeepVersion::Yes : store::KeepVersion::No;
    return text.isEmpty() ? m_store.DeleteData(date.day, date.month, date.year, &origin, keep)
                          : m_store.UpdateData(date.day, date.month, date.year, text, &origin, keep);
}

// What the user hears, once in the run, of versions that cannot be kept.
QString UnsavedNotes::versionTrouble(const store::Result &result)
{
    if (result.versionError.isEmpty() || m_versionTroubleTold)
        return QString();
    m_versionTroubleTold = true;
    return tr("%1\n\nYour notes are saved as before; only their earlier versions are "
              "not kept. Kalivo tells you this once.")
        .arg(result.versionError);
}

UnsavedNotes::Outcome UnsavedNotes::save(const NoteDate &date, const QString &text, const store::Origin &origin,
                                         bool keepVersion)
{
    const auto known = m_notes.find(date);
    // A note kept after a failure goes on from the version its first save
    // found: what the box saw since is the kept text, not the file.
    const store::Origin from = known != m_notes.end() ? known->second.origin : origin;
    const bool keep = keepVersion || (known != m_notes.end() && known->second.keepVersion);
    const store::Result result = write(date, text, from, keep);
    Outcome outcome;
    outcome.stamp = result.stamp;
    outcome.encoding = result.encoding;
    outcome.keptVersion = result.keptVersion;
    outcome.tell = versionTrouble(result);
    if (!result.keptCopy.isEmpty())
        outcome.tell += (outcome.tell.isEmpty() ? QString() : QStringLiteral("\n\n"))
            + keptCopyMessage(date, result.keptCopy);
    if (result.ok()) {
        m_notes.erase(date);
        outcome.saved = true;
        return outcome;
    }
    if (known == m_notes.end()) {
        if (!outcome.tell.isEmpty())
            outcome.tell += QStringLiteral("\n\n");
        outcome.tell += tr("The note of %1 could not be saved.\n\n%2\n\n"
                           "Its text stays on the screen, and Kalivo saves it as soon as it can.")
                            .arg(describe(date), result.error);
    }
    m_notes[date] = Kept{text, result.error, store::Origin{result.stamp, from.text, from.encoding}, keep};
    return outcome;
}

void UnsavedNotes::retry()
{
    for (auto it = m_notes.begin(); it != m_notes.end();) {
        const store::Result result = write(it->first, it->second.text, it->second.origin, it->second.keepVersion);
        if (const QString trouble = versionTrouble(result); !trouble.isEmpty() && m_tell)
            m_tell(trouble);
        if (!result.keptCopy.isEmpty() && m_tell)
            m_tell(keptCopyMessage(it->first, result.keptCopy));
        if (result.ok()) {
            it = m_notes.erase(it);
        } else {
            it->second.error = result.error;
            it->second.origin.stamp = result.stamp;
            ++it;
        }
    }
}

const QString *UnsavedNotes::textOf(const NoteDate &date) const
{
    const auto it = m_notes.find(date);
    return it == m_notes.end() ? nullptr : &it->second.text;
}

store::Encoding UnsavedNotes::encodingOf(const NoteDate &date) const
{
    const auto it = m_notes.find(date);
    return it == m_notes.end() ? store::Encoding::Windows1252 : it->second.origin.encoding;
}

QStringList UnsavedNotes::list() const
{
    QStringList lines;
    for (const auto &[date, kept] : m_notes)
        lines << tr("%1: %2", "a date and why its note could not be saved").arg(describe(date), kept.error);
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
    return tr("These notes could not be saved:\n\n%1\n\nClose Kalivo and lose them?")
        .arg(list().join(QLatin1Char('\n')));
}

} // namespace monthview
