#include "versions.h"

#include "fileio.h"
#include "foldersync.h"
#include "notefile.h"
#include "store.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

using fileio::reason;

// Names tried for a version kept in one second: " 2" ... " 100" after the first.
constexpr int kVersionAttempts = 100;

// The texts of this file, for translation.
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(store::Versions)
};

// A descriptor that closes itself.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    Fd(Fd &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Fd &operator=(Fd &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    bool ok() const { return m_fd >= 0; }

private:
    int m_fd;
};

bool digits(std::string_view s, std::size_t from, std::size_t count, int &value)
{
    if (from + count > s.size())
        return false;
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        value = value * 10 + (s[i] - '0');
    }
    return true;
}

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view s, std::string_view suffix)
{
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// "YYYY<sep>MM<sep>DD" at the start of s, a date of the calendar.
bool dateAt(std::string_view s, std::string_view sep, QDate &date)
{
    int y = 0, m = 0, d = 0;
    const std::size_t w = sep.size();
    if (!digits(s, 0, 4, y) || s.substr(4, w) != sep || !digits(s, 4 + w, 2, m) || s.substr(6 + w, w) != sep
        || !digits(s, 6 + 2 * w, 2, d))
        return false;
    date = QDate(y, m, d);
    return date.isValid();
}

// "HH<sep>MM<sep>SS" at the start of s.
bool timeAt(std::string_view s, std::string_view sep, QTime &time)
{
    int h = 0, m = 0, sec = 0;
    const std::size_t w = sep.size();
    if (!digits(s, 0, 2, h) || s.substr(2, w) != sep || !digits(s, 2 + w, 2, m) || s.substr(4 + w, w) != sep
        || !digits(s, 4 + 2 * w, 2, sec))
        return false;
    time = QTime(h, m, sec);
    return time.isValid();
}

// " 2" ... " 999" at the end of a name's stem, for names taken; number 1
// has none.
bool numberAtEnd(std::string_view &stem, int &number)
{
    number = 1;
    const std::size_t space = stem.rfind(' ');
    if (space == std::string_view::npos)
        return true;
    const std::string_view tail = stem.substr(space + 1);
    if (tail.empty() || tail.size() > 3 || tail[0] == '0')
        return true;
    int n = 0;
    if (!digits(tail, 0, tail.size(), n))
        return true;
    if (n < 2)
        return false;
    number = n;
    stem = stem.substr(0, space);
    return true;
}

QDateTime dateTime(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::LocalTime);
}

QDateTime modifiedTime(const struct stat &st)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000,
                                          Qt::LocalTime);
}

// Why an entry of history/ or a copy cannot be read, for the list.
QString whyUnreadable(int err, qint64 size)
{
    if (err == ELOOP)
        return Texts::tr("It is a symbolic link, which Kalivo does not follow.");
    if (err == kTooLarge)
        return Texts::tr("It is too large to show (%1; a note has at most %2).")
            .arg(sizeText(std::max<qint64>(size, kMaxNoteSize + 1)), sizeText(kMaxNoteSize));
    return reason(err);
}

// Reads the file `name` in the folder `folder`, never through a link.
// Sets the version's text or error, and its time from the file when the
// name holds none.
void readVersion(int folder, const char *name, Version &version)
{
    const NoteFile file = NoteFile::open(folder, name, false);
    if (!version.time.isValid()) {
        struct stat st;
        if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0)
            version.time = modifiedTime(st);
    }
    if (file.state() == NoteFile::State::NoNote) {
        version.error = reason(ENOENT);
        return;
    }
    int err = file.error();
    QByteArray bytes;
    qsizetype filled = 0;
    if (file.isNote())
        err = readNote(file, bytes, filled);
    if (err != 0) {
        version.error = whyUnreadable(err, file.size());
        return;
    }
    bytes.truncate(filled);
    version.text = decode(bytes, encodingOf(bytes));
}

QByteArray noteBase(const NoteDate &date)
{
    char name[kNoteNameSize];
    const int n = formatNoteName(name, sizeof name, date.day, date.month, date.year);
    return QByteArray(name, n - 4);
}

// Opens the folder `name` in `parent`, never through a link: the folder,
// or -1 with why not in `why` (empty when there is none).
Fd openFolder(int parent, const char *name, const QString &shown, QString &why)
{
    Fd fd(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.ok() || errno == ENOENT)
        return fd;
    const int err = errno;
    struct stat st;
    if (::fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
        why = Texts::tr("%1 is a symbolic link, which Kalivo does not follow.").arg(shown);
    else if (err == ENOTDIR)
        why = Texts::tr("%1 is not a folder.").arg(shown);
    else
        why = Texts::tr("%1 cannot be opened: %2").arg(shown, reason(err));
    return fd;
}

Fd openRoot(const QString &root)
{
    return Fd(::open(root.isEmpty() ? "." : QFile::encodeName(root).constData(),
                     O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// The names in an open folder, '.' and '..' and hidden ones left out.
std::vector<QByteArray> namesIn(int folder)
{
    std::vector<QByteArray> names;
    const int copy = ::dup(folder);
    DIR *dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return names;
    }
    while (const struct dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.')
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return names;
}

struct KeptFile {
    QByteArray name;
    QDateTime time;
    int number;
};

// A date's kept versions as files, newest first.
std::vector<KeptFile> keptFiles(int folder)
{
    std::vector<KeptFile> files;
    for (const QByteArray &name : namesIn(folder)) {
        KeptFile file{name, {}, 1};
        struct stat st;
        if (parseVersionName(name, file.time, file.number)
            && ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const KeptFile &a, const KeptFile &b) {
        return a.time != b.time ? a.time > b.time : a.number > b.number;
    });
    return files;
}

int pruneFolder(int folder, int keep)
{
    int removed = 0;
    const std::vector<KeptFile> files = keptFiles(folder);
    for (std::size_t i = std::size_t(std::max(keep, 0)); i < files.size(); ++i) {
        if (::unlinkat(folder, files[i].name.constData(), 0) == 0)
            ++removed;
    }
    return removed;
}

} // namespace

ConflictName parseConflictName(QByteArrayView bytes)
{
    const std::string_view name(bytes.data(), std::size_t(bytes.size()));
    ConflictName copy;
    if (!endsWith(name, ".txt"))
        return copy;
    // The note's own name without ".txt", up to the first space or dot.
    const std::size_t end = name.find_first_of(" .");
    if (end == std::string_view::npos)
        return copy;
    const QByteArray note = QByteArray(name.data(), qsizetype(end)) + ".txt";
    const NoteDate date = dateOfNoteName(note.constData(), std::size_t(note.size()));
    if (date.day == 0)
        return copy;
    std::string_view rest = name.substr(end, name.size() - end - 4);
    QDate day;
    QTime time;

    if (startsWith(rest, ".sync-conflict-")) {
        // ".sync-conflict-20260309-101500-ABCDEFG": a device's short id.
        rest.remove_prefix(15);
        if (rest.size() != 23 || !dateAt(rest, "", day) || rest[8] != '-' || !timeAt(rest.substr(9), "", time)
            || rest[15] != '-')
            return copy;
        for (const char c : rest.substr(16)) {
            if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
                return copy;
        }
        copy.source = VersionSource::Syncthing;
        copy.time = dateTime(day, time);
    } else if (startsWith(rest, " (conflicted copy ")) {
        // " (conflicted copy 2026-03-09 101500)"
        rest.remove_prefix(18);
        if (rest.size() != 18 || !dateAt(rest, "-", day) || rest[10] != ' ' || !timeAt(rest.substr(11), "", time)
            || rest[17] != ')')
            return copy;
        copy.source = VersionSource::Nextcloud;
        copy.time = dateTime(day, time);
    } else if (startsWith(rest, " (changed outside ")) {
        // " (changed outside 2026-12-08 10.31.02)", " 2" ... when taken.
        rest.remove_prefix(18);
        int number = 1;
        if (!numberAtEnd(rest, number) || rest.size() != 20 || !dateAt(rest, "-", day) || rest[10] != ' '
            || !timeAt(rest.substr(11), ".", time) || rest[19] != ')')
            return copy;
        copy.source = VersionSource::ChangedOutside;
        copy.time = dateTime(day, time);
    } else if (startsWith(rest, " (") && endsWith(rest, ")")) {
        // " (Ann's conflicted copy 2026-03-09)", the apostrophe typed or typeset.
        constexpr std::string_view tail = " conflicted copy ";
        const std::size_t at = rest.rfind(tail);
        if (at == std::string_view::npos || rest.size() - at != tail.size() + 11
            || !dateAt(rest.substr(at + tail.size()), "-", day))
            return copy;
        std::string_view owner = rest.substr(2, at - 2);
        if (endsWith(owner, "'s"))
            owner.remove_suffix(2);
        else if (endsWith(owner, "\xE2\x80\x99s"))
            owner.remove_suffix(4);
        else
            return copy;
        if (owner.empty())
            return copy;
        copy.source = VersionSource::Dropbox;
    } else {
        return copy;
    }
    copy.date = date;
    return copy;
}

QByteArray versionFileName(const QDateTime &time, int number)
{
    QByteArray name = time.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")).toLatin1();
    if (number > 1)
        name += ' ' + QByteArray::number(number);
    return name + ".txt";
}

bool parseVersionName(QByteArrayView bytes, QDateTime &time, int &number)
{
    std::string_view stem(bytes.data(), std::size_t(bytes.size()));
    if (!endsWith(stem, ".txt"))
        return false;
    stem.remove_suffix(4);
    QDate day;
    QTime clock;
    if (!numberAtEnd(stem, number) || stem.size() != 19 || !dateAt(stem, "-", day) || stem[10] != ' '
        || !timeAt(stem.substr(11), ".", clock))
        return false;
    time = dateTime(day, clock);
    return true;
}

QString versionFolder(const NoteDate &date)
{
    return QLatin1String("history/") + QLatin1String(noteBase(date));
}

bool ConflictCopies::set(const QByteArray &name, bool present)
{
    const ConflictName copy = parseConflictName(name);
    if (!copy.isCopy())
        return false;
    if (present) {
        m_byDate[copy.date].insert(name);
    } else if (const auto it = m_byDate.find(copy.date); it != m_byDate.end()) {
        it->remove(name);
        if (it->isEmpty())
            m_byDate.erase(it);
    }
    return true;
}

std::vector<QByteArray> ConflictCopies::namesOf(const NoteDate &date) const
{
    const QSet<QByteArray> names = m_byDate.value(date);
    return std::vector<QByteArray>(names.cbegin(), names.cend());
}

Versions listVersions(const QString &root, const NoteDate &date, const std::vector<QByteArray> *copies)
{
    Versions versions;
    const Fd rootFd = openRoot(root);
    if (!rootFd.ok()) {
        versions.problem = Texts::tr("The working folder cannot be opened: %1").arg(reason(errno));
        return versions;
    }

    const QByteArray base = noteBase(date);
    const Fd history = openFolder(rootFd.get(), "history", QStringLiteral("history/"), versions.problem);
    const Fd folder = history.ok() ? openFolder(history.get(), base.constData(), versionFolder(date) + u'/',
                                                versions.problem)
                                   : Fd();
    if (folder.ok()) {
        for (const QByteArray &name : namesIn(folder.get())) {
            Version version;
            if (!parseVersionName(name, version.time, version.number))
                continue;
            version.file = versionFolder(date) + u'/' + QFile::decodeName(name);
            readVersion(folder.get(), name.constData(), version);
            versions.list.push_back(std::move(version));
        }
    }

    // data/ is followed as everywhere: it may well be a link into a synced folder.
    const Fd data(::openat(rootFd.get(), "data", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (data.ok()) {
        std::vector<QByteArray> listed;
        if (!copies) {
            for (QByteArray &name : namesIn(data.get())) {
                if (parseConflictName(name).date == date)
                    listed.push_back(std::move(name));
            }
            copies = &listed;
        }
        for (const QByteArray &name : *copies) {
            const ConflictName copy = parseConflictName(name);
            if (copy.date != date)
                continue;
            Version version;
            version.file = QLatin1String("data/") + QFile::decodeName(name);
            version.source = copy.source;
            version.time = copy.time;
            readVersion(data.get(), name.constData(), version);
            if (version.error == reason(ENOENT))
                continue;   // gone since it was listed
            versions.list.push_back(std::move(version));
        }
    }

    std::stable_sort(versions.list.begin(), versions.list.end(), [](const Version &a, const Version &b) {
        return a.time != b.time ? a.time > b.time : a.number > b.number;
    });
    return versions;
}

int pruneVersions(const QString &root, const NoteDate &date, int keep)
{
    QString why;
    const Fd rootFd = openRoot(root);
    const Fd history = rootFd.ok() ? openFolder(rootFd.get(), "history", QString(), why) : Fd();
    const Fd folder = history.ok() ? openFolder(history.get(), noteBase(date).constData(), QString(), why) : Fd();
    return folder.ok() ? pruneFolder(folder.get(), keep) : 0;
}

int pruneAllVersions(const QString &root, int keep)
{
    QString why;
    const Fd rootFd = openRoot(root);
    const Fd history = rootFd.ok() ? openFolder(rootFd.get(), "history", QString(), why) : Fd();
    if (!history.ok())
        return 0;
    int removed = 0;
    for (const QByteArray &name : namesIn(history.get())) {
        if (dateOfNoteName((name + ".txt").constData()).day == 0)
            continue;
        if (const Fd folder = openFolder(history.get(), name.constData(), QString(), why); folder.ok())
            removed += pruneFolder(folder.get(), keep);
    }
    return removed;
}

QString deleteConflictCopy(const QString &root, const QByteArray &name)
{
    const QString shown = QLatin1String("data/") + QFile::decodeName(name);
    if (name.contains('/') || !parseConflictName(name).isCopy())
        return Texts::tr("Cannot delete %1: it is not a conflict copy.").arg(shown);
    const QByteArray dataDir = (root.isEmpty() ? QByteArray(".") : QFile::encodeName(root)) + "/data";
    if (::unlink((dataDir + '/' + name).constData()) != 0)
        return Texts::tr("Cannot delete %1: %2").arg(shown, reason(errno));
    if (const int err = FolderSync::shared().syncNow(dataDir); err != 0)
        return Texts::tr("Cannot delete %1: %2").arg(shown, reason(err));
    return QString();
}

// ---------------------------------------------------------------- keeping

// The file at `path`, whose stamp was `expected` when it was checked, is
// about to be replaced or deleted: it is kept as the date's newest version.
// Its own inode takes the version's name when it is the note's alone (one
// link, on the same file system): its bytes reached the disk when it was
// saved. Otherwise its bytes are copied into a new file that reaches the
// disk before it is named. Either way no version is ever partly written,
// and the new name reaches the disk in the background, before data/'s.
KeptVersion NoteStore::keepVersion(const NoteDate &date, const QByteArray &path, const Stamp &expected) const
{
    KeptVersion kept;
    const auto cannot = [&](const QString &why) {
        kept.error = Texts::tr("Earlier versions of notes cannot be kept: %1").arg(why);
        return kept;
    };
    const NoteFile note = NoteFile::open(AT_FDCWD, path.constData());
    if (!note.isNote())
        return kept;   // nothing that could be a note's version
    const struct stat &st = note.status();
    if (Stamp{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
              qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec}
        != expected)
        return kept;   // changed meanwhile: the save keeps it as a copy of its own

    const Fd rootFd(::open(m_rootDir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!rootFd.ok())
        return cannot(reason(errno));
    const QByteArray base = noteBase(date);
    const QByteArray historyPath = m_rootDir + "/history";
    const QByteArray folderPath = historyPath + '/' + base;
    QString why;
    Fd history = openFolder(rootFd.get(), "history", QStringLiteral("history/"), why);
    if (!history.ok() && why.isEmpty()) {
        if (!fileio::makePrivateFolder(historyPath.constData()))
            return cannot(Texts::tr("history/ cannot be made: %1").arg(reason(errno)));
        m_syncs->request(m_rootDir);
        history = openFolder(rootFd.get(), "history", QStringLiteral("history/"), why);
    }
    if (!history.ok())
        return cannot(why.isEmpty() ? reason(errno) : why);
    const QString shownFolder = versionFolder(date) + u'/';
    Fd folder = openFolder(history.get(), base.constData(), shownFolder, why);
    if (!folder.ok() && why.isEmpty()) {
        if (!fileio::makePrivateFolder(folderPath.constData()))
            return cannot(Texts::tr("%1 cannot be made: %2").arg(shownFolder, reason(errno)));
        m_syncs->request(historyPath);
        folder = openFolder(history.get(), base.constData(), shownFolder, why);
    }
    if (!folder.ok())
        return cannot(why.isEmpty() ? reason(errno) : why);

    const QDateTime now = m_clock();
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(note.fd());
    bool link = st.st_nlink == 1;
    Fd copy;
    for (int number = 1; number <= kVersionAttempts; ++number) {
        const QByteArray name = versionFileName(now, number);
        if (link) {
            if (::linkat(AT_FDCWD, self.constData(), folder.get(), name.constData(), AT_SYMLINK_FOLLOW) == 0) {
                kept.private_ = (st.st_mode & 07777) == 0600;
            } else if (errno == EEXIST) {
                continue;
            } else {
                // Another file system, /proc missing, links not allowed:
                // the bytes are copied.
                link = false;
            }
        }
        if (!link) {
            if (!copy.ok()) {
                copy = Fd(::openat(folder.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
                int err = copy.ok() ? 0 : errno;
                if (err == 0 && ::fchmod(copy.get(), 0600) != 0)
                    err = errno;
                if (err == 0 && (::lseek(note.fd(), 0, SEEK_SET) != 0 || !fileio::copyRest(note.fd(), copy.get())))
                    err = errno;
                if (err == 0)
                    err = m_syncFile(copy.get());
                if (err != 0)
                    return cannot(Texts::tr("%1 cannot be written: %2").arg(shownFolder, reason(err)));
            }
            const QByteArray from = "/proc/self/fd/" + QByteArray::number(copy.get());
            if (::linkat(AT_FDCWD, from.constData(), folder.get(), name.constData(), AT_SYMLINK_FOLLOW) != 0) {
                if (errno == EEXIST)
                    continue;
                return cannot(Texts::tr("%1 cannot be written: %2").arg(shownFolder, reason(errno)));
            }
        }
        kept.path = folderPath + '/' + name;
        kept.file = shownFolder + QFile::decodeName(name);
        m_syncs->request(folderPath);
        return kept;
    }
    return cannot(Texts::tr("%1 has no free name for another version of this second.").arg(shownFolder));
}

} // namespace store
