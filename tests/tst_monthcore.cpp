// The month view's logic without widgets: layout arithmetic, how much of a
// note a box holds, navigation rules and the notes kept after a failed save.
#include "calendar.h"
#include "monthlayout.h"
#include "monthplan.h"
#include "navigation.h"
#include "store.h"
#include "unsavednotes.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using monthview::MonthYear;

class tst_monthcore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void workedExample();
    void layoutEdges_data();
    void layoutEdges();
    void clientArea_data();
    void clientArea();
    void prefixLength_data();
    void prefixLength();
    void navigation_data();
    void navigation();
    void unsavedNotes_data();
    void unsavedNotes();
};

void tst_monthcore::workedExample()
{
    // Cell sizes, title and About: the "design size" row of layoutEdges.
    const auto l = monthview::computeLayout(11980, 8930, {}, monthview::keepTwips);
    QCOMPARE(l.nextMonthLeft, 6957.5);
    QCOMPARE(l.prevMonthLeft, 3807.5);
    QCOMPARE(l.minusLeft, 10890.0);
    QCOMPARE(l.plusLeft, 10635.0);
    QCOMPARE(l.nextYearLeft, 10140.0);
    QCOMPARE(l.prevYearLeft, 9645.0);
    for (int i = 1; i <= 7; ++i) {
        QCOMPARE(l.headings[i].left, (i - 1) * 1700.0);
        QCOMPARE(l.headings[i].top, 255.0);
        QCOMPARE(l.headings[i].width, 1700.0);
    }
    for (int k = 1; k <= 35; ++k) {
        const int r = (k - 1) / 7, j = (k - 1) % 7 + 1;
        const double top = 510 + 1600.0 * r;
        QCOMPARE(l.boxes[k].left, (j - 1) * 1700.0);
        QCOMPARE(l.boxes[k].top, top);
        QCOMPARE(l.boxes[k].width, 1700.0);
        QCOMPARE(l.boxes[k].height, 1600.0);
        QCOMPARE(l.dayButtons[k].left, j * 1700.0 - 375);
        QCOMPARE(l.dayButtons[k].top, top);
    }
}


void tst_monthcore::layoutEdges_data()
{
    QTest::addColumn<double>("W");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("cellWidth");
    QTest::addColumn<double>("cellHeight");
    QTest::addColumn<double>("titleLeft");
    QTest::addColumn<double>("aboutLeft");
    QTest::newRow("design size") << 11980.0 << 8930.0 << 1700.0 << 1600.0 << 5022.5 << 11145.0;
    QTest::newRow("700 wider: columns +100, right +700, title +350")
        << 12680.0 << 8930.0 << 1800.0 << 1600.0 << 5372.5 << 11845.0;
    QTest::newRow("929 high: boxes 0 high") << 11980.0 << 929.0 << 1700.0 << 0.0 << 5022.5 << 11145.0;
    QTest::newRow("930 high: still 0") << 11980.0 << 930.0 << 1700.0 << 0.0 << 5022.5 << 11145.0;
    QTest::newRow("935 high: 1 high") << 11980.0 << 935.0 << 1700.0 << 1.0 << 5022.5 << 11145.0;
}


void tst_monthcore::layoutEdges()
{
    QFETCH(double, W);
    QFETCH(double, H);
    QFETCH(double, cellWidth);
    QFETCH(double, cellHeight);
    QFETCH(double, titleLeft);
    QFETCH(double, aboutLeft);
    const auto l = monthview::computeLayout(W, H, {}, monthview::keepTwips);
    QCOMPARE(double(l.cellWidth), cellWidth);
    QCOMPARE(double(l.cellHeight), cellHeight);
    QCOMPARE(l.titleLeft, titleLeft);
    QCOMPARE(l.aboutLeft, aboutLeft);
    QCOMPARE(l.boxes[35].height, cellHeight);
    QCOMPARE(l.dayButtons[7].left + 375, l.boxes[7].left + l.boxes[7].width);
}


// The pass for a client area, as the window runs it: the grid covers the
// client area to its right and bottom edges in whole pixels, whatever frame
// the window has around it; at the minimum size and above the controls
// stand clear of each other, a pixel below it they do not.
void tst_monthcore::clientArea_data()
{
    QTest::addColumn<QSize>("size");        // in pixels; with `fromMinimum`, added to the minimum size
    QTest::addColumn<bool>("fromMinimum");
    QTest::addColumn<bool>("clear");
    QTest::newRow("design client area") << QSize(794, 568) << false << true;
    QTest::newRow("maximised on a full HD screen") << QSize(1920, 1043) << false << true;
    QTest::newRow("odd size") << QSize(803, 577) << false << true;
    QTest::newRow("minimum size") << QSize(0, 0) << true << true;
    QTest::newRow("a pixel narrower: the top bar overlaps") << QSize(-1, 0) << true << false;
    QTest::newRow("a pixel lower: a box too low for a line") << QSize(0, -1) << true << false;
    QTest::newRow("500 x 350: \"< Yr\" over \"Next Month >\"") << QSize(500, 350) << false << false;
}

void tst_monthcore::clientArea()
{
    QFETCH(QSize, size);
    QFETCH(bool, fromMinimum);
    QFETCH(bool, clear);
    const monthview::LayoutSizes sizes;
    const QSize minimum = monthview::minimumClientSize(sizes);
    QCOMPARE(minimum, QSize(596, 154));
    if (fromMinimum)
        size += minimum;
    const auto l = monthview::computeClientLayout(size.width() * 15.0, size.height() * 15.0, sizes, twips::pixelTwips);
    QRect grid;
    for (int k = 1; k <= 35; ++k)
        grid |= monthview::pixelEdges(l.boxes[k]);
    QCOMPARE(grid, QRect(0, 34, size.width(), size.height() - 34));
    // Neighbours meet without a gap or an overlap.
    QCOMPARE(monthview::pixelEdges(l.boxes[9]).left(), monthview::pixelEdges(l.boxes[8]).right() + 1);
    QCOMPARE(monthview::pixelEdges(l.boxes[16]).top(), monthview::pixelEdges(l.boxes[9]).bottom() + 1);
    QCOMPARE(twips::twipsToPixels(l.dayButtons[9].left + 375), monthview::pixelEdges(l.boxes[9]).right() + 1);
    QCOMPARE(monthview::standsClear(l, sizes), clear);
}


void tst_monthcore::prefixLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("chars");
    QTest::addColumn<double>("room");    // of every character but a blank; 0: not measured
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("length");
    QTest::newRow("two lines and their break") << "ab\ncd\nef" << 2 << 100 << 0.0 << 0.0 << 6;
    QTest::newRow("lone CR ends a line too") << "ab\rcd\nef" << 1 << 100 << 0.0 << 0.0 << 3;
    QTest::newRow("fewer lines than asked: all") << "ab\ncd" << 5 << 100 << 0.0 << 0.0 << 5;
    QTest::newRow("character limit inside a line") << "abcdef\ngh" << 2 << 4 << 0.0 << 0.0 << 4;
    QTest::newRow("surrogate pair kept whole") << QString::fromUtf8("ab\U0001F600cd") << 1 << 3 << 0.0 << 0.0 << 4;
    QTest::newRow("ends on the last break: all") << "ab\ncd\n" << 2 << 100 << 0.0 << 0.0 << 6;
    QTest::newRow("measured: a long line fills two") << "abcdefgh\nij" << 2 << 100 << 1.0 << 3.0 << 4;
    QTest::newRow("measured: short lines fill one each") << "a\nb\nc" << 2 << 100 << 1.0 << 10.0 << 3;
    QTest::newRow("measured: blanks take no room") << "a     bc" << 2 << 100 << 1.0 << 2.0 << 8;
    QTest::newRow("measured: a letter wider than a line fills one") << "WWWW" << 2 << 100 << 10.0 << 3.0 << 2;
    QTest::newRow("measured: the character limit still holds") << "abcdefgh" << 5 << 3 << 1.0 << 100.0 << 3;
}


void tst_monthcore::prefixLength()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(int, chars);
    QFETCH(double, room);
    QFETCH(double, width);
    QFETCH(int, length);
    // Half the letters measured beforehand, the others when first met.
    monthview::CharRoom measured;
    measured.fill(-1);
    for (char16_t c = 0; c < 256; c += 2)
        measured[c] = float(room);
    measured[u' '] = 0;
    const monthview::MeasureChar measure = [room](char16_t) { return float(room); };
    QCOMPARE(monthview::editorTextPrefixLength(text, lines, chars, room > 0 ? &measured : nullptr, width, measure),
             qsizetype(length));
}


void tst_monthcore::navigation_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("wantMonth");
    QTest::addColumn<int>("wantYear");
    QTest::newRow("Dec 2006, next month") << 12 << 2006 << "Command1" << 1 << 2007;
    QTest::newRow("Jan 2006, previous month") << 1 << 2006 << "Command2" << 12 << 2005;
    QTest::newRow("1900 holds at < Yr") << 5 << 1900 << "Command10" << 5 << 1900;
    QTest::newRow("2099 holds at Yr >") << 5 << 2099 << "Command11" << 5 << 2099;
    QTest::newRow("Jan 1900 goes back to Dec 1899") << 1 << 1900 << "Command2" << 12 << 1899;
    QTest::newRow("below 1900 < Yr steps on") << 12 << 1899 << "Command10" << 12 << 1898;
    QTest::newRow("Dec 2099 goes on to Jan 2100") << 12 << 2099 << "Command1" << 1 << 2100;
    QTest::newRow("above 2099 Yr > steps on") << 1 << 2100 << "Command11" << 1 << 2101;
    QTest::newRow("Yr > keeps the month") << 2 << 2008 << "Command11" << 2 << 2009;
    QTest::newRow("Jan of year 1 holds at < Prev Month") << 1 << 1 << "Command2" << 1 << 1;
    QTest::newRow("year 1 holds at < Yr") << 7 << 1 << "Command10" << 7 << 1;
    QTest::newRow("Feb of year 1 goes back to Jan") << 2 << 1 << "Command2" << 1 << 1;
    QTest::newRow("Dec 9999 holds at Next Month >") << 12 << 9999 << "Command1" << 12 << 9999;
    QTest::newRow("9999 holds at Yr >") << 3 << 9999 << "Command11" << 3 << 9999;
    QTest::newRow("Nov 9999 goes on to Dec") << 11 << 9999 << "Command1" << 12 << 9999;
}

void tst_monthcore::navigation()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, button);
    QFETCH(int, wantMonth);
    QFETCH(int, wantYear);
    const MonthYear shown{qint16(month), qint16(year)};
    MonthYear got;
    if (button == QLatin1String("Command1"))
        got = monthview::nextMonth(shown);
    else if (button == QLatin1String("Command2"))
        got = monthview::previousMonth(shown);
    else
        got = monthview::stepYear(shown, button == QLatin1String("Command11") ? +1 : -1);
    QCOMPARE(got.month, qint16(wantMonth));
    QCOMPARE(got.year, qint16(wantYear));
}

// A save that fails keeps its text and tells once; a later try that works
// lets it go. A note written outside before that try is kept as a copy, and
// the retry tells so.
void tst_monthcore::unsavedNotes_data()
{
    QTest::addColumn<QString>("text");       // empty: a deletion
    QTest::addColumn<QByteArray>("outside"); // written at the note's path before the retry
    QTest::addColumn<QByteArray>("want");    // the file after the retry; empty: none
    QTest::newRow("failed save retried") << "keep me" << QByteArray() << QByteArray("keep me");
    QTest::newRow("failed deletion retried, an empty file in the way") << "" << QByteArray("<empty>") << QByteArray();
    QTest::newRow("failed save retried, a note written outside meanwhile")
        << "keep me" << QByteArray("outside") << QByteArray("keep me");
}

void tst_monthcore::unsavedNotes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, outside);
    QFETCH(QByteArray, want);
    QTemporaryDir dir;
    const QString note = dir.filePath(QStringLiteral("data/2006-03-14.txt"));
    // A folder at the note's path: no write or deletion gets through.
    QVERIFY(QDir().mkpath(note + QStringLiteral("/inside")));
    const store::NoteStore store(dir.path());
    QStringList told;
    monthview::UnsavedNotes unsaved(store, [&told](const QString &t) { told << t; });
    const store::Origin none;
    const monthview::NoteDate date{14, 3, 2006};
    const monthview::NoteDate other{15, 3, 2006};

    const auto first = unsaved.save(date, text, none);
    QVERIFY(!first.saved);
    QVERIFY2(first.tell.contains(QLatin1String("14 March 2006")), qPrintable(first.tell));
    QVERIFY2(first.tell.contains(QLatin1String("data/2006-03-14.txt")), qPrintable(first.tell));
    QVERIFY(unsaved.textOf(date) && *unsaved.textOf(date) == text);
    QCOMPARE(unsaved.save(date, text, none).tell, QString());   // told once
    QVERIFY(unsaved.save(other, QStringLiteral("fine"), none).saved);
    QCOMPARE(unsaved.list().size(), 1);
    QVERIFY(unsaved.closeQuestion().contains(QLatin1String("14 March 2006")));

    unsaved.retry();
    QCOMPARE(unsaved.list().size(), 1);   // still in the way
    // The way clears; a deletion finds a note to delete.
    QVERIFY(QDir(note).removeRecursively());
    if (!outside.isEmpty()) {
        QFile in(note);
        QVERIFY(in.open(QIODevice::WriteOnly));
        if (outside != "<empty>")
            in.write(outside);
    }
    unsaved.retry();
    QVERIFY(unsaved.isEmpty());
    QVERIFY(!unsaved.textOf(date));
    const QStringList copies = QDir(dir.filePath(QStringLiteral("data")))
                                   .entryList({QStringLiteral("2006-03-14 (changed outside *).txt")}, QDir::Files);
    if (outside.isEmpty() || outside == "<empty>") {
        QCOMPARE(copies, QStringList());
        QCOMPARE(told, QStringList());
    } else {
        QCOMPARE(copies.size(), 1);
        QFile copy(dir.filePath(QStringLiteral("data/") + copies[0]));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), outside);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(QLatin1String("14 March 2006")) && told[0].contains(QLatin1String("data/") + copies[0]),
                 qPrintable(told[0]));
    }
    QFile file(note);
    if (want.isEmpty()) {
        QVERIFY(!file.exists());
    } else {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), want);
    }
}

QTEST_GUILESS_MAIN(tst_monthcore)
#include "tst_monthcore.moc"
