#include "calendar.h"

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

    void firstDay_data();
    void firstDay();
    void daysInMonth_data();
    void daysInMonth();
    void index_data();
    void index();
    void day_data();
    void day();
    void weekdayName_data();
    void weekdayName();
    void headingsAndTitle_data();
    void headingsAndTitle();

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

void TestCalendar::firstDay_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("weekday");

    QTest::newRow("Jan 2006 begins on a Sunday") << 1 << 2006 << 1;
    QTest::newRow("Oct 2005 begins on a Saturday") << 10 << 2005 << 7;
    QTest::newRow("Jul 2005 begins on a Friday") << 7 << 2005 << 6;
    QTest::newRow("Mar 1900 begins on a Thursday") << 3 << 1900 << 5;
    QTest::newRow("Jan 1900 begins on a Monday") << 1 << 1900 << 2;
    QTest::newRow("Dec 2100 begins on a Wednesday") << 12 << 2100 << 4;
    QTest::newRow("month 13 is Jan of the next year") << 13 << 2006 << 2;
    QTest::newRow("month 0 is Dec of the previous year") << 0 << 2006 << 5;
    QTest::newRow("month 25 carries two years") << 25 << 2004 << 1;
    QTest::newRow("month -11 is Jan of the previous year") << -11 << 2007 << 1;
}

void TestCalendar::firstDay()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, weekday);
    QCOMPARE(GetFirstDay(qint16(month), qint16(year)), qint16(weekday));
}

void TestCalendar::daysInMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");

    QTest::newRow("Jan: 31") << 1 << 2006 << 31;
    QTest::newRow("Apr: 30") << 4 << 2006 << 30;
    QTest::newRow("Jun: 30") << 6 << 2006 << 30;
    QTest::newRow("Sep: 30") << 9 << 2006 << 30;
    QTest::newRow("Nov: 30") << 11 << 2006 << 30;
    QTest::newRow("Dec: 31") << 12 << 2006 << 31;
    QTest::newRow("Feb of a common year 2006") << 2 << 2006 << 28;
    QTest::newRow("Feb of a leap year 2024") << 2 << 2024 << 29;
    QTest::newRow("Feb of a leap year 1904") << 2 << 1904 << 29;
    QTest::newRow("Feb of century leap 2000") << 2 << 2000 << 29;
    QTest::newRow("Feb of century 1900 is not leap") << 2 << 1900 << 28;
    QTest::newRow("Feb of century 2100 is not leap") << 2 << 2100 << 28;
    QTest::newRow("Feb of century 1800 is not leap") << 2 << 1800 << 28;
    QTest::newRow("Feb of century leap 2400") << 2 << 2400 << 29;
    QTest::newRow("month 0 has no days") << 0 << 2006 << 0;
    QTest::newRow("month 13 has no days") << 13 << 2006 << 0;
    QTest::newRow("month -1 has no days") << -1 << 2006 << 0;
}

void TestCalendar::daysInMonth()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, days);
    QCOMPARE(GetDaysInMonth(qint16(month), qint16(year)), qint16(days));
}

void TestCalendar::index_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("index");

    QTest::newRow("Jan 2006: day 1 in cell 1") << 1 << 1 << 2006 << 1;
    QTest::newRow("Jan 2006: day 31 in cell 31") << 31 << 1 << 2006 << 31;
    QTest::newRow("Oct 2005: day 1 in cell 7") << 1 << 10 << 2005 << 7;
    QTest::newRow("Oct 2005: day 29 in cell 35, before the fold") << 29 << 10 << 2005 << 35;
    QTest::newRow("Oct 2005: day 30 folds into cell 1") << 30 << 10 << 2005 << 1;
    QTest::newRow("Oct 2005: day 31 folds into cell 2") << 31 << 10 << 2005 << 2;
    QTest::newRow("Jul 2005: day 1 in cell 6") << 1 << 7 << 2005 << 6;
    QTest::newRow("Jul 2005: day 30 in cell 35, before the fold") << 30 << 7 << 2005 << 35;
    QTest::newRow("Jul 2005: day 31 folds into cell 1") << 31 << 7 << 2005 << 1;
    QTest::newRow("Apr 2006 (30 days from Saturday): day 30 folds into cell 1")
        << 30 << 4 << 2006 << 1;
    QTest::newRow("Feb 2020 (29 days from Saturday) ends in cell 35") << 29 << 2 << 2020 << 35;
    QTest::newRow("day 0 is the cell before day 1") << 0 << 1 << 2006 << 0;
    QTest::newRow("day 0 of Oct 2005 is cell 6") << 0 << 10 << 2005 << 6;
    QTest::newRow("day 32767 of Oct 2005 folds once without overflow") << 32767 << 10 << 2005 << 32738;
}

void TestCalendar::index()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, index);
    QCOMPARE(GetIndex(qint16(day), qint16(month), qint16(year)), qint16(index));
}

void TestCalendar::day_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("day");

    QTest::newRow("Oct 2005: cell 1 holds the folded 30th") << 1 << 10 << 2005 << 30;
    QTest::newRow("Oct 2005: cell 2 holds the folded 31st") << 2 << 10 << 2005 << 31;
    QTest::newRow("Oct 2005: cell 3 is empty") << 3 << 10 << 2005 << 0;
    QTest::newRow("Oct 2005: cell 6 is empty") << 6 << 10 << 2005 << 0;
    QTest::newRow("Oct 2005: cell 7 holds the 1st") << 7 << 10 << 2005 << 1;
    QTest::newRow("Oct 2005: cell 35 holds the 29th") << 35 << 10 << 2005 << 29;
    QTest::newRow("Jul 2005: cell 1 holds the folded 31st") << 1 << 7 << 2005 << 31;
    QTest::newRow("Jul 2005: cell 2 is empty") << 2 << 7 << 2005 << 0;
    QTest::newRow("Jan 2006: cell 32 is empty") << 32 << 1 << 2006 << 0;
    QTest::newRow("Jan 2006: cell 35 is empty") << 35 << 1 << 2006 << 0;
    QTest::newRow("Feb 2009 (28 days from Sunday): cell 28 holds the 28th") << 28 << 2 << 2009 << 28;
    QTest::newRow("Feb 2009: cell 29 is empty") << 29 << 2 << 2009 << 0;
    QTest::newRow("Feb 1900 shows no 29th (cell 33)") << 33 << 2 << 1900 << 0;
    QTest::newRow("Feb 2100 shows no 29th (cell 30)") << 30 << 2 << 2100 << 0;
    QTest::newRow("Feb 2000 shows its 29th in cell 31") << 31 << 2 << 2000 << 29;
    QTest::newRow("index 0 shows no day") << 0 << 1 << 2006 << 0;
    QTest::newRow("negative index shows no day") << -1 << 1 << 2006 << 0;
    QTest::newRow("index -32768 shows no day") << -32768 << 1 << 2006 << 0;
    QTest::newRow("index 36 shows no day, though day 30 of Oct 2005 lands there unfolded")
        << 36 << 10 << 2005 << 0;
    QTest::newRow("index 37 shows no day, though day 31 of Oct 2005 lands there unfolded")
        << 37 << 10 << 2005 << 0;
    QTest::newRow("index 32767 shows no day") << 32767 << 1 << 2006 << 0;
}

void TestCalendar::day()
{
    QFETCH(int, index);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, day);
    QCOMPARE(GetDay(qint16(index), qint16(month), qint16(year)), qint16(day));
}

void TestCalendar::weekdayName_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("name");

    QTest::newRow("1 Jan 2006 is a Sunday") << 1 << 1 << 2006 << "Sunday";
    QTest::newRow("14 Mar 2006 is a Tuesday") << 14 << 3 << 2006 << "Tuesday";
    QTest::newRow("29 Feb 1900 carries to Thu 1 Mar 1900") << 29 << 2 << 1900 << "Thursday";
    QTest::newRow("29 Feb 2100 carries to Mon 1 Mar 2100") << 29 << 2 << 2100 << "Monday";
    QTest::newRow("29 Feb 2000 exists, a Tuesday") << 29 << 2 << 2000 << "Tuesday";
    QTest::newRow("30 Feb 2006 carries to Thu 2 Mar 2006") << 30 << 2 << 2006 << "Thursday";
    QTest::newRow("day 0 is the last day of the previous month (Sat 31 Dec 2005)")
        << 0 << 1 << 2006 << "Saturday";
    QTest::newRow("month 13 is Jan of the next year (Mon 1 Jan 2007)") << 1 << 13 << 2006 << "Monday";
    QTest::newRow("month 0 is Dec of the previous year (Thu 1 Dec 2005)")
        << 1 << 0 << 2006 << "Thursday";
    QTest::newRow("day 366 of Jan 2006 carries a whole year (Mon 1 Jan 2007)")
        << 366 << 1 << 2006 << "Monday";
    QTest::newRow("day -1 of Mar 2024 is Wed 28 Feb 2024") << -1 << 3 << 2024 << "Wednesday";
}

void TestCalendar::weekdayName()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, name);
    QCOMPARE(GetWkd(qint16(day), qint16(month), qint16(year)), name);
}

void TestCalendar::headingsAndTitle_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("column 1 Sun") << ColumnHeading(1) << "Sun";
    QTest::newRow("column 2 Mon") << ColumnHeading(2) << "Mon";
    QTest::newRow("column 3 Tue") << ColumnHeading(3) << "Tue";
    QTest::newRow("column 4 Wed") << ColumnHeading(4) << "Wed";
    QTest::newRow("column 5 has five letters, Thurs") << ColumnHeading(5) << "Thurs";
    QTest::newRow("column 6 Fri") << ColumnHeading(6) << "Fri";
    QTest::newRow("column 7 Sat") << ColumnHeading(7) << "Sat";
    QTest::newRow("column 0 has no heading") << ColumnHeading(0) << QString();
    QTest::newRow("column 8 has no heading") << ColumnHeading(8) << QString();
    QTest::newRow("title October-2005") << MonthTitle(10, 2005) << "October-2005";
    QTest::newRow("title January-1900") << MonthTitle(1, 1900) << "January-1900";
}

void TestCalendar::headingsAndTitle()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestCalendar::everyDayBothWays_data()
{
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");

    QTest::newRow("1900 ... 1999") << 1900 << 1999;
    QTest::newRow("2000 ... 2100") << 2000 << 2100;
}

// Every day of every month against QDate, and every cell of every month back
// to its day: the grid shows each real day exactly once, in its weekday's
// column, and nothing else.
void TestCalendar::everyDayBothWays()
{
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);

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
                int expected = firstWeekday + d - 1;     // [1, 37]
                if (expected > 35)
                    expected -= 35;                      // 36, 37 -> 1, 2
                const int k = GetIndex(qint16(d), qint16(m), qint16(y));
                const QByteArray at = date.toString(Qt::ISODate).toLatin1();
                QVERIFY2(k == expected, at.constData());
                QVERIFY2((k - 1) % 7 + 1 == oracleWeekday(date), at.constData());
                QVERIFY2(!cellUsed[k], at.constData());
                cellUsed[k] = true;
                QVERIFY2(GetDay(qint16(k), qint16(m), qint16(y)) == d, at.constData());
                QVERIFY2(GetWkd(qint16(d), qint16(m), qint16(y))
                             == QLatin1String(kNames[oracleWeekday(date) - 1]),
                         at.constData());
            }
            for (int k = 1; k <= 35; ++k) {
                if (!cellUsed[k]) {
                    QVERIFY2(GetDay(qint16(k), qint16(m), qint16(y)) == 0,
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
    QTest::newRow("month 0 of 1900") << 0 << 1900;
    QTest::newRow("month 13 of 2100") << 13 << 2100;
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
