// "kalivo remind" as a login script runs it: the real program in a working
// folder of its own, without any display.
#include "testsupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// data/<year>-<mm>-<dd>.txt; 29 February names a file in any year.
QString noteName(int year, const QDate &date)
{
    return QStringLiteral("data/%1-%2-%3.txt")
        .arg(year)
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

using testsupport::writeFile;

struct Run {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// display: the DISPLAY to give, none when empty.
Run runKalivo(const QString &folder, const QStringList &arguments, const QString &display = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!display.isEmpty())
        env.insert(QStringLiteral("DISPLAY"), display);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(KALIVO_PROGRAM), arguments);
    Run run;
    run.finished = process.waitForFinished(30000);
    if (!run.finished)
        process.kill();
    run.status = process.exitStatus();
    run.code = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Lays out the folder for today and, against a run across midnight, for
// tomorrow as well.
bool build(const QString &root, const QString &what)
{
    if (!QDir(root).mkdir(QStringLiteral("data")))
        return false;
    const QDate today = QDate::currentDate();
    for (const QDate &date : {today, today.addDays(1)}) {
        const QString dir = root + QLatin1Char('/');
        bool ok = true;
        if (what == QLatin1String("note today"))
            ok = writeFile(dir + noteName(date.year(), date), "note");
        else if (what == QLatin1String("note in 1900"))
            ok = writeFile(dir + noteName(1900, date), "note");
        else if (what == QLatin1String("empty note today"))
            ok = writeFile(dir + noteName(date.year(), date), "");
        else if (what == QLatin1String("note next year"))
            ok = writeFile(dir + noteName(date.year() + 1, date), "later");
        else if (what == QLatin1String("directory at today's note"))
            ok = QDir().mkpath(dir + noteName(date.year(), date));
        if (!ok)
            return false;
    }
    if (what == QLatin1String("ft.txt"))
        return writeFile(root + QLatin1String("/ft.txt"), "");
    return true;
}

} // namespace

class TestRemindProcess : public QObject
{
    Q_OBJECT
private slots:
    void endsSilentlyWithoutDisplay_data();
    void endsSilentlyWithoutDisplay();
    void goesOnIntoTheProgram_data();
    void goesOnIntoTheProgram();
};

void TestRemindProcess::endsSilentlyWithoutDisplay_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("no data folder") << "none";
    QTest::newRow("empty data folder") << "empty";
    QTest::newRow("empty note today") << "empty note today";
    QTest::newRow("note next year") << "note next year";
}

void TestRemindProcess::endsSilentlyWithoutDisplay()
{
    QFETCH(QString, folder);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (folder != QLatin1String("none"))
        QVERIFY(build(dir.path(), folder));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    const Run run = runKalivo(dir.path(), {QStringLiteral("remind")});
    QVERIFY(run.finished);
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

// Without a display the windows cannot come up: a run that goes on into them
// says so in one line and ends with 1, with no abort and nothing touched.
void TestRemindProcess::goesOnIntoTheProgram_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display");
    const QStringList remind{QStringLiteral("remind")};
    QTest::newRow("note today") << "note today" << remind << "";
    QTest::newRow("note in 1900") << "note in 1900" << remind << "";
    QTest::newRow("directory at today's note") << "directory at today's note" << remind << "";
    QTest::newRow("ft.txt, no note") << "ft.txt" << remind << "";
    QTest::newRow("Remind, no note") << "empty" << QStringList{"Remind"} << "";
    QTest::newRow("remind and more, no note") << "empty" << QStringList{"remind", "x"} << "";
    QTest::newRow("no arguments, no note") << "empty" << QStringList{} << "";
    QTest::newRow("a display that is not there") << "empty" << QStringList{} << ":4093";
    QTest::newRow("a display that is not there, note today") << "note today" << remind << ":4093";
}

void TestRemindProcess::goesOnIntoTheProgram()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(build(dir.path(), folder));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    const Run run = runKalivo(dir.path(), arguments, display);
    QVERIFY(run.finished);
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, 1);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("kalivo: Kalivo needs a graphical desktop"), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

QTEST_GUILESS_MAIN(TestRemindProcess)
#include "tst_remindprocess.moc"
