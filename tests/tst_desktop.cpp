// The program among others on the desktop: a second start in the same
// working folder hands over to the first, and signals end the program as
// closing its window does. The real program and the test itself, re-run as
// a month view of its own, run as child processes.
#include "calendar.h"
#include "form1.h"
#include "platform.h"
#include "programstart.h"
#include "shutdownsignals.h"
#include "singleinstance.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using testsupport::readFile;
using testsupport::writeFile;

// A socket file whose program is gone, as a crash leaves it.
bool leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::listen(fd, 1) == 0;
    ::close(fd);
    return bound && QFile::exists(path);
}

// Whether the process has the file open.
bool hasOpen(const QProcess &process, const QString &path)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(process.processId());
    const QStringList names = QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(names.cbegin(), names.cend(), [&](const QString &fd) {
        return QFile::symLinkTarget(fds + QLatin1Char('/') + fd) == path;
    });
}

// The child: a month view on 14 March 2006 in the folder argv[2], its
// shutdown wired as the program's. What it does before it says "ready" on
// stdout is argv[3]: "type" types a note into the 14th and keeps the focus
// there, "compose" leaves an input method composition after the note,
// "greet" stops at the first start's greeting. argv[4] lists the signals
// that arrive once the shutdown has begun, by number ("1,2"); "hang" among
// them stops the shutdown there for good, as a disk that stopped would.
int childMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    testsupport::Recorder asked;
    Platform p = testsupport::fakePlatform(QDate(2006, 3, 14), QString::fromLocal8Bit(argv[2]), asked);
    // The real message boxes: a signal may come while one is up.
    p.showMessage = systemPlatform().showMessage;
    p.confirm = systemPlatform().confirm;
    const QByteArray mode = argv[3];
    ShutdownSignals caught;
    Form1 form(p);
    const QList<QByteArray> later = QByteArray(argv[4]).split(',');
    QObject::connect(&caught, &ShutdownSignals::received, [later] {
        for (const QByteArray &s : later) {
            if (s == "hang") {
                for (;;)
                    ::pause();
            }
            if (!s.isEmpty())
                ::raise(s.toInt());
        }
    });
    shutDownOnRequest(form, caught);
    const auto ready = [] {
        std::puts("ready");
        std::fflush(stdout);
    };
    if (mode == "greet") {
        // The greeting is up once the event loop of its box runs.
        QTimer::singleShot(0, ready);
    }
    const char *const args[] = {argv[0]};
    if (!startProgram(form, 1, args))
        return 0;
    if (mode != "greet") {
        if (!QTest::qWaitForWindowActive(&form))
            return 3;
        auto *box = form.findChild<QPlainTextEdit *>(QStringLiteral("Text1_%1").arg(calendar::GetIndex(14, 3, 2006)));
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("typed"));
        if (mode == "compose") {
            QInputMethodEvent composing(QStringLiteral("\u00e9t\u00e9"), {});
            QCoreApplication::sendEvent(box, &composing);
        }
        ready();
    }
    return QApplication::exec();
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime;
    QTemporaryDir m_cache;

    // The real program in `folder`, without a display; started, not waited for.
    static void startKalivo(QProcess &process, const QString &folder, const QStringList &arguments = {},
                            const QString &activationToken = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!activationToken.isEmpty())
            env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), activationToken);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder);
        process.start(QStringLiteral(KALIVO_PROGRAM), arguments);
    }

private slots:
    void initTestCase()
    {
        // The sockets go into a runtime folder of the test's own, or into
        // a cache folder of its own when there is none.
        QVERIFY(m_runtime.isValid() && m_cache.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
    }

    void secondStart_data();
    void secondStart();
    void racingStarts();
    void signalEndsRun_data();
    void signalEndsRun();
};

void TestDesktop::secondStart_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("runtime");    // the runtime folder: the user's, none, open to others, far down
    QTest::addColumn<QString>("outcome");    // of the second start
    QTest::newRow("same folder") << "same" << "own" << "hands over";
    QTest::newRow("same folder through a link") << "link" << "own" << "hands over";
    QTest::newRow("a socket left by a crash") << "stale" << "own" << "hands over";
    QTest::newRow("another folder") << "other" << "own" << "first";
    QTest::newRow("a first that does not answer") << "same" << "own" << "no answer";
    QTest::newRow("no runtime folder, the fallback taken by another user") << "same" << "none" << "hands over";
    QTest::newRow("a runtime folder open to others") << "same" << "open" << "hands over";
    QTest::newRow("a socket path longer than an address holds") << "same" << "long" << "hands over";
    QTest::newRow("launched with an activation token: passed on") << "token" << "own" << "hands over";
    QTest::newRow("a month view the desktop keeps behind: told") << "same" << "own" << "stays behind";
}

// The first program is this test, holding the folder; the second start is
// the real program, or in this test when it does not hand over.
void TestDesktop::secondStart()
{
    QFETCH(QString, how);
    QFETCH(QString, runtime);
    QFETCH(QString, outcome);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("work"));
    const QString other = dir.filePath(QStringLiteral("other"));
    for (const QString &f : {folder, other}) {
        QVERIFY(QDir().mkpath(f + QLatin1String("/data")));
        QVERIFY(QDir().mkpath(f + QLatin1String("/temp")));
    }
    QVERIFY(QFile::link(folder, dir.filePath(QStringLiteral("link"))));

    const auto restore = qScopeGuard([this] {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        qunsetenv("TMPDIR");
    });
    QString expectedFolder = m_runtime.path();
    if (runtime == QLatin1String("none")) {
        // Without XDG_RUNTIME_DIR, Qt falls back to $TMPDIR/runtime-<user>,
        // which anybody may create first.
        qunsetenv("XDG_RUNTIME_DIR");
        const QByteArray taken = QFile::encodeName(dir.path()) + "/runtime-" + ::getpwuid(::geteuid())->pw_name;
        QVERIFY(::mkdir(taken.constData(), 0700) == 0);
        if (::geteuid() == 0)
            QVERIFY(::chown(taken.constData(), 65534, 65534) == 0);
        else
            QVERIFY(::chmod(taken.constData(), 0777) == 0);
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        expectedFolder = m_cache.path() + QLatin1String("/kalivo");
    } else if (runtime == QLatin1String("open")) {
        const QString open = dir.filePath(QStringLiteral("open"));
        QVERIFY(QDir().mkdir(open) && ::chmod(QFile::encodeName(open).constData(), 01777) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(open));
        expectedFolder = m_cache.path() + QLatin1String("/kalivo");
    } else if (runtime == QLatin1String("long")) {
        expectedFolder = dir.filePath(QString(100, QLatin1Char('r')));
        QVERIFY(::mkdir(QFile::encodeName(expectedFolder).constData(), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(expectedFolder));
    }
    const QString path = SingleInstance::socketPath(folder);
    QVERIFY2(path.startsWith(expectedFolder + QLatin1String("/kalivo-")), qPrintable(path));
    QVERIFY(runtime != QLatin1String("long") || QFile::encodeName(path).size() > 107);
    QCOMPARE(SingleInstance::socketPath(dir.filePath(QStringLiteral("link"))), path);
    QVERIFY(SingleInstance::socketPath(other) != path);
    if (how == QLatin1String("stale"))
        QVERIFY(leaveStaleSocket(path));

    SingleInstance first(folder);
    QCOMPARE(first.start(true), SingleInstance::Start::First);
    QCOMPARE(first.error(), QString());
    QVERIFY(QFileInfo::exists(path));
    QList<SingleInstance::BringUp> requests;
    connect(&first, &SingleInstance::bringUpRequested, this,
            [&](const SingleInstance::BringUp &request, const SingleInstance::Reply &reply) {
                requests << request;
                reply.answer(outcome != QLatin1String("stays behind"));
            });

    const QString startIn = how == QLatin1String("link") ? dir.filePath(QStringLiteral("link"))
                          : how == QLatin1String("other") ? other
                                                          : folder;
    if (outcome == QLatin1String("hands over") || outcome == QLatin1String("stays behind")) {
        QProcess second;
        const QString token = how == QLatin1String("token") ? QStringLiteral("kde-1234_ABCD:5678") : QString();
        startKalivo(second, startIn, {}, token);
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 10000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].activationToken, token.toLatin1());
        QVERIFY(!requests[0].today);
        // Only when the month view stays behind the user is told.
        const QByteArray told = second.readAllStandardError();
        QVERIFY2(told.contains("kalivo: Kalivo is already open on ") == (outcome == QLatin1String("stays behind")),
                 told.constData());
    } else {
        // Another folder is free; the X server test runs both programs. A
        // first whose event loop does not turn, as this test's while it
        // waits, answers nobody: the program then says so and ends with 1.
        SingleInstance second(startIn);
        QCOMPARE(second.start(true, std::chrono::milliseconds(300)),
                 outcome == QLatin1String("first") ? SingleInstance::Start::First : SingleInstance::Start::NoAnswer);
        QVERIFY(requests.isEmpty());
    }

    // Once the first stops, the folder is free for the next start.
    first.stop();
    QVERIFY(!QFile::exists(path));
    SingleInstance next(folder);
    QCOMPARE(next.start(true), SingleInstance::Start::First);
}

// Two starts at the same moment in a free folder: one opens the month view,
// the other hands over to it. The test holds the starts' lock until both
// wait for it, so that they race with nothing between them.
void TestDesktop::racingStarts()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("data")) && QDir(dir.path()).mkpath(QStringLiteral("temp")));
    const QString path = SingleInstance::socketPath(dir.path());
    const QString lockPath = path + QLatin1String(".lock");
    const int lock = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX) == 0);
    QProcess starts[2];
    for (QProcess &start : starts)
        startKalivo(start, dir.path());
    QTRY_VERIFY_WITH_TIMEOUT(hasOpen(starts[0], lockPath) && hasOpen(starts[1], lockPath), 10000);
    ::close(lock);

    QTRY_VERIFY_WITH_TIMEOUT(starts[0].state() == QProcess::NotRunning || starts[1].state() == QProcess::NotRunning,
                             10000);
    const bool firstEnded = starts[0].state() == QProcess::NotRunning;
    QProcess &handedOver = starts[firstEnded ? 0 : 1];
    QProcess &holds = starts[firstEnded ? 1 : 0];
    QCOMPARE(handedOver.exitStatus(), QProcess::NormalExit);
    QCOMPARE(handedOver.exitCode(), 0);
    QCOMPARE(holds.state(), QProcess::Running);
    QVERIFY(QFileInfo(path).exists());

    ::kill(pid_t(holds.processId()), SIGTERM);
    QVERIFY(holds.waitForFinished(10000));
    QCOMPARE(holds.exitCode(), 0);
    QVERIFY(!QFileInfo(path).exists());
}

void TestDesktop::signalEndsRun_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("dataWritable");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QByteArray>("later");   // signals during the shutdown, see childMain
    const QByteArray interrupt = QByteArray::number(SIGINT);
    QTest::newRow("SIGTERM: logout, shutdown") << SIGTERM << "type" << true << QByteArray("typed") << QByteArray();
    QTest::newRow("SIGHUP: terminal closed") << SIGHUP << "type" << true << QByteArray("typed") << QByteArray();
    QTest::newRow("SIGINT: Ctrl+C") << SIGINT << "type" << true << QByteArray("typed") << QByteArray();
    QTest::newRow("composition committed first") << SIGTERM << "compose" << true << QByteArray("typed\xe9t\xe9")
                                                 << QByteArray();
    QTest::newRow("note that cannot be saved is told on stderr") << SIGTERM << "type" << false << QByteArray()
                                                                 << QByteArray();
    QTest::newRow("during the greeting's message box") << SIGTERM << "greet" << true << QByteArray("<no file>")
                                                       << QByteArray();
    QTest::newRow("SIGTERM, then SIGHUP during the shutdown") << SIGTERM << "type" << true << QByteArray("typed")
                                                             << QByteArray::number(SIGHUP);
    QTest::newRow("Ctrl+C twice") << SIGINT << "type" << true << QByteArray("typed") << interrupt;
    // A shutdown that hangs is ended without the note: nothing else can end it.
    QTest::newRow("Ctrl+C three times ends a shutdown that hangs") << SIGINT << "type" << true << QByteArray("<no file>")
                                                                   << interrupt + ',' + interrupt + ",hang";
}

void TestDesktop::signalEndsRun()
{
    QFETCH(int, signalNumber);
    QFETCH(QString, mode);
    QFETCH(bool, dataWritable);
    QFETCH(QByteArray, saved);
    QFETCH(QByteArray, later);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("temp")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("temp/report-ABC.htm")), "page"));
    if (dataWritable)
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("data")));
    else
        QVERIFY(writeFile(dir.filePath(QStringLiteral("data")), "a file where the folder should be"));
    if (mode == QLatin1String("greet"))
        QVERIFY(writeFile(dir.filePath(QStringLiteral("ft.txt")), ""));

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), dir.path(), mode, QString::fromLatin1(later)});
    QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine() || child.state() == QProcess::NotRunning, 20000);
    QCOMPARE(child.readLine(), QByteArray("ready\n"));

    ::kill(pid_t(child.processId()), signalNumber);
    QVERIFY(child.waitForFinished(10000));
    const QByteArray err = child.readAllStandardError();
    if (later.endsWith("hang")) {
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(child.exitCode(), SIGINT);
        QCOMPARE(readFile(dir.filePath(QStringLiteral("data/2006-03-14.txt"))), saved);
        return;
    }
    QVERIFY2(child.exitStatus() == QProcess::NormalExit, err.constData());
    QCOMPARE(child.exitCode(), 0);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temp/report-ABC.htm"))));
    if (dataWritable) {
        QCOMPARE(readFile(dir.filePath(QStringLiteral("data/2006-03-14.txt"))), saved);
    } else {
        QVERIFY2(err.contains("14 March 2006") && err.contains("Not a directory"), err.constData());
    }
}

int main(int argc, char **argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--child") == 0)
        return childMain(argc, argv);
    QCoreApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
