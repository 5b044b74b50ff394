#include "calendar.h"
#include "datecaptions.h"

#include <QDate>
#include <QLocale>
#include <QTest>

#include <algorithm>

using namespace calendar;

namespace {

// Oracle: Qt's Gregorian calendar, with Sunday moved to the front of the week.
int oracleWeekday(const QDate &date)
{
    return date.dayOfWeek() % 7 + 1; // 1 = Sunday ... 7 = Saturday
}

const char *const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                              "Thursday", "Friday", "Saturday"};

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pointsTheSweepMisses_data();
    void pointsTheSweepMisses();
    void headingsAndTitle();
    void dateCaptions_data();
    void dateCaptions();

    void everyDayBothWays_data();
    void everyDayBothWays();
    void monthsOutsideTheYearShowNoDay_data();
    void monthsOutsideTheYearShowNoDay();
    void extremeArgumentsStayInRange_data();
    void extremeArgumentsStayInRange();
};

void TestCalendar::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Arguments outside the real days of 1900 ... 2100, which everyDayBothWays
// checks against QDate: months and days that carry, cells beyond the grid,
// and the leap rule outside those years.
void TestCalendar::pointsTheSweepMisses_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first day: month 13 is Jan of the next year") << "first" << 0 << 13 << 2006 << "2";
    QTest::newRow("first day: month 0 is Dec of the previous year") << "first" << 0 << 0 << 2006 << "5";
    QTest::newRow("first day: month 25 carries two years") << "first" << 0 << 25 << 2004 << "1";
    QTest::newRow("first day: month -11 is Jan of the previous year") << "first" << 0 << -11 << 2007 << "1";

    QTest::newRow("days: Feb 1900 is not leap") << "days" << 0 << 2 << 1900 << "28";
    QTest::newRow("days: Feb 2000 is leap") << "days" << 0 << 2 << 2000 << "29";
    QTest::newRow("days: Feb 1800 is not leap") << "days" << 0 << 2 << 1800 << "28";
    QTest::newRow("days: Feb 2400 is leap") << "days" << 0 << 2 << 2400 << "29";
    QTest::newRow("days: month -1 has none") << "days" << 0 << -1 << 2006 << "0";

    QTest::newRow("index: Oct 2005 day 30 folds into cell 1") << "index" << 30 << 10 << 2005 << "1";
    QTest::newRow("index: Oct 2005 day 31 folds into cell 2") << "index" << 31 << 10 << 2005 << "2";
    QTest::newRow("index: day 0 is the cell before day 1") << "index" << 0 << 1 << 2006 << "0";
    QTest::newRow("index: day 0 of Oct 2005 is cell 6") << "index" << 0 << 10 << 2005 << "6";
    QTest::newRow("index: day 32767 of Oct 2005 folds once without overflow")
        << "index" << 32767 << 10 << 2005 << "32738";

    QTest::newRow("day: index 0") << "day" << 0 << 1 << 2006 << "0";
    QTest::newRow("day: index -1") << "day" << -1 << 1 << 2006 << "0";
    QTest::newRow("day: index -32768") << "day" << -32768 << 1 << 2006 << "0";
    QTest::newRow("day: index 36, where day 30 of Oct 2005 lands unfolded") << "day" << 36 << 10 << 2005 << "0";
    QTest::newRow("day: index 37, where day 31 of Oct 2005 lands unfolded") << "day" << 37 << 10 << 2005 << "0";
    QTest::newRow("day: index 32767") << "day" << 32767 << 1 << 2006 << "0";

    QTest::newRow("weekday: 30 Feb 2006 carries to Thu 2 Mar") << "wkd" << 30 << 2 << 2006 << "Thursday";
    QTest::newRow("weekday: day 0 is Sat 31 Dec 2005") << "wkd" << 0 << 1 << 2006 << "Saturday";
    QTest::newRow("weekday: month 13 is Mon 1 Jan 2007") << "wkd" << 1 << 13 << 2006 << "Monday";
    QTest::newRow("weekday: month 0 is Thu 1 Dec 2005") << "wkd" << 1 << 0 << 2006 << "Thursday";
    QTest::newRow("weekday: day 366 of Jan 2006 is Mon 1 Jan 2007") << "wkd" << 366 << 1 << 2006 << "Monday";
    QTest::newRow("weekday: day -1 of Mar 2024 is Wed 28 Feb") << "wkd" << -1 << 3 << 2024 << "Wednesday";
}

void TestCalendar::pointsTheSweepMisses()
{
    QFETCH(QString, function);
    QFETCH(int, a);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, expected);
    const qint16 m = qint16(month), y = qint16(year), x = qint16(a);
    const QString got = function == "first" ? QString::number(GetFirstDay(m, y))
        : function == "days"                ? QString::number(GetDaysInMonth(m, y))
        : function == "index"               ? QString::number(GetIndex(x, m, y))
        : function == "day"                 ? QString::number(GetDay(x, m, y))
                                            : GetWkd(x, m, y);
    QCOMPARE(got, expected);
}

void TestCalendar::headingsAndTitle()
{
    QStringList headings;
    for (int column = 0; column <= 8; ++column)
        headings << ColumnHeading(column);
    QCOMPARE(headings.join('|'), QStringLiteral("|Sun|Mon|Tue|Wed|Thurs|Fri|Sat|"));
    headings.clear();
    for (int column = 0; column <= 8; ++column)
        headings << ColumnHeading(column, 2);
    QCOMPARE(headings.join('|'), QStringLiteral("|Mon|Tue|Wed|Thurs|Fri|Sat|Sun|"));
    QCOMPARE(MonthTitle(10, 2005), QStringLiteral("October-2005"));
    QCOMPARE(MonthTitle(1, 1900), QStringLiteral("January-1900"));
}

// The three ways a date is written, with the standard words and with a
// language's own: every caption takes both its month and its weekday from
// the words it is given.
void TestCalendar::dateCaptions_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("words");   // "": standard; "own"; else a locale's
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");

    QTest::newRow("standard") << 14 << 3 << 2006 << "" << "14-March-2006 Tuesday" << "Tuesday 14 March 2006"
                              << "14 March 2006" << "March-2006";
    QTest::newRow("standard, a 29 February carried into March")
        << 29 << 2 << 1900 << "" << "29-February-1900 Thursday" << "Thursday 29 February 1900" << "29 February 1900"
        << "February-1900";
    QTest::newRow("own words") << 14 << 3 << 2006 << "own" << "14-m3-2006 w3" << "w3 14 m3 2006" << "14 m3 2006"
                               << "March-2006";
    // A language's words: the month as a date declines it, the title's month
    // on its own with a capital; messages in the language's own order.
    QTest::newRow("German") << 1 << 3 << 2006 << "de_DE" << "1-März-2006 Mittwoch" << "Mittwoch, 1. März 2006"
                            << "1. März 2006" << "März-2006";
    QTest::newRow("Russian") << 14 << 3 << 2006 << "ru_RU" << "14-марта-2006 вторник" << "вторник, 14 марта 2006"
                             << "14 марта 2006" << "Март-2006";
    QTest::newRow("Polish") << 31 << 12 << 2026 << "pl_PL" << "31-grudnia-2026 czwartek"
                            << "czwartek, 31 grudnia 2026" << "31 grudnia 2026" << "Grudzień-2026";
    QTest::newRow("Russian, a 29 February carried into March")
        << 29 << 2 << 1900 << "ru_RU" << "29-февраля-1900 четверг" << "четверг 29 февраля 1900" << "29 февраля 1900"
        << "Февраль-1900";
}

void TestCalendar::dateCaptions()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, words);
    DateWords w;
    if (words == "own") {
        w.month = [](int m) { return QStringLiteral("m%1").arg(m); };
        w.weekday = [](int d) { return QStringLiteral("w%1").arg(d); };
    } else if (!words.isEmpty()) {
        // The formats as the German and Russian translations give them.
        const bool german = words.startsWith("de");
        w = LocaleWords(QLocale(words), german ? "d. MMMM yyyy" : "d MMMM yyyy",
                        german ? "dddd, d. MMMM yyyy" : "dddd, d MMMM yyyy");
    }
    QTEST(DayHeading(day, month, year, w), "heading");
    QTEST(SpokenDate(day, month, year, w), "spoken");
    QTEST(MessageDate(day, month, year, w), "message");
    QTEST(MonthTitle(month, year, w), "title");
}

void TestCalendar::everyDayBothWays_data()
{
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<int>("weekStart");   // 1 = Sunday

    QTest::newRow("1900 ... 1999") << 1900 << 1999 << 1;
    QTest::newRow("2000 ... 2100") << 2000 << 2100 << 1;
    QTest::newRow("Monday first, 1900 ... 2100") << 1900 << 2100 << 2;
    QTest::newRow("Saturday first, 2000 ... 2030") << 2000 << 2030 << 7;
}

// Every day of every month against QDate, and every cell of every month back
// to its day: the grid shows each real day exactly once, in its weekday's
// column counted from the week's first day, and nothing else.
void TestCalendar::everyDayBothWays()
{
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(int, weekStart);
    const auto columnOf = [weekStart](int weekday) { return (weekday - weekStart + 7) % 7 + 1; };

    for (int y = firstYear; y <= lastYear; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const QDate first(y, m, 1);
            const int days = first.daysInMonth();
            const int firstWeekday = oracleWeekday(first);
            const auto where = [&] { return QStringLiteral("%1-%2").arg(y).arg(m).toLatin1(); };

            QVERIFY2(GetFirstDay(qint16(m), qint16(y)) == firstWeekday, where().constData());
            QVERIFY2(GetDaysInMonth(qint16(m), qint16(y)) == days, where().constData());

            bool cellUsed[36] = {};
            for (int d = 1; d <= days; ++d) {
                const QDate date(y, m, d);
                int expected = columnOf(firstWeekday) + d - 1;   // [1, 37]
                if (expected > 35)
                    expected -= 35;                              // 36, 37 -> 1, 2
                const int k = GetIndex(qint16(d), qint16(m), qint16(y), weekStart);
                const QByteArray at = date.toString(Qt::ISODate).toLatin1();
                QVERIFY2(k == expected, at.constData());
                QVERIFY2((k - 1) % 7 + 1 == columnOf(oracleWeekday(date)), at.constData());
                QVERIFY2(WeekdayInColumn((k - 1) % 7 + 1, weekStart) == oracleWeekday(date), at.constData());
                QVERIFY2(!cellUsed[k], at.constData());
                cellUsed[k] = true;
                QVERIFY2(GetDay(qint16(k), qint16(m), qint16(y), weekStart) == d, at.constData());
                QVERIFY2(GetWkd(qint16(d), qint16(m), qint16(y))
                             == QLatin1String(kNames[oracleWeekday(date) - 1]),
                         at.constData());
            }
            for (int k = 1; k <= 35; ++k) {
                if (!cellUsed[k]) {
                    QVERIFY2(GetDay(qint16(k), qint16(m), qint16(y), weekStart) == 0,
                             (where() + " cell " + QByteArray::number(k)).constData());
                }
            }
            // The day after the month's last runs on into the next month.
            const QDate next = first.addMonths(1);
            QVERIFY2(GetWkd(qint16(days + 1), qint16(m), qint16(y))
                         == QLatin1String(kNames[oracleWeekday(next) - 1]),
                     where().constData());
        }
    }
}

void TestCalendar::monthsOutsideTheYearShowNoDay_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");

    QTest::newRow("month 0 of 2006") << 0 << 2006;
    QTest::newRow("month 13 of 2006") << 13 << 2006;
    QTest::newRow("month -32768") << -32768 << 2006;
    QTest::newRow("month 32767") << 32767 << 2006;
}

void TestCalendar::monthsOutsideTheYearShowNoDay()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QCOMPARE(GetDaysInMonth(qint16(month), qint16(year)), qint16(0));
    for (int k = -1; k <= 37; ++k)
        QCOMPARE(GetDay(qint16(k), qint16(month), qint16(year)), qint16(0));
}

void TestCalendar::extremeArgumentsStayInRange_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");

    QTest::newRow("all at the lowest") << -32768 << -32768 << -32768;
    QTest::newRow("all at the highest") << 32767 << 32767 << 32767;
    QTest::newRow("year 0") << 1 << 1 << 0;
    QTest::newRow("negative year") << 15 << 6 << -1;
    QTest::newRow("two-digit year") << 1 << 1 << 99;
}

// No overflow inside: the weekday stays a weekday and the names stay names.
void TestCalendar::extremeArgumentsStayInRange()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    const qint16 first = GetFirstDay(qint16(month), qint16(year));
    QVERIFY2(first >= 1 && first <= 7, QByteArray::number(first).constData());
    const QString name = GetWkd(qint16(day), qint16(month), qint16(year));
    QVERIFY2(std::any_of(std::begin(kNames), std::end(kNames),
                         [&](const char *n) { return name == QLatin1String(n); }),
             qPrintable(name));
    const qint16 k = GetIndex(1, qint16(month), qint16(year));
    QVERIFY2(k >= 1 && k <= 7, QByteArray::number(k).constData());
}

QTEST_APPLESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
