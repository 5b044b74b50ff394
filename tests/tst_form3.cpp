#include "form1.h"
#include "form3.h"
#include "programstart.h"
#include "testsupport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <memory>

namespace {

// The program ends when its last visible window closes.
bool anyWindowVisible()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QWindow *w) { return w->isVisible(); });
}

// A working folder and the month view started in it on 7 December 2006 with
// the command line "remind".
struct Fixture {
    QTemporaryDir dir;
    testsupport::Recorder rec;
    QPointer<Form1> monthView;
    QPointer<Form3> reminder;

    Fixture()
    {
        QDir(dir.path()).mkpath(QStringLiteral("data"));
        QDir(dir.path()).mkpath(QStringLiteral("temp"));
    }
    ~Fixture()
    {
        delete reminder;
        delete monthView;
    }

    bool write(const QString &rel, const QByteArray &bytes) const { return testsupport::writeFile(dir.filePath(rel), bytes); }

    // True when a window shows: the reminder, today's month waiting behind it.
    bool start()
    {
        monthView = new Form1(testsupport::fakePlatform(QDate(2006, 12, 7), dir.path(), rec));
        const char *const argv[] = {"kalivo", "remind"};
        const bool shown = startProgram(*monthView, 2, argv);
        const QList<QWidget *> windows = monthView->windows().windows();
        if (windows.size() == 2)
            reminder = qobject_cast<Form3 *>(windows.at(1));
        return shown;
    }

    QPushButton *button(const char *name) const { return reminder->findChild<QPushButton *>(name); }
    QPlainTextEdit *text() const { return reminder->findChild<QPlainTextEdit *>("Text1"); }
};

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void shownWithTheExample();
    void nothingToRemind();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
    void bringUpShowsTodaysMonth();
};

void TestForm3::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Quitting would end the test's own event loops.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestForm3::shownWithTheExample()
{
    Fixture s;
    QVERIFY(s.write("data/2006-12-07.txt", "note 1"));
    QVERIFY(s.write("data/2005-12-07.txt", "note 2"));
    QVERIFY(s.write("data/2003-12-07.txt", "note 3"));

    QVERIFY(s.start());
    QVERIFY(s.reminder);
    QVERIFY(QTest::qWaitForWindowActive(s.reminder));
    QVERIFY(!s.monthView->isVisible());
    QCOMPARE(s.reminder->windowTitle(), QString("7-December-2006 Thursday"));
    QCOMPARE(s.text()->toPlainText(),
             QString("note 1\n\nLast year on this day:\nnote 2\n\n7-December-2003 Sunday:\nnote 3"));

    // 15 twips to the pixel; a fixed dialog without maximise and minimise.
    QCOMPARE(s.reminder->size(), QSize(386, 337));
    QCOMPARE(s.reminder->minimumSize(), s.reminder->maximumSize());
    const Qt::WindowFlags flags = s.reminder->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(s.text()->geometry(), QRect(8, 8, 369, 289));
    QCOMPARE(s.button("Command1")->geometry(), QRect(168, 304, 209, 25));
    QCOMPARE(s.button("Command2")->geometry(), QRect(8, 304, 161, 25));
    QCOMPARE(s.text()->palette().color(QPalette::Base), QColor(255, 255, 204));
    QVERIFY(s.text()->verticalScrollBar()->isVisible());

    QTRY_COMPARE(QApplication::focusWidget(), s.button("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), s.button("Command2"));
}

void TestForm3::nothingToRemind()
{
    Fixture s;
    QVERIFY(s.write("data/2006-12-06.txt", "yesterday"));
    QVERIFY(s.write("data/2007-12-07.txt", "next year"));
    QVERIFY(s.write("data/2005-12-07.txt", ""));

    QVERIFY(!s.start());
    QVERIFY(!s.reminder);
    QCOMPARE(s.monthView->windows().windows(), QList<QWidget *>{s.monthView.data()});
    QVERIFY(!anyWindowVisible());
}

void TestForm3::closingEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close clicked") << "click";
    QTest::newRow("Close by keyboard") << "keys";
    QTest::newRow("close box") << "box";
}

// Closing the reminder runs the month view's shutdown, which deletes the
// report pages, and ends the program.
void TestForm3::closingEndsTheProgram()
{
    QFETCH(QString, how);

    Fixture s;
    QVERIFY(s.write("data/2005-12-07.txt", "note 2"));
    const QString page = "temp/report-ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEF.htm";
    QVERIFY(s.write(page, "<html>"));
    QVERIFY(s.start());
    QVERIFY(QTest::qWaitForWindowActive(s.reminder));
    QCOMPARE(s.text()->toPlainText(), QString("\n\nLast year on this day:\nnote 2"));

    QPushButton *close = s.button("Command2");
    if (how == "click") {
        QTest::mouseClick(close, Qt::LeftButton);
    } else if (how == "keys") {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), close);
        QTest::keyClick(close, Qt::Key_Return);
    } else {
        // What the window system's close box sends.
        QCloseEvent event;
        QCoreApplication::sendEvent(s.reminder->windowHandle(), &event);
    }

    QVERIFY(!QFile::exists(s.dir.filePath(page)));
    QTRY_VERIFY(!s.reminder);
    QVERIFY(!anyWindowVisible());
    QCOMPARE(QDir(s.dir.filePath("data")).entryList(QDir::Files | QDir::Hidden), QStringList{"2005-12-07.txt"});
    QCOMPARE(s.rec.messages, QStringList());
}

void TestForm3::bringUpShowsTodaysMonth()
{
    Fixture s;
    QVERIFY(s.write("data/2006-12-07.txt", "note 1"));
    QVERIFY(s.start());
    QVERIFY(QTest::qWaitForWindowActive(s.reminder));

    QTest::mouseClick(s.button("Command1"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(s.monthView));
    QVERIFY(s.reminder && s.reminder->isHidden());
    QCOMPARE(s.monthView->Label1()->text(), QString("December-2006"));
    // 1 December 2006 is a Friday: the 7th stands in cell 12.
    QPlainTextEdit *today = s.monthView->findChild<QPlainTextEdit *>("Text1_12");
    QVERIFY(today && today->isVisible());
    QCOMPARE(today->toPlainText(), QString("note 1"));
    QCOMPARE(today->viewport()->palette().color(QPalette::Base), QColor(255, 255, 255));
    QCOMPARE(s.monthView->findChild<QPlainTextEdit *>("Text1_13")->viewport()->palette().color(QPalette::Base),
             QColor(255, 255, 221));

    // The hidden reminder stays open until the month view closes; the
    // month view's shutdown saves the edit and takes the reminder with it.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(s.reminder);
    QTest::mouseClick(today->viewport(), Qt::LeftButton);
    QTRY_VERIFY(today->hasFocus());
    today->moveCursor(QTextCursor::End);
    QTest::keyClicks(today, " and more");
    s.monthView->close();
    QTRY_VERIFY(!s.reminder);
    QVERIFY(!anyWindowVisible());
    QCOMPARE(testsupport::readFile(s.dir.filePath("data/2006-12-07.txt")), QByteArray("note 1 and more"));
    QCOMPARE(s.rec.messages, QStringList());
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
