#include "codepage.h"
#include "foldersync.h"
#include "store.h"
#include "testsupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using store::NoteStore;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// The date most tests work on, and its file.
constexpr qint16 kDay = 14, kMonth = 3, kYear = 2006;
const char *const kNoteName = "2006-03-14.txt";
const char *const kNeighbourName = "2006-03-15.txt";

const QByteArray kOld("the old note\r\nline");   // 18 bytes
const QString kNew = QStringLiteral("a new note that is longer than the old one");

QByteArray allBytes()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    return all;
}

// Every entry of a folder, hidden ones included, so that a temporary file
// left behind shows up.
QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

// Every entry under a folder, hidden ones included, one line each in name
// order: "data/x.txt = bytes 0600" for a file (with "(2 links)" when it has
// more names), "data/x.txt -> target" for a symbolic link, "data/" for a
// folder.
QStringList tree(const QString &root, const QString &under = QString())
{
    QStringList lines;
    const QString dir = under.isEmpty() ? root : root + QLatin1Char('/') + under;
    for (const QString &name : entries(dir)) {
        const QString rel = under.isEmpty() ? name : under + QLatin1Char('/') + name;
        const QByteArray native = QFile::encodeName(root + QLatin1Char('/') + rel);
        struct stat st;
        if (::lstat(native.constData(), &st) != 0) {
            lines << rel + QStringLiteral(" ?");
        } else if (S_ISLNK(st.st_mode)) {
            char link[4096];
            const ssize_t n = ::readlink(native.constData(), link, sizeof link);
            lines << rel + QStringLiteral(" -> ") + QString::fromLocal8Bit(link, n < 0 ? 0 : n);
        } else if (S_ISDIR(st.st_mode)) {
            lines << rel + QLatin1Char('/');
            lines << tree(root, rel);
        } else {
            lines << QStringLiteral("%1 = %2 %3%4")
                         .arg(rel, QString::fromLatin1(readFile(QFile::decodeName(native))))
                         .arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'))
                         .arg(st.st_nlink > 1 ? QStringLiteral(" (%1 links)").arg(st.st_nlink) : QString());
        }
    }
    return lines;
}

// What one store operation gave: "note: <text>" or "ok" when it worked, the
// error text when it did not.
QString outcome(const NoteStore &notes, const QString &op, qint16 day = kDay)
{
    if (op == QLatin1String("read")) {
        const store::Note n = notes.GetData(day, kMonth, kYear);
        if (n.ok())
            return QStringLiteral("note: ") + n.text;
        return n.text.isEmpty() ? n.error : n.error + QStringLiteral(" (but text came too)");
    }
    // Three bytes a character in UTF-8: fewer than 4 Mi characters, more than 4 MiB.
    const auto hugeText = [] { return QString(store::kMaxNoteSize / 3 + 1, QChar(0x6771)); };
    const store::Origin noNote;   // "created outside": the edit began on a day without a note
    const store::Result r = op == QLatin1String("write") ? notes.UpdateData(day, kMonth, kYear, kNew)
        : op == QLatin1String("created outside")         ? notes.UpdateData(day, kMonth, kYear, kNew, &noNote)
        : op == QLatin1String("same")                    ? notes.UpdateBytes(day, kMonth, kYear, kOld)
        : op == QLatin1String("huge") ? notes.UpdateBytes(day, kMonth, kYear, QByteArray(store::kMaxNoteSize + 1, 'h'))
        : op == QLatin1String("huge text") ? notes.UpdateData(day, kMonth, kYear, hugeText())
                                           : notes.DeleteData(day, kMonth, kYear);
    return r.ok() ? QStringLiteral("ok") : r.error;
}

// A disk whose folder syncs fail on demand, as a failing disk's would with
// EIO, and which counts the syncs it was asked for; g_rootSyncsFail fails
// those of the working folder alone.
std::atomic<bool> g_syncsFail{false};
std::atomic<bool> g_rootSyncsFail{false};
std::atomic<int> g_syncs{0};
int unreliableSync(const QByteArray &folder)
{
    ++g_syncs;
    if (g_syncsFail || (g_rootSyncsFail && !folder.endsWith("/data")))
        return EIO;
    return store::syncFolder(folder);
}

// A disk whose file flushes fail on demand with EIO.
std::atomic<bool> g_fileSyncsFail{false};

// A disk that, on demand, takes no byte of a write and reports no error,
// as some network file systems do when they are full.
std::atomic<bool> g_writesTakeNothing{false};
int unreliableFileSync(int fd)
{
    return g_fileSyncsFail ? EIO : store::syncFile(fd);
}

// A file system that cannot exchange two files in one step.
std::atomic<bool> g_noExchange{false};

// What another program does to a note while a save flushes its new bytes:
// run by the next flush, once.
std::function<void()> g_duringFlush;
int flushWhileChangedOutside(int fd)
{
    if (const auto change = std::exchange(g_duringFlush, nullptr))
        change();
    return g_fileSyncsFail ? EIO : store::syncFile(fd);
}

// The bytes of a note above the size limit; the file is sparse.
constexpr qint64 kTebibyte = qint64(1) << 40;

QString cannot(const char *verb, const char *reason)
{
    return QStringLiteral("Cannot %1 data/%2: %3")
        .arg(QLatin1String(verb), QLatin1String(kNoteName), QLatin1String(reason));
}

// A store operation that waits on a fifo would hang the suite; the alarm
// ends it with a message instead.
void onAlarm(int)
{
    static const char message[] = "FAIL: a store operation still waits after 20 s "
                                  "(a fifo opened the blocking way?)\n";
    const ssize_t n = ::write(STDERR_FILENO, message, sizeof message - 1);
    ::_exit(n > 0 ? 3 : 4);
}

constexpr uid_t kNobody = 65534;

// Runs op in a child process with the rights of an ordinary user: root walks
// through permission bits, so as root the child gives them up first. The
// child's answer comes back through a pipe; nullopt when no ordinary user
// could be taken or the folder is closed to it.
std::optional<QByteArray> asOrdinaryUser(const QString &root, const std::function<QByteArray()> &op)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0) {
        ::close(fds[0]);
        if (::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(77);
        if (::access(QFile::encodeName(root).constData(), X_OK) != 0)
            ::_exit(78);
        const QByteArray answer = op();
        const ssize_t n = ::write(fds[1], answer.constData(), size_t(answer.size()));
        ::_exit(n == answer.size() ? 0 : 1);
    }
    ::close(fds[1]);
    QByteArray answer;
    char buf[512];
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0)
        answer.append(buf, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return answer;
}

} // namespace

// Every write() of this program, the store's included, passes here.
extern "C" ssize_t write(int fd, const void *data, size_t size)
{
    if (g_writesTakeNothing && size > 0)
        return 0;
    return ::syscall(SYS_write, fd, data, size);
}

// And every renameat2(), which a file system without the exchange of two
// files refuses.
extern "C" int renameat2(int fromFolder, const char *from, int toFolder, const char *to, unsigned flags) noexcept
{
    if (g_noExchange && (flags & (RENAME_EXCHANGE | RENAME_NOREPLACE)) != 0) {
        errno = EINVAL;
        return -1;
    }
    return int(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
}

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fileName_data();
    void fileName();
    void nameParsed_data();
    void nameParsed();
    void writeIsByteExact_data();
    void writeIsByteExact();
    void replaceLeavesNoTail_data();
    void replaceLeavesNoTail();
    void readingAndDeletingCreateNothing();
    void firstNoteCreatesDataFolder();
    void deleteRemovesOnlyTheNote();

    void obstacleAtThePath_data();
    void obstacleAtThePath();
    void ordinaryUserPermissions_data();
    void ordinaryUserPermissions();
    void failedSaveKeepsTheOldNote_data();
    void failedSaveKeepsTheOldNote();
    void readOnlyFileSystem_data();
    void readOnlyFileSystem();

    void sameBytesLeaveTheFileAlone_data();
    void sameBytesLeaveTheFileAlone();
    void permissionsAreKept_data();
    void permissionsAreKept();

    void failedFolderSyncFailsNextChange_data();
    void failedFolderSyncFailsNextChange();

    void changedOutsideKeepsBothVersions_data();
    void changedOutsideKeepsBothVersions();
    void linkedNotesStayLinked_data();
    void linkedNotesStayLinked();
    void leftoversOfKilledSaves_data();
    void leftoversOfKilledSaves();

    void conflictCopyNames_data();
    void conflictCopyNames();
    void versionsKept_data();
    void versionsKept();
    void versionsListedAndPruned_data();
    void versionsListedAndPruned();

private:
    QString dataDir() const { return m_root + QStringLiteral("/data"); }
    QString notePath(const char *name = kNoteName) const
    {
        return dataDir() + QLatin1Char('/') + QLatin1String(name);
    }
    bool mountSmallFileSystem(QString *why);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
    QStringList m_mounts;
};

void TestStore::initTestCase()
{
    // Without an application object the C library keeps its "C" locale, so
    // the reasons read as "No space left on device".
    ::umask(022);
    ::signal(SIGALRM, onAlarm);
}

void TestStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_root = m_dir->path();
}

// Runs after every test, also a failed one: a mount left behind would keep
// the temporary folder, and a closed folder could not be removed.
void TestStore::cleanup()
{
    for (const QString &m : std::as_const(m_mounts))
        ::umount2(QFile::encodeName(m).constData(), MNT_DETACH);
    m_mounts.clear();
    if (QFileInfo(dataDir()).isDir())
        ::chmod(QFile::encodeName(dataDir()).constData(), 0755);
    m_dir.reset();
}

bool TestStore::mountSmallFileSystem(QString *why)
{
    if (::geteuid() != 0) {
        *why = QStringLiteral("mounting a small file system on data/ needs root");
        return false;
    }
    QDir().mkpath(dataDir());
    const QByteArray target = QFile::encodeName(dataDir());
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
        *why = QStringLiteral("cannot mount a 64 KiB tmpfs on data/ here: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_mounts.append(dataDir());
    return true;
}

void TestStore::fileName_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("name");

    QTest::newRow("5 Jan 2006: zero-padded day and month") << 5 << 1 << 2006 << "data/2006-01-05.txt";
    QTest::newRow("25 Dec 2006: two digits each") << 25 << 12 << 2006 << "data/2006-12-25.txt";
    QTest::newRow("29 Feb 2023 names a day that does not exist") << 29 << 2 << 2023
                                                                 << "data/2023-02-29.txt";
    QTest::newRow("year below 1000 has no leading zero") << 1 << 1 << 999 << "data/999-01-01.txt";
}

void TestStore::fileName()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, name);
    QCOMPARE(NoteStore::GetFileName(qint16(day), qint16(month), qint16(year)), name);
}

void TestStore::nameParsed_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("date");   // what it stands for; empty: no note

    QTest::newRow("a note's name") << QByteArray("2006-03-14.txt") << "2006-03-14";
    QTest::newRow("a year of three digits") << QByteArray("999-01-01.txt") << "0999-01-01";
    QTest::newRow("29 February of a leap year") << QByteArray("2000-02-29.txt") << "2000-02-29";
    QTest::newRow("29 February of 1900, no leap year") << QByteArray("1900-02-29.txt") << "";
    QTest::newRow("31 February") << QByteArray("2006-02-31.txt") << "";
    QTest::newRow("month 13") << QByteArray("2006-13-01.txt") << "";
    QTest::newRow("day 0") << QByteArray("2006-03-00.txt") << "";
    QTest::newRow("a year with a leading zero") << QByteArray("0999-01-01.txt") << "";
    QTest::newRow("a year of five digits") << QByteArray("10000-03-14.txt") << "";
    QTest::newRow("year 0") << QByteArray("0-03-14.txt") << "";
    QTest::newRow("a month of one digit") << QByteArray("2006-3-14.txt") << "";
    QTest::newRow("a sign") << QByteArray("+2006-03-14.txt") << "";
    QTest::newRow("another ending") << QByteArray("2006-03-14.TXT") << "";
    QTest::newRow("something after it") << QByteArray("2006-03-14.txt~") << "";
    QTest::newRow("a kept copy") << QByteArray("2006-03-14 (changed outside 2026-12-08 10.31.02).txt") << "";
    QTest::newRow("a save's temporary file") << QByteArray(".2006-03-14.txt.4242.1.tmp") << "";
}

// One rule for every reader of the notes folder: exactly the names the
// store writes for dates of the calendar, whatever the program's search,
// watch or sweep meets there.
void TestStore::nameParsed()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, date);
    int day = 0, month = 0, year = 0;
    const bool parsed = store::parseNoteName(name.constData(), std::size_t(name.size()), day, month, year);
    QCOMPARE(parsed ? QString::asprintf("%04d-%02d-%02d", year, month, day) : QString(), date);
    if (parsed)
        QCOMPARE(NoteStore::GetFileName(qint16(day), qint16(month), qint16(year)),
                 QStringLiteral("data/") + QString::fromLatin1(name));
}

// A note read from `onDisk` ("<none>": no file) shows as `shown`; the text
// typed over it is written as `bytes`, and read back as `readBack`.
void TestStore::writeIsByteExact_data()
{
    QTest::addColumn<QByteArray>("onDisk");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");
    const auto newNote = [](const char *name) -> QTestData & {
        return QTest::newRow(name) << QByteArray("<none>") << QString();
    };

    newNote("three letters: 3 bytes") << "abc" << QByteArray("abc") << "abc";
    newNote("two lines: a CR LF b, 4 bytes") << "a\r\nb" << QByteArray("a\r\nb") << "a\r\nb";
    newNote("euro sign: byte 0x80") << QString(QChar(0x20AC)) << QByteArray("\x80")
                                          << QString(QChar(0x20AC));
    // A character Windows-1252 has no byte for makes the note UTF-8.
    const QString outside = QStringLiteral("x") + QChar(0x0100) + QStringLiteral("y");
    newNote("character outside the code page: UTF-8") << outside << QByteArray("x\xc4\x80y") << outside;
    const QString pair = QStringLiteral("x") + QChar(0xD83D) + QChar(0xDE00) + QStringLiteral("y");
    newNote("surrogate pair: UTF-8") << pair << QByteArray("x\xf0\x9f\x98\x80y") << pair;
    // Bytes another program put in a note, the five the code page leaves
    // open included, come back unchanged when the note is saved again.
    const QString all = codepage::toUnicode(allBytes());
    newNote("all 256 byte values") << all << allBytes() << all;
    const QString big(100000, QLatin1Char('n'));
    newNote("100000 characters") << big << big.toLatin1() << big;

    // The rule for reading and writing, from the bytes on disk.
    const QByteArray mark("\xef\xbb\xbf");
    const QString lodz = QStringLiteral("Łódź €5 東京 Привет ✈ 😀");
    QTest::newRow("UTF-8 with the mark: shown without it, written with it")
        << mark + lodz.toUtf8() << lodz << lodz + "!" << mark + (lodz + "!").toUtf8() << lodz + "!";
    QTest::newRow("UTF-8 without the mark: written without it")
        << lodz.toUtf8() << lodz << "!" + lodz << ("!" + lodz).toUtf8() << "!" + lodz;
    QTest::newRow("UTF-8 whose last character outside Windows-1252 goes: still UTF-8")
        << QByteArray("caf\xc3\xa9 \xc5\x81") << QStringLiteral("café Ł") << QStringLiteral("café")
        << QByteArray("caf\xc3\xa9") << QStringLiteral("café");
    QTest::newRow("UTF-8 with the mark that keeps only ASCII: the mark stays")
        << mark + "x \xe2\x9c\x88" << QStringLiteral("x ✈") << "x" << mark + "x" << "x";
    QTest::newRow("UTF-8 with lone CR and LF, NUL, U+FFFF: byte for byte")
        << QByteArray("a\rb\nc\0\xef\xbf\xbf\xd0\x96", 11) << QStringLiteral("a\rb\nc") + QChar(0) + QChar(0xFFFF) + "Ж"
        << QStringLiteral("a\rb\nc") + QChar(0) + QChar(0xFFFF) + "Ж"
        << QByteArray("a\rb\nc\0\xef\xbf\xbf\xd0\x96", 11) << QStringLiteral("a\rb\nc") + QChar(0) + QChar(0xFFFF) + "Ж";
    QTest::newRow("Windows-1252, a character outside it added: UTF-8 without the mark")
        << QByteArray("caf\xe9") << QStringLiteral("café") << QStringLiteral("café Łódź")
        << QByteArray("caf\xc3\xa9 \xc5\x81\xc3\xb3" "d\xc5\xba") << QStringLiteral("café Łódź");
    QTest::newRow("Windows-1252, its own characters added: byte for byte")
        << QByteArray("caf\xe9") << QStringLiteral("café") << QStringLiteral("café € ½")
        << QByteArray("caf\xe9 \x80 \xbd") << QStringLiteral("café € ½");
    QTest::newRow("all 256 byte values on disk: byte for byte")
        << allBytes() << all << all << allBytes() << all;
    QTest::newRow("the mark, then invalid UTF-8: Windows-1252, the mark's bytes included")
        << QByteArray("\xef\xbb\xbf\xe9t\xe9") << QStringLiteral("ï»¿été") << QStringLiteral("ï»¿été!")
        << QByteArray("\xef\xbb\xbf\xe9t\xe9!") << QStringLiteral("ï»¿été!");
    QTest::newRow("overlong form of two bytes: Windows-1252") << QByteArray("\xc0\xaf") << QStringLiteral("À¯")
                                                              << QStringLiteral("À¯") << QByteArray("\xc0\xaf")
                                                              << QStringLiteral("À¯");
    QTest::newRow("overlong form of three bytes: Windows-1252")
        << QByteArray("\xe0\x80\xaf") << QStringLiteral("à€¯") << QStringLiteral("à€¯")
        << QByteArray("\xe0\x80\xaf") << QStringLiteral("à€¯");
    QTest::newRow("encoded surrogate: Windows-1252") << QByteArray("\xed\xa0\x80") << QStringLiteral("í\u00a0€")
                                                     << QStringLiteral("í\u00a0€") << QByteArray("\xed\xa0\x80")
                                                     << QStringLiteral("í\u00a0€");
    QTest::newRow("above U+10FFFF: Windows-1252") << QByteArray("\xf4\x90\x80\x80") << QStringLiteral("ô\u0090€€")
                                                  << QStringLiteral("ô\u0090€€") << QByteArray("\xf4\x90\x80\x80")
                                                  << QStringLiteral("ô\u0090€€");
    QTest::newRow("sequence cut short at the end: Windows-1252")
        << QByteArray("ab\xe6\x9d") << QStringLiteral("abæ\u009d") << QStringLiteral("abæ\u009d")
        << QByteArray("ab\xe6\x9d") << QStringLiteral("abæ\u009d");
    // Written as Windows-1252, these would read back as other text.
    newNote("Windows-1252 bytes that are valid UTF-8: UTF-8") << QStringLiteral("Ã©") << QByteArray("\xc3\x83\xc2\xa9")
                                                             << QStringLiteral("Ã©");
    newNote("text beginning with U+FEFF: UTF-8 with the mark") << QStringLiteral("\ufeffx Ł")
                                                              << QByteArray("\xef\xbb\xbf\xef\xbb\xbfx \xc5\x81")
                                                              << QStringLiteral("\ufeffx Ł");
}

void TestStore::writeIsByteExact()
{
    QFETCH(QByteArray, onDisk);
    QFETCH(QString, shown);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);

    const NoteStore notes(m_root);
    if (onDisk != "<none>") {
        QVERIFY(QDir().mkpath(dataDir()));
        QVERIFY(writeFile(notePath(), onDisk));
    }
    QCOMPARE(outcome(notes, "read"), QStringLiteral("note: ") + shown);
    const store::Note read = notes.GetData(kDay, kMonth, kYear);
    const store::Origin origin{read.stamp, read.text, read.encoding};
    const store::Result r = notes.UpdateData(kDay, kMonth, kYear, text, onDisk != "<none>" ? &origin : nullptr);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(readFile(notePath()), bytes);
    QCOMPARE(entries(dataDir()), QStringList{kNoteName});
    const store::Note n = notes.GetData(kDay, kMonth, kYear);
    QVERIFY2(n.ok(), qPrintable(n.error));
    QCOMPARE(n.text, readBack);
    // The next save starts from what the file now is.
    QCOMPARE(r.encoding, n.encoding);
    QCOMPARE(notes.GetBytes(kDay, kMonth, kYear).bytes, bytes);
}

void TestStore::replaceLeavesNoTail_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("text");

    QTest::newRow("5 characters over 18") << kOld << "short";
    QTest::newRow("18 characters over 5") << QByteArray("short") << QString::fromLatin1(kOld);
    QTest::newRow("text over an empty file") << QByteArray() << "abc";
    QTest::newRow("a CR LF note over a longer CR LF note") << QByteArray("one\r\ntwo\r\nthree")
                                                           << "one\r\ntwo";
}

void TestStore::replaceLeavesNoTail()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, text);

    const NoteStore notes(m_root);
    QVERIFY(QDir().mkpath(dataDir()));
    QVERIFY(writeFile(notePath(), before));
    QCOMPARE(outcome(notes, "read"), QStringLiteral("note: ") + QString::fromLatin1(before));
    const store::Result r = notes.UpdateData(kDay, kMonth, kYear, text);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(readFile(notePath()), text.toLatin1());
    QCOMPARE(entries(dataDir()), QStringList{kNoteName});
}

// Without the working folder, without data/ and with an empty data/ there is
// no note and nothing to delete, and neither makes a folder.
void TestStore::readingAndDeletingCreateNothing()
{
    const NoteStore gone(m_root + QStringLiteral("/gone")), notes(m_root);
    QCOMPARE(outcome(gone, "write"), cannot("write", "No such file or directory"));
    for (const bool withData : {false, true}) {
        if (withData)
            QVERIFY(QDir().mkpath(dataDir()));
        for (const NoteStore *n : {&gone, &notes}) {
            QCOMPARE(outcome(*n, "read"), QStringLiteral("note: "));
            QCOMPARE(outcome(*n, "delete"), QStringLiteral("ok"));
        }
        QCOMPARE(entries(m_root), withData ? QStringList{"data"} : QStringList());
    }
    QCOMPARE(entries(dataDir()), QStringList());
}

void TestStore::firstNoteCreatesDataFolder()
{
    const NoteStore notes(m_root);
    QVERIFY(!QFileInfo::exists(dataDir()));
    QCOMPARE(outcome(notes, "write"), QStringLiteral("ok"));
    QVERIFY(QFileInfo(dataDir()).isDir());
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(dataDir()).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), 0700);
    QCOMPARE(entries(dataDir()), QStringList{kNoteName});
    QCOMPARE(readFile(notePath()), kNew.toLatin1());
}

void TestStore::deleteRemovesOnlyTheNote()
{
    const NoteStore notes(m_root);
    QVERIFY(QDir().mkpath(dataDir()));
    QVERIFY(writeFile(notePath(), kOld));
    QVERIFY(writeFile(notePath(kNeighbourName), "neighbour"));
    QCOMPARE(outcome(notes, "delete"), QStringLiteral("ok"));
    QCOMPARE(entries(dataDir()), QStringList{kNeighbourName});
    QCOMPARE(outcome(notes, "read"), QStringLiteral("note: "));
    QCOMPARE(outcome(notes, "delete"), QStringLiteral("ok"));
    QCOMPARE(readFile(notePath(kNeighbourName)), QByteArray("neighbour"));
}

void TestStore::obstacleAtThePath_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("result");

    QTest::newRow("folder at the note's path: write names it") << "folder" << "write"
                                                               << cannot("write", "Is a directory");
    QTest::newRow("folder at the note's path: read is an error, not 'no note'")
        << "folder" << "read" << cannot("read", "Is a directory");
    QTest::newRow("folder at the note's path: delete names it") << "folder" << "delete"
                                                                << cannot("delete", "Is a directory");
    QTest::newRow("data is a plain file: write names it") << "data file" << "write"
                                                          << cannot("write", "Not a directory");
    QTest::newRow("data is a plain file: read finds no note") << "data file" << "read" << "note: ";
    QTest::newRow("data is a plain file: delete finds nothing to do") << "data file" << "delete"
                                                                      << "ok";
    QTest::newRow("fifo at the note's path: read does not hang")
        << "fifo" << "read" << cannot("read", "Not a regular file");
    QTest::newRow("fifo at the note's path: write does not hang")
        << "fifo" << "write" << cannot("write", "Not a regular file");
    QTest::newRow("loop of links at the note's path: read is an error, not 'no note'")
        << "loop" << "read" << cannot("read", "Too many levels of symbolic links");
    QTest::newRow("loop of links at the note's path: write names it")
        << "loop" << "write" << cannot("write", "Too many levels of symbolic links");
    QTest::newRow("sparse file of 1 TiB: read refused by its size")
        << "1 TiB" << "read" << cannot("read", "too large to show (1 TiB; a note has at most 4 MiB)");
    QTest::newRow("one byte above 4 MiB: read refused, its size not rounded up")
        << "4 MiB + 1" << "read" << cannot("read", "too large to show (4.0 MiB; a note has at most 4 MiB)");
    QTest::newRow("one byte above 4 MiB, created outside while typed: no copy of it is made")
        << "4 MiB + 1" << "created outside"
        << cannot("write", "it was changed outside Kalivo into a file too large to keep a copy of (4.0 MiB)");
    QTest::newRow("a note above 4 MiB is never written")
        << "1 TiB" << "huge" << cannot("write", "too large for a note (4.0 MiB; a note has at most 4 MiB)");
    QTest::newRow("a note above 4 MiB in UTF-8, in fewer characters, is never written")
        << "1 TiB" << "huge text" << cannot("write", "too large for a note (4.0 MiB; a note has at most 4 MiB)");
}

namespace {

qint64 sizeOf(const QString &obstacle)
{
    return obstacle == QLatin1String("1 TiB") ? kTebibyte : store::kMaxNoteSize + 1;
}

} // namespace

// Something that is no note file stands where the note or data/ should be.
// The operation reports it by name and reason and changes nothing: the
// obstacle, the neighbouring note and the folder's entries stay as they were.
void TestStore::obstacleAtThePath()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, op);
    QFETCH(QString, result);

    const QByteArray note = QFile::encodeName(notePath());
    if (obstacle == QLatin1String("data file")) {
        QVERIFY(writeFile(dataDir(), kOld));
    } else {
        QVERIFY(QDir().mkpath(dataDir()));
        QVERIFY(writeFile(notePath(kNeighbourName), kOld));
        if (obstacle == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(notePath() + QStringLiteral("/inside")));
        else if (obstacle == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(note.constData(), 0644), 0);
        else if (obstacle == QLatin1String("loop"))
            QCOMPARE(::symlink(kNoteName, note.constData()), 0);
        else
            QVERIFY(writeFile(notePath(), {}) && ::truncate(note.constData(), sizeOf(obstacle)) == 0);
    }
    const QStringList before = obstacle == QLatin1String("data file") ? entries(m_root)
                                                                      : entries(dataDir());

    // A fifo opened the blocking way would wait for a writer for ever; the
    // alarm ends the test program instead.
    ::alarm(20);
    const QString got = outcome(NoteStore(m_root), op);
    ::alarm(0);
    QCOMPARE(got, result);

    if (obstacle == QLatin1String("data file")) {
        QCOMPARE(entries(m_root), before);
        QCOMPARE(readFile(dataDir()), kOld);
        return;
    }
    QCOMPARE(entries(dataDir()), before);
    QCOMPARE(readFile(notePath(kNeighbourName)), kOld);
    struct stat st;
    QCOMPARE(::lstat(note.constData(), &st), 0);
    if (obstacle == QLatin1String("folder"))
        QVERIFY(S_ISDIR(st.st_mode) && QFileInfo::exists(notePath() + QStringLiteral("/inside")));
    else if (obstacle == QLatin1String("fifo"))
        QVERIFY(S_ISFIFO(st.st_mode));
    else if (obstacle == QLatin1String("loop"))
        QVERIFY(S_ISLNK(st.st_mode));
    else
        QVERIFY(S_ISREG(st.st_mode) && st.st_size == sizeOf(obstacle));
}

void TestStore::ordinaryUserPermissions_data()
{
    QTest::addColumn<int>("noteMode");
    QTest::addColumn<int>("dataMode");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QByteArray>("after");

    const QByteArray fresh = kNew.toLatin1();
    QTest::newRow("unreadable note: read is an error, not 'no note'")
        << 0000 << 0755 << "read" << cannot("read", "Permission denied") << kOld;
    QTest::newRow("unreadable note: write refused, note kept")
        << 0000 << 0755 << "write" << cannot("write", "Permission denied") << kOld;
    QTest::newRow("read-only note: write refused, note kept")
        << 0444 << 0755 << "write" << cannot("write", "Permission denied") << kOld;
    QTest::newRow("read-only note: its own bytes need no write") << 0444 << 0755 << "same" << "ok"
                                                                 << kOld;
    QTest::newRow("write-only note: written") << 0200 << 0755 << "write" << "ok" << fresh;
    QTest::newRow("read-only data folder: write refused, note kept")
        << 0644 << 0555 << "write" << cannot("write", "Permission denied") << kOld;
    QTest::newRow("read-only data folder: delete refused, note kept")
        << 0644 << 0555 << "delete" << cannot("delete", "Permission denied") << kOld;
    QTest::newRow("closed data folder: read is an error, not 'no note'")
        << 0644 << 0600 << "read" << cannot("read", "Permission denied") << kOld;
}

// Permission bits stop an ordinary user, which the program runs as; as root
// the operation runs in a child process that has given up root.
void TestStore::ordinaryUserPermissions()
{
    QFETCH(int, noteMode);
    QFETCH(int, dataMode);
    QFETCH(QString, op);
    QFETCH(QString, result);
    QFETCH(QByteArray, after);

    QVERIFY(QDir().mkpath(dataDir()));
    QVERIFY(writeFile(notePath(), kOld));
    const QByteArray root = QFile::encodeName(m_root);
    const QByteArray data = QFile::encodeName(dataDir());
    const QByteArray note = QFile::encodeName(notePath());
    if (::geteuid() == 0) {
        QCOMPARE(::chmod(root.constData(), 0755), 0);
        QCOMPARE(::chown(data.constData(), kNobody, kNobody), 0);
        QCOMPARE(::chown(note.constData(), kNobody, kNobody), 0);
    }
    QCOMPARE(::chmod(note.constData(), mode_t(noteMode)), 0);
    QCOMPARE(::chmod(data.constData(), mode_t(dataMode)), 0);

    const QString rootPath = m_root;
    const std::optional<QByteArray> answer = asOrdinaryUser(m_root, [&] {
        return outcome(NoteStore(rootPath), op).toUtf8();
    });
    QCOMPARE(::chmod(data.constData(), 0755), 0);
    if (!answer)
        QSKIP("cannot run as an ordinary user here (no user nobody, or the temporary folder is closed to it)");

    QCOMPARE(QString::fromUtf8(*answer), result);
    QCOMPARE(entries(dataDir()), QStringList{kNoteName});
    struct stat st;
    QCOMPARE(::stat(note.constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), noteMode);
    QCOMPARE(::chmod(note.constData(), 0644), 0);
    QCOMPARE(readFile(notePath()), after);
}

void TestStore::failedSaveKeepsTheOldNote_data()
{
    QTest::addColumn<QString>("fault");   // "full" disk, failing "flush", writes that take "no byte"
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");

    const QString noSpace = cannot("write", "No space left on device");
    const QString eio = cannot("write", "Input/output error");
    QTest::newRow("full disk: a longer note") << "full" << QString(5000, QLatin1Char('L')) << noSpace;
    QTest::newRow("full disk: a shorter note") << "full" << "short" << noSpace;
    QTest::newRow("full disk: same length, other bytes")
        << "full" << QString(kOld.size(), QLatin1Char('S')) << noSpace;
    QTest::newRow("full disk: the same bytes need no room") << "full" << QString::fromLatin1(kOld) << QString();
    QTest::newRow("failing flush: a longer note") << "flush" << QString(5000, QLatin1Char('L')) << eio;
    QTest::newRow("failing flush: a shorter note") << "flush" << "short" << eio;
    QTest::newRow("failing flush: the same bytes need no flush")
        << "flush" << QString::fromLatin1(kOld) << QString();
    QTest::newRow("writes that take no byte: a full disk, not a loop without end")
        << "no byte" << "short" << noSpace;
}

// A full disk lets the temporary file be created but not written; a failing
// disk takes the bytes but cannot flush them. Either way the old note stays
// whole and the temporary file goes again.
void TestStore::failedSaveKeepsTheOldNote()
{
    QFETCH(QString, fault);
    QFETCH(QString, text);
    QFETCH(QString, error);
    const bool full = fault == QLatin1String("full");

    QString why;
    if (full && !mountSmallFileSystem(&why))
        QSKIP(qPrintable(why));
    g_fileSyncsFail = false;
    const NoteStore notes(m_root, nullptr, unreliableFileSync);
    QVERIFY(notes.UpdateBytes(kDay, kMonth, kYear, kOld).ok());

    if (full) {
        QFile filler(dataDir() + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        for (int i = 0; i < 64 && filler.write(block) == block.size() && filler.flush(); ++i) {
        }
        filler.close();
    } else {
        g_fileSyncsFail = fault == QLatin1String("flush");
    }
    const QStringList before = entries(dataDir());
    QCOMPARE(before, full ? QStringList({kNoteName, "filler"}) : QStringList{kNoteName});

    // A write loop that waited for the disk to take a byte would never end;
    // the alarm ends the test program instead.
    ::alarm(20);
    g_writesTakeNothing = fault == QLatin1String("no byte");
    const store::Result r = notes.UpdateData(kDay, kMonth, kYear, text);
    g_writesTakeNothing = false;
    ::alarm(0);
    QCOMPARE(r.error, error);
    QCOMPARE(readFile(notePath()), kOld);
    QCOMPARE(entries(dataDir()), before);

    // With room, or a working disk, again the same save goes through.
    if (full)
        QVERIFY(QFile::remove(dataDir() + QStringLiteral("/filler")));
    g_fileSyncsFail = false;
    QCOMPARE(outcome(notes, "write"), QStringLiteral("ok"));
    QCOMPARE(readFile(notePath()), kNew.toLatin1());
    QCOMPARE(entries(dataDir()), QStringList{kNoteName});
}

void TestStore::readOnlyFileSystem_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("result");

    QTest::newRow("write refused") << "write" << int(kDay) << cannot("write", "Read-only file system");
    QTest::newRow("write of a new note refused")
        << "write" << int(kDay + 1)
        << QStringLiteral("Cannot write data/%1: Read-only file system").arg(kNeighbourName);
    QTest::newRow("a save of the same bytes needs no write") << "same" << int(kDay) << "ok";
    QTest::newRow("delete refused") << "delete" << int(kDay) << cannot("delete", "Read-only file system");
    QTest::newRow("delete of a missing note is no failure") << "delete" << int(kDay + 1) << "ok";
    QTest::newRow("read works") << "read" << int(kDay) << QStringLiteral("note: ") + QString::fromLatin1(kOld);
}

void TestStore::readOnlyFileSystem()
{
    QFETCH(QString, op);
    QFETCH(int, day);
    QFETCH(QString, result);

    QString why;
    if (!mountSmallFileSystem(&why))
        QSKIP(qPrintable(why));
    const NoteStore notes(m_root);
    QVERIFY(notes.UpdateBytes(kDay, kMonth, kYear, kOld).ok());
    const QByteArray target = QFile::encodeName(dataDir());
    QVERIFY2(::mount("tmpfs", target.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                     "size=64k")
                 == 0,
             std::strerror(errno));

    QCOMPARE(outcome(notes, op, qint16(day)), result);
    QCOMPARE(readFile(notePath()), kOld);
    QCOMPARE(entries(dataDir()), QStringList{kNoteName});
}

void TestStore::sameBytesLeaveTheFileAlone_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("untouched");

    QTest::newRow("same bytes: file untouched") << QString::fromLatin1(kOld) << true;
    QTest::newRow("same length, other bytes: replaced") << QString(kOld.size(), QLatin1Char('x')) << false;
    QTest::newRow("same prefix, longer: replaced") << QString::fromLatin1(kOld + "!") << false;
}

void TestStore::sameBytesLeaveTheFileAlone()
{
    QFETCH(QString, text);
    QFETCH(bool, untouched);

    const NoteStore notes(m_root);
    QVERIFY(QDir().mkpath(dataDir()));
    QVERIFY(writeFile(notePath(), kOld));
    const QByteArray note = QFile::encodeName(notePath());
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, note.constData(), old, 0), 0);
    struct stat before;
    QCOMPARE(::stat(note.constData(), &before), 0);

    const store::Result r = notes.UpdateData(kDay, kMonth, kYear, text);
    QVERIFY2(r.ok(), qPrintable(r.error));
    struct stat after;
    QCOMPARE(::stat(note.constData(), &after), 0);
    QCOMPARE(readFile(notePath()), text.toLatin1());
    QCOMPARE(after.st_ino == before.st_ino && after.st_mtim.tv_sec == before.st_mtim.tv_sec, untouched);
}

void TestStore::permissionsAreKept_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("umask");

    QTest::newRow("odd bits 0604") << 0604 << 022;
    QTest::newRow("executable note 0755") << 0755 << 022;
    QTest::newRow("group-writable note 0664, wider than the umask") << 0664 << 022;
    QTest::newRow("umask 000 opens nothing to others") << 0644 << 000;
    QTest::newRow("umask 0277 takes nothing from the owner") << 0644 << 0277;
}

void TestStore::permissionsAreKept()
{
    QFETCH(int, mode);
    QFETCH(int, umask);
    ::umask(mode_t(umask));
    const auto restore = qScopeGuard([] { ::umask(022); });

    const NoteStore notes(m_root);
    QVERIFY(QDir().mkpath(dataDir()));
    QVERIFY(writeFile(notePath(), kOld));
    const QByteArray note = QFile::encodeName(notePath());
    QCOMPARE(::chmod(note.constData(), mode_t(mode)), 0);
    QCOMPARE(outcome(notes, "write"), QStringLiteral("ok"));
    QCOMPARE(readFile(notePath()), kNew.toLatin1());
    struct stat st;
    QCOMPARE(::stat(note.constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), mode);

    // A new note is for the user alone, whatever the umask.
    QCOMPARE(notes.UpdateData(kDay + 1, kMonth, kYear, "new").error, QString());
    QCOMPARE(::stat(QFile::encodeName(notePath(kNeighbourName)).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), 0600);
}

void TestStore::failedFolderSyncFailsNextChange_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reporter");   // the change, or the shutdown's wait, that reports it

    for (const char *reporter : {"write", "delete", "waitForDisk"}) {
        QTest::addRow("a sync fails, %s reports it", reporter) << "fails" << reporter;
        QTest::addRow("a sync fails and a later one works, %s still reports it", reporter)
            << "fails, then works" << reporter;
    }
    QTest::newRow("the working folder's sync after data/ was made fails that save")
        << "working folder" << "write";
    QTest::newRow("a linked note's folder fails its sync: saves of the same text and the wait report it until it works")
        << "link's folder" << "write";
}

// A save returns before the note's new name is on the disk; when that last
// step fails, the next change (or the wait at shutdown) says so once, and a
// change fails while the folder still cannot be synced. A failure is never
// made up for by a later sync that works: what it lost need not be on the
// disk.
void TestStore::failedFolderSyncFailsNextChange()
{
    QFETCH(QString, fault);
    QFETCH(QString, reporter);
    store::FolderSync syncs(unreliableSync);
    const NoteStore notes(m_root, &syncs);
    const QByteArray data = QFile::encodeName(dataDir());
    g_syncsFail = false;
    g_rootSyncsFail = false;
    g_syncs = 0;
    const auto restore = qScopeGuard([] { g_syncsFail = g_rootSyncsFail = false; });

    // A folder that is gone has nothing to sync; one that cannot be opened
    // is a failure, not a success.
    QCOMPARE(store::syncFolder(QFile::encodeName(m_root + QStringLiteral("/gone"))), 0);
    QVERIFY(writeFile(m_root + QStringLiteral("/file"), "x"));
    QCOMPARE(store::syncFolder(QFile::encodeName(m_root + QStringLiteral("/file"))), ENOTDIR);
    QVERIFY(QFile::remove(m_root + QStringLiteral("/file")));

    if (fault == QLatin1String("working folder")) {
        g_rootSyncsFail = true;
        QCOMPARE(outcome(notes, reporter), cannot("write", "Input/output error"));
        QCOMPARE(entries(dataDir()), QStringList());
        QCOMPARE(outcome(notes, reporter), cannot("write", "Input/output error"));
        g_rootSyncsFail = false;
        QCOMPARE(outcome(notes, reporter), QStringLiteral("ok"));
        QVERIFY(notes.waitForDisk().ok());
        QCOMPARE(readFile(notePath()), kNew.toLatin1());
        return;
    }

    if (fault == QLatin1String("link's folder")) {
        QVERIFY(QDir().mkpath(dataDir()));
        QVERIFY(QDir().mkpath(m_root + QStringLiteral("/elsewhere")));
        QVERIFY(QFile::link(QStringLiteral("../elsewhere/target.txt"), notePath()));
        const QString unsynced = QStringLiteral("Cannot write data/2006-03-14.txt: it is a link to "
                                                "%1/data/../elsewhere/target.txt, and its folder %1/data/../elsewhere "
                                                "could not be written to the disk: Input/output error")
                                     .arg(m_root);
        g_rootSyncsFail = true;   // every folder but data/
        QCOMPARE(outcome(notes, "write"), unsynced);
        // The file holds the text by now; its name may not be on the disk.
        QCOMPARE(outcome(notes, "write"), unsynced);
        QCOMPARE(notes.waitForDisk().error,
                 QStringLiteral("Cannot write %1/data/../elsewhere to the disk: Input/output error").arg(m_root));
        g_rootSyncsFail = false;
        QCOMPARE(outcome(notes, "write"), QStringLiteral("ok"));
        QVERIFY(notes.waitForDisk().ok());
        QCOMPARE(readFile(m_root + QStringLiteral("/elsewhere/target.txt")), kNew.toLatin1());
        return;
    }

    QVERIFY(notes.UpdateBytes(kDay, kMonth, kYear, kOld).ok());
    QVERIFY(notes.UpdateBytes(kDay + 1, kMonth, kYear, kOld).ok());
    QVERIFY(notes.waitForDisk().ok());
    QVERIFY(g_syncs > 0);

    g_syncsFail = true;
    QVERIFY(notes.UpdateData(kDay + 1, kMonth, kYear, QStringLiteral("again")).ok());
    QCOMPARE(syncs.wait(data), EIO);
    if (fault == QLatin1String("fails, then works")) {
        g_syncsFail = false;
        QCOMPARE(syncs.request(data), 0);
        QCOMPARE(syncs.wait(data), EIO);
    }

    if (reporter == QLatin1String("waitForDisk")) {
        QCOMPARE(notes.waitForDisk().error, QStringLiteral("Cannot write data/ to the disk: Input/output error"));
    } else {
        const QString verb = reporter == QLatin1String("write") ? QStringLiteral("write") : QStringLiteral("delete");
        QCOMPARE(outcome(notes, reporter),
                 cannot(qPrintable(verb), "an earlier change may not have reached the disk (Input/output error)"));
        QCOMPARE(readFile(notePath()), kOld);
    }
    // Told once: a disk that still fails fails each change with its reason.
    if (fault == QLatin1String("fails")) {
        QCOMPARE(outcome(notes, "write"), cannot("write", "Input/output error"));
        QCOMPARE(readFile(notePath()), kOld);
        QCOMPARE(notes.waitForDisk().error, QStringLiteral("Cannot write data/ to the disk: Input/output error"));
        g_syncsFail = false;
    }
    QCOMPARE(outcome(notes, "write"), QStringLiteral("ok"));
    QVERIFY(notes.waitForDisk().ok());
    QCOMPARE(readFile(notePath()), kNew.toLatin1());
    QCOMPARE(readFile(dataDir() + QLatin1Char('/') + QLatin1String(kNeighbourName)), QByteArray("again"));
}

void TestStore::changedOutsideKeepsBothVersions_data()
{
    QTest::addColumn<QByteArray>("before");    // as the edit started; "<none>": no file
    QTest::addColumn<QString>("change");       // "rename", "in place", "touch", "delete", "none"; "... during
                                               // the flush": while the save flushes its new bytes
    QTest::addColumn<QByteArray>("outside");   // the bytes the change leaves
    QTest::addColumn<QString>("typed");        // empty: the box was emptied
    QTest::addColumn<int>("taken");            // copy names already taken
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("error");       // of the save; empty: it works

    const QString note = QStringLiteral("data/2006-03-14.txt = %1 0644");
    const QString copy = QStringLiteral("data/2006-03-14 (changed outside 2026-12-08 10.31.02)%1.txt = %2 0644");
    QTest::newRow("unchanged: the typed text, no copy")
        << QByteArray("old") << "none" << QByteArray() << "typed" << 0 << QStringList{note.arg("typed")}
        << QString();
    QTest::newRow("replaced outside: the outside version kept as a copy")
        << QByteArray("old") << "rename" << QByteArray("outside") << "typed" << 0
        << QStringList{copy.arg("", "outside"), note.arg("typed")} << QString();
    QTest::newRow("written in place outside: kept as a copy")
        << QByteArray("old") << "in place" << QByteArray("old, and more") << "typed" << 0
        << QStringList{copy.arg("", "old, and more"), note.arg("typed")} << QString();
    QTest::newRow("replaced outside by the same bytes: no copy")
        << QByteArray("old") << "rename" << QByteArray("old") << "typed" << 0 << QStringList{note.arg("typed")}
        << QString();
    QTest::newRow("touched outside: no copy")
        << QByteArray("old") << "touch" << QByteArray() << "typed" << 0 << QStringList{note.arg("typed")}
        << QString();
    QTest::newRow("changed outside into the typed text: nothing to keep")
        << QByteArray("old") << "rename" << QByteArray("typed") << "typed" << 0 << QStringList{note.arg("typed")}
        << QString();
    QTest::newRow("deleted outside: the typed text saved")
        << QByteArray("old") << "delete" << QByteArray() << "typed" << 0
        << QStringList{"data/2006-03-14.txt = typed 0600"} << QString();
    QTest::newRow("created outside for a day without a note: kept as a copy")
        << QByteArray("<none>") << "rename" << QByteArray("outside") << "typed" << 0
        << QStringList{copy.arg("", "outside"), note.arg("typed")} << QString();
    QTest::newRow("changed outside, box emptied: the note goes, the outside version stays")
        << QByteArray("old") << "rename" << QByteArray("outside") << "" << 0 << QStringList{copy.arg("", "outside")}
        << QString();
    QTest::newRow("deleted outside, box emptied: nothing left")
        << QByteArray("old") << "delete" << QByteArray() << "" << 0 << QStringList() << QString();
    QTest::newRow("two copies' names taken: the third")
        << QByteArray("old") << "rename" << QByteArray("outside") << "typed" << 2
        << QStringList{copy.arg(" 2", "taken"), copy.arg(" 3", "outside"), copy.arg("", "taken"), note.arg("typed")}
        << QString();
    QTest::newRow("replaced outside during the flush: kept as a copy")
        << QByteArray("old") << "rename during the flush" << QByteArray("outside") << "typed" << 0
        << QStringList{copy.arg("", "outside"), note.arg("typed")} << QString();
    QTest::newRow("written in place outside during the flush: kept as a copy")
        << QByteArray("old") << "in place during the flush" << QByteArray("old, and more") << "typed" << 0
        << QStringList{copy.arg("", "old, and more"), note.arg("typed")} << QString();
    QTest::newRow("created outside during the flush of a new note: kept as a copy")
        << QByteArray("<none>") << "rename during the flush" << QByteArray("outside") << "typed" << 0
        << QStringList{copy.arg("", "outside"), "data/2006-03-14.txt = typed 0600"} << QString();
    QTest::newRow("replaced outside during the flush, on a file system without the exchange: kept as a copy")
        << QByteArray("old") << "rename during the flush, without the exchange" << QByteArray("outside") << "typed"
        << 0 << QStringList{copy.arg("", "outside"), note.arg("typed")} << QString();
    // A note read as UTF-8 is compared as it was read: with its mark.
    const QByteArray utf8 = "\xef\xbb\xbf" + QStringLiteral("Łódź").toUtf8();
    const QString utf8Typed = QString::fromLatin1("\xef\xbb\xbf" + QStringLiteral("typed Ł").toUtf8());
    QTest::newRow("UTF-8 with the mark, written again unchanged outside: no copy")
        << utf8 << "rename" << utf8 << "typed Ł" << 0 << QStringList{note.arg(utf8Typed)} << QString();
    QTest::newRow("UTF-8 with the mark, written again unchanged during the flush: no copy")
        << utf8 << "rename during the flush" << utf8 << "typed Ł" << 0 << QStringList{note.arg(utf8Typed)}
        << QString();
    QTest::newRow("UTF-8 with the mark, replaced outside: kept as a copy")
        << utf8 << "rename" << QByteArray("outside") << "typed Ł" << 0
        << QStringList{copy.arg("", "outside"), note.arg(utf8Typed)} << QString();
    QTest::newRow("replaced outside, and the copy cannot reach the disk: the save fails, the note stays")
        << QByteArray("old") << "rename, then flushes fail" << QByteArray("outside") << "typed" << 0
        << QStringList{note.arg("outside")} << "Cannot write data/2006-03-14.txt: Input/output error";
    QTest::newRow("deleted outside during the flush: the typed text saved")
        << QByteArray("old") << "delete during the flush" << QByteArray() << "typed" << 0
        << QStringList{note.arg("typed")} << QString();
    QStringList allTaken{copy.arg("", "taken")};
    for (int i = 2; i <= 100; ++i)
        allTaken << copy.arg(QStringLiteral(" %1").arg(i), "taken");
    allTaken.sort();
    QTest::newRow("a hundred copies' names taken: the save fails, saying why, and the note stays")
        << QByteArray("old") << "rename" << QByteArray("outside") << "typed" << 100
        << allTaken + QStringList{note.arg("outside")}
        << "Cannot write data/2006-03-14.txt: it was changed outside Kalivo, and there is no free name for a "
           "copy of that version (data/2006-03-14 (changed outside 2026-12-08 10.31.02).txt and 99 more are taken)";
    QTest::newRow("a hundred copies' names taken, replaced during the flush: the save fails, the note stays")
        << QByteArray("old") << "rename during the flush" << QByteArray("outside") << "typed" << 100
        << allTaken + QStringList{note.arg("outside")}
        << "Cannot write data/2006-03-14.txt: it was changed outside Kalivo, and there is no free name for a "
           "copy of that version (data/2006-03-14 (changed outside 2026-12-08 10.31.02).txt and 99 more are taken)";
}

// A note changed by another program after the edit began is never lost: the
// typed text becomes the note and the other version a copy that nothing
// reads as a note. The stamp a save gives is the one the next read finds,
// so the program's own saves never look like changes from outside.
void TestStore::changedOutsideKeepsBothVersions()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, change);
    QFETCH(QByteArray, outside);
    QFETCH(QString, typed);
    QFETCH(int, taken);
    QFETCH(QStringList, after);
    QFETCH(QString, error);

    NoteStore notes(m_root, nullptr, flushWhileChangedOutside);
    notes.setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(10, 31, 2)); });
    QVERIFY(QDir().mkpath(dataDir()));
    if (before != "<none>")
        QVERIFY(writeFile(notePath(), before));
    const store::Note read = notes.GetData(kDay, kMonth, kYear);
    QVERIFY(read.ok());
    const store::Origin origin{read.stamp, read.text, read.encoding};

    const QByteArray native = QFile::encodeName(notePath());
    const auto changeOutside = [=, this] {
        if (change.startsWith(QLatin1String("rename"))) {
            // As editors and sync tools write: a new file renamed over the note.
            const QByteArray fresh = QFile::encodeName(dataDir() + QStringLiteral("/new"));
            writeFile(QFile::decodeName(fresh), outside);
            ::rename(fresh.constData(), native.constData());
        } else if (change.startsWith(QLatin1String("in place"))) {
            writeFile(notePath(), outside);
        } else if (change.startsWith(QLatin1String("touch"))) {
            const struct timespec later[2] = {{2000000000, 0}, {2000000000, 0}};
            ::utimensat(AT_FDCWD, native.constData(), later, 0);
        } else if (change.startsWith(QLatin1String("delete"))) {
            QFile::remove(notePath());
        }
    };
    const auto noFlushChange = qScopeGuard([] {
        g_duringFlush = nullptr;
        g_noExchange = false;
        g_fileSyncsFail = false;
    });
    g_noExchange = change.endsWith(QLatin1String("without the exchange"));
    if (change.contains(QLatin1String("during the flush")))
        g_duringFlush = changeOutside;
    else
        changeOutside();
    g_fileSyncsFail = change.endsWith(QLatin1String("flushes fail"));
    for (int i = 1; i <= taken; ++i) {
        QVERIFY(writeFile(dataDir() + QStringLiteral("/2006-03-14 (changed outside 2026-12-08 10.31.02)%1.txt")
                               .arg(i > 1 ? QStringLiteral(" %1").arg(i) : QString()),
                           "taken"));
    }

    const store::Result r = typed.isEmpty() ? notes.DeleteData(kDay, kMonth, kYear, &origin)
                                            : notes.UpdateData(kDay, kMonth, kYear, typed, &origin);
    QVERIFY(!g_duringFlush);
    QCOMPARE(r.error, error);
    QCOMPARE(tree(m_root), QStringList{"data/"} + after);
    if (!r.ok())
        return;
    // The result names the copy it made, and no other.
    QCOMPARE(r.keptCopy.isEmpty(), after.filter(QStringLiteral("changed outside")).size() == taken);
    if (!r.keptCopy.isEmpty())
        QVERIFY2(after.contains(r.keptCopy + QStringLiteral(" = ") + QString::fromLatin1(outside) + QStringLiteral(" 0644")),
                 qPrintable(r.keptCopy));
    QCOMPARE(r.stamp, notes.GetBytes(kDay, kMonth, kYear).stamp);

    // The next save starts from this one: no further copy.
    const store::Origin saved{r.stamp, typed, r.encoding};
    QVERIFY(notes.UpdateData(kDay, kMonth, kYear, QStringLiteral("again"), &saved).ok());
    QCOMPARE(entries(dataDir()).size(), after.size() + (typed.isEmpty() ? 1 : 0));
    QCOMPARE(readFile(notePath()), (!typed.isEmpty() && before.startsWith("\xef\xbb\xbf") ? "\xef\xbb\xbf" : "") + QByteArray("again"));
}

void TestStore::linkedNotesStayLinked_data()
{
    QTest::addColumn<QString>("link");       // what data/2006-03-14.txt is
    QTest::addColumn<QString>("op");         // "write" the new note, "delete" it, "changed" outside, then write,
                                             // or "changed during the flush"; write while flushes "fail"
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("after");  // the working folder's tree, data/ and elsewhere/

    const QString fresh = kNew;
    const QString linkTo = QStringLiteral("data/2006-03-14.txt -> %1");
    QTest::newRow("link to a file in another folder: the file takes the note")
        << "../elsewhere/target.txt" << "write" << "ok"
        << QStringList{"data/", linkTo.arg("../elsewhere/target.txt"), "elsewhere/",
                       "elsewhere/target.txt = " + fresh + " 0644"};
    QTest::newRow("link by absolute path")
        << "<root>/elsewhere/target.txt" << "write" << "ok"
        << QStringList{"data/", linkTo.arg("<root>/elsewhere/target.txt"), "elsewhere/",
                       "elsewhere/target.txt = " + fresh + " 0644"};
    QTest::newRow("link to a link: the last one's file takes the note")
        << "../elsewhere/middle.txt" << "write" << "ok"
        << QStringList{"data/", linkTo.arg("../elsewhere/middle.txt"), "elsewhere/",
                       "elsewhere/middle.txt -> target.txt", "elsewhere/target.txt = " + fresh + " 0644"};
    QTest::newRow("link to a missing file: the file is made beside where it points")
        << "../elsewhere/new.txt" << "write" << "ok"
        << QStringList{"data/", linkTo.arg("../elsewhere/new.txt"), "elsewhere/",
                       "elsewhere/new.txt = " + fresh + " 0600", "elsewhere/target.txt = old 0644"};
    QTest::newRow("link into a missing folder: refused, nothing made")
        << "../nowhere/new.txt" << "write"
        << "Cannot write data/2006-03-14.txt: it is a link to <root>/data/../nowhere/new.txt, whose folder does not exist"
        << QStringList{"data/", linkTo.arg("../nowhere/new.txt"), "elsewhere/", "elsewhere/target.txt = old 0644"};
    QTest::newRow("box emptied: the link stays, its file is emptied")
        << "../elsewhere/target.txt" << "delete" << "ok"
        << QStringList{"data/", linkTo.arg("../elsewhere/target.txt"), "elsewhere/", "elsewhere/target.txt =  0644"};
    QTest::newRow("linked file changed outside: kept as a copy in data/")
        << "../elsewhere/target.txt" << "changed" << "ok"
        << QStringList{"data/", "data/2006-03-14 (changed outside 2026-12-08 10.31.02).txt = outside 0644",
                       linkTo.arg("../elsewhere/target.txt"), "elsewhere/", "elsewhere/target.txt = " + fresh + " 0644"};
    QTest::newRow("linked file changed outside during the flush: kept as a copy in data/")
        << "../elsewhere/target.txt" << "changed during the flush" << "ok"
        << QStringList{"data/", "data/2006-03-14 (changed outside 2026-12-08 10.31.02).txt = outside 0644",
                       linkTo.arg("../elsewhere/target.txt"), "elsewhere/", "elsewhere/target.txt = " + fresh + " 0644"};
    QTest::newRow("the link's folder refuses the new text: that folder named, nothing changed")
        << "../elsewhere/target.txt" << "fail"
        << "Cannot write data/2006-03-14.txt: it is a link to <root>/data/../elsewhere/target.txt, and its folder "
           "<root>/data/../elsewhere refused the new text: Input/output error"
        << QStringList{"data/", linkTo.arg("../elsewhere/target.txt"), "elsewhere/", "elsewhere/target.txt = old 0644"};
    // Rewriting a hard-linked file in place could not be crash-safe, and the
    // other name may be a backup's: the note gets a file of its own.
    QTest::newRow("hard link: the note gets a file of its own, the other name keeps the old text")
        << "<hard>" << "write" << "ok"
        << QStringList{"data/", "data/2006-03-14.txt = " + fresh + " 0644", "elsewhere/",
                       "elsewhere/target.txt = old 0644"};
}

void TestStore::linkedNotesStayLinked()
{
    QFETCH(QString, link);
    QFETCH(QString, op);
    QFETCH(QString, result);
    QFETCH(QStringList, after);

    NoteStore notes(m_root, nullptr, [](int fd) {
        const int err = unreliableFileSync(fd);
        return err != 0 ? err : flushWhileChangedOutside(fd);
    });
    notes.setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(10, 31, 2)); });
    QVERIFY(QDir().mkpath(dataDir()));
    QVERIFY(QDir().mkpath(m_root + QStringLiteral("/elsewhere")));
    const QString target = m_root + QStringLiteral("/elsewhere/target.txt");
    QVERIFY(writeFile(target, "old"));
    QVERIFY(QFile::link(QStringLiteral("target.txt"), m_root + QStringLiteral("/elsewhere/middle.txt")));
    const QByteArray note = QFile::encodeName(notePath());
    if (link == QLatin1String("<hard>"))
        QCOMPARE(::link(QFile::encodeName(target).constData(), note.constData()), 0);
    else
        QCOMPARE(::symlink(QFile::encodeName(QString(link).replace("<root>", m_root)).constData(), note.constData()), 0);
    if (link != QLatin1String("../elsewhere/middle.txt"))
        QVERIFY(QFile::remove(m_root + QStringLiteral("/elsewhere/middle.txt")));

    const store::Note read = notes.GetData(kDay, kMonth, kYear);
    const store::Origin origin{read.stamp, read.text};
    if (op == QLatin1String("changed"))
        QVERIFY(writeFile(target, "outside"));
    const auto noFlushChange = qScopeGuard([] { g_duringFlush = nullptr; });
    if (op == QLatin1String("changed during the flush"))
        g_duringFlush = [target] { writeFile(target, "outside"); };
    g_fileSyncsFail = op == QLatin1String("fail");
    const store::Result r = op == QLatin1String("delete") ? notes.DeleteData(kDay, kMonth, kYear, &origin)
                                                          : notes.UpdateData(kDay, kMonth, kYear, kNew, &origin);
    g_fileSyncsFail = false;
    QCOMPARE(r.ok() ? QStringLiteral("ok") : r.error, QString(result).replace("<root>", m_root));
    QStringList want = after;
    want.replaceInStrings("<root>", m_root);
    QCOMPARE(tree(m_root), want);
    if (r.ok())
        QCOMPARE(r.stamp, notes.GetBytes(kDay, kMonth, kYear).stamp);
}

void TestStore::leftoversOfKilledSaves_data()
{
    QTest::addColumn<QString>("name");   // <dead>: the id of a process that has ended
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");

    QTest::newRow("a save killed during its flush") << "" << "killed save" << true;
    QTest::newRow("writer gone") << ".2006-03-14.txt.<dead>.7.tmp" << "file" << true;
    QTest::newRow("writer gone, a year of three digits") << ".999-01-01.txt.<dead>.1.tmp" << "file" << true;
    QTest::newRow("writer still running: this process") << ".2006-03-14.txt.<self>.7.tmp" << "file" << false;
    QTest::newRow("writer still running: process 1") << ".2006-03-14.txt.1.7.tmp" << "file" << false;
    QTest::newRow("no note's name") << ".notes.txt.<dead>.7.tmp" << "file" << false;
    QTest::newRow("a note's name the store does not write") << ".2006-3-14.txt.<dead>.7.tmp" << "file" << false;
    QTest::newRow("no leading dot") << "2006-03-14.txt.<dead>.7.tmp" << "file" << false;
    QTest::newRow("no counter") << ".2006-03-14.txt.<dead>.tmp" << "file" << false;
    QTest::newRow("another ending") << ".2006-03-14.txt.<dead>.7.temp" << "file" << false;
    QTest::newRow("a folder of that name") << ".2006-03-14.txt.<dead>.7.tmp" << "folder" << false;
    QTest::newRow("a link of that name") << ".2006-03-14.txt.<dead>.7.tmp" << "link" << false;
}

// Only temporary files of the store's own pattern, whose writer is gone, go;
// the notes and everything else stay.
void TestStore::leftoversOfKilledSaves()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);

    const NoteStore notes(m_root);
    QVERIFY(notes.UpdateBytes(kDay, kMonth, kYear, kOld).ok());
    QVERIFY(writeFile(m_root + QStringLiteral("/outside.txt"), "outside"));

    // A child that has ended leaves its id free; the kernel hands ids out in
    // turn, so it is not taken again in the test's short time.
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        if (kind == QLatin1String("killed save")) {
            const NoteStore dying(m_root, nullptr, [](int) -> int { ::_exit(9); });
            dying.UpdateData(kDay + 1, kMonth, kYear, kNew);
        }
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    name.replace("<dead>", QString::number(child)).replace("<self>", QString::number(::getpid()));
    const QString path = dataDir() + QLatin1Char('/') + name;
    if (kind == QLatin1String("file"))
        QVERIFY(writeFile(path, "left"));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(m_root + QStringLiteral("/outside.txt"), path));
    else
        QCOMPARE(WEXITSTATUS(status), 9);
    const QStringList before = entries(dataDir());
    QCOMPARE(before.size(), 2);

    QCOMPARE(notes.removeLeftovers(), removed ? 1 : 0);
    QCOMPARE(entries(dataDir()), removed ? QStringList{kNoteName} : before);
    QCOMPARE(readFile(notePath()), kOld);
    QCOMPARE(readFile(m_root + QStringLiteral("/outside.txt")), QByteArray("outside"));
}

void TestStore::conflictCopyNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("copy");   // "<date> <source> <time in the name>", or "-" for no copy

    QTest::newRow("Syncthing") << QByteArray("2006-03-14.sync-conflict-20260309-101500-ABCDEFG.txt")
                               << "2006-03-14 Syncthing 2026-03-09 10:15:00";
    QTest::newRow("Nextcloud, ownCloud") << QByteArray("2006-03-14 (conflicted copy 2026-03-09 101500).txt")
                                         << "2006-03-14 Nextcloud 2026-03-09 10:15:00";
    QTest::newRow("Dropbox") << QByteArray("2006-03-14 (Ann Lee's conflicted copy 2026-03-09).txt")
                             << "2006-03-14 Dropbox -";
    QTest::newRow("Dropbox, typeset apostrophe") << QByteArray("2006-03-14 (Ann\xe2\x80\x99s conflicted copy 2026-03-09).txt")
                                                 << "2006-03-14 Dropbox -";
    QTest::newRow("changed outside") << QByteArray("2006-03-14 (changed outside 2026-12-08 10.31.02).txt")
                                     << "2006-03-14 ChangedOutside 2026-12-08 10:31:02";
    QTest::newRow("changed outside, third of its second") << QByteArray("2006-03-14 (changed outside 2026-12-08 10.31.02) 3.txt")
                                                          << "2006-03-14 ChangedOutside 2026-12-08 10:31:02";
    QTest::newRow("a year of three digits") << QByteArray("999-01-01.sync-conflict-20260309-101500-ABCDEFG.txt")
                                            << "999-01-01 Syncthing 2026-03-09 10:15:00";
    // Near misses.
    QTest::newRow("the note itself") << QByteArray("2006-03-14.txt") << "-";
    QTest::newRow("suffix after .txt") << QByteArray("2006-03-14.txt.sync-conflict-20260309-101500-ABCDEFG.txt") << "-";
    QTest::newRow("no such date") << QByteArray("2006-02-30.sync-conflict-20260309-101500-ABCDEFG.txt") << "-";
    QTest::newRow("a note's name the store does not write") << QByteArray("2006-3-14 (conflicted copy 2026-03-09 101500).txt") << "-";
    QTest::newRow("no device id") << QByteArray("2006-03-14.sync-conflict-20260309-101500.txt") << "-";
    QTest::newRow("device id of eight") << QByteArray("2006-03-14.sync-conflict-20260309-101500-ABCDEFGH.txt") << "-";
    QTest::newRow("device id in small letters") << QByteArray("2006-03-14.sync-conflict-20260309-101500-abcdefg.txt") << "-";
    QTest::newRow("no time of the copy") << QByteArray("2006-03-14 (conflicted copy 2026-03-09).txt") << "-";
    QTest::newRow("no such hour") << QByteArray("2006-03-14 (conflicted copy 2026-03-09 251500).txt") << "-";
    QTest::newRow("another ending") << QByteArray("2006-03-14 (conflicted copy 2026-03-09 101500).TXT") << "-";
    QTest::newRow("no owner") << QByteArray("2006-03-14 ('s conflicted copy 2026-03-09).txt") << "-";
    QTest::newRow("no 's") << QByteArray("2006-03-14 (Ann conflicted copy 2026-03-09).txt") << "-";
    QTest::newRow("number 1 never written") << QByteArray("2006-03-14 (changed outside 2026-12-08 10.31.02) 1.txt") << "-";
    QTest::newRow("something before the date") << QByteArray("x2006-03-14 (conflicted copy 2026-03-09 101500).txt") << "-";
    QTest::newRow("something after the copy") << QByteArray("2006-03-14 (conflicted copy 2026-03-09 101500) old.txt") << "-";
}

void TestStore::conflictCopyNames()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, copy);
    static const char *const sources[] = {"Kalivo", "ChangedOutside", "Syncthing", "Nextcloud", "Dropbox"};
    const store::ConflictName parsed = store::parseConflictName(name);
    const QString got = !parsed.isCopy() ? QStringLiteral("-")
                                         : QStringLiteral("%1-%2-%3 %4 %5")
                                               .arg(parsed.date.year)
                                               .arg(parsed.date.month, 2, 10, QLatin1Char('0'))
                                               .arg(parsed.date.day, 2, 10, QLatin1Char('0'))
                                               .arg(QLatin1String(sources[int(parsed.source)]),
                                                    parsed.time.isValid()
                                                        ? parsed.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                                        : QStringLiteral("-"));
    QCOMPARE(got, copy);
    // The index of copies by date takes exactly the copies.
    store::ConflictCopies copies;
    QCOMPARE(copies.set(name, true), parsed.isCopy());
    QCOMPARE(copies.has(parsed.date), parsed.isCopy());
}

void TestStore::versionsKept_data()
{
    QTest::addColumn<QString>("setup");       // what data/ and history/ hold besides the note "old" (0600)
    QTest::addColumn<QStringList>("changes"); // "keep TEXT": a save that keeps a version, "save TEXT" one that
                                              // does not, "keep-delete", "delete"; "outside TEXT": another
                                              // program writes the note; "flushes fail" for the next change
    QTest::addColumn<QStringList>("history"); // history/ afterwards
    QTest::addColumn<QString>("note");        // data/2006-03-14.txt afterwards
    QTest::addColumn<QString>("told");        // the version error of the last change

    const QString v1 = QStringLiteral("history/2006-03-14/2026-12-09 13.50.02.txt = %1 0600");
    const QString v2 = QStringLiteral("history/2006-03-14/2026-12-09 13.50.02 2.txt = %1 0600");
    const QStringList folders{"history/", "history/2006-03-14/"};
    QTest::newRow("first save keeps the note it replaces")
        << "" << QStringList{"keep typed"} << folders + QStringList{v1.arg("old")} << "typed 0600" << "";
    QTest::newRow("timer saves keep none")
        << "" << QStringList{"keep typed", "save more", "save most"} << folders + QStringList{v1.arg("old")}
        << "most 0600" << "";
    QTest::newRow("deletion keeps")
        << "" << QStringList{"keep-delete"} << folders + QStringList{v1.arg("old")} << "<no file>" << "";
    QTest::newRow("typed over, then emptied: both kept, the newer numbered")
        << "" << QStringList{"keep typed", "keep-delete"} << folders + QStringList{v2.arg("typed"), v1.arg("old")}
        << "<no file>" << "";
    QTest::newRow("restore keeps the text it replaces")
        << "" << QStringList{"keep typed", "keep old"} << folders + QStringList{v2.arg("typed"), v1.arg("old")}
        << "old 0600" << "";
    QTest::newRow("a new note keeps nothing") << "no note" << QStringList{"keep typed"} << QStringList() << "typed 0600"
                                              << "";
    QTest::newRow("same bytes: nothing replaced, nothing kept") << "" << QStringList{"keep old"} << QStringList()
                                                                << "old 0600" << "";
    QTest::newRow("note of mode 0644: the version private, the note as it was")
        << "0644" << QStringList{"keep typed"} << folders + QStringList{v1.arg("old")} << "typed 0644" << "";
    QTest::newRow("note with another hard link: the version a copy")
        << "hard link" << QStringList{"keep typed"} << folders + QStringList{v1.arg("old")} << "typed 0600" << "";
    QTest::newRow("linked note: its file's bytes")
        << "symbolic link" << QStringList{"keep typed"} << folders + QStringList{v1.arg("old")} << "typed 0600" << "";
    QTest::newRow("changed outside: the copy in data/ is the version")
        << "" << QStringList{"outside other", "keep typed"} << QStringList() << "typed 0600" << "";
    QTest::newRow("failed save: no version, the note is still the same")
        << "" << QStringList{"flushes fail", "keep typed"} << folders << "old 0600" << "";
    QTest::newRow("history/ a symbolic link: never followed, the save goes on")
        << "history link" << QStringList{"keep typed"} << QStringList{"history -> elsewhere"} << "typed 0600"
        << "Earlier versions of notes cannot be kept: history/ is a symbolic link, which Kalivo does not follow.";
    QTest::newRow("history/ a file: the save goes on")
        << "history file" << QStringList{"keep typed"} << QStringList{"history = file 0644"} << "typed 0600"
        << "Earlier versions of notes cannot be kept: history/ is not a folder.";
    QTest::newRow("the date's folder a symbolic link: never followed, the deletion goes on")
        << "date link" << QStringList{"keep-delete"} << QStringList{"history/", "history/2006-03-14 -> ../elsewhere"}
        << "<no file>"
        << "Earlier versions of notes cannot be kept: history/2006-03-14/ is a symbolic link, which Kalivo does not "
           "follow.";
}

// A version is the note's file as it was, byte for byte, under the local
// time it was replaced: never a half-written file, never through a link out
// of the working folder, and never at the cost of the save.
void TestStore::versionsKept()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, history);
    QFETCH(QString, note);
    QFETCH(QString, told);

    NoteStore notes(m_root, nullptr, unreliableFileSync);
    notes.setClock([] { return QDateTime(QDate(2026, 12, 9), QTime(13, 50, 2)); });
    QVERIFY(QDir().mkpath(dataDir()));
    QVERIFY(QDir().mkpath(m_root + QStringLiteral("/elsewhere")));
    const QByteArray native = QFile::encodeName(notePath());
    const QString target = m_root + QStringLiteral("/elsewhere/target.txt");
    if (setup == QLatin1String("symbolic link")) {
        QVERIFY(writeFile(target, "old"));
        QVERIFY(QFile::link(target, notePath()));
    } else if (setup != QLatin1String("no note")) {
        QVERIFY(writeFile(notePath(), "old"));
    }
    ::chmod(QFile::encodeName(setup == QLatin1String("symbolic link") ? target : notePath()).constData(),
            setup == QLatin1String("0644") ? 0644 : 0600);
    if (setup == QLatin1String("hard link"))
        QCOMPARE(::link(native.constData(), QFile::encodeName(m_root + QStringLiteral("/other")).constData()), 0);
    if (setup == QLatin1String("history link"))
        QVERIFY(QFile::link(QStringLiteral("elsewhere"), m_root + QStringLiteral("/history")));
    if (setup == QLatin1String("history file"))
        QVERIFY(writeFile(m_root + QStringLiteral("/history"), "file"));
    if (setup == QLatin1String("date link")) {
        QVERIFY(QDir().mkpath(m_root + QStringLiteral("/history")));
        QVERIFY(QFile::link(QStringLiteral("../elsewhere"), m_root + QStringLiteral("/history/2006-03-14")));
    }

    const store::Note read = notes.GetData(kDay, kMonth, kYear);
    store::Origin origin{read.stamp, read.text, read.encoding};
    store::Result r;
    const auto noFailures = qScopeGuard([] { g_fileSyncsFail = false; });
    for (const QString &change : std::as_const(changes)) {
        const QString text = change.section(QLatin1Char(' '), 1);
        const auto keep = change.startsWith(QLatin1String("keep")) ? store::KeepVersion::Yes : store::KeepVersion::No;
        if (change.startsWith(QLatin1String("outside"))) {
            QVERIFY(writeFile(notePath(), text.toLatin1()));
            continue;
        }
        if (change == QLatin1String("flushes fail")) {
            g_fileSyncsFail = true;
            continue;
        }
        r = change.endsWith(QLatin1String("delete")) ? notes.DeleteData(kDay, kMonth, kYear, &origin, keep)
                                                     : notes.UpdateData(kDay, kMonth, kYear, text, &origin, keep);
        QCOMPARE(r.ok(), !g_fileSyncsFail);
        if (r.ok())
            origin = store::Origin{r.stamp, text, r.encoding};
    }
    QCOMPARE(r.versionError, told);
    QCOMPARE(tree(m_root).filter(QRegularExpression(QStringLiteral("^history"))), history);
    // The result names the version its change kept, and only then.
    QCOMPARE(r.keptVersion.isEmpty(), !changes.constLast().startsWith(QLatin1String("keep")) || history.size() <= 2);
    if (!r.keptVersion.isEmpty())
        QVERIFY2(history.join(u'|').contains(r.keptVersion + QStringLiteral(" = ")), qPrintable(r.keptVersion));
    const QString file = setup == QLatin1String("symbolic link") ? target : notePath();
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &st) != 0
                 ? QStringLiteral("<no file>")
                 : QStringLiteral("%1 %2").arg(QString::fromLatin1(readFile(file))).arg(st.st_mode & 07777, 4, 8, QLatin1Char('0')),
             note);
    // Nothing outside the working folder's own folders was written.
    if (setup != QLatin1String("symbolic link"))
        QCOMPARE(entries(m_root + QStringLiteral("/elsewhere")), QStringList());
    if (setup == QLatin1String("hard link"))
        QCOMPARE(readFile(m_root + QStringLiteral("/other")), QByteArray("old"));
}

void TestStore::versionsListedAndPruned_data()
{
    QTest::addColumn<QStringList>("made");     // "path = text", "path -> target", "path/", "path sparse",
                                               // "path fifo"; "<25 versions>" of 2026-01-01 10.00.00 on
    QTest::addColumn<QStringList>("listed");   // "file | source | text", or "| !why" for one that cannot be read
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("pruned");

    const QString h = QStringLiteral("history/2006-03-14/");
    const QString sync = QStringLiteral("data/2006-03-14.sync-conflict-20260309-101500-ABCDEFG.txt");
    QTest::newRow("nothing") << QStringList{"data/2006-03-14.txt = note"} << QStringList() << "" << 0;
    QTest::newRow("newest first, kept versions and copies of the date together")
        << QStringList{h + "2026-12-09 13.50.02.txt = a", h + "2026-12-09 13.50.02 2.txt = b",
                       h + "2025-01-01 08.00.00.txt = c", sync + " = sync",
                       "data/2006-03-14 (changed outside 2026-12-10 09.00.00).txt = outside",
                       "data/2006-03-15.sync-conflict-20260309-101500-ABCDEFG.txt = another day",
                       "history/2006-03-15/2026-12-09 13.50.02.txt = another day", "data/2006-03-14.txt = note"}
        << QStringList{"data/2006-03-14 (changed outside 2026-12-10 09.00.00).txt | ChangedOutside | outside",
                       h + "2026-12-09 13.50.02 2.txt | Kalivo | b", h + "2026-12-09 13.50.02.txt | Kalivo | a",
                       sync + " | Syncthing | sync", h + "2025-01-01 08.00.00.txt | Kalivo | c"}
        << "" << 0;
    QTest::newRow("bad entries listed with the reason or passed by, links never followed")
        << QStringList{h + "2026-01-01 10.00.00.txt -> ../../elsewhere/secret.txt", h + "2026-01-02 10.00.00.txt sparse",
                       h + "2026-01-03 10.00.00.txt/", h + "2026-01-04 10.00.00.txt fifo", h + "notes.txt = odd",
                       h + "2026-13-01 10.00.00.txt = odd", h + ".2026-01-05 10.00.00.txt = hidden",
                       h + "2026-01-06 10.00.00 1.txt = odd", sync + " -> ../elsewhere/secret.txt"}
        << QStringList{sync + " | Syncthing | !It is a symbolic link, which Kalivo does not follow.",
                       h + "2026-01-04 10.00.00.txt | Kalivo | !Not a regular file",
                       h + "2026-01-03 10.00.00.txt | Kalivo | !Is a directory",
                       h + "2026-01-02 10.00.00.txt | Kalivo | !It is too large to show (5 MiB; a note has at most 4 MiB).",
                       h + "2026-01-01 10.00.00.txt | Kalivo | !It is a symbolic link, which Kalivo does not follow."}
        << "" << 0;
    QTest::newRow("history/ a symbolic link: not followed, the copies still listed")
        << QStringList{"history -> elsewhere", "elsewhere/2006-03-14/2026-01-01 10.00.00.txt = secret",
                       sync + " = sync"}
        << QStringList{sync + " | Syncthing | sync"}
        << "history/ is a symbolic link, which Kalivo does not follow." << 0;
    QTest::newRow("data/ a link into a synced folder: followed as for the notes")
        << QStringList{"elsewhere/synced/2006-03-14.sync-conflict-20260309-101500-ABCDEFG.txt = sync",
                       "data -> elsewhere/synced"}
        << QStringList{sync + " | Syncthing | sync"} << "" << 0;
    QTest::newRow("the date's folder a file")
        << QStringList{"history/2006-03-14 = file"} << QStringList() << "history/2006-03-14/ is not a folder." << 0;
    QStringList newest;
    for (int i = 25; i > 0; --i)
        newest << h + QStringLiteral("2026-01-01 10.%1.00.txt | Kalivo | version %1").arg(i, 2, 10, QLatin1Char('0'));
    QTest::newRow("25 kept: the oldest 5 go, a link stays")
        << QStringList{"<25 versions>", h + "2025-01-01 10.00.00.txt -> ../../elsewhere/secret.txt"}
        << newest + QStringList{h + "2025-01-01 10.00.00.txt | Kalivo | !It is a symbolic link, which Kalivo does not follow."}
        << "" << 5;
}

// Every version of a date in one list, newest first; what cannot be read is
// listed with the reason and never followed out of the working folder, and
// pruning removes only Kalivo's own oldest files.
void TestStore::versionsListedAndPruned()
{
    QFETCH(QStringList, made);
    QFETCH(QStringList, listed);
    QFETCH(QString, problem);
    QFETCH(int, pruned);

    QVERIFY(QDir().mkpath(dataDir()));
    QVERIFY(QDir().mkpath(m_root + QStringLiteral("/elsewhere")));
    QVERIFY(writeFile(m_root + QStringLiteral("/elsewhere/secret.txt"), "secret"));
    if (made.removeAll(QStringLiteral("<25 versions>")) > 0) {
        for (int i = 1; i <= 25; ++i)
            made << QStringLiteral("history/2006-03-14/2026-01-01 10.%1.00.txt = version %1").arg(i, 2, 10, QLatin1Char('0'));
    }
    for (const QString &line : std::as_const(made)) {
        const QString rel = line.section(QLatin1Char(' '), 0, -1).section(QRegularExpression(" (=|->|sparse|fifo)"), 0, 0);
        const QString path = m_root + QLatin1Char('/') + rel.chopped(rel.endsWith(u'/') ? 1 : 0);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (line.endsWith(u'/'))
            QVERIFY(QDir().mkpath(path));
        else if (line.contains(QLatin1String(" = ")))
            QVERIFY(writeFile(path, line.section(QStringLiteral(" = "), 1).toUtf8()));
        else if (line.contains(QLatin1String(" -> ")))
            QVERIFY((rel != QLatin1String("data") || QDir(path).removeRecursively())
                    && QFile::link(line.section(QStringLiteral(" -> "), 1), path));
        else if (line.endsWith(QLatin1String(" sparse")))
            QVERIFY(testsupport::makeSparse(path, qint64(5) << 20));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }

    static const char *const sources[] = {"Kalivo", "ChangedOutside", "Syncthing", "Nextcloud", "Dropbox"};
    const auto list = [this] {
        const store::Versions versions = store::listVersions(m_root, store::NoteDate{kDay, kMonth, kYear});
        QStringList lines;
        for (const store::Version &v : versions.list)
            lines << QStringLiteral("%1 | %2 | %3").arg(v.file, QLatin1String(sources[int(v.source)]),
                                                        v.error.isEmpty() ? v.text : u'!' + v.error);
        return std::make_pair(lines, versions.problem);
    };
    QCOMPARE(list().first, listed);
    QCOMPARE(list().second, problem);
    QCOMPARE(readFile(m_root + QStringLiteral("/elsewhere/secret.txt")), QByteArray("secret"));

    // Given the names of the copies, as the watch keeps them, it lists the same.
    store::ConflictCopies copies;
    QCOMPARE(NoteStore(m_root).removeLeftovers(&copies), 0);
    const std::vector<QByteArray> names = copies.namesOf(store::NoteDate{kDay, kMonth, kYear});
    QCOMPARE(int(names.size()), listed.filter(QStringLiteral("data/")).size());
    QCOMPARE(store::listVersions(m_root, store::NoteDate{kDay, kMonth, kYear}, &names).list.size(), size_t(listed.size()));

    QCOMPARE(store::pruneAllVersions(m_root), pruned);
    // The oldest of Kalivo's own readable files went.
    QStringList left = listed;
    for (int i = int(left.size()) - 1, n = pruned; i >= 0 && n > 0; --i) {
        if (left.at(i).contains(QLatin1String(" | Kalivo | ")) && !left.at(i).contains(QLatin1String(" | !"))) {
            left.removeAt(i);
            --n;
        }
    }
    QCOMPARE(list().first, left);
    QCOMPARE(store::pruneVersions(m_root, store::NoteDate{kDay, kMonth, kYear}), 0);

    // A copy is deleted by its name alone, never a note, never what a link points to.
    QCOMPARE(store::deleteConflictCopy(m_root, kNoteName), QStringLiteral("Cannot delete data/2006-03-14.txt: it is not a conflict copy."));
    if (!names.empty()) {
        QCOMPARE(store::deleteConflictCopy(m_root, names.front()), QString());
        QCOMPARE(list().first.size(), left.size() - 1);
        QCOMPARE(readFile(m_root + QStringLiteral("/elsewhere/secret.txt")), QByteArray("secret"));
    }
}

QTEST_APPLESS_MAIN(TestStore)
#include "tst_store.moc"
