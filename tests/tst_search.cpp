#include "codepage.h"
#include "notesearch.h"
#include "notewatch.h"
#include "store.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using notesearch::Date;
using notesearch::NoteSearch;

namespace {

QString nameOf(const QDate &d)
{
    return store::NoteStore::GetFileName(qint16(d.day()), qint16(d.month()), qint16(d.year()));
}

void write(const QString &root, const QString &rel, const QByteArray &bytes)
{
    QVERIFY2(testsupport::writeFile(root + QLatin1Char('/') + rel, bytes), qPrintable(rel));
}

using testsupport::makeSparse;

// Every hit of a search as "2006-03-14|the line|position of the match".
QStringList search(NoteSearch &search, const QString &text)
{
    notesearch::Results results;
    const auto connection = QObject::connect(&search, &NoteSearch::found, &search,
                                             [&results](const notesearch::Batch &b) { results.append(b); });
    QSignalSpy finished(&search, &NoteSearch::finished);
    search.start(text);
    if (finished.isEmpty() && !finished.wait(10000))
        return {QStringLiteral("<no end>")};
    QObject::disconnect(connection);
    QStringList rows;
    for (qsizetype i = 0; i < results.size(); ++i) {
        const Date d = results.date(i);
        rows << QStringLiteral("%1-%2-%3|%4|%5")
                    .arg(d.year)
                    .arg(d.month, 2, 10, QLatin1Char('0'))
                    .arg(d.day, 2, 10, QLatin1Char('0'))
                    .arg(results.line(i))
                    .arg(results.isUnreadable(i) ? -1 : results.position(i));
    }
    return rows;
}

// The same by the obvious way: every note as the store reads it, newest
// first, split into lines at CR LF, CR or LF, each line searched with Qt's
// own case-insensitive comparison.
QStringList naiveSearch(const std::map<QDate, QByteArray> &notes, const QString &text)
{
    QStringList rows;
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    for (auto n = notes.rbegin(); n != notes.rend(); ++n) {
        const QString note = store::decode(n->second, store::encodingOf(n->second));
        qsizetype start = 0;
        for (const QString &line : note.split(breaks)) {
            const qsizetype at = line.indexOf(text, 0, Qt::CaseInsensitive);
            if (at >= 0 && !text.isEmpty())
                rows << n->first.toString(QStringLiteral("yyyy-MM-dd")) + '|' + line + '|'
                            + QString::number(start + at);
            start += line.size();
            if (start < note.size())
                start += note.mid(start, 2) == QLatin1String("\r\n") ? 2 : 1;
        }
    }
    return rows;
}

} // namespace

class tst_search : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void matching_data();
    void matching();
    void agreesWithNaiveSearch();
    void keptCurrent_data();
    void keptCurrent();
    void watch_data();
    void watch();

private:
    // 1,300 notes of seeded random letters, with and without their other
    // case, and line breaks of every kind, two or three days apart; every
    // third starts with "tea", every fourth is UTF-8, every eighth with
    // the mark. Three blocks' worth.
    QTemporaryDir m_dir;
    std::map<QDate, QByteArray> m_notes;
    std::vector<QDate> m_dates;   // oldest first
    QString data() const { return m_dir.filePath(QStringLiteral("data")); }
};

const QByteArray kAlphabet("aAbBeE \xe9\xc9\x8a\x9a\x9f\xff\xdf\xb5\x80.\r\n\r\n");
// Characters of UTF-8 notes: letters whose cases differ in length or fold
// into ASCII, three scripts, a character beyond 16 bits; line breaks last.
const QStringList kUtf8Alphabet = QStringLiteral("a A s S k K ſ \u212A é É ß ẞ ł Ł ж Ж σ ς Σ µ Μ 東 😀 . \r \n")
                                      .split(QLatin1Char(' '))
                                  + QStringList{QStringLiteral(" "), QStringLiteral("\r\n")};

void tst_search::initTestCase()
{
    QRandomGenerator random(20060314);
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    QDate day(1990, 1, 1);
    for (int i = 0; i < 1300; ++i) {
        day = day.addDays(2 + random.bounded(2));
        QByteArray note = i % 3 ? QByteArray() : "tea " + QByteArray::number(i) + ' ';
        const int size = random.bounded(1, 60);
        if (i % 4 == 1) {
            QString text;
            for (int c = 0; c < size; ++c)
                text += kUtf8Alphabet.at(random.bounded(int(kUtf8Alphabet.size())));
            note = (i % 8 == 1 ? QByteArray("\xef\xbb\xbf") : QByteArray()) + note + text.toUtf8();
        }
        for (int c = 0; i % 4 != 1 && c < size; ++c)
            note += kAlphabet.at(random.bounded(int(kAlphabet.size())));
        m_notes[day] = note;
        m_dates.push_back(day);
        write(m_dir.path(), nameOf(day), note);
    }
}
// notes: "name=bytes" pairs, where a name ending in / is a folder, and
// "name#size" for a file of that many zeros (sparse). In rows, <reason>
// stands for what the store says of the row's unreadable note.
void tst_search::matching_data()
{
    QTest::addColumn<QByteArrayList>("notes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("case does not count")
        << QByteArrayList{"2006-03-14.txt=Call MARIA\r\nmaria again"} << "Maria"
        << QStringList{"2006-03-14|Call MARIA|5", "2006-03-14|maria again|12"};
    QTest::newRow("Windows-1252 letters: \xc3\xa9 finds \xc3\x89, \xc5\xa1 finds \xc5\xa0, \xc3\xbf finds \xc5\xb8")
        << QByteArrayList{"2006-03-14.txt=CAF\xc9 \x8a\x9f"} << QString::fromUtf8("caf\xc3\xa9 \xc5\xa1\xc3\xbf")
        << QStringList{QString::fromUtf8("2006-03-14|CAF\xc3\x89 \xc5\xa0\xc5\xb8|0")};
    QTest::newRow("\xe2\x82\xac is a byte of the notes")
        << QByteArrayList{"2006-03-14.txt=pay \x80 120"} << QString::fromUtf8("\xe2\x82\xac 1")
        << QStringList{QString::fromUtf8("2006-03-14|pay \xe2\x82\xac 120|4")};
    QTest::newRow("a character Windows-1252 lacks finds nothing in its notes")
        << QByteArrayList{"2006-03-14.txt=caf?"} << QString::fromUtf8("caf\xc4\x89") << QStringList{};
    // UTF-8 notes, case folded in every script; positions count UTF-16
    // code units of the note's text, the mark not included.
    const auto utf8 = [](const char *name, const QString &text) { return QByteArray(name) + '=' + text.toUtf8(); };
    QTest::newRow("Polish: \xc5\x82\xc3\xb3" "d\xc5\xba finds \xc5\x81\xc3\x93" "D\xc5\xb9, behind the mark")
        << QByteArrayList{"2006-03-14.txt=\xef\xbb\xbf" + QStringLiteral("Trip to ŁÓDŹ ✈").toUtf8()}
        << QStringLiteral("łódź") << QStringList{QStringLiteral("2006-03-14|Trip to ŁÓDŹ ✈|8")};
    QTest::newRow("Russian: \xd0\xbc\xd0\xb8\xd1\x80 finds \xd0\x9c\xd0\x98\xd0\xa0")
        << QByteArrayList{utf8("2006-03-14.txt", QStringLiteral("Привет, МИР\r\nмир"))} << QStringLiteral("мир")
        << QStringList{QStringLiteral("2006-03-14|Привет, МИР|8"), QStringLiteral("2006-03-14|мир|13")};
    QTest::newRow("Greek: \xcf\x83\xce\xbf\xcf\x86\xce\xaf\xce\xb1 finds \xce\xa3\xce\x9f\xce\xa6\xce\x8a\xce\x91, "
                  "final sigma as sigma")
        << QByteArrayList{utf8("2006-03-14.txt", QStringLiteral("ΣΟΦΊΑ\r\nφιλοσοφίας")),
                          utf8("2006-03-13.txt", QStringLiteral("ΛΌΓΟΣ σοφίας"))}
        << QStringLiteral("σοφία")
        << QStringList{QStringLiteral("2006-03-14|ΣΟΦΊΑ|0"), QStringLiteral("2006-03-14|φιλοσοφίας|11"),
                       QStringLiteral("2006-03-13|ΛΌΓΟΣ σοφίας|6")};
    QTest::newRow("characters beyond 16 bits count two")
        << QByteArrayList{utf8("2006-03-14.txt", QStringLiteral("😀 東京で\r\n京都"))} << QStringLiteral("京")
        << QStringList{QStringLiteral("2006-03-14|😀 東京で|4"), QStringLiteral("2006-03-14|京都|8")};
    QTest::newRow("\xc3\xa9 finds \xc3\x89 in Windows-1252 and in UTF-8")
        << QByteArrayList{"2006-03-14.txt=CAF\xc9", utf8("2006-03-13.txt", QStringLiteral("CAFÉ Ł"))}
        << QStringLiteral("café")
        << QStringList{QStringLiteral("2006-03-14|CAFÉ|0"), QStringLiteral("2006-03-13|CAFÉ Ł|0")};
    QTest::newRow("ASCII letters find the long s and the Kelvin sign")
        << QByteArrayList{utf8("2006-03-14.txt", QStringLiteral("ſ\u212Ai ✈")), utf8("2006-03-13.txt", QStringLiteral("Привет SKI")),
                          "2006-03-12.txt=sKi\xe9"}
        << "ski"
        << QStringList{QStringLiteral("2006-03-14|ſ\u212Ai ✈|0"), QStringLiteral("2006-03-13|Привет SKI|7"),
                       QStringLiteral("2006-03-12|sKié|0")};
    QTest::newRow("strasse does not find Stra\xc3\x9f" "e")
        << QByteArrayList{utf8("2006-03-14.txt", QStringLiteral("Straße ✈")), "2006-03-13.txt=STRASSE"}
        << "strasse" << QStringList{QStringLiteral("2006-03-13|STRASSE|0")};
    QTest::newRow("stra\xc3\x9f" "e finds STRA\xe1\xba\x9e" "E and Stra\xc3\x9f" "e")
        << QByteArrayList{utf8("2006-03-14.txt", QStringLiteral("STRAẞE ✈")), "2006-03-13.txt=Stra\xdf" "e"}
        << QStringLiteral("straße")
        << QStringList{QStringLiteral("2006-03-14|STRAẞE ✈|0"), QStringLiteral("2006-03-13|Straße|0")};
    QTest::newRow("no match across CR LF") << QByteArrayList{"2006-03-14.txt=end of line\r\nnext"} << "line\r\nnext"
                                           << QStringList{};
    QTest::newRow("no match from one note into the next")
        << QByteArrayList{"2006-03-14.txt=ab", "2006-03-15.txt=cd"} << "dab" << QStringList{};
    QTest::newRow("newest first, one row a line")
        << QByteArrayList{"1999-12-31.txt=x tea", "2006-03-14.txt=tea tea\rno\ntea", "1901-01-01.txt=TEA"} << "tea"
        << QStringList{"2006-03-14|tea tea|0", "2006-03-14|tea|11", "1999-12-31|x tea|2", "1901-01-01|TEA|0"};
    QTest::newRow("a note that cannot be read is listed with its reason")
        << QByteArrayList{"2006-03-14.txt/=", "2006-03-13.txt=tea"} << "tea"
        << QStringList{"2006-03-14|<reason>|-1", "2006-03-13|tea|0"};
    QTest::newRow("notes above the size limit are listed with the store's reason, never read")
        << QByteArrayList{"2006-03-14.txt#4194305", "2006-03-13.txt#67108864", "2006-03-12.txt=tea"} << "tea"
        << QStringList{"2006-03-14|<reason>|-1", "2006-03-13|<reason>|-1", "2006-03-12|tea|0"};
    QTest::newRow("files of no date are no notes")
        << QByteArrayList{"2006-3-14.txt=tea", "02006-03-14.txt=tea", "2006-02-30.txt=tea", "tea.txt=tea",
                       "2006-03-14.txt~=tea"}
        << "tea" << QStringList{};
    QTest::newRow("empty text finds nothing") << QByteArrayList{"2006-03-14.txt=tea"} << "" << QStringList{};
}

void tst_search::matching()
{
    QFETCH(QByteArrayList, notes);
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    for (const QByteArray &note : std::as_const(notes)) {
        const qsizetype sparse = note.indexOf('#');
        const QString name = QString::fromLatin1(note.left(sparse > 0 ? sparse : note.indexOf('=')));
        const QString path = dir.filePath(QStringLiteral("data/") + name);
        if (name.endsWith('/'))
            QDir().mkpath(path);
        else if (sparse > 0)
            QVERIFY(makeSparse(path, note.mid(sparse + 1).toLongLong()));
        else
            write(dir.path(), QStringLiteral("data/") + name, note.mid(note.indexOf('=') + 1));
    }
    for (QString &row : rows) {
        if (!row.contains(QLatin1String("<reason>")))
            continue;
        const QDate d = QDate::fromString(row.left(10), QStringLiteral("yyyy-MM-dd"));
        const store::Note n =
            store::NoteStore(dir.path()).GetData(qint16(d.day()), qint16(d.month()), qint16(d.year()));
        QVERIFY(!n.ok());
        row.replace(QLatin1String("<reason>"), n.error);
    }
    NoteSearch s(dir.filePath(QStringLiteral("data")));
    QCOMPARE(search(s, text), rows);
}

// Random texts searched by two threads: the same rows as the obvious
// search, in the same order.
void tst_search::agreesWithNaiveSearch()
{
    QRandomGenerator random(1900);
    NoteSearch s(data(), 2);
    int compared = 0;
    for (int q = 0; q < 240; ++q) {
        QString query;
        const int size = random.bounded(1, 5);
        for (int c = 0; c < size; ++c) {
            if (q % 2 == 0)
                query += codepage::toUnicode(QByteArray(1, kAlphabet.at(random.bounded(int(kAlphabet.size()) - 4))));
            else
                query += kUtf8Alphabet.at(random.bounded(int(kUtf8Alphabet.size()) - 4));   // no line breaks
        }
        const QStringList want = naiveSearch(m_notes, query);
        QCOMPARE(search(s, query), want);
        compared += int(want.size());
    }
    QVERIFY(compared > 2000);
}

// The notes change after the first search; the second finds them as they
// are now, as a search that reads everything anew does. A change names a
// note by its index, oldest first, and a day after (+1) or before (-1)
// it, where there is none. The newest 512 notes are the first block, the
// next 512 the second.
void tst_search::keptCurrent_data()
{
    QTest::addColumn<QStringList>("changes");   // "index[+-1]=bytes"; <none> deletes, <folder> makes one,
                                                // <huge> makes a sparse file above the size limit
    QTest::addColumn<bool>("everything");       // reported as "everything changed"
    QTest::newRow("a note changed") << QStringList{"700=now with tea"} << false;
    QTest::newRow("a note deleted") << QStringList{"699=<none>"} << false;
    QTest::newRow("notes created: newest, between two blocks, oldest")
        << QStringList{"1299+1=tea", "787+1=tea", "0-1=tea"} << false;
    QTest::newRow("notes changed in every block")
        << QStringList{"1200=tea", "1000+1=TEA", "500=<none>", "100=x tea", "3=<none>"} << false;
    QTest::newRow("everything reported") << QStringList{"700=tea", "3=<none>"} << true;
    QTest::newRow("a note now unreadable") << QStringList{"700=<folder>"} << false;
    QTest::newRow("a note now above the size limit") << QStringList{"700=<huge>"} << false;
}

void tst_search::keptCurrent()
{
    QFETCH(QStringList, changes);
    QFETCH(bool, everything);
    NoteSearch s(data(), 2);
    const QStringList before = search(s, QStringLiteral("tea"));
    QVERIFY(before.size() > 400);

    std::vector<Date> dates;
    std::vector<QDate> changed;
    const auto restore = qScopeGuard([&] {
        for (const QDate &d : changed) {
            const QString path = m_dir.filePath(nameOf(d));
            QDir().rmdir(path);
            QFile::remove(path);
            if (m_notes.count(d))
                write(m_dir.path(), nameOf(d), m_notes[d]);
        }
    });
    for (const QString &change : std::as_const(changes)) {
        static const QRegularExpression spec(QStringLiteral("^(\\d+)([+-]1)?=(.*)$"));
        const QRegularExpressionMatch m = spec.match(change);
        QVERIFY(m.hasMatch());
        const QDate d = m_dates[m.captured(1).toUInt()].addDays(m.captured(2).toInt());
        const QString bytes = m.captured(3);
        const QString path = m_dir.filePath(nameOf(d));
        QFile::remove(path);
        if (bytes == QLatin1String("<folder>"))
            QVERIFY(QDir().mkdir(path));
        else if (bytes == QLatin1String("<huge>"))
            QVERIFY(makeSparse(path, store::kMaxNoteSize + 1));
        else if (bytes != QLatin1String("<none>"))
            write(m_dir.path(), nameOf(d), bytes.toLatin1());
        changed.push_back(d);
        dates.push_back(Date{qint16(d.day()), qint16(d.month()), qint16(d.year())});
    }
    s.notesChanged(dates, everything);

    NoteSearch fresh(data(), 2);
    const QStringList want = search(fresh, QStringLiteral("tea"));
    QVERIFY(want != before);
    QCOMPARE(search(s, QStringLiteral("tea")), want);
    QVERIFY(s.keptBytes() < 2 * fresh.keptBytes());
}

// The watch of data/ tells of every note that changes, by its date, and of
// everything when data/ itself came, went or was replaced, or when the
// kernel dropped events; it never takes its own work for news.
void tst_search::watch_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reported");   // the dates, then "everything" when reported
    QTest::newRow("a note written") << "write" << "2006-03-14";
    QTest::newRow("a note deleted") << "delete" << "2006-03-14";
    QTest::newRow("a note replaced by a rename") << "rename" << "2006-03-14";
    QTest::newRow("names that are no note's: 31 February, a year with a leading zero, a kept copy")
        << "no notes" << "2006-03-15";
    QTest::newRow("data/ replaced, then a note arrives") << "replace data/" << "2006-03-14 everything";
    QTest::newRow("data/ created after the watch began, then a note arrives")
        << "create data/" << "2006-03-14 everything";
    QTest::newRow("more changes at once than the kernel queues: everything, once") << "overflow" << "everything";
}

void tst_search::watch()
{
    QFETCH(QString, how);
    QFETCH(QString, reported);
    QTemporaryDir dir;
    QDir root(dir.path());
    if (how != QLatin1String("create data/"))
        QVERIFY(root.mkdir(QStringLiteral("data")));
    const QString note = QStringLiteral("data/2006-03-14.txt");
    if (how == QLatin1String("delete"))
        write(dir.path(), note, "old");

    notesearch::NoteWatch watch(root.filePath(QStringLiteral("data")));
    QSignalSpy changes(&watch, &notesearch::NoteWatch::changed);
    const auto told = [&changes] {
        QStringList dates;
        bool everything = false;
        for (const QList<QVariant> &report : std::as_const(changes)) {
            for (const store::NoteDate &d : report.at(0).value<QSet<store::NoteDate>>())
                dates << QString::asprintf("%04d-%02d-%02d", d.year, d.month, d.day);
            everything = everything || report.at(1).toBool();
        }
        dates.sort();
        dates.removeDuplicates();
        if (everything)
            dates << QStringLiteral("everything");
        return dates.join(QLatin1Char(' '));
    };

    if (how == QLatin1String("write")) {
        write(dir.path(), note, "new");
    } else if (how == QLatin1String("delete")) {
        QVERIFY(QFile::remove(dir.filePath(note)));
    } else if (how == QLatin1String("rename")) {
        write(dir.path(), QStringLiteral("data/.new"), "new");
        QVERIFY(root.rename(QStringLiteral("data/.new"), note));
    } else if (how == QLatin1String("no notes")) {
        for (const char *name :
             {"2006-02-31.txt", "0999-01-01.txt", "2006-03-14 (changed outside 2026-12-08 10.31.02).txt"})
            write(dir.path(), QStringLiteral("data/") + QLatin1String(name), "x");
        write(dir.path(), QStringLiteral("data/2006-03-15.txt"), "x");
    } else if (how == QLatin1String("replace data/") || how == QLatin1String("create data/")) {
        // Each step is told of before the next: the note must be seen by
        // the watch of the new folder, not only by a reading of everything.
        if (how == QLatin1String("replace data/")) {
            QVERIFY(root.rename(QStringLiteral("data"), QStringLiteral("data.old")));
            QTRY_COMPARE(changes.size(), 1);
        }
        const qsizetype before = changes.size();
        QVERIFY(root.mkdir(QStringLiteral("data")));
        QTRY_COMPARE(changes.size(), before + 1);
        write(dir.path(), note, "new");
    } else if (how == QLatin1String("overflow")) {
        const int files = testsupport::filesThatOverflowTheWatch();
        if (files == 0)
            QSKIP("the kernel queues too many events here to make it overflow cheaply");
        for (int i = 0; i < files; ++i)
            write(dir.path(), QStringLiteral("data/other-%1").arg(i), {});
    }
    QTRY_COMPARE(told(), reported);
    // Nothing more comes: a watch that took its own work for news would go
    // on reporting without end.
    const qsizetype reports = changes.size();
    QTest::qWait(200);
    QCOMPARE(changes.size(), reports);
    if (how == QLatin1String("overflow"))
        QCOMPARE(reports, 1);
}

QTEST_GUILESS_MAIN(tst_search)
#include "tst_search.moc"
