#pragma once

#include "notedate.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

#include <vector>

// Every version of a day: the earlier versions Kalivo keeps of a note before
// it replaces or deletes it, and the conflict copies that sync tools (and
// Kalivo itself, for a note changed outside while it was typed) leave
// beside the note in data/.
//
// Kept versions live in history/<date>/<local time>.txt in the working
// folder, beside data/: "history/2006-03-14/2026-12-09 13.50.02.txt", then
// " 2", " 3" ... for more in the same second. Folders are the user's alone
// (0700), files too (0600); history/ and a date's folder are never followed
// when they are symbolic links, nor is anything in them.
namespace store {

// The newest versions of each date that are kept; older ones go.
constexpr int kKeptVersions = 20;

// Where a version came from.
enum class VersionSource {
    Kalivo,           // kept in history/ before a save or a deletion
    ChangedOutside,   // "2006-03-14 (changed outside 2026-12-08 10.31.02).txt"
    Syncthing,        // "2006-03-14.sync-conflict-20260309-101500-ABCDEFG.txt"
    Nextcloud,        // "2006-03-14 (conflicted copy 2026-03-09 101500).txt", also ownCloud's
    Dropbox,          // "2006-03-14 (Ann's conflicted copy 2026-03-09).txt"
};

// What a name in data/ stands for as a conflict copy: the date of the note
// it is a copy of (day 0: no copy) and the time its name holds (invalid
// when the name holds a date only). The note's part of the name follows
// the strict rule of note names.
struct ConflictName {
    NoteDate date;
    VersionSource source = VersionSource::Kalivo;
    QDateTime time;
    bool isCopy() const { return date.day != 0; }
};
ConflictName parseConflictName(QByteArrayView name);

// "2026-12-09 13.50.02.txt" for number 1, "2026-12-09 13.50.02 2.txt" for 2.
QByteArray versionFileName(const QDateTime &time, int number);
// The time and number of a kept version's file name; false for any other
// name.
bool parseVersionName(QByteArrayView name, QDateTime &time, int &number);

// "history/2006-03-14": the folder of a date's kept versions, relative to
// the working folder.
QString versionFolder(const NoteDate &date);

// One earlier version of a day, kept or a conflict copy.
struct Version {
    QString file;         // relative to the working folder: "history/2006-03-14/..." or "data/..."
    VersionSource source = VersionSource::Kalivo;
    QDateTime time;       // from the name, else the file's modification time
    int number = 1;       // of versions kept in the same second
    QString text;         // the whole text, when it could be read
    QString error;        // why it cannot be read; empty when it could
    bool isCopy() const { return source != VersionSource::Kalivo; }
};

struct Versions {
    std::vector<Version> list;   // newest first
    QString problem;             // why kept versions cannot be shown at all, or empty
};

// The conflict copies in data/ by the date they belong to: file names, as
// a listing of data/ found them and the watch of data/ has told of since.
class ConflictCopies
{
public:
    // Records that the copy `name` is there or gone; false for a name that
    // is no conflict copy's.
    bool set(const QByteArray &name, bool present);
    bool has(const NoteDate &date) const { return m_byDate.contains(date); }
    std::vector<QByteArray> namesOf(const NoteDate &date) const;
    QList<NoteDate> dates() const { return m_byDate.keys(); }

private:
    QHash<NoteDate, QSet<QByteArray>> m_byDate;
};

// Every version of a date, newest first, each read whole (none above the
// 4 MiB limit) or with the reason it cannot be. `copies`: the names of the
// date's conflict copies in data/; data/ is listed when they are not given.
// Entries of history/ that are not named as Kalivo names its versions are
// passed by; symbolic links are listed with the reason and never followed.
// Reads and writes nothing else.
Versions listVersions(const QString &root, const NoteDate &date, const std::vector<QByteArray> *copies = nullptr);

// Removes a date's kept versions beyond the newest `keep`: only files
// named as Kalivo names them; links and anything else stay. Returns how
// many went.
int pruneVersions(const QString &root, const NoteDate &date, int keep = kKeptVersions);
// The same for every date in history/.
int pruneAllVersions(const QString &root, int keep = kKeptVersions);

// Deletes the conflict copy data/<name>, which must be named as one (a
// link goes, not what it points to). Empty, or why it failed.
QString deleteConflictCopy(const QString &root, const QByteArray &name);

// A version kept before a note is replaced or deleted: the note's own file
// under a second name when it can be (a hard link costs neither the bytes
// nor a flush), else a copy of its bytes, flushed before it gets its name.
struct KeptVersion {
    QByteArray path;      // native path of the version's file; empty: none kept
    QString file;         // "history/2006-03-14/2026-12-09 13.50.02.txt"
    QString error;        // why none could be kept: history/ is a link or cannot be written
    bool private_ = true; // the file has mode 0600; a linked note of another mode gets it once replaced
};

} // namespace store
