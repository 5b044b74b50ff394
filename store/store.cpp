#include "store.h"

#include "fileio.h"
#include "foldersync.h"
#include "notefile.h"
#include "storefailures.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

using fileio::reason;

// Names tried for a save's temporary file before giving up; one is taken
// only when an earlier process of the same id left its temporary file.
constexpr int kTempAttempts = 100;
// Names tried for a kept copy: " 2" ... " 100" after the first.
constexpr int kCopyAttempts = 100;
// Symbolic links followed from a note to the file it stands for, as the
// kernel's own limit.
constexpr int kMaxLinks = 40;

Stamp stampOf(const struct stat &st)
{
    return Stamp{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
                 qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// Whether an open note file holds exactly these bytes; it is read only when
// its size says it may.
bool holds(const NoteFile &file, const QByteArray &bytes)
{
    QByteArray present;
    qsizetype filled = 0;
    return file.size() == bytes.size() && ::lseek(file.fd(), 0, SEEK_SET) == 0 && readNote(file, present, filled) == 0
        && QByteArrayView(present.constData(), filled) == bytes;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

} // namespace

namespace {

// The file whose bytes a note's name stands for: the note itself, or what
// its chain of symbolic links ends in.
struct Target {
    QByteArray path;
    QByteArray folder;
    QByteArray name;
    bool linked = false;
};

// Follows the links from a note's path to the file they end in, which need
// not exist. 0, or the errno.
int resolve(const QByteArray &note, QByteArray &path, bool &linked)
{
    path = note;
    linked = false;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        char link[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), link, sizeof link);
        if (n < 0) {
            // No link: a file, something else, or nothing at all, which the
            // write itself will meet.
            if (errno == EINVAL || errno == ENOENT || errno == ENOTDIR)
                return 0;
            return errno;
        }
        if (size_t(n) == sizeof link)
            return ENAMETOOLONG;
        const QByteArray to(link, n);
        path = to.startsWith('/') ? to : folderOf(path) + '/' + to;
        linked = true;
    }
    return ELOOP;
}

} // namespace

NoteStore::NoteStore(const QString &root, FolderSync *syncs, FileSync syncFile)
    : m_root(root)
    , m_rootDir(root.isEmpty() ? QByteArray(".") : QFile::encodeName(root))
    , m_dataDir(m_rootDir + "/data")
    , m_syncs(syncs ? syncs : &FolderSync::shared())
    , m_syncFile(syncFile ? syncFile : store::syncFile)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
}

QString NoteStore::GetFileName(qint16 day, qint16 month, qint16 year)
{
    char name[kNoteNameSize];
    formatNoteName(name, sizeof name, day, month, year);
    return QLatin1String("data/") + QLatin1String(name);
}

QByteArray NoteStore::nativePath(qint16 day, qint16 month, qint16 year) const
{
    char name[kNoteNameSize];
    const int n = formatNoteName(name, sizeof name, day, month, year);
    QByteArray p;
    p.reserve(m_dataDir.size() + 1 + n);
    p.append(m_dataDir).append('/').append(name, n);
    return p;
}

QString NoteStore::path(qint16 day, qint16 month, qint16 year) const
{
    return QFile::decodeName(nativePath(day, month, year));
}

Bytes NoteStore::GetBytes(qint16 day, qint16 month, qint16 year) const
{
    Bytes result;
    const NoteFile file = NoteFile::open(AT_FDCWD, nativePath(day, month, year).constData());
    if (file.isNote() || file.error() == kTooLarge)
        result.stamp = stampOf(file.status());
    int err = file.error();
    qsizetype filled = 0;
    if (file.isNote())
        err = readNote(file, result.bytes, filled);
    result.bytes.resize(filled);
    if (err != 0)
        result.error = readFailure(day, month, year, err, file.size());
    return result;
}

Note NoteStore::GetData(qint16 day, qint16 month, qint16 year) const
{
    Bytes raw = GetBytes(day, month, year);
    const Encoding encoding = encodingOf(raw.bytes);
    return Note{decode(raw.bytes, encoding), std::move(raw.error), raw.stamp, encoding};
}

Result NoteStore::UpdateData(qint16 day, qint16 month, qint16 year, const QString &data,
                             const Origin *origin, KeepVersion keep) const
{
    return UpdateBytes(day, month, year, encode(data, origin ? origin->encoding : Encoding::Windows1252).bytes,
                       origin, keep);
}

// The change that a version was kept for is done (replaced) or failed: a
// failed change leaves the note as it was, which needs no version.
void NoteStore::settleVersion(KeptVersion &kept, bool replaced, Result &result) const
{
    result.versionError = kept.error;
    if (kept.path.isEmpty())
        return;
    if (!replaced) {
        ::unlink(kept.path.constData());
    } else {
        // A note of another mode shared its file with the version until now.
        if (!kept.private_)
            ::chmod(kept.path.constData(), 0600);
        result.keptVersion = kept.file;
    }
    kept.path.clear();
}

// A folder sync that failed in the background and that no change has
// reported yet fails this change, once: the entries it lost need not be on
// the disk, however well later syncs went. One already reported is tried
// again, and fails this change while it still fails.
QString NoteStore::earlierFailure(const char *verb, qint16 day, qint16 month, qint16 year) const
{
    for (const QByteArray *folder : {&m_dataDir, &m_rootDir}) {
        if (const int err = m_syncs->takeUnreported(*folder); err != 0) {
            return failure(verb, day, month, year,
                           QCoreApplication::translate("store", "an earlier change may not have reached the disk (%1)")
                               .arg(reason(err)));
        }
        if (m_syncs->error(*folder) != 0) {
            if (const int err = m_syncs->syncNow(*folder); err != 0)
                return failure(verb, day, month, year, err);
        }
    }
    return QString();
}

// The note's file at `path` is about to be replaced or removed. When it is
// no longer the version the edit started from, it is copied first, under a
// name of its own that nothing reads as a note, and the copy reaches the
// disk before the note is touched. A file that is another version only by
// its stamp (touched, or written again with the same bytes) needs no copy.
// `seen`: the stamp of the file found, the null stamp for none. False with
// result.error set when the copy could not be made; the note is then left
// as it is.
bool NoteStore::keepIfChanged(const QByteArray &path, const Origin &origin, qint16 day, qint16 month,
                              qint16 year, Result &result, Stamp &seen) const
{
    const NoteFile file = NoteFile::open(AT_FDCWD, path.constData());
    seen = file.state() == NoteFile::State::NoNote ? Stamp{} : stampOf(file.status());
    // Deleted outside: there is nothing to keep.
    if (file.state() == NoteFile::State::NoNote)
        return true;
    if (file.isNote() && (seen == origin.stamp || holds(file, encode(origin.text, origin.encoding).bytes)))
        return true;
    return keepCopy(file, day, month, year, result);
}

// Copies a version of the note that changed outside to "data/<date>
// (changed outside <local time>).txt", " 2", " 3" ... added while the name
// is taken, and makes the copy reach the disk. The name is claimed first and
// filled after: until the note is replaced, the note itself still holds
// this version. False with result.error set when no copy could be made.
bool NoteStore::keepCopy(const NoteFile &file, qint16 day, qint16 month, qint16 year, Result &result) const
{
    if (file.error() == kTooLarge) {
        result.error = failure("write", day, month, year,
                               QCoreApplication::translate("store",
                                                           "it was changed outside Kalivo into a file too large "
                                                           "to keep a copy of (%1)")
                                   .arg(sizeText(file.size())));
        return false;
    }
    if (!file.isNote()) {
        result.error = failure("write", day, month, year, file.error());
        return false;
    }
    const int fd = file.fd();
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        result.error = failure("write", day, month, year, errno);
        return false;
    }

    char name[kNoteNameSize];
    const int length = formatNoteName(name, sizeof name, day, month, year);
    const QByteArray base = QByteArray(name, length - 4) + " (changed outside "
        + m_clock().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")).toLatin1() + ')';
    int drawn = 0;
    const fileio::NewFile copy = fileio::createUnique(m_dataDir, [&] {
        ++drawn;
        return base + (drawn > 1 ? ' ' + QByteArray::number(drawn) : QByteArray()) + ".txt";
    }, file.status().st_mode & 07777, kCopyAttempts, false);
    if (copy.fd < 0) {
        result.error = copy.error != EEXIST
            ? failure("write", day, month, year, copy.error)
            : failure("write", day, month, year,
                      QCoreApplication::translate("store",
                                                  "it was changed outside Kalivo, and there is no free name for a "
                                                  "copy of that version (data/%1.txt and %2 more are taken)")
                          .arg(QFile::decodeName(base))
                          .arg(kCopyAttempts - 1));
        return false;
    }
    int err = fileio::copyRest(fd, copy.fd) ? m_syncFile(copy.fd) : errno;
    if (::close(copy.fd) != 0 && err == 0)
        err = errno;
    if (err == 0)
        err = m_syncs->syncNow(m_dataDir);
    if (err != 0) {
        ::unlink(copy.path.constData());
        result.error = failure("write", day, month, year, err);
        return false;
    }
    const QString kept = QLatin1String("data/") + QFile::decodeName(copy.path.mid(m_dataDir.size() + 1));
    result.keptCopy = result.keptCopy.isEmpty()
        ? kept
        : QCoreApplication::translate("store", "%1 and %2", "two copies of a note").arg(result.keptCopy, kept);
    result.stamp = stampOf(file.status());
    return true;
}

// Puts the new file at `temp` (stamp `mine`) in the place of the note's
// file at `path`, which was `seen` when it was checked against the edit's
// origin. Another program may have changed the note since, while the new
// bytes were written and flushed: the two files are exchanged in one step,
// and the one swapped out is kept as a copy unless it is the version
// checked, the origin's text or the new text. Whatever the timing, no
// version is lost. A copy that cannot be made swaps the files back and
// fails the save. False on failure, with the errno of a rename in `err`,
// or with err 0 and result.error set; `temp` is gone either way, unless a
// third version took its name in the meantime.
bool NoteStore::putInPlace(const QByteArray &temp, const QByteArray &path, const Stamp &mine, const Stamp &seen,
                           const Origin &origin, const QByteArray &bytes, qint16 day, qint16 month, qint16 year,
                           Result &result, int &err) const
{
    err = 0;
    // No file seen: it must not come into being meanwhile either, so the
    // rename replaces nothing. A file that came or went since switches to
    // the other way.
    bool replacing = seen.exists();
    for (int attempt = 0;; ++attempt) {
        if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, path.constData(),
                        replacing ? RENAME_EXCHANGE : RENAME_NOREPLACE)
            == 0)
            break;
        err = errno;
        if (attempt < 4 && err == (replacing ? ENOENT : EEXIST)) {
            replacing = !replacing;
            continue;
        }
        if (err != EINVAL && err != ENOSYS) {
            ::unlink(temp.constData());
            return false;
        }
        err = 0;
        // A file system that cannot exchange two files: the note is
        // checked once more, right before the rename.
        Stamp now;
        if (!keepIfChanged(path, Origin{seen, origin.text, origin.encoding}, day, month, year, result, now)) {
            ::unlink(temp.constData());
            return false;
        }
        if (::rename(temp.constData(), path.constData()) != 0) {
            err = errno;
            ::unlink(temp.constData());
            return false;
        }
        return true;
    }
    if (!replacing)
        return true;

    // `temp` names what stood at the note's path; most often the very file
    // checked, as its stamp shows without opening it.
    struct stat swapped;
    if (::lstat(temp.constData(), &swapped) == 0 && S_ISREG(swapped.st_mode) && stampOf(swapped) == seen) {
        ::unlink(temp.constData());
        return true;
    }
    const NoteFile out = NoteFile::open(AT_FDCWD, temp.constData());
    const bool unchanged = out.isNote()
        && (stampOf(out.status()) == seen || holds(out, encode(origin.text, origin.encoding).bytes)
            || holds(out, bytes));
    if (unchanged || keepCopy(out, day, month, year, result)) {
        ::unlink(temp.constData());
        return true;
    }
    // No copy: the note goes back to the version found, and this save
    // fails, to be tried again.
    struct stat back;
    if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, path.constData(), RENAME_EXCHANGE) == 0
        && ::lstat(temp.constData(), &back) == 0 && stampOf(back).inode == mine.inode
        && stampOf(back).device == mine.device)
        ::unlink(temp.constData());
    return false;
}

Result NoteStore::UpdateBytes(qint16 day, qint16 month, qint16 year, const QByteArray &bytes,
                              const Origin *origin, KeepVersion keep) const
{
    Result result;
    KeptVersion version;
    const auto dropVersion = qScopeGuard([&] { settleVersion(version, false, result); });
    if (origin) {
        result.stamp = origin->stamp;
        result.encoding = origin->encoding;
    }
    const auto fail = [&](int err) {
        result.error = failure("write", day, month, year, err);
        return result;
    };
    // A note is never written larger than it could be read again.
    if (bytes.size() > kMaxNoteSize) {
        result.error = failure("write", day, month, year,
                               QCoreApplication::translate("store", "too large for a note (%1; a note has at most %2)")
                                   .arg(sizeText(bytes.size()), sizeText(kMaxNoteSize)));
        return result;
    }
    result.error = earlierFailure("write", day, month, year);
    if (!result.ok())
        return result;

    const QByteArray note = nativePath(day, month, year);
    Target target;
    if (const int err = resolve(note, target.path, target.linked); err != 0)
        return fail(err);
    target.folder = target.linked ? folderOf(target.path) : m_dataDir;
    target.name = target.path.mid(target.path.lastIndexOf('/') + 1);
    mode_t mode = 0600;   // a new note is for the user alone

    // A linked note's file lies in a folder of its own: what fails there
    // is told with that folder's name, not as a failure of data/.
    const auto failThere = [&](int err, const char *what) {
        if (!target.linked)
            return fail(err);
        result.error = failure("write", day, month, year,
                               QCoreApplication::translate("store", what)
                                   .arg(QFile::decodeName(target.path), QFile::decodeName(target.folder),
                                        reason(err)));
        return result;
    };
    const char *const refused = QT_TRANSLATE_NOOP("store", "it is a link to %1, and its folder %2 refused the new text: %3");
    const char *const unsynced =
        QT_TRANSLATE_NOOP("store", "it is a link to %1, and its folder %2 could not be written to the disk: %3");

    // A sync of that folder that failed stands until one works: the
    // earlier save's new name may not be on the disk, also when the file
    // holds these very bytes by now.
    if (target.linked && m_syncs->error(target.folder) != 0) {
        if (const int err = m_syncs->syncNow(target.folder); err != 0)
            return failThere(err, unsynced);
    }

    // Whatever stands at the note's path decides what happens: a directory
    // or something else that is no file is never replaced; a file holding
    // these very bytes needs no write; a file the user may not write stays
    // as it is, as it would if it were overwritten in place. Anything that
    // keeps stat() from looking (no data/ yet) is left to the creation of
    // the temporary file below.
    struct stat st;
    Stamp seen;   // the note's file as checked against the origin
    if (::stat(target.path.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return fail(S_ISDIR(st.st_mode) ? EISDIR : fileio::kNotAFile);
        mode = st.st_mode & 07777;
        if (st.st_size == bytes.size()) {
            const NoteFile file = NoteFile::open(AT_FDCWD, target.path.constData());
            if (file.isNote() && holds(file, bytes)) {
                result.stamp = stampOf(file.status());
                result.encoding = encodingOf(bytes);
                return result;
            }
        }
        if (::access(target.path.constData(), W_OK) != 0) {
            if (!target.linked)
                return fail(errno);
            result.error = failure("write", day, month, year,
                                   QCoreApplication::translate("store", "it is a link to %1, which cannot be written: %2")
                                       .arg(QFile::decodeName(target.path), reason(errno)));
            return result;
        }
        if (origin && !keepIfChanged(target.path, *origin, day, month, year, result, seen))
            return result;
        // A version changed outside is kept as a copy already.
        if (keep == KeepVersion::Yes && result.keptCopy.isEmpty())
            version = keepVersion(NoteDate{day, month, year}, target.path, origin ? seen : stampOf(st));
    }

    // Temporary file beside the file it replaces, so that the rename stays
    // within one file system; a replaced note keeps exactly the mode it had.
    // Its name carries the process's id, so that the next start can tell a
    // temporary file whose writer was killed from one being written.
    static unsigned counter = 0;
    const fileio::NewFile created = fileio::createUnique(target.folder, [&] {
        return "." + target.name + '.' + QByteArray::number(qint64(::getpid())) + '.'
            + QByteArray::number(++counter) + ".tmp";
    }, mode, kTempAttempts, !target.linked);
    if (created.fd < 0) {
        if (target.linked && (created.error == ENOENT || created.error == ENOTDIR)) {
            result.error = failure("write", day, month, year,
                                   QCoreApplication::translate("store", "it is a link to %1, whose folder does not exist")
                                       .arg(QFile::decodeName(target.path)));
            return result;
        }
        return failThere(created.error, refused);
    }
    const int fd = created.fd;
    const QByteArray &temp = created.path;

    // No data/ before: the first note of a fresh working folder. Its entry
    // in the working folder must reach the disk as well.
    int err = created.madeFolder ? m_syncs->syncNow(m_rootDir) : 0;

    // The bytes reach the disk before the rename: a crash never leaves the
    // new name on a note whose bytes are lost.
    struct stat written;
    if (err == 0 && !fileio::writeAll(fd, bytes.constData(), bytes.size()))
        err = errno;
    if (err == 0)
        err = m_syncFile(fd);
    if (err == 0 && ::fstat(fd, &written) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && !origin && ::rename(temp.constData(), target.path.constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.constData());
        return failThere(err, refused);
    }
    if (origin && !putInPlace(temp, target.path, stampOf(written), seen, *origin, bytes, day, month, year, result,
                              err))
        return err != 0 ? failThere(err, refused) : result;
    result.stamp = stampOf(written);
    result.encoding = encodingOf(bytes);
    settleVersion(version, true, result);

    // The rename itself must reach the disk too, or a power cut could bring
    // back the old note. A folder other than data/ is synced at once, so
    // that its failure is this save's.
    if (target.folder != m_dataDir) {
        if (const int syncErr = m_syncs->syncNow(target.folder); syncErr != 0)
            return failThere(syncErr, unsynced);
    } else if (const int syncErr = m_syncs->request(m_dataDir); syncErr != 0) {
        return fail(syncErr);
    }
    return result;
}

Result NoteStore::DeleteData(qint16 day, qint16 month, qint16 year, const Origin *origin, KeepVersion keep) const
{
    Result result;
    if (origin) {
        result.stamp = origin->stamp;
        result.encoding = origin->encoding;
    }
    result.error = earlierFailure("delete", day, month, year);
    if (!result.ok())
        return result;
    const QByteArray target = nativePath(day, month, year);
    struct stat st;
    if (::lstat(target.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // A link stays a link: the file it points to is emptied, which reads
        // as no note. A link to nothing stands for no note already.
        if (::stat(target.constData(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR))
            return result;
        return UpdateBytes(day, month, year, QByteArray(), origin, keep);
    }
    Stamp seen;
    if (origin && !keepIfChanged(target, *origin, day, month, year, result, seen))
        return result;
    KeptVersion version;
    if (keep == KeepVersion::Yes && result.keptCopy.isEmpty()) {
        if (!origin && ::stat(target.constData(), &st) == 0)
            seen = stampOf(st);
        version = keepVersion(NoteDate{day, month, year}, target, seen);
    }
    const int err = ::unlink(target.constData()) == 0 ? 0 : errno;
    settleVersion(version, err == 0, result);
    if (err != 0) {
        // A read-only file system refuses the unlink before it looks for the
        // file: a note that is not there is still no failure.
        if (err == ENOENT || err == ENOTDIR
            || (::lstat(target.constData(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR))) {
            result.stamp = Stamp{};
            result.encoding = Encoding::Windows1252;
            return result;
        }
        result.error = failure("delete", day, month, year, err);
        return result;
    }
    result.stamp = Stamp{};
    result.encoding = Encoding::Windows1252;
    // Without this a power cut could bring the deleted note back.
    if (const int syncErr = m_syncs->request(m_dataDir); syncErr != 0)
        result.error = failure("delete", day, month, year, syncErr);
    return result;
}

Result NoteStore::waitForDisk() const
{
    m_syncs->wait(m_dataDir);
    // data/, the working folder, then the folders of linked notes whose
    // sync failed.
    std::vector<QByteArray> folders{m_dataDir, m_rootDir};
    for (const QByteArray &failed : m_syncs->failedFolders()) {
        if (std::find(folders.cbegin(), folders.cend(), failed) == folders.cend())
            folders.push_back(failed);
    }
    for (const QByteArray &folder : folders) {
        int err = m_syncs->takeUnreported(folder);
        if (err == 0 && m_syncs->error(folder) != 0)
            err = m_syncs->syncNow(folder);
        if (err != 0) {
            const QString where = folder == m_dataDir ? QStringLiteral("data/")
                : folder == m_rootDir                ? QCoreApplication::translate("store", "the working folder")
                                                     : QFile::decodeName(folder);
            Result result;
            result.error = QCoreApplication::translate("store", "Cannot write %1 to the disk: %2").arg(where, reason(err));
            return result;
        }
    }
    return {};
}

} // namespace store
