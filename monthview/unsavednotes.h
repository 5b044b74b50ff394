#pragma once

#include "celldate.h"
#include "datecaptions.h"
#include "store.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>

namespace monthview {

// The notes that could not be saved yet, with their text and why. A note
// stays here until a save of it works; the month view shows the kept text
// in its cell meanwhile, and closing asks before it gives the notes up.
//
// Every save names the version of the note its edit started from: when
// the file changed outside the program since, the store keeps that other
// version as a copy, and the user hears of it once, with the copy's name.
class UnsavedNotes
{
    Q_DECLARE_TR_FUNCTIONS(UnsavedNotes)

public:
    // tell: what a retry has to tell the user. Dates are told with `words`.
    explicit UnsavedNotes(const store::NoteStore &notes, std::function<void(const QString &)> tell = {},
                          const calendar::DateWords &words = calendar::StandardWords());

    struct Outcome {
        bool saved = false;
        QString tell;         // what to tell the user; empty when nothing new happened
        store::Stamp stamp;   // of the note as saved, or of the version a later try starts from
        store::Encoding encoding = store::Encoding::Windows1252;   // of the note as saved, or as read
        QString keptVersion;  // the version this save kept, or empty
    };

    // Writes `text` as the note of `date`, or deletes the note when the text
    // is empty; `origin` is what the edit started from (a kept note goes on
    // from its own). A failure keeps the text for a later try and is told
    // once per note: a note that failed before fails quietly.
    //
    // With keepVersion, and always for a deletion, the note replaced is kept
    // as a version first (store::KeepVersion), also by the later try of a
    // save that failed. That no version can be kept is told once in the
    // run; the note is saved all the same.
    Outcome save(const NoteDate &date, const QString &text, const store::Origin &origin, bool keepVersion = false);

    // Tries every kept note again; each that works leaves the list.
    void retry();

    // The kept text of a date, or nullptr.
    const QString *textOf(const NoteDate &date) const;
    // The encoding a kept note will be written in, as its file was read.
    store::Encoding encodingOf(const NoteDate &date) const;

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
        store::Origin origin;
        bool keepVersion = false;
    };

    store::Result write(const NoteDate &date, const QString &text, const store::Origin &origin,
                        bool keepVersion) const;
    QString versionTrouble(const store::Result &result);
    // "14 March 2006".
    QString describe(const NoteDate &date) const;
    QString keptCopyMessage(const NoteDate &date, const QString &copy) const;

    const store::NoteStore &m_store;
    std::function<void(const QString &)> m_tell;
    calendar::DateWords m_words;
    std::map<NoteDate, Kept> m_notes;
    bool m_versionTroubleTold = false;
};

} // namespace monthview
