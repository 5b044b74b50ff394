#pragma once

#include "notedate.h"

#include <QString>
#include <QStringList>

#include <map>

namespace store { class NoteStore; }

namespace monthview {

// The notes that could not be saved yet, with their text and why. A note
// stays here until a save of it works; the month view shows the kept text
// in its cell meanwhile, and closing asks before it gives the notes up.
class UnsavedNotes
{
public:
    explicit UnsavedNotes(const store::NoteStore &notes);

    struct Outcome {
        bool saved = false;
        QString tell;   // what to tell the user; empty when nothing new failed
    };

    // Writes `text` as the note of `date`, or deletes the note when the text
    // is empty. A failure keeps the text for a later try and is told once per
    // note: a note that failed before fails quietly.
    Outcome save(const NoteDate &date, const QString &text);

    // Tries every kept note again; each that works leaves the list.
    void retry();

    // The kept text of a date, or nullptr.
    const QString *textOf(const NoteDate &date) const;

    bool isEmpty() const { return m_notes.empty(); }

    // One line per kept note: "14 March 2006: Cannot write ...".
    QStringList list() const;

    // The kept notes of a month, one date each: "14 March 2006".
    QStringList datesIn(qint16 month, qint16 year) const;

    // Asked when the window closes with notes still kept.
    QString closeQuestion() const;

private:
    struct Kept {
        QString text;
        QString error;
    };

    QString write(const NoteDate &date, const QString &text) const;

    const store::NoteStore &m_store;
    std::map<NoteDate, Kept> m_notes;
};

} // namespace monthview
