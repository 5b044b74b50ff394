#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Day notes on disk: one file per date, data/<year>-<mm>-<dd>.txt under the
// working folder, holding exactly the note's characters as Windows-1252 bytes
// (line breaks CR LF, nothing added). A date without a file has the empty note.
namespace store {

class FolderSync;

// Outcome of a write or delete. A failure names the file and the reason, as
// "Cannot write data/2006-03-14.txt: No space left on device".
struct Result {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// A note as read from disk. "No note" is the empty text with no error; a file
// that exists but cannot be read gives an error and no text.
struct Note {
    QString text;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

struct Bytes {
    QByteArray bytes;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

class NoteStore
{
public:
    // Flushes a saved note's new bytes to the disk: 0 or the errno.
    using FileSync = int (*)(int fd);

    // root: the working folder that holds data/; empty stands for the
    // current folder. syncs: where the folder syncs after saves run; the
    // process's own unless given. syncFile: store::syncFile unless given.
    explicit NoteStore(const QString &root, FolderSync *syncs = nullptr, FileSync syncFile = nullptr);

    QString root() const { return m_root; }

    // "data/2006-01-05.txt": relative to the working folder, for any numbers
    // given (29 February 2023 names data/2023-02-29.txt).
    static QString GetFileName(qint16 day, qint16 month, qint16 year);

    // Absolute path of the note file.
    QString path(qint16 day, qint16 month, qint16 year) const;

    Note GetData(qint16 day, qint16 month, qint16 year) const;
    Bytes GetBytes(qint16 day, qint16 month, qint16 year) const;

    // Replaces the note file crash-safely: the new bytes go to a temporary
    // file in data/, reach the disk, and are renamed over the note, so the old
    // note stays whole until the new one is complete. The new name reaches
    // the disk right after, in the background (see waitForDisk); a failure
    // there fails the next save or deletion. Creates data/ when it is
    // missing. Leaves a file alone whose bytes are already the note's. The
    // note keeps its permissions; a note file the user may not write is an
    // error, as it would be if it were overwritten in place.
    Result UpdateData(qint16 day, qint16 month, qint16 year, const QString &data) const;
    Result UpdateBytes(qint16 day, qint16 month, qint16 year, const QByteArray &bytes) const;

    // Removes the note file; no file is no error.
    Result DeleteData(qint16 day, qint16 month, qint16 year) const;

    // Returns once every save and deletion so far has reached the disk,
    // names in data/ included.
    Result waitForDisk() const;

private:
    QByteArray nativePath(qint16 day, qint16 month, qint16 year) const;

    QString m_root;
    QByteArray m_rootDir;   // encoded root; "." for an empty one
    QByteArray m_dataDir;   // encoded "<root>/data"
    FolderSync *m_syncs;
    FileSync m_syncFile;
};

} // namespace store
