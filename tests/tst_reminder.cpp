#include "quickcheck.h"
#include "remindertext.h"
#include "store.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using Notes = QMap<int, QString>;   // year -> note

namespace {

std::function<store::Note(qint16)> lookup(const Notes &notes, QList<int> *asked = nullptr)
{
    return [notes, asked](qint16 year) {
        if (asked)
            asked->append(year);
        return store::Note{notes.value(year), {}, {}};
    };
}

// Builds a working folder from lines such as "file data/2006-12-07.txt note"
// (no text: an empty file), "sparse data/2006-12-07.txt 1099511627776" (a
// file of that size with nothing in it), "dir data/2006-12-07.txt",
// "link data/2006-12-07.txt target" and "fifo data/2006-12-07.txt".
bool build(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString kind = entry.section(QLatin1Char(' '), 0, 0);
        const QString path = root + QLatin1Char('/') + entry.section(QLatin1Char(' '), 1, 1);
        const QString rest = entry.section(QLatin1Char(' '), 2);
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QByteArray native = QFile::encodeName(path);
        if (kind == QLatin1String("file")) {
            if (!testsupport::writeFile(path, rest.toLatin1()))
                return false;
        } else if (kind == QLatin1String("dir")) {
            if (!QDir().mkpath(path))
                return false;
        } else if (kind == QLatin1String("link")) {
            if (::symlink(QFile::encodeName(rest).constData(), native.constData()) != 0)
                return false;
        } else if (kind == QLatin1String("fifo")) {
            if (::mkfifo(native.constData(), 0600) != 0)
                return false;
        } else if (kind == QLatin1String("sparse")) {
            if (!testsupport::makeSparse(path, rest.toLongLong()))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

QString crlf(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace

class TestReminder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void text_data();
    void text();
    void asksEveryYearOnceNewestFirst();

    void unreadableNoteIsShownAndNothingWritten_data();
    void unreadableNoteIsShownAndNothingWritten();

    void quickCheckAgreesWithTheStore_data();
    void quickCheckAgreesWithTheStore();
};

void TestReminder::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestReminder::cleanup()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestReminder::text_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<Notes>("notes");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("7 Dec 2006: this year, last year, 2003")
        << 7 << 12 << 2006 << Notes{{2006, "note 1"}, {2005, "note 2"}, {2003, "note 3"}} << english
        << crlf("note 1\n\nLast year on this day:\nnote 2\n\n7-December-2003 Sunday:\nnote 3");
    QTest::newRow("only last year's: two empty lines first")
        << 7 << 12 << 2006 << Notes{{2005, "note 2"}} << english
        << crlf("\n\nLast year on this day:\nnote 2");
    QTest::newRow("only this year's: no heading")
        << 7 << 12 << 2006 << Notes{{2006, "note 1"}} << english << QString("note 1");
    QTest::newRow("nothing in any year")
        << 7 << 12 << 2006 << Notes{} << english << QString();
    QTest::newRow("a note keeps its own line breaks")
        << 7 << 12 << 2006 << Notes{{2006, crlf("a\nb\n")}, {2004, crlf("c\n\nd")}} << english
        << crlf("a\nb\n\n\n7-December-2004 Tuesday:\nc\n\nd");
    QTest::newRow("29 Feb 2008: 29 Feb of other years, carried in a common year")
        << 29 << 2 << 2008 << Notes{{2004, "leap"}, {2003, "carried"}} << english
        << crlf("\n\n29-February-2004 Sunday:\nleap\n\n29-February-2003 Saturday:\ncarried");
    QTest::newRow("1 Jan 2001: last year is 2000")
        << 1 << 1 << 2001 << Notes{{2000, "y2k"}, {1999, "party"}} << english
        << crlf("\n\nLast year on this day:\ny2k\n\n1-January-1999 Friday:\nparty");
    QTest::newRow("today before 1900: no year to look at")
        << 7 << 12 << 1899 << Notes{{1899, "x"}} << english << QString();
    QTest::newRow("German month name, English weekday")
        << 7 << 12 << 2006 << Notes{{2003, "note 3"}} << QLocale(QLocale::German, QLocale::Germany)
        << crlf("\n\n7-Dezember-2003 Sunday:\nnote 3");
}

void TestReminder::text()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(Notes, notes);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    QLocale::setDefault(locale);
    QCOMPARE(reminder::ReminderText(qint16(day), qint16(month), qint16(year), lookup(notes)), expected);
}

void TestReminder::asksEveryYearOnceNewestFirst()
{
    QList<int> asked;
    reminder::ReminderText(7, 12, 2006, lookup({{2006, "a"}, {1950, "b"}}, &asked));
    QList<int> expected;
    for (int y = 2006; y >= 1900; --y)
        expected.append(y);
    QCOMPARE(asked, expected);
}

void TestReminder::unreadableNoteIsShownAndNothingWritten_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("expectedStart");
    QTest::addColumn<QString>("expectedEnd");

    QTest::newRow("directory at this year's note")
        << QStringList{"dir data/2006-12-07.txt", "file data/2003-12-07.txt note 3"}
        << "Cannot read data/2006-12-07.txt: " << crlf("\n\n7-December-2003 Sunday:\nnote 3");
    QTest::newRow("directory at last year's note")
        << QStringList{"file data/2006-12-07.txt note 1", "dir data/2005-12-07.txt"}
        << crlf("note 1\n\nLast year on this day:\nCannot read data/2005-12-07.txt: ") << QString();
    QTest::newRow("fifo at an old note")
        << QStringList{"fifo data/1999-12-07.txt"}
        << crlf("\n\n7-December-1999 Tuesday:\nCannot read data/1999-12-07.txt: ") << QString();
    QTest::newRow("sparse file of 1 TiB at last year's note")
        << QStringList{"sparse data/2005-12-07.txt 1099511627776", "file data/2003-12-07.txt note 3"}
        << crlf("\n\nLast year on this day:\nCannot read data/2005-12-07.txt: too large to show (1 TiB")
        << crlf("\n\n7-December-2003 Sunday:\nnote 3");
}

void TestReminder::unreadableNoteIsShownAndNothingWritten()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, expectedStart);
    QFETCH(QString, expectedEnd);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(build(dir.path(), entries));
    const QStringList before = QDir(dir.filePath("data")).entryList(QDir::AllEntries | QDir::Hidden);

    const store::NoteStore notes(dir.path());
    const QString text = reminder::ReminderText(7, 12, 2006, [&](qint16 year) {
        return notes.GetData(7, 12, year);
    });

    QVERIFY2(text.startsWith(expectedStart), qPrintable(text));
    QVERIFY2(text.endsWith(expectedEnd), qPrintable(text));
    QCOMPARE(QDir(dir.filePath("data")).entryList(QDir::AllEntries | QDir::Hidden), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"data"});
}

// The launcher ends "kalivo remind" on its own exactly when the windows would
// find nothing to show (both look at the same files), and never before the
// welcome message of a first start.
void TestReminder::quickCheckAgreesWithTheStore_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("nothing");
    QTest::addColumn<bool>("quickEnds");

    QTest::newRow("empty folder") << QStringList{} << true << true;
    QTest::newRow("empty data folder") << QStringList{"dir data"} << true << true;
    QTest::newRow("data is a file") << QStringList{"file data x"} << true << true;
    QTest::newRow("other days and months only")
        << QStringList{"file data/2006-12-06.txt a", "file data/2006-12-08.txt b", "file data/2006-11-07.txt c"}
        << true << true;
    QTest::newRow("empty note file this year") << QStringList{"file data/2006-12-07.txt"} << true << true;
    QTest::newRow("note next year") << QStringList{"file data/2007-12-07.txt later"} << true << true;
    QTest::newRow("note in 1899") << QStringList{"file data/1899-12-07.txt old"} << true << true;
    QTest::newRow("dangling link") << QStringList{"link data/2006-12-07.txt nowhere.txt"} << true << true;
    QTest::newRow("note this year") << QStringList{"file data/2006-12-07.txt today"} << false << false;
    QTest::newRow("note in 1900") << QStringList{"file data/1900-12-07.txt old"} << false << false;
    QTest::newRow("link to a note")
        << QStringList{"file elsewhere.txt x", "link data/2003-12-07.txt ../elsewhere.txt"} << false << false;
    QTest::newRow("directory at a note's path") << QStringList{"dir data/2004-12-07.txt"} << false << false;
    QTest::newRow("fifo at a note's path") << QStringList{"fifo data/2004-12-07.txt"} << false << false;
    QTest::newRow("data a link loop") << QStringList{"link data data"} << false << false;
    QTest::newRow("kept copy of today's note and a temporary file: no notes")
        << QStringList{"file data/2006-12-07 (changed outside 2006-12-07 10.31.02).txt x",
                       "file data/.2006-12-07.txt.4242.1.tmp x"}
        << true << true;
    QTest::newRow("sparse file of 1 TiB at a note's path")
        << QStringList{"sparse data/2004-12-07.txt 1099511627776"} << false << false;
    QTest::newRow("ft.txt, no note") << QStringList{"file ft.txt"} << true << false;
    QTest::newRow("ft.txt a directory, no note") << QStringList{"dir ft.txt"} << true << false;
}

void TestReminder::quickCheckAgreesWithTheStore()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, nothing);
    QFETCH(bool, quickEnds);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(build(dir.path(), entries));
    const int folder = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(folder >= 0);
    const bool quick = reminder::nothingToRemind(folder, 7, 12, 2006);
    ::close(folder);

    const store::NoteStore notes(dir.path());
    const QString text = reminder::ReminderText(7, 12, 2006, [&](qint16 year) {
        return notes.GetData(7, 12, year);
    });
    QCOMPARE(quick, quickEnds);
    QCOMPARE(text.isEmpty(), nothing);
}

QTEST_GUILESS_MAIN(TestReminder)
#include "tst_reminder.moc"
