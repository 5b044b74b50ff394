#pragma once

#include "encoding.h"
#include "notedate.h"
#include "notefile.h"
#include "versions.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <functional>

// Day notes on disk: one file per date, data/<year>-<mm>-<dd>.txt under the
// working folder, holding exactly the note's characters (line breaks CR LF,
// nothing added) as Windows-1252 bytes, or as UTF-8 where the rule of
// encoding.h has it. A date without a file has the empty note.
namespace store {

class FolderSync;

// Which file a note's name stood for, and how it was: device, inode, size
// and modification time (in nanoseconds), as fstat gives them. Another
// program that writes the note gives it another stamp; the null stamp
// stands for "no file". Stamps of a link's note are its target's.
struct Stamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;       // -1: no file
    qint64 modified = 0;    // nanoseconds since the epoch
    bool exists() const { return size >= 0; }
    friend bool operator==(const Stamp &, const Stamp &) = default;
};

// What an edit of a note started from: the note's text, stamp and encoding
// as last read or saved. A save that finds the file changed since (another
// stamp and other bytes) keeps that other version before it writes; the
// new text is written as the note was read.
struct Origin {
    Stamp stamp;
    QString text;
    Encoding encoding = Encoding::Windows1252;
};

// Outcome of a write or delete. A failure names the file and the reason, as
// "Cannot write data/2006-03-14.txt: No space left on device".
struct Result {
    QString error;
    // Success: the note file's stamp now. Failure: the stamp a later try
    // starts from, that of a version kept as a copy when one was made.
    Stamp stamp;
    // "data/2006-03-14 (changed outside 2026-12-08 10.31.02).txt": where the
    // version found on disk went, when it had changed since the origin.
    QString keptCopy;
    // Success: how the note file now reads (Windows1252 for no file).
    // Failure: the origin's.
    Encoding encoding = Encoding::Windows1252;
    // "history/2006-03-14/2026-12-09 13.50.02.txt": the version kept of the
    // note replaced or deleted, when one was asked for and there was a note.
    // A failed change keeps none: the note is still that version.
    QString keptVersion;
    // Why no version could be kept; the change itself went on.
    QString versionError;
    bool ok() const { return error.isEmpty(); }
};

// Whether a change keeps the note it replaces or deletes as a version.
enum class KeepVersion { No, Yes };

// A note as read from disk. "No note" is the empty text with no error; a file
// that exists but cannot be read gives an error and no text.
struct Note {
    QString text;
    QString error;
    Stamp stamp;
    Encoding encoding = Encoding::Windows1252;   // how the file was read
    bool ok() const { return error.isEmpty(); }
};

struct Bytes {
    QByteArray bytes;
    QString error;
    Stamp stamp;
    bool ok() const { return error.isEmpty(); }
};

// Reads an open note file to its end into `out` from `filled` on, growing
// `out` as needed (it may end up longer than what was read); `filled` ends
// after the last byte read. Never more than kMaxNoteSize bytes: a note that
// grows past them while it is read is kTooLarge. 0, or why it failed, with
// `filled` as it was.
int readNote(const NoteFile &file, QByteArray &out, qsizetype &filled);

// Why a note cannot be read, as the user is told: "Cannot read
// data/2006-03-14.txt: Is a directory", "... too large to show (4.0 MiB; a
// note has at most 4 MiB)". size: the file's, for kTooLarge.
QString readFailure(qint16 day, qint16 month, qint16 year, int error, qint64 size);

// "4.0 MiB": a size as it is, to a tenth of its unit, never rounded up.
QString sizeText(qint64 bytes);

class NoteStore
{
public:
    // Flushes a saved note's new bytes to the disk: 0 or the errno.
    using FileSync = int (*)(int fd);
    using Clock = std::function<QDateTime()>;

    // root: the working folder that holds data/; empty stands for the
    // current folder. syncs: where the folder syncs after saves run; the
    // process's own unless given. syncFile: store::syncFile unless given.
    explicit NoteStore(const QString &root, FolderSync *syncs = nullptr, FileSync syncFile = nullptr);

    QString root() const { return m_root; }

    // The local time that names a kept copy; the system clock unless set.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // "data/2006-01-05.txt": relative to the working folder, for any numbers
    // given (29 February 2023 names data/2023-02-29.txt).
    static QString GetFileName(qint16 day, qint16 month, qint16 year);

    // Absolute path of the note file.
    QString path(qint16 day, qint16 month, qint16 year) const;

    // A file above kMaxNoteSize is an error ("too large to show") and is
    // never read whole. GetData reads the file by the rule of encoding.h;
    // GetBytes gives its bytes as they are.
    Note GetData(qint16 day, qint16 month, qint16 year) const;
    Bytes GetBytes(qint16 day, qint16 month, qint16 year) const;

    // Replaces the note file crash-safely: the new bytes go to a temporary
    // file beside it, reach the disk, and are renamed over the note, so the
    // old note stays whole until the new one is complete. The new name
    // reaches the disk right after, in the background (see waitForDisk); a
    // failure there fails the next save or deletion, once. Creates data/ when
    // it is missing. Leaves a file alone whose bytes are already the note's.
    // The note keeps its permissions; a note file the user may not write is
    // an error, as it would be if it were overwritten in place.
    //
    // A note that is a symbolic link stays one: the new bytes replace the
    // file it points to, in that file's folder (a link to a missing file
    // creates it there, when its folder exists). A note with other hard
    // links gets a file of its own; the other names keep the old text.
    //
    // With an origin, a note file that changed since (deleted is no change)
    // is first copied to "data/<date> (changed outside <local time>).txt",
    // " 2", " 3" ... added when that name is taken, so that both versions
    // stay; the result names the copy.
    //
    // UpdateData writes the text by the rule of encoding.h, as the origin
    // was read (without one, as a new note); UpdateBytes writes the bytes
    // as they are.
    //
    // With KeepVersion::Yes the note file as it was, when it was the
    // origin's version (or, without an origin, whatever it was), is kept
    // first as the date's newest version in history/ (see versions.h). A
    // version that cannot be kept never stops the change: the result says
    // why (versionError).
    Result UpdateData(qint16 day, qint16 month, qint16 year, const QString &data,
                      const Origin *origin = nullptr, KeepVersion keep = KeepVersion::No) const;
    Result UpdateBytes(qint16 day, qint16 month, qint16 year, const QByteArray &bytes,
                       const Origin *origin = nullptr, KeepVersion keep = KeepVersion::No) const;

    // Removes the note file; no file is no error. A symbolic link stays and
    // its target is emptied instead. With an origin and a version to keep,
    // as UpdateData.
    Result DeleteData(qint16 day, qint16 month, qint16 year, const Origin *origin = nullptr,
                      KeepVersion keep = KeepVersion::No) const;

    // Returns once every save and deletion so far has reached the disk,
    // names in data/ included. A failure that no save has reported yet is
    // reported here.
    Result waitForDisk() const;

    // Removes the temporary files in data/ that saves of notes left behind
    // when their process was killed: only names a save makes, and only of
    // processes that no longer run. Lists data/, so it is no step of the
    // start-up's rendering. Returns how many were removed. The conflict
    // copies met on the way go into `copies`, when given.
    int removeLeftovers(ConflictCopies *copies = nullptr) const;

private:
    QByteArray nativePath(qint16 day, qint16 month, qint16 year) const;
    QString earlierFailure(const char *verb, qint16 day, qint16 month, qint16 year) const;
    bool keepIfChanged(const QByteArray &path, const Origin &origin, qint16 day, qint16 month, qint16 year,
                       Result &result, Stamp &seen) const;
    bool keepCopy(const NoteFile &file, qint16 day, qint16 month, qint16 year, Result &result) const;
    KeptVersion keepVersion(const NoteDate &date, const QByteArray &path, const Stamp &expected) const;
    void settleVersion(KeptVersion &kept, bool replaced, Result &result) const;
    bool putInPlace(const QByteArray &temp, const QByteArray &path, const Stamp &mine, const Stamp &seen,
                    const Origin &origin, const QByteArray &bytes, qint16 day, qint16 month, qint16 year,
                    Result &result, int &err) const;

    QString m_root;
    QByteArray m_rootDir;   // encoded root; "." for an empty one
    QByteArray m_dataDir;   // encoded "<root>/data"
    FolderSync *m_syncs;
    FileSync m_syncFile;
    Clock m_clock;
};

} // namespace store
