#include "store.h"

#include "codepage.h"
#include "fileio.h"
#include "foldersync.h"
#include "notename.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

using fileio::kNotAFile;
using fileio::reason;

// Names tried for a save's temporary file before giving up; one is taken
// only when an earlier process of the same id left its temporary file.
constexpr int kTempAttempts = 100;

QString failure(const char *verb, qint16 day, qint16 month, qint16 year, int err)
{
    return QStringLiteral("Cannot %1 %2: %3")
        .arg(QLatin1String(verb), NoteStore::GetFileName(day, month, year), reason(err));
}

// Reads an open regular file to its end. False with errno set on failure.
bool readAll(int fd, qsizetype sizeHint, QByteArray &out)
{
    out.resize(sizeHint > 0 ? sizeHint : 0);
    qsizetype filled = 0;
    for (;;) {
        if (filled == out.size())
            out.resize(filled + (filled < 4096 ? 4096 : filled));
        const ssize_t n = ::read(fd, out.data() + filled, static_cast<size_t>(out.size() - filled));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        filled += n;
    }
    out.resize(filled);
    return true;
}

// Opens a note file for reading. -1 with errno 0 means "no note"; -1 with
// errno set (or kNotAFile) is a failure.
int openNote(const char *path)
{
    // O_NONBLOCK: a fifo at the note's path must not hang the program.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            errno = 0;
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = S_ISDIR(st.st_mode) ? EISDIR : kNotAFile;
        return -1;
    }
    return fd;
}

// A folder sync of an earlier save or deletion that failed is tried again:
// 0 when it now succeeds (or none failed).
int retryFailedSync(FolderSync &syncs, const QByteArray &folder)
{
    return syncs.error(folder) != 0 ? syncs.syncNow(folder) : 0;
}

} // namespace

NoteStore::NoteStore(const QString &root, FolderSync *syncs, FileSync syncFile)
    : m_root(root)
    , m_rootDir(root.isEmpty() ? QByteArray(".") : QFile::encodeName(root))
    , m_dataDir(m_rootDir + "/data")
    , m_syncs(syncs ? syncs : &FolderSync::shared())
    , m_syncFile(syncFile ? syncFile : store::syncFile)
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
    const QByteArray p = nativePath(day, month, year);
    const int fd = openNote(p.constData());
    if (fd < 0) {
        if (errno != 0)
            result.error = failure("read", day, month, year, errno);
        return result;
    }
    struct stat st;
    ::fstat(fd, &st);
    if (!readAll(fd, static_cast<qsizetype>(st.st_size), result.bytes)) {
        result.error = failure("read", day, month, year, errno);
        result.bytes.clear();
    }
    ::close(fd);
    return result;
}

Note NoteStore::GetData(qint16 day, qint16 month, qint16 year) const
{
    Bytes raw = GetBytes(day, month, year);
    return Note{codepage::toUnicode(raw.bytes), std::move(raw.error)};
}

Result NoteStore::UpdateData(qint16 day, qint16 month, qint16 year, const QString &data) const
{
    return UpdateBytes(day, month, year, codepage::fromUnicode(data));
}

Result NoteStore::UpdateBytes(qint16 day, qint16 month, qint16 year, const QByteArray &bytes) const
{
    const QByteArray target = nativePath(day, month, year);
    if (const int err = retryFailedSync(*m_syncs, m_dataDir); err != 0)
        return {failure("write", day, month, year, err)};
    mode_t mode = 0600;   // a new note is for the user alone

    // Whatever stands at the note's path decides what happens: a directory
    // or something else that is no file is never replaced; a file holding
    // these very bytes needs no write; a file the user may not write stays
    // as it is, as it would if it were overwritten in place. Anything that
    // keeps stat() from looking (no data/ yet, a loop of links) is left to
    // the creation of the temporary file below.
    struct stat st;
    if (::stat(target.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return {failure("write", day, month, year, S_ISDIR(st.st_mode) ? EISDIR : kNotAFile)};
        mode = st.st_mode & 07777;
        if (st.st_size == bytes.size()) {
            const int fd = ::open(target.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
            if (fd >= 0) {
                QByteArray present;
                struct stat now;
                const bool same = ::fstat(fd, &now) == 0 && S_ISREG(now.st_mode)
                    && readAll(fd, now.st_size, present) && present == bytes;
                ::close(fd);
                if (same)
                    return {};
            }
        }
        if (::access(target.constData(), W_OK) != 0)
            return {failure("write", day, month, year, errno)};
    }

    // Temporary file beside the note, so that the rename stays within one
    // file system; a replaced note keeps exactly the mode it had.
    static unsigned counter = 0;
    const QByteArray name = target.mid(m_dataDir.size() + 1);
    const fileio::NewFile created = fileio::createUnique(m_dataDir, [&] {
        return "." + name + '.' + QByteArray::number(qint64(::getpid())) + '.'
            + QByteArray::number(++counter) + ".tmp";
    }, mode, kTempAttempts);
    // No data/ before: the first note of a fresh working folder. Its entry
    // in the working folder must reach the disk as well.
    if (created.madeFolder)
        syncFolder(m_rootDir);
    if (created.fd < 0)
        return {failure("write", day, month, year, created.error)};
    const int fd = created.fd;
    const QByteArray &temp = created.path;

    // The bytes reach the disk before the rename: a crash never leaves the
    // new name on a note whose bytes are lost.
    int err = 0;
    if (!fileio::writeAll(fd, bytes.constData(), bytes.size()))
        err = errno;
    else
        err = m_syncFile(fd);
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temp.constData(), target.constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.constData());
        return {failure("write", day, month, year, err)};
    }

    // The rename itself must reach the disk too, or a power cut could bring
    // back the old note.
    if (const int syncErr = m_syncs->request(m_dataDir); syncErr != 0)
        return {failure("write", day, month, year, syncErr)};
    return {};
}

Result NoteStore::DeleteData(qint16 day, qint16 month, qint16 year) const
{
    const QByteArray target = nativePath(day, month, year);
    if (const int err = retryFailedSync(*m_syncs, m_dataDir); err != 0)
        return {failure("delete", day, month, year, err)};
    if (::unlink(target.constData()) != 0) {
        const int err = errno;
        // A read-only file system refuses the unlink before it looks for the
        // file: a note that is not there is still no failure.
        struct stat st;
        if (err == ENOENT || err == ENOTDIR
            || (::lstat(target.constData(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR)))
            return {};
        return {failure("delete", day, month, year, err)};
    }
    // Without this a power cut could bring the deleted note back.
    m_syncs->request(m_dataDir);
    return {};
}

Result NoteStore::waitForDisk() const
{
    if (m_syncs->wait(m_dataDir) == 0)
        return {};
    if (const int err = m_syncs->syncNow(m_dataDir); err != 0)
        return {QStringLiteral("Cannot write data/ to the disk: %1").arg(reason(err))};
    return {};
}

} // namespace store
