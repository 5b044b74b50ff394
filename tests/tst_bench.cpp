// The benchmark's own arithmetic and tools: a wrong median, a budget judged
// the wrong way round or a floor that skips its work would make the table
// lie, so they are tested like the program.
#include "floors.h"
#include "startup.h"
#include "table.h"
#include "workfolder.h"

#include "codepage.h"
#include "design.h"
#include "form1.h"
#include "store.h"
#include "testsupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using bench::Budget;
using bench::Row;

Q_DECLARE_METATYPE(bench::Row)
Q_DECLARE_METATYPE(std::vector<double>)

class tst_Bench : public QObject
{
    Q_OBJECT

private slots:
    void quantiles_data();
    void quantiles();
    void spreadIsRelative();
    void verdicts_data();
    void verdicts();
    void tableShowsEveryRow();
    void noteTexts_data();
    void noteTexts();
    void otherNotesLeaveMeasuredMonthsAlone();
    void folderFailuresNameThePath();
    void floorsDoTheirWork();
    void floorWindowControlsAreTheMonthViews_data();
    void floorWindowControlsAreTheMonthViews();
    void startupTimerNamesAMissingDisplay();
    void startupTimerSeesTheWindowMapped();
};

void tst_Bench::quantiles_data()
{
    QTest::addColumn<std::vector<double>>("samples");
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("expected");

    QTest::newRow("no samples") << std::vector<double>{} << 0.5 << 0.0;
    QTest::newRow("one sample") << std::vector<double>{4} << 0.5 << 4.0;
    QTest::newRow("median of an odd count, unsorted") << std::vector<double>{9, 1, 5} << 0.5 << 5.0;
    QTest::newRow("median of an even count: the mean of the middle two")
        << std::vector<double>{4, 1, 3, 2} << 0.5 << 2.5;
    QTest::newRow("an outlier does not move the median")
        << std::vector<double>{1, 1, 1, 1000} << 0.5 << 1.0;
    QTest::newRow("first quartile interpolated") << std::vector<double>{0, 10, 20, 30, 40} << 0.25 << 10.0;
    QTest::newRow("third quartile between ranks") << std::vector<double>{0, 10} << 0.75 << 7.5;
    QTest::newRow("q below 0 is the minimum") << std::vector<double>{3, 1, 2} << -1.0 << 1.0;
    QTest::newRow("q above 1 is the maximum") << std::vector<double>{3, 1, 2} << 2.0 << 3.0;
}

void tst_Bench::quantiles()
{
    QFETCH(std::vector<double>, samples);
    QFETCH(double, q);
    QFETCH(double, expected);
    QCOMPARE(bench::quantile(samples, q), expected);
    if (q == 0.5)
        QCOMPARE(bench::median(samples), expected);
}

void tst_Bench::spreadIsRelative()
{
    // Quartiles 9 and 11 around a median of 10: +-10 %.
    QCOMPARE(bench::spread({8, 9, 10, 11, 12}), 0.1);
    // The same shape ten times larger is just as noisy.
    QCOMPARE(bench::spread({80, 90, 100, 110, 120}), 0.1);
    QCOMPARE(bench::spread({}), 0.0);
}

void tst_Bench::verdicts_data()
{
    QTest::addColumn<Row>("row");
    QTest::addColumn<double>("limit");
    QTest::addColumn<bool>("ok");

    const auto row = [](std::vector<double> samples, std::vector<double> floor, Budget budget) {
        return Row{QStringLiteral("case"), QStringLiteral("ms"), samples, floor, budget, QString()};
    };
    QTest::newRow("absolute: on the limit") << row({1, 2, 3}, {}, {Budget::AtMost, 2}) << 2.0 << true;
    QTest::newRow("absolute: just over") << row({1, 2.01, 3}, {}, {Budget::AtMost, 2}) << 2.0 << false;
    QTest::newRow("absolute: a floor does not change it")
        << row({1.5}, {100}, {Budget::AtMost, 2}) << 2.0 << true;
    QTest::newRow("times floor: within") << row({2.9}, {1, 1, 1}, {Budget::TimesFloor, 3}) << 3.0 << true;
    QTest::newRow("times floor: over") << row({3.1}, {1}, {Budget::TimesFloor, 3}) << 3.0 << false;
    QTest::newRow("times floor: the floor's median counts, not its mean")
        << row({1.6}, {1, 1, 100}, {Budget::TimesFloor, 1.5}) << 1.5 << false;
    QTest::newRow("times floor: faster than the floor") << row({0.5}, {1}, {Budget::TimesFloor, 1.1}) << 1.1 << true;
    QTest::newRow("times floor: no floor measured") << row({0.5}, {}, {Budget::TimesFloor, 1.1}) << 0.0 << false;
    QTest::newRow("floor plus: within") << row({38}, {34}, {Budget::FloorPlus, 5}) << 39.0 << true;
    QTest::newRow("floor plus: over") << row({39.5}, {34}, {Budget::FloorPlus, 5}) << 39.0 << false;
    QTest::newRow("no samples") << row({}, {1}, {Budget::AtMost, 2}) << 2.0 << false;

    Row failed = row({0.1}, {1}, {Budget::AtMost, 2});
    failed.error = QStringLiteral("the note box does not take the focus");
    QTest::newRow("an error is never within budget") << failed << 2.0 << false;
}

void tst_Bench::verdicts()
{
    QFETCH(Row, row);
    QFETCH(double, limit);
    QFETCH(bool, ok);
    const bench::Verdict v = bench::judge(row);
    QCOMPARE(v.ok, ok);
    QCOMPARE(v.limit, limit);
    if (!row.floor.empty())
        QCOMPARE(v.ratio, bench::median(row.samples) / bench::median(row.floor));
}

void tst_Bench::tableShowsEveryRow()
{
    std::vector<Row> rows{
        {QStringLiteral("render"), QStringLiteral("ms"), {0.5, 0.6, 0.7}, {0.1, 0.2, 0.3}, {Budget::AtMost, 2}, {}},
        {QStringLiteral("save"), QStringLiteral("ms"), {4}, {2}, {Budget::TimesFloor, 1.5}, {}},
        {QStringLiteral("memory"), QStringLiteral("MB"), {36.4}, {34.2}, {Budget::FloorPlus, 5}, {}},
        {QStringLiteral("start-up"), QStringLiteral("ms"), {}, {}, {Budget::TimesFloor, 1.1},
         QStringLiteral("no X server")},
    };
    const QStringList lines = bench::formatTable(rows).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith(QLatin1String("case")));

    QVERIFY2(lines[1].contains(QLatin1String("0.600 ms")) && lines[1].contains(QLatin1String("0.200 ms"))
                 && lines[1].contains(QLatin1String("3.00")) && lines[1].contains(QLatin1String("<= 2 ms"))
                 && lines[1].endsWith(QLatin1String("ok")),
             qPrintable(lines[1]));
    QVERIFY2(lines[2].contains(QLatin1String("<= 1.5 x floor")) && lines[2].endsWith(QLatin1String("over")),
             qPrintable(lines[2]));
    QVERIFY2(lines[3].contains(QLatin1String("36.4 MB")) && lines[3].contains(QLatin1String("<= floor + 5 MB"))
                 && lines[3].endsWith(QLatin1String("ok")),
             qPrintable(lines[3]));
    QVERIFY2(lines[4].endsWith(QLatin1String("error: no X server")), qPrintable(lines[4]));

    // Figures stand in columns, so the verdict starts at the same place on
    // every line that has one.
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(lines[i].lastIndexOf(QLatin1Char(' ')) + 1, lines[0].size() + 2);
}

void tst_Bench::noteTexts_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("script");   // -1: Windows-1252; UTF-8 Russian (0) or Japanese (1)
    QTest::newRow("a one-line note") << 40 << -1;
    QTest::newRow("a reminder note") << 300 << -1;
    QTest::newRow("2 KB") << 2048 << -1;
    QTest::newRow("Russian, a one-line note") << 40 << 0;
    QTest::newRow("Russian, 2 KB") << 2048 << 0;
    QTest::newRow("Japanese, a one-line note") << 40 << 1;
    QTest::newRow("Japanese, 2 KB") << 2048 << 1;
}

void tst_Bench::noteTexts()
{
    QFETCH(int, size);
    QFETCH(int, script);
    const auto make = [script](int bytes, unsigned seed) {
        return script < 0 ? bench::noteText(bytes, seed) : bench::noteTextUtf8(bytes, seed, script);
    };
    const QByteArray text = make(size, 3);
    QCOMPARE(text.size(), size);
    QCOMPARE(make(size, 3), text);
    QVERIFY(make(size, 4) != text);
    QVERIFY(!text.endsWith('\r') && !text.endsWith(' '));
    // Line breaks are whole CR LF pairs, as the store writes them.
    QCOMPARE(text.count('\r'), text.count("\r\n"));
    QCOMPARE(text.count('\n'), text.count("\r\n"));
    // Lines of up to about 60 characters.
    if (size >= 2048)
        QVERIFY(text.count("\r\n") >= store::decode(text, store::encodingOf(text)).size() / 80);
    // The store reads the note as it was meant.
    QCOMPARE(store::encodingOf(text), script < 0 ? store::Encoding::Windows1252 : store::Encoding::Utf8);
    if (script >= 0)
        return;
    // Every byte means a character of the code page and comes back the same.
    QCOMPARE(codepage::fromUnicode(codepage::toUnicode(text)), text);
    for (const char c : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
        QVERIFY(!text.contains(c));
}

void tst_Bench::otherNotesLeaveMeasuredMonthsAlone()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(bench::makeWorkingFolder(dir.path()), QString());
    QVERIFY(QDir(dir.filePath(QStringLiteral("temp"))).exists());
    QCOMPARE(bench::writeMonth(dir.path(), 2, 2024, 100), QString());
    QFile leapDay(dir.filePath(store::NoteStore::GetFileName(29, 2, 2024)));
    QVERIFY(leapDay.open(QIODevice::ReadOnly));
    const QByteArray before = leapDay.readAll();
    QCOMPARE(before.size(), 100);
    leapDay.close();

    // From 1 January 1880: January and March 1880 are skipped, so 40 notes
    // reach into April.
    QCOMPARE(bench::writeOtherNotes(dir.path(), 40, {QDate(1880, 1, 1), QDate(1880, 3, 1), QDate(2024, 2, 1)}),
             QString());
    const QStringList names = QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files, QDir::Name);
    QCOMPARE(names.size(), 29 + 40);
    QVERIFY(names.contains(QStringLiteral("1880-02-01.txt")));
    QVERIFY(names.contains(QStringLiteral("1880-04-11.txt")));
    QVERIFY(!names.contains(QStringLiteral("1880-04-12.txt")));
    for (const QString &name : names)
        QVERIFY2(!name.startsWith(QLatin1String("1880-01")) && !name.startsWith(QLatin1String("1880-03")),
                 qPrintable(name));
    QVERIFY(leapDay.open(QIODevice::ReadOnly));
    QCOMPARE(leapDay.readAll(), before);

    const std::vector<QByteArray> paths = bench::monthPaths(dir.path(), 2, 2024);
    QCOMPARE(paths.size(), std::size_t(29));
    QCOMPARE(QFile::decodeName(paths.back()), dir.filePath(QStringLiteral("data/2024-02-29.txt")));
}

void tst_Bench::folderFailuresNameThePath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A file where the working folder should be.
    const QString file = dir.filePath(QStringLiteral("taken"));
    QVERIFY(QFile(file).open(QIODevice::WriteOnly));
    const QString error = bench::makeWorkingFolder(file);
    QVERIFY2(error.startsWith(file), qPrintable(error));

    // No data/ to write the note into.
    const QString note = bench::writeNote(dir.path(), QDate(2006, 1, 5), "x");
    QVERIFY2(note.contains(QLatin1String("data/2006-01-05.txt")), qPrintable(note));
    // A month stops at its first note.
    const QString month = bench::writeMonth(dir.path(), 1, 2006, 10);
    QVERIFY2(month.contains(QLatin1String("data/2006-01-01.txt")), qPrintable(month));
}

void tst_Bench::floorsDoTheirWork()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray base = QFile::encodeName(dir.path());
    const QByteArray bytes = bench::noteText(3000, 1);

    QCOMPARE(bench::writeFile(base + "/a.txt", bytes.constData(), bytes.size()), 3000LL);
    QCOMPARE(bench::writeFile(base + "/b.txt", bytes.constData(), 10), 10LL);
    std::vector<char> buffer(1024);   // smaller than a file: read in pieces
    QCOMPARE(bench::readFiles({base + "/a.txt", base + "/missing.txt", base + "/b.txt"}, buffer), 3010LL);

    QCOMPARE(bench::writeSyncRename(base + "/.n.tmp", base + "/a.txt", "new", 3), 3LL);
    QFile a(dir.filePath(QStringLiteral("a.txt")));
    QVERIFY(a.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), QByteArray("new"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral(".n.tmp"))));

    // Failures are reported, not timed: a folder where a note should be,
    // a missing folder, and a rename onto a folder that holds something.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("full/inside")));
    QCOMPARE(bench::readFiles({base + "/full"}, buffer), -1LL);
    QCOMPARE(bench::writeFile(base + "/full", "x", 1), -1LL);
    QCOMPARE(bench::writeFile(base + "/no/such/folder.txt", "x", 1), -1LL);
    QCOMPARE(bench::writeSyncRename(base + "/.t.tmp", base + "/full", "x", 1), -1LL);
}

// The bare window builds its controls from the design table; the month view
// builds them too, and they must come out the same, or the start-up floor
// measures another window.
void tst_Bench::floorWindowControlsAreTheMonthViews_data()
{
    using namespace monthview::design;
    QTest::addColumn<QString>("name");
    for (const Control *control : kTopBar)
        QTest::newRow(control->name) << QString::fromLatin1(control->name);
    QTest::newRow("heading template") << QStringLiteral("Label3_0");
    QTest::newRow("first heading") << QStringLiteral("Label3_1");
    QTest::newRow("last heading") << QStringLiteral("Label3_7");
    QTest::newRow("note box template") << QStringLiteral("Text1_0");
    QTest::newRow("first note box") << QStringLiteral("Text1_1");
    QTest::newRow("last note box") << QStringLiteral("Text1_35");
    QTest::newRow("day button template") << QStringLiteral("Command4_0");
    QTest::newRow("first day button") << QStringLiteral("Command4_1");
    QTest::newRow("day button in the second row") << QStringLiteral("Command4_9");
    QTest::newRow("last day button") << QStringLiteral("Command4_35");
}

void tst_Bench::floorWindowControlsAreTheMonthViews()
{
    using namespace monthview;
    QFETCH(QString, name);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    testsupport::Recorder asked;
    const Platform p = testsupport::fakePlatform(QDate(2026, 3, 14), folder.path(), asked);
    // Before the first layout pass: the controls as the form draws them.
    Form1 form(p);
    form.Form_Load();
    QWidget window;
    design::setUpWindow(&window);
    QCOMPARE(window.objectName(), form.objectName());
    QCOMPARE(window.windowTitle(), form.windowTitle());
    QCOMPARE(window.size(), form.size());

    const QString base = name.section(QLatin1Char('_'), 0, 0);
    const int index = name.contains(QLatin1Char('_')) ? name.section(QLatin1Char('_'), 1).toInt() : -1;
    QWidget *made = nullptr;
    if (base == QLatin1String("Text1")) {
        auto *box = new QPlainTextEdit(&window);
        design::setUpNoteBox(box, index);
        made = box;
    } else if (base == QLatin1String("Command4")) {
        made = design::makeButton(design::dayButton(index), &window);
    } else if (base == QLatin1String("Label3")) {
        made = design::makeLabel(design::heading(index), &window);
    } else {
        for (const design::Control *control : design::kTopBar) {
            if (name == QLatin1String(control->name))
                made = control->kind == design::Kind::Label ? static_cast<QWidget *>(design::makeLabel(*control, &window))
                                                            : design::makeButton(*control, &window);
        }
    }
    QVERIFY(made);
    QWidget *real = form.findChild<QWidget *>(name);
    QVERIFY(real);
    QCOMPARE(made->objectName(), name);
    QVERIFY2(real->inherits(made->metaObject()->className()), real->metaObject()->className());
    QCOMPARE(made->geometry(), real->geometry());
    QCOMPARE(made->font(), real->font());
    QCOMPARE(made->font().family(), real->font().family());
    QCOMPARE(made->focusPolicy(), real->focusPolicy());
    QCOMPARE(made->isHidden(), real->isHidden());
    QCOMPARE(made->palette().color(QPalette::Base), real->palette().color(QPalette::Base));
    if (auto *button = qobject_cast<QPushButton *>(made)) {
        QCOMPARE(button->text(), qobject_cast<QPushButton *>(real)->text());
        QCOMPARE(button->autoDefault(), qobject_cast<QPushButton *>(real)->autoDefault());
    } else if (auto *label = qobject_cast<QLabel *>(made)) {
        const auto *other = qobject_cast<QLabel *>(real);
        QCOMPARE(label->text(), other->text());
        QCOMPARE(label->alignment(), other->alignment());
        QCOMPARE(label->frameStyle(), other->frameStyle());
        QCOMPARE(label->lineWidth(), other->lineWidth());
    } else {
        auto *box = qobject_cast<QPlainTextEdit *>(made);
        const auto *other = qobject_cast<QPlainTextEdit *>(real);
        QCOMPARE(box->verticalScrollBarPolicy(), other->verticalScrollBarPolicy());
        QCOMPARE(box->horizontalScrollBarPolicy(), other->horizontalScrollBarPolicy());
        QCOMPARE(box->lineWrapMode(), other->lineWrapMode());
        QCOMPARE(box->tabChangesFocus(), other->tabChangesFocus());
        QCOMPARE(box->centerOnScroll(), other->centerOnScroll());
    }
}

void tst_Bench::startupTimerNamesAMissingDisplay()
{
    bench::StartupTimer timer(":4711");
    QVERIFY(timer.error().contains(QLatin1String(":4711")));
    const bench::StartupSample s = timer.run({QStringLiteral("/bin/true"), {}, QDir::tempPath(), "Kalivo 1.0"});
    QCOMPARE(s.error, timer.error());
    QCOMPARE(s.msToMapped, 0.0);
}

// An X server of the test's own on the first free display from :14 on;
// -displayfd names the display once the server takes clients. Empty when
// none could be started.
QByteArray startXvfb(QProcess &server, const QString &xvfb)
{
    for (int n = 14; n < 100; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))
            || QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            continue;
        server.start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-displayfd"), QStringLiteral("1"),
                            QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                            QStringLiteral("0"), QStringLiteral("640x480x24")});
        if (!server.waitForStarted())
            return {};
        QByteArray out;
        QDeadlineTimer deadline(10000);
        while (!out.endsWith('\n') && server.state() == QProcess::Running && !deadline.hasExpired()) {
            server.waitForReadyRead(100);
            out += server.readAllStandardOutput();
        }
        if (out.endsWith('\n'))
            return ':' + out.trimmed();
        server.kill();
        server.waitForFinished();
    }
    return {};
}

// The start-up figures rest on this: a window counts as shown when the X
// server maps it, only the window asked for counts, and a program that
// shows nothing is an error, not a time.
void tst_Bench::startupTimerSeesTheWindowMapped()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed; the start-up timer needs an X server");
    QProcess server;
    const QByteArray display = startXvfb(server, xvfb);
    QVERIFY2(!display.isEmpty(), "no X server started");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // No session bus: nothing may start one for the display (dbus-launch)
    // and outlive the test.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(folder.filePath(QStringLiteral("no-bus"))));

    bench::StartupTimer timer(display);
    QCOMPARE(timer.error(), QString());
    const QString window = QStringLiteral(KALIVO_FLOOR_WINDOW);
    const bench::StartupSample shown = timer.run({window, {}, folder.path(), "Kalivo 1.0"});
    QCOMPARE(shown.error, QString());
    QVERIFY2(shown.msToMapped > 0 && shown.msToMapped < 10000, qPrintable(QString::number(shown.msToMapped)));
    QVERIFY2(shown.rssMB > 5 && shown.rssMB < 500, qPrintable(QString::number(shown.rssMB)));

    const bench::StartupSample other = timer.run({window, {}, folder.path(), "Another title"}, 1500);
    QVERIFY2(other.error.contains(QLatin1String("within 1500 ms")), qPrintable(other.error));
    QCOMPARE(other.msToMapped, 0.0);

    const bench::StartupSample ended = timer.run({QStringLiteral("/bin/true"), {}, folder.path(), "Kalivo 1.0"});
    QVERIFY2(ended.error.contains(QLatin1String("ended")), qPrintable(ended.error));

    const bench::StartupSample missing = timer.run({folder.filePath(QStringLiteral("none")), {}, folder.path(), "x"});
    QVERIFY2(missing.error.startsWith(QLatin1String("cannot start")), qPrintable(missing.error));

    server.kill();
    server.waitForFinished();
}

QTEST_MAIN(tst_Bench)
#include "tst_bench.moc"
