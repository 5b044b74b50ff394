#include "report.h"
#include "store.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <limits>
#include <numeric>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using Notes = QMap<int, QByteArray>;

namespace {

const QByteArray kHead = "<html><head></head><body>";
const QByteArray kTail = "</body></html>";

// The escaping as the seven replacements, one after the other over the whole
// note: the independent reading the single pass must agree with.
QByteArray escapeStepByStep(QByteArray note)
{
    return note.replace("&", "&amp;")
        .replace("\t", "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;")
        .replace("  ", "&nbsp; ")
        .replace("\"", "&quot;")
        .replace(">", "&gt;")
        .replace("<", "&lt;")
        .replace("\r\n", "<br>");
}

// Draws that give the letters of `letters` in order (65 + 26 r rounded down).
std::function<float()> drawsFor(const QByteArray &letters)
{
    auto i = std::make_shared<qsizetype>(0);
    return [letters, i] {
        const int k = letters.at((*i)++ % letters.size()) - 'A';
        return (k + 0.5f) / 26.0f;
    };
}

using testsupport::readFile;
using testsupport::writeFile;

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void rand_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("expected");
        const float belowOne = std::nextafter(1.0f, 0.0f);
        QTest::newRow("0 gives A") << 0.0f << 65 << 90 << 65;
        QTest::newRow("just below 1 gives Z") << belowOne << 65 << 90 << 90;
        QTest::newRow("1/26 lands on B") << 1.0f / 26.0f << 65 << 90 << 66;
        QTest::newRow("one below 1/26 stays on A")
            << std::nextafter(1.0f / 26.0f, 0.0f) << 65 << 90 << 65;
        QTest::newRow("negative range rounds down") << 0.5f << -10 << -1 << -5;
        // In single precision the product would round up to 2^31 - 2^7.
        QTest::newRow("wide range multiplies in double")
            << belowOne << 0 << std::numeric_limits<int>::max() - 1 << 2147483519;
    }

    void rand()
    {
        QFETCH(float, r);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, expected);
        QCOMPARE(report::Rand([r] { return r; }, low, high), expected);
    }

    // Random notes over the characters that matter, against the replacements
    // done one by one; every other note is mostly plain letters, so that
    // escapes also fall after long plain runs.
    void escapingMatchesStepByStep()
    {
        const char alphabet[] = {'&', '\t', ' ', ' ', '"', '>', '<', '\r', '\n', 'a', ';', '\''};
        QRandomGenerator random(20060314);
        for (int round = 0; round < 2000; ++round) {
            QByteArray note;
            const int length = 1 + random.bounded(80);
            const int plainShare = round % 2 ? 0 : 95;   // percent
            for (int i = 0; i < length; ++i) {
                note.append(int(random.bounded(100)) < plainShare
                                ? 'x' : alphabet[random.bounded(int(sizeof alphabet))]);
            }
            const QByteArray page = report::BuildPage(1, 2006, [&](qint16 day) {
                return day == 1 ? note : QByteArray();
            });
            const QByteArray heading = "<hr><b>1-January-2006 Sunday</b><br>";
            QCOMPARE(page, kHead + heading + escapeStepByStep(note) + kTail);
        }
    }

    void months_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Notes>("notes");
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("no notes: bare page") << 3 << 2006 << "en_US" << Notes{} << kHead + kTail;
        QTest::newRow("every escaping row")
            << 3 << 2004 << "en_US"
            << Notes{{1, "&lt; \"q\" 'a'"}, {2, "\t|  |   |    |"}, {5, "a>b\r\nc\r\n"},
                     {6, "lone\rCR\nLF\r\r\n\x80\xe9"}}
            << kHead + "<hr><b>1-March-2004 Monday</b><br>&amp;lt; &quot;q&quot; 'a'"
                   "<hr><b>2-March-2004 Tuesday</b><br>"
                   "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;|&nbsp; |&nbsp;  |&nbsp; &nbsp; |"
                   "<hr><b>5-March-2004 Friday</b><br>a&gt;b<br>c<br>"
                   "<hr><b>6-March-2004 Saturday</b><br>lone\rCR\nLF\r<br>\x80\xe9" + kTail;
        QTest::newRow("leap February reaches the 29th")
            << 2 << 2004 << "en_US" << Notes{{1, "n1"}, {29, "n29"}}
            << kHead + "<hr><b>1-February-2004 Sunday</b><br>n1"
                   "<hr><b>29-February-2004 Sunday</b><br>n29" + kTail;
        QTest::newRow("October 2005: 31 days in order")
            << 10 << 2005 << "en_US" << Notes{{31, "n31"}, {30, "n30"}, {1, "n1"}}
            << kHead + "<hr><b>1-October-2005 Saturday</b><br>n1"
                   "<hr><b>30-October-2005 Sunday</b><br>n30"
                   "<hr><b>31-October-2005 Monday</b><br>n31" + kTail;
        QTest::newRow("month named by the locale, weekday in English")
            << 3 << 2004 << "de_DE" << Notes{{5, "n5"}}
            << kHead + "<hr><b>5-M\xe4rz-2004 Friday</b><br>n5" + kTail;
        // The page stays in Windows-1252: what it lacks is a reference,
        // written after the escaping; what it has is its own byte.
        QTest::newRow("UTF-8 notes, with and without the mark: references")
            << 3 << 2004 << "en_US"
            << Notes{{1, "\xef\xbb\xbf" + QStringLiteral("Łódź & <b> 😀 é\ufeff").toUtf8()},
                     {2, QStringLiteral("東京\r\n€5  Привет\t✈").toUtf8()}}
            << kHead + "<hr><b>1-March-2004 Monday</b><br>&#321;\xf3" "d&#378; &amp; &lt;b&gt; &#128512; \xe9&#65279;"
                   "<hr><b>2-March-2004 Tuesday</b><br>&#26481;&#20140;<br>\x80" "5&nbsp; "
                   "&#1055;&#1088;&#1080;&#1074;&#1077;&#1090;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&#9992;"
                   + kTail;
        QTest::newRow("the mark before invalid UTF-8: Windows-1252, byte for byte")
            << 3 << 2004 << "en_US" << Notes{{1, "\xef\xbb\xbf\xe9\x81"}}
            << kHead + "<hr><b>1-March-2004 Monday</b><br>\xef\xbb\xbf\xe9\x81" + kTail;
        QTest::newRow("month name outside Windows-1252: references in the heading")
            << 3 << 2004 << "ru_RU" << Notes{{5, "n5"}}
            << kHead + "<hr><b>5-&#1084;&#1072;&#1088;&#1090;-2004 Friday</b><br>n5" + kTail;
        // Under a translation ("words:" and its locale) the heading takes
        // that language's words: the month as a date declines it, the
        // weekday in the language.
        QTest::newRow("German translation") << 3 << 2006 << "words:de_DE" << Notes{{1, "n1"}, {14, "n14"}}
                                            << kHead + "<hr><b>1-M\xe4rz-2006 Mittwoch</b><br>n1"
                                                       "<hr><b>14-M\xe4rz-2006 Dienstag</b><br>n14" + kTail;
        QTest::newRow("Russian translation: the month in the genitive, references")
            << 3 << 2006 << "words:ru_RU" << Notes{{14, "n14"}}
            << kHead + "<hr><b>14-&#1084;&#1072;&#1088;&#1090;&#1072;-2006 "
                       "&#1074;&#1090;&#1086;&#1088;&#1085;&#1080;&#1082;</b><br>n14" + kTail;
    }

    // Each day of the month is asked once, in order, and no day beyond it.
    void months()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, locale);
        QFETCH(Notes, notes);
        QFETCH(QByteArray, page);
        const bool translated = locale.startsWith("words:");
        const calendar::DateWords words =
            translated ? calendar::LocaleWords(QLocale(locale.mid(6)), "d MMMM yyyy", "dddd d MMMM yyyy")
                       : calendar::StandardWords();
        QLocale::setDefault(translated ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(locale));
        QList<int> asked;
        const QByteArray built = report::BuildPage(
            qint16(month), qint16(year),
            [&](qint16 day) {
                asked << day;
                return notes.value(day);
            },
            words);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(built, page);
        QList<int> all(QDate(year, month, 1).daysInMonth());
        std::iota(all.begin(), all.end(), 1);
        QCOMPARE(asked, all);
    }

    // Two presses: two pages of the drawn names, each holding the page; then
    // a month without notes. temp/ and the pages are private, whatever the
    // umask.
    void writesUnderDrawnNames()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("data"));
        const mode_t umask = ::umask(0);
        const auto restore = qScopeGuard([umask] { ::umask(umask); });
        QVERIFY(writeFile(dir.filePath("data/2006-03-14.txt"), "Dentist\r\n9 & 10"));
        const store::NoteStore notes(dir.path());
        const auto draws = drawsFor("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUV"
                                    + QByteArray(32, 'Z'));

        const report::Written first = report::WriteReport(dir.path(), 3, 2006, notes, draws);
        const report::Written second = report::WriteReport(dir.path(), 3, 2006, notes, draws);
        const report::Written empty = report::WriteReport(dir.path(), 4, 2006, notes, draws);
        QCOMPARE(first.error, QString());
        QCOMPARE(second.error, QString());
        QCOMPARE(first.path, dir.filePath("temp/report-ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEF.htm"));
        QCOMPARE(second.path, dir.filePath("temp/report-QRSTUVWXYZABCDEFGHIJKLMNOPQRSTUV.htm"));
        const QByteArray page =
            kHead + "<hr><b>14-March-2006 Tuesday</b><br>Dentist<br>9 &amp; 10" + kTail;
        QCOMPARE(readFile(first.path), page);
        QCOMPARE(readFile(second.path), page);
        QCOMPARE(readFile(empty.path), kHead + kTail);   // nothing left of the longer page
        QCOMPARE(QFileInfo(dir.filePath("temp")).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                     | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        QCOMPARE(QFileInfo(first.path).permissions(), QFile::ReadOwner | QFile::WriteOwner
                     | QFile::ReadUser | QFile::WriteUser);
    }

    void nameFromRealDraws()
    {
        QTemporaryDir dir;
        QRandomGenerator random(7);
        const report::Written w = report::WriteReport(
            dir.path(), 5, 2006, store::NoteStore(dir.path()),
            [&random] { return float(random.bounded(1 << 24)) / float(1 << 24); });
        QCOMPARE(w.error, QString());
        QVERIFY2(QRegularExpression("/temp/report-[A-Z]{32}\\.htm$").match(w.path).hasMatch(),
                 qPrintable(w.path));
        QCOMPARE(readFile(w.path), kHead + kTail);   // temp/ was made for it
    }

    // Whatever has the drawn name is left as it is; the page takes the next name.
    void existingNameIsNeverWritten_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("file") << "file";
        QTest::newRow("link to a file") << "link";
        QTest::newRow("dangling link") << "dangling";
    }

    void existingNameIsNeverWritten()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("temp"));
        const QString taken = dir.filePath("temp/report-" + QString(32, 'A') + ".htm");
        const QString target = dir.filePath("precious.txt");
        if (kind == "file")
            QVERIFY(writeFile(taken, "old"));
        else
            QVERIFY(QFile::link(target, taken));
        if (kind != "dangling")
            QVERIFY(writeFile(target, "precious"));

        const report::Written w = report::WriteReport(dir.path(), 1, 2006, store::NoteStore(dir.path()),
                                                      drawsFor(QByteArray(32, 'A') + QByteArray(32, 'B')));
        QCOMPARE(w.error, QString());
        QCOMPARE(w.path, dir.filePath("temp/report-" + QString(32, 'B') + ".htm"));
        QCOMPARE(readFile(w.path), kHead + kTail);
        if (kind == "file")
            QCOMPARE(readFile(taken), QByteArray("old"));
        if (kind == "link")
            QCOMPARE(readFile(target), QByteArray("precious"));
        if (kind == "dangling")
            QVERIFY(!QFile::exists(target));
    }

    // temp is a file: one clear message, and nothing is written anywhere.
    void unwritablePage()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("temp"), "not a folder"));
        const report::Written w = report::WriteReport(dir.path(), 1, 2006, store::NoteStore(dir.path()),
                                                      drawsFor("C"));
        QCOMPARE(w.path, QString());
        QCOMPARE(w.error, "Cannot write temp/report-" + QString(32, 'C') + ".htm: "
                              + QString::fromLocal8Bit(std::strerror(ENOTDIR)));
        QCOMPARE(readFile(dir.filePath("temp")), QByteArray("not a folder"));
    }

    // A page that does not fit on the disk is taken away again.
    void fullDisk()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("data"));
        QVERIFY(QDir(dir.path()).mkpath("temp"));
        const QByteArray temp = QFile::encodeName(dir.filePath("temp"));
        if (::mount("tmpfs", temp.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP(qPrintable("Cannot mount a small file system here: "
                             + QString::fromLocal8Bit(std::strerror(errno))));
        const auto unmount = qScopeGuard([&] { ::umount2(temp.constData(), MNT_DETACH); });
        const store::NoteStore notes(dir.path());
        for (int day = 1; day <= 31; ++day)
            QVERIFY(notes.UpdateBytes(qint16(day), 1, 2006, QByteArray(10240, 'x')).ok());

        const report::Written w = report::WriteReport(dir.path(), 1, 2006, notes, drawsFor("D"));
        QCOMPARE(w.path, QString());
        QCOMPARE(w.error, "Cannot write temp/report-" + QString(32, 'D') + ".htm: "
                              + QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QCOMPARE(QDir(dir.filePath("temp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // A note that is there but cannot be read stops the report and is named.
    void unreadableNote_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder at the note's path") << "folder" << QString::fromLocal8Bit(std::strerror(EISDIR));
        QTest::newRow("a sparse file of 1 TiB") << "1 TiB"
                                                << "too large to show (1 TiB; a note has at most 4 MiB)";
    }

    void unreadableNote()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        if (obstacle == "folder") {
            QVERIFY(QDir(dir.path()).mkpath("data/2006-03-14.txt"));
        } else {
            QVERIFY(QDir(dir.path()).mkpath("data"));
            QVERIFY(writeFile(dir.filePath("data/2006-03-14.txt"), ""));
            QVERIFY(QFile::resize(dir.filePath("data/2006-03-14.txt"), qint64(1) << 40));
        }
        QVERIFY(QDir(dir.path()).mkpath("temp"));
        QVERIFY(writeFile(dir.filePath("data/2006-03-15.txt"), "fine"));
        const report::Written w = report::WriteReport(dir.path(), 3, 2006, store::NoteStore(dir.path()),
                                                      drawsFor("E"));
        QCOMPARE(w.path, QString());
        QCOMPARE(w.error, "Cannot read data/2006-03-14.txt: " + reason + "\nThe report of March-2006 was not made.");
        QCOMPARE(QDir(dir.filePath("temp")).entryList(QDir::Files), QStringList());
    }

    // A temp/ that links elsewhere gets no page, and nothing there is deleted.
    void tempLinkIsNeverFollowed()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("elsewhere"));
        const QString theirs = "report-" + QString(32, 'A') + ".htm";
        QVERIFY(writeFile(dir.filePath("elsewhere/" + theirs), "someone else's"));
        QVERIFY(QFile::link(dir.filePath("elsewhere"), dir.filePath("temp")));
        const report::Written w = report::WriteReport(dir.path(), 3, 2006, store::NoteStore(dir.path()),
                                                      drawsFor("B"));
        QCOMPARE(w.path, QString());
        QVERIFY2(w.error.startsWith("Cannot write temp/: it is a link"), qPrintable(w.error));
        QCOMPARE(report::DeleteReports(dir.path()), QStringList());
        QCOMPARE(QDir(dir.filePath("elsewhere")).entryList(QDir::Files), QStringList{theirs});
        QCOMPARE(readFile(dir.filePath("elsewhere/" + theirs)), QByteArray("someone else's"));
    }

    void deleteReports()
    {
        QTemporaryDir dir;
        QDir temp(dir.filePath("temp"));
        QVERIFY(temp.mkpath("report-folder.htm"));
        QVERIFY(writeFile(dir.filePath("keep.htm"), "target"));
        for (const char *name : {"report-ABC.htm", "report-.htm", "notes.htm", "report-A.txt", "REPORT-B.HTM"})
            QVERIFY(writeFile(temp.filePath(name), "x"));
        QVERIFY(QFile::link(dir.filePath("keep.htm"), temp.filePath("report-link.htm")));

        QCOMPARE(report::DeleteReports(dir.path()), QStringList());
        QCOMPARE(temp.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
                 QStringList({"REPORT-B.HTM", "notes.htm", "report-A.txt", "report-folder.htm"}));
        QCOMPARE(readFile(dir.filePath("keep.htm")), QByteArray("target"));
        QCOMPARE(report::DeleteReports(dir.filePath("nothing here")), QStringList());
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
