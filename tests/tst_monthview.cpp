#include "calendar.h"
#include "codepage.h"
#include "findwindow.h"
#include "form1.h"
#include "frmabout.h"
#include "monthlayout.h"
#include "monthplan.h"
#include "notebox.h"
#include "programstart.h"
#include "versionswindow.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QCloseEvent>

#include <memory>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using monthview::TwipRect;

namespace {

const QString kWelcome = QStringLiteral(
    "Fill in deposit maturity dates,\r\npremium payment reminders,\r\nbirthdays, anniversaries,\r\n"
    "project time lines,\r\nyour daily work etc. in this\r\nsimplest and greatest planner\r\nin the world.");

// Types text as a keyboard that has its letters does: one key press per
// character, a character beyond 16 bits included.
void typeText(QWidget *w, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, width);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QCoreApplication::sendEvent(w, &release);
        i += width - 1;
    }
}

// Drags text over the box and drops it at its top left corner, as from
// another program: the box does not take the focus.
void dropText(QPlainTextEdit *b, const QString &text)
{
    QMimeData mime;
    mime.setText(text);
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(b->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(b->viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(b->viewport(), &drop);
}

// One run of the month view in a fresh working folder.
struct Run {
    QTemporaryDir dir;
    testsupport::Recorder rec;
    std::unique_ptr<Form1> form;
    QStringList mounts;

    explicit Run(bool withData = true)
    {
        if (withData)
            QDir(dir.path()).mkpath(QStringLiteral("data"));
        QDir(dir.path()).mkpath(QStringLiteral("temp"));
    }
    ~Run()
    {
        form.reset();
        for (const QString &m : std::as_const(mounts))
            ::umount2(QFile::encodeName(m).constData(), MNT_DETACH);
    }

    int week = calendar::kSundayFirst;   // the first weekday of the month view's week

    Platform platform(const QDate &today) { return testsupport::fakePlatform(today, dir.path(), rec); }
    void start(const QDate &today, int firstWeekday = calendar::kSundayFirst)
    {
        Platform p = platform(today);
        p.firstWeekday = week = firstWeekday;
        form = std::make_unique<Form1>(p);
        form->Form_Load();
    }
    bool startShown(const QDate &today = QDate(2006, 3, 20), int firstWeekday = calendar::kSundayFirst)
    {
        start(today, firstWeekday);
        form->show();
        return QTest::qWaitForWindowActive(form.get());
    }

    QString path(const QString &rel) const { return dir.filePath(rel); }
    void write(const QString &rel, const QByteArray &bytes) const { QVERIFY(testsupport::writeFile(path(rel), bytes)); }
    QByteArray read(const QString &rel) const { return testsupport::readFile(path(rel)); }

    QPlainTextEdit *box(int k) const { return form->findChild<QPlainTextEdit *>(QStringLiteral("Text1_%1").arg(k)); }
    QPushButton *button(const QString &name) const { return form->findChild<QPushButton *>(name); }
    QPushButton *day(int k) const { return button(QStringLiteral("Command4_%1").arg(k)); }
    QString title() const { return form->Label1()->text(); }

    // Clicks into the note box of a day of the displayed month and waits for
    // it to take the focus.
    QPlainTextEdit *clickInto(qint16 dayOfMonth) const
    {
        QPlainTextEdit *b = box(calendar::GetIndex(dayOfMonth, form->displayedMonth(), form->displayedYear(), week));
        QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, QPoint(5, b->viewport()->height() - 3));
        if (!QTest::qWaitFor([b] { return b->hasFocus(); }))
            return nullptr;
        b->moveCursor(QTextCursor::End);
        return b;
    }
    // Clicks into the note box of a day and types there; nullptr when the box
    // did not take the focus.
    QPlainTextEdit *typeInto(qint16 dayOfMonth, const QString &text) const
    {
        QPlainTextEdit *b = clickInto(dayOfMonth);
        if (b)
            QTest::keyClicks(b, text);
        return b;
    }
};

// The id of a process that has ended; ids are handed out in turn, so it
// stays free for the test's short time.
pid_t endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

QColor colourOf(const QPlainTextEdit *b)
{
    return b->viewport()->palette().color(QPalette::Base);
}

// A note longer than any box shows: `lines` numbered lines of about
// `width` characters, CR LF between them; `tail` ends it.
QByteArray longNote(int lines, int width, const QByteArray &tail = {})
{
    QByteArrayList all;
    for (int i = 1; i <= lines; ++i)
        all << ("line " + QByteArray::number(i) + " " + QByteArray("word ").repeated(width / 5)).trimmed();
    return all.join("\r\n") + tail;
}

QString editorText(const QByteArray &note)
{
    return monthview::editorTextOfNote(codepage::toUnicode(note));
}

// Height of the text a box holds, laid out at its width, from the top of
// the viewport; an empty line after the last break shows nothing.
qreal heldHeight(const QPlainTextEdit *b)
{
    QAbstractTextDocumentLayout *layout = b->document()->documentLayout();
    qreal height = 0;
    for (QTextBlock block = b->document()->begin(); block.isValid(); block = block.next()) {
        if (block.next().isValid() || !block.text().isEmpty())
            height += layout->blockBoundingRect(block).height();
    }
    return height;
}

// An unfocused box holds the start of its note, and either all of it or
// enough to reach below its bottom edge.
bool looksFull(const QPlainTextEdit *b, const QString &whole)
{
    const QString held = b->toPlainText();
    return whole.startsWith(held) && (held == whole || heldHeight(b) >= b->viewport()->height());
}

} // namespace

class tst_monthview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void startUp_data();
    void startUp();
    void commandLine_data();
    void commandLine();
    void rendering_data();
    void rendering();
    void navigation_data();
    void navigation();
    void focusEmphasisAndNextMonth();
    void savedBytes_data();
    void savedBytes();
    void focusReasons_data();
    void focusReasons();
    void timerTickSaves();
    void closing_data();
    void closing();
    void dayButtonsOnCorners_data();
    void dayButtonsOnCorners();
    void cellFramesInDevicePixels();
    void zoom();
    void layoutPassKeepsTypedText();
    void unsavedNoteIsKept_data();
    void unsavedNoteIsKept();
    void closingWithUnsavedNoteAsks();
    void endOfSession_data();
    void endOfSession();
    void failuresOfOneClickToldTogether();
    void unreadableNoteIsLeftAlone_data();
    void unreadableNoteIsLeftAlone();
    void unfocusedBoxLooksFull_data();
    void unfocusedBoxLooksFull();
    void focusBringsWholeNote_data();
    void focusBringsWholeNote();
    void savesWriteWholeNote_data();
    void savesWriteWholeNote();
    void unfocusedBoxChangedOrScrolled_data();
    void unfocusedBoxChangedOrScrolled();
    void unsavedLongNoteIsKept();
    void changedOutside_data();
    void changedOutside();
    void textComesInAsItIs_data();
    void textComesInAsItIs();
    void printTellsWhatIsMissing_data();
    void printTellsWhatIsMissing();
    void printTypedNote();
    void aboutAtCornerClosedWithWindow();
    void keys_data();
    void keys();
    void todayKey();
    void findAndGo();
    void screenReaderNames_data();
    void screenReaderNames();
    void versionsRestored();
};

void tst_monthview::startUp_data()
{
    QTest::addColumn<QString>("marker");   // what stands at ft.txt
    QTest::addColumn<bool>("greets");
    QTest::newRow("first start: ft.txt greets once") << "file" << true;
    QTest::newRow("ordinary start") << "none" << false;
    QTest::newRow("ft.txt cannot be deleted: start-up goes on") << "folder" << true;
}

void tst_monthview::startUp()
{
    QFETCH(QString, marker);
    QFETCH(bool, greets);
    Run s;
    if (marker == QLatin1String("file"))
        s.write(QStringLiteral("ft.txt"), "anything");
    if (marker == QLatin1String("folder"))
        QDir(s.dir.path()).mkpath(QStringLiteral("ft.txt/inside"));
    s.write(QStringLiteral("data/2006-12-31.txt"), "not read at start-up");
    const QString leftover = QStringLiteral("data/.2006-12-31.txt.%1.1.tmp").arg(endedProcess());
    s.write(leftover, "left by a save that was killed");

    s.start(QDate(2006, 12, 31));
    QCOMPARE(s.rec.messages, greets ? QStringList{QStringLiteral("Kalivo|") + kWelcome} : QStringList{});
    // A marker that stays is told after the greeting: the greeting comes again.
    QCoreApplication::processEvents();
    QCOMPARE(s.rec.messages.size(), marker == QLatin1String("folder") ? 2 : int(greets));
    if (marker == QLatin1String("folder"))
        QVERIFY2(s.rec.messages[1].contains("ft.txt") && s.rec.messages[1].contains("greets you again"),
                 qPrintable(s.rec.messages[1]));
    QCOMPARE(QFileInfo::exists(s.path(QStringLiteral("ft.txt"))), marker == QLatin1String("folder"));
    QCOMPARE(s.rec.seeds, 1);

    const Form1 &f = *s.form;
    QCOMPARE(f.displayedMonth(), qint16(12));
    QCOMPARE(f.displayedYear(), qint16(2006));
    QCOMPARE(f.today(), QDate(2006, 12, 31));
    QCOMPARE(f.focusDay(), qint16(31));
    QCOMPARE(f.focusIndex(), qint16(0));
    QCOMPARE(f.windowTitle(), QStringLiteral("Kalivo 1.0"));

    QStringList headings;
    for (int i = 1; i <= 7; ++i)
        headings << f.findChild<QLabel *>(QStringLiteral("Label3_%1").arg(i))->text();
    QCOMPARE(headings, QString("Sun Mon Tue Wed Thurs Fri Sat").split(' '));
    // Nothing rendered: no title, no note read, every note box hidden.
    QCOMPARE(s.title(), QString());
    for (int k = 1; k <= 35; ++k) {
        QVERIFY(s.box(k));
        QVERIFY(s.box(k)->isHidden());
        QVERIFY(s.box(k)->toPlainText().isEmpty());
    }
    QVERIFY(s.box(0)->isHidden());
    QVERIFY(s.day(0)->isHidden());

    // The temporary file goes once the window has been painted, not during
    // start-up.
    QVERIFY(QFileInfo::exists(s.path(leftover)));
    s.form->show();
    QTRY_VERIFY(!QFileInfo::exists(s.path(leftover)));
    QCOMPARE(s.read(QStringLiteral("data/2006-12-31.txt")), QByteArray("not read at start-up"));
}

void tst_monthview::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("remind");
    QTest::newRow("no words") << QStringList{} << false;
    QTest::newRow("Remind in another case") << QStringList{"Remind"} << false;
    QTest::newRow("remind and more") << QStringList{"remind", "now"} << false;
    QTest::newRow("remind, nothing to remind") << QStringList{"remind"} << true;
}

void tst_monthview::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(bool, remind);
    Run s;
    QByteArrayList words{"kalivo"};
    for (const QString &arg : std::as_const(args))
        words << arg.toUtf8();
    QList<const char *> argv;
    for (const QByteArray &word : std::as_const(words))
        argv << word.constData();
    s.form = std::make_unique<Form1>(s.platform(QDate(2006, 12, 7)));
    // No note anywhere: a reminder start shows nothing and ends the program.
    QCOMPARE(startProgram(*s.form, int(argv.size()), argv.constData()), !remind);
    QCOMPARE(s.form->isVisible(), !remind);
}

// colours: one letter per cell 1 ... 35, W(hite) Y(ellow) G(rey) or . (hidden).
// The week starts on Sunday (1) unless firstWeekday says otherwise.
void tst_monthview::rendering_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<int>("firstWeekday");
    QTest::addColumn<QString>("headings");
    const QString week = QStringLiteral("GYYYYYG");
    const QString sunday = QStringLiteral("Sun Mon Tue Wed Thurs Fri Sat");
    QTest::newRow("Oct 2005: 30, 31 fold into cells 1, 2")
        << 10 << 2005 << QDate(2006, 3, 14) << "GY....G" + week.repeated(4) << 1 << sunday;
    QTest::newRow("Feb 2015: 28 days from a Sunday, today Wed 11th")
        << 2 << 2015 << QDate(2015, 2, 11) << week + "GYYWYYG" + week + week + "......." << 1 << sunday;
    QTest::newRow("Jan 2006: cells 32-35 hidden")
        << 1 << 2006 << QDate(2006, 3, 14) << week.repeated(4) + "GYY...." << 1 << sunday;
    QTest::newRow("today on a Saturday is white") << 10 << 2005 << QDate(2005, 10, 1)
                                                  << "GY....W" + week.repeated(4) << 1 << sunday;
    QTest::newRow("same day a year later is not today")
        << 10 << 2006 << QDate(2005, 10, 1) << week.repeated(4) + "GYY...." << 1 << sunday;

    // Monday first: Saturday and Sunday are the last two columns, and the
    // days that do not fit in five rows still go into the first row's empty
    // cells from the first on.
    const QString monday = QStringLiteral("Mon Tue Wed Thurs Fri Sat Sun");
    const QString workweek = QStringLiteral("YYYYYGG");
    QTest::newRow("Monday first: Feb 2010, 28 days from a Monday, today Sun 14th")
        << 2 << 2010 << QDate(2010, 2, 14) << workweek + "YYYYYGW" + workweek + workweek + "......." << 2 << monday;
    QTest::newRow("Monday first: Jan 2006 from a Sunday, 30, 31 fold into cells 1, 2")
        << 1 << 2006 << QDate(2006, 3, 14) << "YY....G" + workweek.repeated(4) << 2 << monday;
    QTest::newRow("Monday first: Oct 2005 from a Saturday, the 31st folds into cell 1")
        << 10 << 2005 << QDate(2006, 3, 14) << "Y....GG" + workweek.repeated(4) << 2 << monday;
    QTest::newRow("Monday first: Mar 2006 from a Wednesday needs no fold")
        << 3 << 2006 << QDate(2006, 3, 14) << "..YYYGG" + workweek + "YWYYYGG" + workweek + "YYYYY.." << 2
        << monday;
    QTest::newRow("Saturday first: Jan 2011, 31 from a Saturday, no fold")
        << 1 << 2011 << QDate(2006, 3, 14) << QStringLiteral("GGYYYYY").repeated(4) + "GGY...."
<< 7 << "Sat Sun Mon Tue Wed Thurs Fri";
}

void tst_monthview::rendering()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QDate, today);
    QFETCH(QString, colours);
    QFETCH(int, firstWeekday);
    QFETCH(QString, headings);
    Run s;
    const QDate first(year, month, 1);
    for (int d = 1; d <= first.daysInMonth(); ++d)
        s.write(QStringLiteral("data/%1").arg(first.addDays(d - 1).toString("yyyy-MM-dd.txt")),
                QByteArray::number(d) + "\r\nnote");
    s.start(today, firstWeekday);
    s.form->ShowMonth(qint16(month), qint16(year));

    QCOMPARE(s.title(), QLocale().standaloneMonthName(month) + '-' + QString::number(year));
    QStringList shownHeadings;
    for (int i = 1; i <= 7; ++i)
        shownHeadings << s.form->Label3(i)->text();
    QCOMPARE(shownHeadings.join(' '), headings);
    // Which day each cell shows, worked out independently from QDate: day 1
    // stands in the column of its weekday counted from the week's first day.
    const int qtFirstDay = (firstWeekday + 5) % 7 + 1;   // Qt: Monday 1 ... Sunday 7
    QList<int> dayOfCell(36, 0);
    for (int d = 1; d <= first.daysInMonth(); ++d) {
        int k = (first.dayOfWeek() - qtFirstDay + 7) % 7 + d;
        dayOfCell[k > 35 ? k - 35 : k] = d;
    }
    const QHash<QChar, QColor> kColour{{'W', QColor(255, 255, 255)},
                                       {'Y', QColor(255, 255, 221)},
                                       {'G', QColor(238, 238, 238)}};
    for (int k = 1; k <= 35; ++k) {
        const QChar want = colours.at(k - 1);
        QCOMPARE(s.box(k)->isHidden(), want == '.');
        QCOMPARE(s.day(k)->isHidden(), want == '.');
        QCOMPARE(dayOfCell[k] == 0, want == '.');
        if (want == '.')
            continue;
        QCOMPARE(s.day(k)->text(), QString::number(dayOfCell[k]));
        QCOMPARE(s.box(k)->toPlainText(), QString::number(dayOfCell[k]) + "\nnote");
        QCOMPARE(colourOf(s.box(k)), kColour.value(want));
    }
}

// Each button from March 2006 (the rules' limits are tested with the rules):
// the title and the notes follow.
void tst_monthview::navigation_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("shown");
    QTest::newRow("Next Month >") << "Command1" << QDate(2006, 4, 1);
    QTest::newRow("< Prev Month") << "Command2" << QDate(2006, 2, 1);
    QTest::newRow("< Yr") << "Command10" << QDate(2005, 3, 1);
    QTest::newRow("Yr >") << "Command11" << QDate(2007, 3, 1);
}

void tst_monthview::navigation()
{
    QFETCH(QString, button);
    QFETCH(QDate, shown);
    Run s;
    s.start(QDate(2006, 3, 14));
    s.form->ShowMonth(3, 2006);
    s.write(shown.toString(QStringLiteral("'data/'yyyy-MM-dd'.txt'")), "shown");

    s.button(button)->click();
    QCOMPARE(s.form->displayedMonth(), qint16(shown.month()));
    QCOMPARE(s.form->displayedYear(), qint16(shown.year()));
    QCOMPARE(s.title(), QLocale().standaloneMonthName(shown.month()) + '-' + QString::number(shown.year()));
    QCOMPARE(s.box(calendar::GetIndex(1, qint16(shown.month()), qint16(shown.year())))->toPlainText(),
             QStringLiteral("shown"));
}

void tst_monthview::focusEmphasisAndNextMonth()
{
    Run s;
    QVERIFY(s.startShown());
    QCOMPARE(s.title(), QStringLiteral("March-2006"));
    const int k = calendar::GetIndex(14, 3, 2006);
    QCOMPARE(s.day(k)->font().pointSizeF(), 8.25);

    QPlainTextEdit *b = s.clickInto(14);
    QVERIFY(b);
    QCOMPARE(s.form->focusIndex(), qint16(k));
    QCOMPARE(s.form->focusDay(), qint16(14));
    QVERIFY(s.day(k)->font().bold());
    QCOMPARE(s.day(k)->font().pointSizeF(), 9.0);

    QTest::keyClicks(b, QStringLiteral("first"));
    QTest::keyClick(b, Qt::Key_Return);
    QTest::keyClicks(b, QStringLiteral("second"));
    QTest::mouseClick(s.button(QStringLiteral("Command1")), Qt::LeftButton);

    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("first\r\nsecond"));
    QCOMPARE(QDir(s.path("data")).entryList(QDir::Files), QStringList{"2006-03-14.txt"});
    QCOMPARE(s.title(), QStringLiteral("April-2006"));
    QCOMPARE(s.form->focusIndex(), qint16(0));
    QCOMPARE(s.form->focusDay(), qint16(0));
    QVERIFY(!s.day(k)->font().bold());
    QCOMPARE(s.day(k)->font().pointSizeF(), 8.0);
    QVERIFY(s.rec.messages.isEmpty());
}

void tst_monthview::savedBytes_data()
{
    QTest::addColumn<QByteArray>("stored");   // "<none>": no file
    QTest::addColumn<QString>("typed");       // "<clear>": select all and delete
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("untouched: lone CR and LF kept") << QByteArray("a\nb\rc\r\n") << "" << QByteArray("a\nb\rc\r\n");
    QTest::newRow("edited: every break becomes CR LF") << QByteArray("a\nb\rc") << "!" << QByteArray("a\r\nb\r\nc!");
    QTest::newRow("no-break space survives an edit") << QByteArray("a\xa0z") << "!" << QByteArray("a\xa0z!");
    QTest::newRow("emptied box deletes the file") << QByteArray("old") << "<clear>" << QByteArray("<no file>");
    QTest::newRow("a blank is written") << QByteArray("<none>") << " " << QByteArray(" ");
    // The box writes its note as it was read.
    const QByteArray mark("\xef\xbb\xbf");
    QTest::newRow("UTF-8 with the mark: kept") << mark + QStringLiteral("Łódź").toUtf8() << "!"
                                               << mark + QStringLiteral("Łódź!").toUtf8();
    QTest::newRow("UTF-8 without the mark: kept") << QStringLiteral("Łódź").toUtf8() << "é"
                                                  << QStringLiteral("Łódźé").toUtf8();
    QTest::newRow("Windows-1252, untouched: every byte kept") << QByteArray("\xef\xbb\xbf\x81\0\r\xff", 7) << ""
                                                               << QByteArray("\xef\xbb\xbf\x81\0\r\xff", 7);
    QTest::newRow("Windows-1252, its own letters typed: Windows-1252") << QByteArray("caf\xe9") << "€"
                                                                        << QByteArray("caf\xe9\x80");
    QTest::newRow("Windows-1252, other letters typed: UTF-8") << QByteArray("caf\xe9") << "Ł"
                                                               << QStringLiteral("caféŁ").toUtf8();
    QTest::newRow("saved in UTF-8 by a tick, then the other letter taken back: still UTF-8")
        << QByteArray("caf\xe9") << "Ł|\b" << QStringLiteral("café").toUtf8();
}

void tst_monthview::savedBytes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, typed);   // '|': Timer1 ticks; '\b': Backspace
    QFETCH(QByteArray, saved);
    Run s;
    if (stored != "<none>")
        s.write(QStringLiteral("data/2006-03-14.txt"), stored);
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.clickInto(14);
    QVERIFY(b);
    if (typed.startsWith(QLatin1String("<clear>"))) {
        QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(b, Qt::Key_Delete);
        typed = typed.mid(7);
    }
    for (const QChar c : std::as_const(typed)) {
        if (c == u'|')
            s.form->Timer1_Timer();
        else if (c == u'\b')
            QTest::keyClick(b, Qt::Key_Backspace);
        else
            typeText(b, c);
    }
    // Leaving for another note box is a save point too.
    QVERIFY(s.clickInto(15));
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), saved);
}

void tst_monthview::focusReasons_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("saves");
    QTest::addColumn<bool>("stillEdited");   // focus state and emphasis kept
    QTest::newRow("own context menu") << int(Qt::PopupFocusReason) << false << true;
    QTest::newRow("other application's window, and back") << int(Qt::ActiveWindowFocusReason) << true << true;
    QTest::newRow("Tab") << int(Qt::TabFocusReason) << true << false;
}

void tst_monthview::focusReasons()
{
    QFETCH(int, reason);
    QFETCH(bool, saves);
    QFETCH(bool, stillEdited);
    Run s;
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.typeInto(14, QStringLiteral("typed"));
    QVERIFY(b);
    const int k = calendar::GetIndex(14, 3, 2006);
    QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
    QCoreApplication::sendEvent(b, &out);
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), saves ? QByteArray("typed") : QByteArray("<no file>"));
    QCOMPARE(s.form->focusIndex() == k, stillEdited);
    QCOMPARE(s.day(k)->font().bold(), stillEdited);
    QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
    QCoreApplication::sendEvent(b, &in);
    QCOMPARE(s.form->focusIndex(), qint16(k));
    QVERIFY(s.day(k)->font().bold());
    QCOMPARE(s.day(k)->font().pointSizeF(), 9.0);
}

void tst_monthview::timerTickSaves()
{
    Run s;
    QVERIFY(s.startShown());
    QCOMPARE(s.form->Timer1()->interval(), 65535);
    QCOMPARE(s.form->Timer1()->timerType(), Qt::PreciseTimer);   // not rounded to whole seconds
    QVERIFY(s.form->Timer1()->isActive());
    s.form->Timer1_Timer();   // nothing focused: nothing happens
    QVERIFY(QDir(s.path("data")).isEmpty());

    QPlainTextEdit *b = s.typeInto(14, QStringLiteral("tick"));
    QVERIFY(b);
    s.form->Timer1_Timer();
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("tick"));
    QVERIFY(b->hasFocus());
    QCOMPARE(s.form->focusDay(), qint16(14));
    QVERIFY(s.day(calendar::GetIndex(14, 3, 2006))->font().bold());
}

void tst_monthview::closing_data()
{
    QTest::addColumn<QString>("temp");
    QTest::newRow("pages deleted") << "ordinary";
    QTest::newRow("a folder named like a page is left alone") << "folder";
    QTest::newRow("pages that cannot be deleted stop nothing and are told") << "read-only";
}

void tst_monthview::closing()
{
    QFETCH(QString, temp);
    const bool stuckPage = temp == QLatin1String("read-only");
    Run s;
    if (stuckPage) {
        if (::mount("tmpfs", QFile::encodeName(s.path("temp")).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP(qPrintable("Cannot mount a small file system here (needs root): " + QString::fromLocal8Bit(strerror(errno))));
        s.mounts << s.path("temp");
    }
    s.write(QStringLiteral("temp/report-ABC.htm"), "page");
    s.write(QStringLiteral("temp/report-.htm"), "page of an earlier run");
    s.write(QStringLiteral("temp/keep.txt"), "not ours");
    s.write(QStringLiteral("temp/notes.htm"), "not ours");
    if (temp == QLatin1String("folder"))
        QDir(s.path("temp")).mkpath(QStringLiteral("report-STUCK.htm/inside"));
    if (stuckPage) {
        QVERIFY(::mount("tmpfs", QFile::encodeName(s.path("temp")).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                        "size=64k") == 0);
    }
    QVERIFY(s.startShown());

    // Two more windows of the program; shutdown closes the newer first.
    struct Other : QWidget {
        QStringList *closed = nullptr;
        void closeEvent(QCloseEvent *e) override { *closed << objectName(); QWidget::closeEvent(e); }
    } older, newer;
    QStringList closedOrder;
    for (Other *w : {&older, &newer}) {
        w->setObjectName(w == &older ? "older" : "newer");
        w->closed = &closedOrder;
        w->show();
        s.form->windows().add(w);
    }

    QPlainTextEdit *b = s.typeInto(14, QStringLiteral("last words"));
    QVERIFY(b);
    QVERIFY(s.form->close());

    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("last words"));
    QStringList left = QDir(s.path("temp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    QStringList want{"keep.txt", "notes.htm"};
    if (temp == QLatin1String("folder"))
        want << "report-STUCK.htm";
    if (stuckPage)
        want << "report-.htm" << "report-ABC.htm";
    QCOMPARE(left, want);
    QCOMPARE(closedOrder, (QStringList{"newer", "older"}));
    QVERIFY(!s.form->isVisible());
    QVERIFY(s.rec.questions.isEmpty());
    // Told before the window goes, not on a later turn of the event loop.
    QCOMPARE(s.rec.messages.size(), int(stuckPage));
    if (stuckPage)
        QVERIFY2(s.rec.messages[0].contains("temp/report-ABC.htm: Read-only file system"), qPrintable(s.rec.messages[0]));
}

// The layout pass at several window sizes and zooms: the grid fills the
// client area, whatever frame the window has; the top bar's controls stand
// apart, also at a size below the window's minimum, which the window keeps;
// each day number sits whole on the top-right corner of its box, and no
// character of a note lies under it.
void tst_monthview::dayButtonsOnCorners_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("zoom");   // clicks on "+" (above 0) or "-"
    QTest::newRow("design size") << QSize(794, 568) << 0;
    QTest::newRow("odd size") << QSize(803, 577) << 0;
    QTest::newRow("large, larger text") << QSize(1900, 1000) << 12;
    QTest::newRow("small text: lines beside the day number") << QSize(794, 568) << -4;
    QTest::newRow("below the minimum size: the minimum") << QSize(250, 180) << 0;
    QTest::newRow("minimum size, larger text") << QSize(1, 1) << 4;
}

void tst_monthview::dayButtonsOnCorners()
{
    QFETCH(QSize, size);
    QFETCH(int, zoom);
    Run s;
    for (int d = 1; d <= 31; ++d)
        s.write(QStringLiteral("data/2005-10-%1.txt").arg(d, 2, 10, QLatin1Char('0')),
                QByteArray("Dentist cleaning at nine ").repeated(12) + "\r\nsecond line");
    QVERIFY(s.startShown(QDate(2005, 10, 20)));
    for (int i = 0; i < std::abs(zoom); ++i)
        s.button(QLatin1String(zoom > 0 ? "Command7" : "Command8"))->click();
    s.form->resize(size);
    const QSize shown = size.expandedTo(s.form->minimumSize());
    QTRY_COMPARE(s.form->size(), shown);
    QVERIFY(s.form->minimumSize().width() > 250 && s.form->minimumSize().height() > 150);
    QCOMPARE(s.button(QStringLiteral("Command3"))->pos(), QPoint(0, 0));

    // The window has a frame; the grid covers the client area to its
    // right and bottom edges, and no further.
    QVERIFY(s.form->frameGeometry().height() > s.form->geometry().height());
    QRect grid;
    for (int k = 1; k <= 35; ++k)
        grid |= s.box(k)->geometry();
    QCOMPARE(grid, QRect(0, s.box(1)->y(), shown.width(), shown.height() - s.box(1)->y()));

    // The top bar in a row, left to right, each control whole.
    QList<QRect> bar;
    for (const char *name : {"Command3", "Command2", "Label1", "Command1", "Command10", "Command11", "Command7",
                             "Command8", "Command9"})
        bar << s.form->findChild<QWidget *>(QLatin1String(name))->geometry();
    for (int i = 1; i < bar.size(); ++i)
        QVERIFY2(bar[i].left() > bar[i - 1].right(), qPrintable(QString::number(i)));
    QVERIFY(bar.back().right() < shown.width());

    int visible = 0;
    for (int k = 1; k <= 35; ++k) {
        const QPlainTextEdit *b = s.box(k);
        if (b->isHidden())
            continue;
        ++visible;
        const QRect box = b->geometry();
        const QRect day = s.day(k)->geometry();
        QCOMPARE(day.topRight(), box.topRight());
        QVERIFY(day.width() < box.width() && day.height() < box.height());
        // A box shows at least a line of text of the design's size.
        if (zoom == 0)
            QVERIFY(b->viewport()->height() >= 2 * b->document()->documentMargin() + b->fontMetrics().lineSpacing());
        // Every character that shows keeps clear of the day number.
        QTextCursor at(b->document());
        for (int i = 0; i + 1 < b->document()->characterCount(); ++i) {
            at.setPosition(i);
            const QRect before = b->cursorRect(at);
            if (before.top() >= b->viewport()->height())
                break;
            at.setPosition(i + 1);
            const QRect after = b->cursorRect(at);
            if (after.top() != before.top() || b->document()->characterAt(i).isSpace())
                continue;
            const QRect glyph(b->viewport()->mapTo(s.form.get(), before.topLeft()),
                              QSize(after.left() - before.left(), before.height()));
            QVERIFY2(!glyph.intersects(day), qPrintable(QStringLiteral("cell %1, character %2").arg(k).arg(i)));
        }
    }
    QCOMPARE(visible, 31);
    // Day numbers lie over their boxes, and the top bar's buttons over the
    // grid, so a click reaches them.
    const QPlainTextEdit *b = s.box(7);
    QCOMPARE(s.form->childAt(s.day(7)->geometry().center()), s.day(7));
    for (const char *name : {"Command3", "Command2", "Command1", "Command10", "Command11", "Command7", "Command8",
                             "Command9"}) {
        const QPushButton *button = s.button(QLatin1String(name));
        QCOMPARE(s.form->childAt(button->geometry().center()), button);
    }
    QVERIFY(b->isVisible());
}

// Every note box's frame is one device pixel wide on each side, none
// missing: two between neighbours, one at the grid's edges. ctest runs this
// at the scales 1, 1.25 and 1.5 (QT_SCALE_FACTOR), where a line one pixel of
// the window wide would cover one device pixel here and two there.
void tst_monthview::cellFramesInDevicePixels()
{
    Run s;
    QVERIFY(s.startShown(QDate(2005, 10, 20)));   // October 2005: cells 7 ... 35
    const QImage shot = s.form->grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    const QRgb line = s.form->palette().color(QPalette::Window).darker(140).lighter(108).rgb();
    // The lengths of the runs of the frame's colour along a line of pixels.
    const auto runs = [&](QPoint from, QPoint step, int count) {
        QList<int> found;
        int run = 0;
        for (int i = 0; i <= count; ++i) {
            const QPoint at = from + step * i;
            if (i < count && (shot.pixel(at) & 0xFFFFFF) == (line & 0xFFFFFF)) {
                ++run;
            } else if (run > 0) {
                found << run;
                run = 0;
            }
        }
        return found;
    };
    // Across the second row, and down the Saturday column below the headings.
    const QRect row = s.box(8)->geometry().united(s.box(14)->geometry());
    const QList<int> across = runs(QPoint(0, qRound(row.center().y() * scale)), QPoint(1, 0), shot.width());
    QCOMPARE(across, (QList<int>{1, 2, 2, 2, 2, 2, 2, 1}));
    const int top = qRound(s.box(7)->y() * scale);
    const QList<int> down = runs(QPoint(qRound(s.box(7)->geometry().center().x() * scale), top), QPoint(0, 1),
                                 shot.height() - top);
    QCOMPARE(down, (QList<int>{1, 2, 2, 2, 2, 1}));
    QVERIFY(scale >= 1);
}

void tst_monthview::zoom()
{
    Run s;
    QVERIFY(s.startShown(QDate(2006, 1, 10)));   // January 2006: cells 32-35 hidden
    const auto sizes = [&](int k) { return s.box(k)->font().pointSizeF(); };
    QCOMPARE(sizes(1), 9.0);
    for (int i = 0; i < 10; ++i)
        s.button(QStringLiteral("Command8"))->click();
    QCOMPARE(sizes(1), 1.0);    // 9 ... 1, then held
    QCOMPARE(sizes(35), 1.0);   // hidden this month, zoomed all the same
    for (int i = 0; i < 8; ++i)
        s.button(QStringLiteral("Command7"))->click();
    QCOMPARE(sizes(14), 9.0);
    for (int i = 0; i < 70; ++i)
        s.button(QStringLiteral("Command7"))->click();
    QCOMPARE(sizes(20), 72.0);
    s.button(QStringLiteral("Command1"))->click();
    QCOMPARE(sizes(20), 72.0);   // navigation keeps the zoom
    QCOMPARE(sizes(0), 9.0);     // the template stays
    QCOMPARE(s.day(20)->font().pointSizeF(), 8.25);
}

void tst_monthview::layoutPassKeepsTypedText()
{
    Run s;
    s.write(QStringLiteral("data/2006-03-14.txt"), "old");
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.typeInto(14, QStringLiteral(" and new"));
    QVERIFY(b);
    QTest::keyClick(b, Qt::Key_Left);
    s.form->resize(900, 650);
    QTRY_COMPARE(s.form->size(), QSize(900, 650));
    s.form->Form_Resize();
    QCOMPARE(b->toPlainText(), QStringLiteral("old and new"));
    QCOMPARE(b->textCursor().position(), 10);
    QVERIFY(b->hasFocus());
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("old and new"));
}

void tst_monthview::unsavedNoteIsKept_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("reason");
    QTest::newRow("data is a file") << "file" << "Not a directory";
    QTest::newRow("full disk") << "full" << "No space left on device";
}

void tst_monthview::unsavedNoteIsKept()
{
    QFETCH(QString, failure);
    QFETCH(QString, reason);
    Run s(failure != QLatin1String("file"));
    const QString data = s.path(QStringLiteral("data"));
    if (failure == QLatin1String("file")) {
        s.write(QStringLiteral("data"), "a file where the folder should be");
    } else {
        if (::mount("tmpfs", QFile::encodeName(data).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP(qPrintable("Cannot mount a small file system here (needs root): " + QString::fromLocal8Bit(strerror(errno))));
        s.mounts << data;
        QFile filler(data + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.typeInto(14, QStringLiteral("keep me"));
    QVERIFY(b);
    QTest::mouseClick(s.button(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(s.title(), QStringLiteral("April-2006"));
    QTRY_COMPARE(s.rec.messages.size(), 1);
    QVERIFY2(s.rec.messages[0].contains("14 March 2006") && s.rec.messages[0].contains(reason),
             qPrintable(s.rec.messages[0]));

    // Back in March the text is still there, and ticks do not repeat the message.
    QTest::mouseClick(s.button(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(b->toPlainText(), QStringLiteral("keep me"));
    s.form->Timer1_Timer();
    s.form->Form_Resize();
    QCoreApplication::processEvents();
    QCOMPARE(s.rec.messages.size(), 1);
    QCOMPARE(s.form->unsavedNotes().size(), 1);

    // Once the disk takes it again, the next save point writes it.
    if (failure == QLatin1String("file")) {
        QVERIFY(QFile::remove(data));
        QVERIFY(QDir().mkdir(data));
    } else {
        QVERIFY(QFile::remove(data + QStringLiteral("/filler")));
    }
    s.form->Timer1_Timer();
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("keep me"));
    QVERIFY(s.form->unsavedNotes().isEmpty());
}

void tst_monthview::closingWithUnsavedNoteAsks()
{
    Run s(false);
    s.write(QStringLiteral("data"), "a file where the folder should be");
    s.write(QStringLiteral("temp/report-A.htm"), "page");
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.typeInto(14, QStringLiteral("unsaved"));
    QVERIFY(b);

    s.rec.answer = false;
    QVERIFY(!s.form->close());
    QCOMPARE(s.rec.questions.size(), 1);
    QVERIFY2(s.rec.questions[0].contains("14 March 2006"), qPrintable(s.rec.questions[0]));
    QVERIFY(s.form->isVisible());
    QCOMPARE(b->toPlainText(), QStringLiteral("unsaved"));
    QVERIFY(QFile::exists(s.path("temp/report-A.htm")));
    QCOMPARE(s.form->focusIndex(), qint16(calendar::GetIndex(14, 3, 2006)));   // still being edited

    s.rec.answer = true;
    QVERIFY(s.form->close());
    QCOMPARE(s.rec.questions.size(), 2);
    QVERIFY(!QFile::exists(s.path("temp/report-A.htm")));
    QCoreApplication::processEvents();
    QVERIFY(s.rec.messages.isEmpty());   // the question said it all
}

// The session's end runs the window's shutdown; the session manager is asked
// for leave to interact only when there is something to ask.
void tst_monthview::endOfSession_data()
{
    QTest::addColumn<bool>("dataWritable");
    QTest::addColumn<bool>("interactionAllowed");
    QTest::addColumn<bool>("closeAnyway");    // the user's answer
    QTest::addColumn<bool>("ends");
    QTest::addColumn<int>("asked");           // for leave to interact
    QTest::newRow("note saved: nobody asked") << true << true << true << true << 0;
    QTest::newRow("unsaved note, user keeps the window") << false << true << false << false << 1;
    QTest::newRow("unsaved note, user gives it up") << false << true << true << true << 1;
    QTest::newRow("unsaved note, no interaction allowed") << false << false << false << true << 1;
}

void tst_monthview::endOfSession()
{
    QFETCH(bool, dataWritable);
    QFETCH(bool, interactionAllowed);
    QFETCH(bool, closeAnyway);
    QFETCH(bool, ends);
    QFETCH(int, asked);
    Run s(dataWritable);
    if (!dataWritable)
        s.write(QStringLiteral("data"), "a file where the folder should be");
    s.write(QStringLiteral("temp/report-A.htm"), "page");
    QVERIFY(s.startShown());
    QVERIFY(s.typeInto(14, QStringLiteral("last words")));
    s.rec.answer = closeAnyway;
    int askedFor = 0;
    QCOMPARE(s.form->endSession([&] { return ++askedFor, interactionAllowed; }), ends);
    QCOMPARE(askedFor, asked);
    QCOMPARE(s.form->hasEnded(), ends);
    QCOMPARE(s.form->isVisible(), !ends);
    QCOMPARE(s.rec.questions.size(), int(!dataWritable && interactionAllowed));
    QCOMPARE(QFile::exists(s.path("temp/report-A.htm")), !ends);
    if (dataWritable)
        QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("last words"));
    QCoreApplication::processEvents();
    QVERIFY(s.rec.messages.isEmpty());
}

// The focused note and one changed without the focus both fail on one click:
// one message names both.
void tst_monthview::failuresOfOneClickToldTogether()
{
    Run s(false);
    s.write(QStringLiteral("data"), "a file where the folder should be");
    QVERIFY(s.startShown());
    QTextCursor(s.box(calendar::GetIndex(15, 3, 2006))->document()).insertText(QStringLiteral("changed"));
    QVERIFY(s.typeInto(14, QStringLiteral("typed")));
    QTest::mouseClick(s.button(QStringLiteral("Command1")), Qt::LeftButton);
    QTRY_COMPARE(s.rec.messages.size(), 1);
    QVERIFY2(s.rec.messages[0].contains("14 March 2006") && s.rec.messages[0].contains("15 March 2006"),
             qPrintable(s.rec.messages[0]));
    QCOMPARE(s.form->unsavedNotes().size(), 2);
}

void tst_monthview::unreadableNoteIsLeftAlone_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder at the note's path") << "folder" << "data/2006-03-14.txt: Is a directory";
    QTest::newRow("a sparse file of 1 TiB") << "1 TiB"
                                            << "data/2006-03-14.txt: too large to show (1 TiB";
}

void tst_monthview::unreadableNoteIsLeftAlone()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, reason);
    Run s;
    const qint64 tebibyte = qint64(1) << 40;
    if (obstacle == QLatin1String("folder")) {
        QDir(s.path("data")).mkpath(QStringLiteral("2006-03-14.txt/inside"));
    } else {
        s.write(QStringLiteral("data/2006-03-14.txt"), "");
        QVERIFY(QFile::resize(s.path("data/2006-03-14.txt"), tebibyte));
    }
    s.write(QStringLiteral("data/2006-03-15.txt"), "readable");
    QVERIFY(s.startShown());
    const int k = calendar::GetIndex(14, 3, 2006);
    QVERIFY(s.box(k)->isReadOnly());
    QVERIFY2(s.box(k)->toPlainText().contains(reason), qPrintable(s.box(k)->toPlainText()));
    QCOMPARE(s.box(k + 1)->toPlainText(), QStringLiteral("readable"));

    // Every save point passes the cell by.
    QPlainTextEdit *b = s.typeInto(14, QStringLiteral("typed"));
    QVERIFY(b);
    s.form->Timer1_Timer();
    QVERIFY(s.clickInto(15));
    s.form->Form_Resize();
    QVERIFY(s.clickInto(14));
    QVERIFY(s.form->close());
    if (obstacle == QLatin1String("folder"))
        QVERIFY(QFileInfo(s.path("data/2006-03-14.txt/inside")).isDir());
    else
        QCOMPARE(QFileInfo(s.path("data/2006-03-14.txt")).size(), tebibyte);
    QCOMPARE(s.read(QStringLiteral("data/2006-03-15.txt")), QByteArray("readable"));
    QVERIFY(s.rec.messages.isEmpty());
}

void tst_monthview::unfocusedBoxLooksFull_data()
{
    QTest::addColumn<QByteArray>("note");
    QTest::addColumn<QSize>("size");     // empty: the design size
    QTest::addColumn<int>("zoomOut");    // clicks on "-"
    const QByteArray shortLines = longNote(300, 5);
    QTest::newRow("short lines") << shortLines << QSize() << 0;
    QTest::newRow("lines that wrap") << longNote(60, 60) << QSize() << 0;
    // Narrow letters wrap late: the most characters a line can hold.
    QTest::newRow("one line without breaks") << QByteArray("ill il. ").repeated(400) << QSize() << 0;
    QTest::newRow("larger window") << shortLines << QSize(1900, 1000) << 0;
    QTest::newRow("smaller font") << shortLines << QSize() << 5;
    QTest::newRow("smallest font") << shortLines << QSize() << 8;
    QTest::newRow("smallest font, one line") << QByteArray("ill il. ").repeated(2000) << QSize() << 8;
    // Letters measured one by one: pairs that kern closer, blanks and tabs
    // that take no room at a line's end, wide letters, a wider box.
    QTest::newRow("kerned pairs") << QByteArray("P,AVAYo.TyLT'P.").repeated(300) << QSize() << 0;
    QTest::newRow("kerned pairs, smallest font") << QByteArray("P,AVAYo.TyLT'").repeated(1000) << QSize() << 8;
    QTest::newRow("blanks and tabs") << QByteArray("a  \t\t  b \t").repeated(400) << QSize() << 0;
    QTest::newRow("wide letters") << longNote(40, 60).replace('o', 'W') << QSize() << 0;
    QTest::newRow("lines that wrap, larger window") << longNote(60, 60) << QSize(1900, 1000) << 0;
    QTest::newRow("outside Latin-1") << QByteArray("\x85\x95\x96 \x80 ").repeated(400) << QSize() << 0;
}

void tst_monthview::unfocusedBoxLooksFull()
{
    QFETCH(QByteArray, note);
    QFETCH(QSize, size);
    QFETCH(int, zoomOut);
    Run s;
    s.write(QStringLiteral("data/2006-03-14.txt"), note);
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.box(calendar::GetIndex(14, 3, 2006));
    const QString whole = editorText(note);
    // Held short of the whole note, yet full to the bottom edge.
    QVERIFY(b->toPlainText().size() < whole.size());
    QVERIFY(looksFull(b, whole));

    if (size.isValid()) {
        s.form->resize(size);
        QTRY_COMPARE(s.form->size(), size);
    }
    for (int i = 0; i < zoomOut; ++i)
        s.button(QStringLiteral("Command8"))->click();
    QVERIFY2(looksFull(b, whole), qPrintable(QStringLiteral("holds %1 of %2 characters, %3 px high in %4")
                                                  .arg(b->toPlainText().size())
                                                  .arg(whole.size())
                                                  .arg(heldHeight(b))
                                                  .arg(b->viewport()->height())));
    // Showing less of a note never writes it.
    QVERIFY(s.form->close());
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), note);
}

void tst_monthview::focusBringsWholeNote_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click on the second line") << "click";
    QTest::newRow("Tab from the day before") << "tab";
    QTest::newRow("right click, Select All") << "menu";
}

void tst_monthview::focusBringsWholeNote()
{
    QFETCH(QString, how);
    Run s;
    const QByteArray note = longNote(80, 40);
    s.write(QStringLiteral("data/2006-03-14.txt"), note);
    // One line that wraps below the bottom edge, held whole; one that fits.
    s.write(QStringLiteral("data/2006-03-21.txt"), QByteArray("word ").repeated(35));
    s.write(QStringLiteral("data/2006-03-22.txt"), "short");
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.box(calendar::GetIndex(14, 3, 2006));
    const QString whole = editorText(note);
    QVERIFY(b->toPlainText() != whole);

    const QPoint secondLine(30, b->fontMetrics().lineSpacing() * 3 / 2 + 4);
    if (how == QLatin1String("click")) {
        QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, secondLine);
    } else if (how == QLatin1String("tab")) {
        QVERIFY(s.clickInto(13));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } else {
        // The press gives the focus; the menu opens on the release.
        QTest::mouseClick(b->viewport(), Qt::RightButton, {}, secondLine);
        QVERIFY(b->hasFocus());
        QContextMenuEvent open(QContextMenuEvent::Mouse, secondLine, b->viewport()->mapToGlobal(secondLine));
        QCoreApplication::sendEvent(b->viewport(), &open);
    }
    QTRY_VERIFY(b->hasFocus() || QApplication::activePopupWidget());
    QCOMPARE(b->toPlainText(), whole);
    QCOMPARE(b->verticalScrollBar()->value(), 0);
    if (how == QLatin1String("click"))
        QCOMPARE(b->textCursor().position(), b->cursorForPosition(secondLine).position());
    if (how == QLatin1String("menu")) {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *selectAll = menu->findChild<QAction *>(QStringLiteral("select-all"));
        QVERIFY(selectAll);
        selectAll->trigger();
        menu->close();
        QCOMPARE(b->textCursor().selectedText().size(), whole.size());
        QTest::keyClick(b, Qt::Key_Right);
    }

    QTest::keyClick(b, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(b, QStringLiteral("!"));
    QVERIFY(b->verticalScrollBar()->value() > 0);
    QVERIFY(s.clickInto(20));
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), note + "!");
    // The box left shows the beginning of its note again, and says that it
    // holds more, as the box of a line that wraps below its edge does;
    // boxes whose text all shows do not.
    QCOMPARE(b->verticalScrollBar()->value(), 0);
    const auto holdsMore = [&](qint16 day) {
        return static_cast<monthview::NoteBox *>(s.box(calendar::GetIndex(day, 3, 2006)))->holdsMore();
    };
    QVERIFY(holdsMore(14));
    QVERIFY(holdsMore(21));
    QCOMPARE(s.box(calendar::GetIndex(21, 3, 2006))->toPlainText().size(), 35 * 5);
    QVERIFY(!holdsMore(20));
    QVERIFY(!holdsMore(22));
}

void tst_monthview::savesWriteWholeNote_data()
{
    QTest::addColumn<QString>("savePoint");
    QTest::addColumn<bool>("editedWithoutFocus");
    for (const char *point : {"UpdateDay", "next month", "layout pass", "close"}) {
        QTest::addRow("untouched, %s", point) << point << false;
        QTest::addRow("changed by assistive technology, %s", point) << point << true;
    }
}

void tst_monthview::savesWriteWholeNote()
{
    QFETCH(QString, savePoint);
    QFETCH(bool, editedWithoutFocus);
    Run s;
    // Lone CR and LF far past what the box shows: an untouched note keeps them.
    const QByteArray note = longNote(80, 20, "\nlone LF\rlone CR");
    s.write(QStringLiteral("data/2006-03-14.txt"), note);
    QVERIFY(s.startShown());
    const int k = calendar::GetIndex(14, 3, 2006);
    QPlainTextEdit *b = s.box(k);
    QVERIFY(b->toPlainText().size() < editorText(note).size());
    QByteArray want = note;
    if (editedWithoutFocus) {
        QTextCursor(b->document()).insertText(QStringLiteral("X"));
        QCOMPARE(b->toPlainText(), QString("X" + editorText(note)).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        want = "X" + QByteArray(note).replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    }

    if (savePoint == QLatin1String("UpdateDay"))
        s.form->UpdateDay(qint16(k), 3, 2006);
    else if (savePoint == QLatin1String("next month"))
        s.button(QStringLiteral("Command1"))->click();
    else if (savePoint == QLatin1String("layout pass"))
        s.form->Form_Resize();
    else
        QVERIFY(s.form->close());
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), want);
    QVERIFY(s.rec.messages.isEmpty());
}

void tst_monthview::unfocusedBoxChangedOrScrolled_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("savePoint");   // the first one that must have saved the drop
    QTest::newRow("drop, then a tick") << "drop" << "tick";
    QTest::newRow("drop, then another box takes the focus") << "drop" << "focus";
    QTest::newRow("drop, then the focus leaves a box") << "drop" << "focus out";
    QTest::newRow("drop, then close") << "drop" << "close";
    QTest::newRow("wheel") << "wheel" << "close";
}

void tst_monthview::unfocusedBoxChangedOrScrolled()
{
    QFETCH(QString, event);
    QFETCH(QString, savePoint);
    Run s;
    const QByteArray note = longNote(80, 20);
    s.write(QStringLiteral("data/2006-03-14.txt"), note);
    QVERIFY(s.startShown());
    if (savePoint == QLatin1String("focus out"))
        QVERIFY(s.clickInto(20));
    QPlainTextEdit *b = s.box(calendar::GetIndex(14, 3, 2006));
    const QString whole = editorText(note);
    QVERIFY(b->toPlainText() != whole);
    const QPoint at(5, 5);

    if (event == QLatin1String("drop")) {
        dropText(b, QStringLiteral("dropped "));
        QVERIFY(b->toPlainText().contains(QLatin1String("dropped ")));
        QCOMPARE(QString(b->toPlainText()).remove(QStringLiteral("dropped ")), whole);
    } else {
        QWheelEvent wheel(at, b->viewport()->mapToGlobal(at), {}, QPoint(0, -360), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(b->viewport(), &wheel);
        QCOMPARE(b->toPlainText(), whole);
    }
    if (savePoint == QLatin1String("tick"))
        s.form->Timer1_Timer();
    else if (savePoint == QLatin1String("focus"))
        QVERIFY(s.clickInto(20));
    else if (savePoint == QLatin1String("focus out"))
        QTest::mouseClick(s.button(QStringLiteral("Command3")), Qt::LeftButton);
    if (savePoint != QLatin1String("close"))
        QVERIFY(s.read(QStringLiteral("data/2006-03-14.txt")).contains("dropped "));
    QVERIFY(s.form->close());
    const QByteArray saved = s.read(QStringLiteral("data/2006-03-14.txt"));
    QCOMPARE(QByteArray(saved).replace("dropped ", ""), note);
    QCOMPARE(saved.contains("dropped "), event == QLatin1String("drop"));
}

void tst_monthview::unsavedLongNoteIsKept()
{
    Run s(false);
    s.write(QStringLiteral("data"), "a file where the folder should be");
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.clickInto(14);
    QVERIFY(b);
    const QByteArray typed = longNote(80, 30);
    b->insertPlainText(editorText(typed));   // as a paste does
    QTest::mouseClick(s.button(QStringLiteral("Command1")), Qt::LeftButton);
    QTest::mouseClick(s.button(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(s.title(), QStringLiteral("March-2006"));
    QVERIFY(looksFull(b, editorText(typed)));
    s.form->Form_Resize();
    s.form->Timer1_Timer();

    QVERIFY(QFile::remove(s.path("data")));
    QVERIFY(QDir().mkdir(s.path("data")));
    s.form->Timer1_Timer();
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), typed);
    QVERIFY(s.form->unsavedNotes().isEmpty());
    QVERIFY(s.clickInto(14));
    QCOMPARE(b->toPlainText(), editorText(typed));
}

// A note changed by others (a sync tool, an editor) shows in its box without
// a click, and a box the user did not edit never writes it back, deletes it
// or brings it back. A box being typed into keeps the typed text, which
// becomes the note; the other version is kept as a copy, and the user is
// told its name. "<none>": no file.
void tst_monthview::changedOutside_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("focused");   // the box has the focus when the file changes
    QTest::addColumn<QString>("typed");  // into the box before the file changes
    QTest::addColumn<QByteArray>("outside");
    QTest::addColumn<QString>("how");    // "": the note is written; "left at once", "overflow": see below
    const QByteArray none("<none>");
    QTest::newRow("changed, then clicked in and out") << QByteArray("old") << false << "" << QByteArray("new") << "";
    QTest::newRow("changed while the box has the focus")
        << QByteArray("old") << true << "" << QByteArray("new") << "";
    QTest::newRow("changed while the box has the focus, left before the watch tells")
        << QByteArray("old") << true << "" << QByteArray("new") << "left at once";
    QTest::newRow("deleted, then clicked in and out") << QByteArray("old") << false << "" << none << "";
    QTest::newRow("deleted while the box has the focus") << QByteArray("old") << true << "" << none << "";
    QTest::newRow("created for an empty day") << none << false << "" << QByteArray("new") << "";
    QTest::newRow("long note shortened, box held its start")
        << longNote(80, 40) << false << "" << QByteArray("short") << "";
    QTest::newRow("changed while being edited: both kept")
        << QByteArray("old") << true << " typed" << QByteArray("new") << "";
    QTest::newRow("deleted while being edited: the typed text saved")
        << QByteArray("old") << true << " typed" << none << "";
    QTest::newRow("created while an empty day is being typed into: both kept")
        << none << true << "typed" << QByteArray("new") << "";
    // More changes at once than the kernel queues for the watch: every
    // note shown is read once more.
    QTest::newRow("the kernel's queue overflows") << QByteArray("old") << false << "" << QByteArray("new")
                                                  << "overflow";
}

void tst_monthview::changedOutside()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, focused);
    QFETCH(QString, typed);
    QFETCH(QByteArray, outside);
    QFETCH(QString, how);
    Run s;
    const QString note = QStringLiteral("data/2006-03-14.txt");
    if (stored != "<none>")
        s.write(note, stored);
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.box(calendar::GetIndex(14, 3, 2006));
    if (focused)
        QVERIFY(s.clickInto(14));
    QTest::keyClicks(b, typed);
    auto *watch = s.form->findChild<notesearch::NoteWatch *>();
    QVERIFY(watch);
    QSignalSpy changes(watch, &notesearch::NoteWatch::changed);

    if (how == QLatin1String("overflow")) {
        const int files = testsupport::filesThatOverflowTheWatch();
        if (files == 0)
            QSKIP("the kernel queues too many events here to make it overflow cheaply");
        for (int i = 0; i < files; ++i)
            s.write(QStringLiteral("data/other-%1").arg(i), {});
    }
    if (outside == "<none>")
        QVERIFY(QFile::remove(s.path(note)));
    else
        s.write(note, outside);
    // A box left before the watch tells of the change, but never edited,
    // writes nothing over it.
    if (how == QLatin1String("left at once"))
        QVERIFY(s.clickInto(15));
    const QByteArray kept = (stored == "<none>" ? QByteArray() : stored) + typed.toLatin1();
    const QString shown = !typed.isEmpty() ? editorText(kept) : outside == "<none>" ? QString() : editorText(outside);
    QTRY_VERIFY(!changes.isEmpty());
    QTRY_COMPARE(b->toPlainText(), shown);

    QVERIFY(s.clickInto(14));
    QVERIFY(s.clickInto(15));
    s.form->Timer1_Timer();
    s.button(QStringLiteral("Command1"))->click();
    s.button(QStringLiteral("Command2"))->click();
    QVERIFY(s.form->close());
    QCOMPARE(s.read(note), !typed.isEmpty() ? kept : outside == "<none>" ? QByteArray("<no file>") : outside);
    QCOMPARE(b->toPlainText(), shown);
    const QStringList copies =
        QDir(s.path("data")).entryList({QStringLiteral("2006-03-14 (changed outside *).txt")}, QDir::Files);
    if (typed.isEmpty() || outside == "<none>") {
        QCOMPARE(copies, QStringList());
        QVERIFY(s.rec.messages.isEmpty());
        return;
    }
    QCOMPARE(copies.size(), 1);
    QCOMPARE(s.read(QStringLiteral("data/") + copies[0]), outside);
    QTRY_COMPARE(s.rec.messages.size(), 1);
    QVERIFY2(s.rec.messages[0].contains("14 March 2006") && s.rec.messages[0].contains("data/" + copies[0]),
             qPrintable(s.rec.messages[0]));
}

// Text comes in as it is, in every script, and nothing is said of it: a
// note that Windows-1252 cannot hold is written in UTF-8.
void tst_monthview::textComesInAsItIs_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("saved");
    const QString lodz = QStringLiteral("Łódź €5 東京 Привет ✈");
    QTest::newRow("typed") << "typed" << lodz << lodz.toUtf8();
    QTest::newRow("pasted, two lines") << "pasted" << QStringLiteral("Łódź, Łeba\nŻary")
                                       << QStringLiteral("Łódź, Łeba\r\nŻary").toUtf8();
    QTest::newRow("typed, characters beyond 16 bits") << "typed" << QStringLiteral("a😀b😁")
                                                      << QStringLiteral("a😀b😁").toUtf8();
    QTest::newRow("input method") << "input method" << QStringLiteral("東京 Ωmega") << QStringLiteral("東京 Ωmega").toUtf8();
    QTest::newRow("dropped, right to left and combining") << "dropped" << QStringLiteral("שלום e\u0301")
                                                          << QStringLiteral("שלום e\u0301").toUtf8();
    QTest::newRow("the code page's own letters: Windows-1252")
        << "pasted" << QStringLiteral("€ „Œuvre” – ½ ÿ") << QByteArray("\x80 \x84\x8cuvre\x94 \x96 \xbd \xff");
}

void tst_monthview::textComesInAsItIs()
{
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QByteArray, saved);
    Run s;
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.clickInto(14);
    QVERIFY(b);
    if (how == QLatin1String("typed")) {
        typeText(b, text);
    } else if (how == QLatin1String("pasted")) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    } else if (how == QLatin1String("input method")) {
        QInputMethodEvent composing(text, {});
        QCoreApplication::sendEvent(b, &composing);
        QCOMPARE(b->toPlainText(), QString());   // composing is not typing yet
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(b, &commit);
    } else {
        dropText(b, text);
    }
    QCOMPARE(b->toPlainText(), text);
    s.form->Timer1_Timer();
    QVERIFY(s.clickInto(15));
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), saved);

    // Another month and back: the note as typed.
    s.button(QStringLiteral("Command1"))->click();
    s.button(QStringLiteral("Command2"))->click();
    QCOMPARE(b->toPlainText(), text);
    QCoreApplication::processEvents();
    QVERIFY(s.rec.messages.isEmpty());
}

// "Print" makes its page all the same and says what the user cannot see.
void tst_monthview::printTellsWhatIsMissing_data()
{
    QTest::addColumn<QString>("viewerFails");
    QTest::addColumn<bool>("noteUnsaved");
    QTest::newRow("no viewer") << "xdg-open is not installed" << false;
    QTest::newRow("viewer ends with a failure") << "xdg-open ended with status 3" << false;
    QTest::newRow("typed note not saved") << "" << true;
    QTest::newRow("both, in one message") << "xdg-open is not installed" << true;
}

void tst_monthview::printTellsWhatIsMissing()
{
    QFETCH(QString, viewerFails);
    QFETCH(bool, noteUnsaved);
    Run s;
    s.rec.viewerFails = viewerFails;
    if (noteUnsaved)
        QVERIFY(QFile::remove(s.path("data/")) || QDir(s.path("data")).removeRecursively());
    QVERIFY(s.startShown());
    if (noteUnsaved) {
        s.write(QStringLiteral("data"), "a file where the folder should be");
        QVERIFY(s.typeInto(14, QStringLiteral("typed")));
    }
    QTest::mouseClick(s.button(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(s.rec.opened.size(), 1);
    const QString page = s.rec.opened[0];
    QVERIFY(QFile::exists(page));
    QTRY_COMPARE(s.rec.messages.size(), 1);
    const QString &told = s.rec.messages[0];
    QCOMPARE(told.contains(page), !viewerFails.isEmpty());
    QCOMPARE(told.contains(viewerFails), true);
    QCOMPARE(told.contains("leaves out the notes that could not be saved: 14 March 2006"), noteUnsaved);

    // The page stays until the window closes.
    s.form->Timer1_Timer();
    QVERIFY(QFile::exists(page));
    s.rec.answer = true;
    QVERIFY(s.form->close());
    QVERIFY(!QFile::exists(page));
}

// The note typed last is saved by the click and is on the page; each press
// makes its own page, the first one temp/ as well; closing the window takes
// them all away.
void tst_monthview::printTypedNote()
{
    Run s;
    QVERIFY(QDir(s.path("temp")).removeRecursively());
    QVERIFY(s.startShown(QDate(2006, 3, 14)));
    QVERIFY(s.typeInto(14, QStringLiteral("Tea & cake")));
    QTest::mouseClick(s.button(QStringLiteral("Command3")), Qt::LeftButton);
    QTest::mouseClick(s.button(QStringLiteral("Command3")), Qt::LeftButton);

    QCOMPARE(s.rec.messages, QStringList());
    QCOMPARE(s.rec.opened.size(), 2);
    QVERIFY(s.rec.opened.at(0) != s.rec.opened.at(1));
    for (const QString &path : std::as_const(s.rec.opened)) {
        QCOMPARE(testsupport::readFile(path), QByteArray("<html><head></head><body><hr><b>14-March-2006 Tuesday"
                                                         "</b><br>Tea &amp; cake</body></html>"));
    }
    s.form->close();
    QCOMPARE(QDir(s.path("temp")).entryList(QDir::Files), QStringList());
}

void tst_monthview::aboutAtCornerClosedWithWindow()
{
    Run s;
    QVERIFY(s.startShown());
    s.form->move(40, 30);
    QTest::mouseClick(s.button(QStringLiteral("Command9")), Qt::LeftButton);
    QTest::mouseClick(s.button(QStringLiteral("Command9")), Qt::LeftButton);
    QList<QPointer<frmAbout>> open;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<frmAbout *>(w); box && box->isVisible())
            open << box;
    }
    QCOMPARE(open.size(), 1);
    QCOMPARE(open.at(0)->frameGeometry().topLeft(), s.form->frameGeometry().topLeft());
    s.form->close();
    QTRY_VERIFY(open.at(0).isNull());
}

// Each key while typing in a note of March 2006, against a click on its
// button: the same month, the same note saved, the same zoom and printed
// pages. Then the typing goes on: in the same box with the text cursor
// where it was, or after a month or year key in the box of the same day
// number (its last day in a shorter month), at the end of its note; a space
// typed there presses no button. Pressed while a button has the focus, a
// key leaves the focus on its own button, as a click does.
void tst_monthview::keys_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("from");        // day of March typed in; 0: "Print" has the focus
    QTest::addColumn<QDate>("goesOn");    // where the typing goes on; invalid: the same box
    QTest::addColumn<int>("firstWeekday");
    const QKeySequence next(Qt::CTRL | Qt::Key_PageDown), previous(Qt::CTRL | Qt::Key_PageUp);
    const QKeySequence print(Qt::CTRL | Qt::Key_P);
    const int sunday = calendar::kSundayFirst, monday = sunday + 1;   // the week's first day
    QTest::newRow("Ctrl+Page Down: Next Month >") << next << "Command1" << 14 << QDate(2006, 4, 14) << sunday;
    QTest::newRow("Ctrl+Page Up: < Prev Month") << previous << "Command2" << 14 << QDate(2006, 2, 14) << sunday;
    QTest::newRow("Ctrl+Shift+Page Down: Yr >")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown) << "Command11" << 14 << QDate(2007, 3, 14) << sunday;
    QTest::newRow("Ctrl+Shift+Page Up: < Yr")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp) << "Command10" << 14 << QDate(2005, 3, 14) << sunday;
    QTest::newRow("Ctrl+Page Down from the 31st: the 30th") << next << "Command1" << 31 << QDate(2006, 4, 30) << sunday;
    QTest::newRow("Ctrl+Page Up from the 31st: the 28th") << previous << "Command2" << 31 << QDate(2006, 2, 28) << sunday;
    QTest::newRow("Ctrl+Page Down in a week from Monday")
        << next << "Command1" << 14 << QDate(2006, 4, 14) << monday;
    QTest::newRow("Ctrl+P: Print") << print << "Command3" << 14 << QDate() << sunday;
    QTest::newRow("Ctrl+Plus: +") << QKeySequence(Qt::CTRL | Qt::Key_Plus) << "Command7" << 14 << QDate() << sunday;
    QTest::newRow("Ctrl+=: +") << QKeySequence(Qt::CTRL | Qt::Key_Equal) << "Command7" << 14 << QDate() << sunday;
    QTest::newRow("Ctrl+Minus: -") << QKeySequence(Qt::CTRL | Qt::Key_Minus) << "Command8" << 14 << QDate() << sunday;
    QTest::newRow("Ctrl+Page Down on a button") << next << "Command1" << 0 << QDate() << sunday;
    QTest::newRow("Ctrl+P on a button") << print << "Command3" << 0 << QDate() << sunday;
}

void tst_monthview::keys()
{
    QFETCH(QKeySequence, key);
    QFETCH(QString, button);
    QFETCH(int, from);
    QFETCH(QDate, goesOn);
    QFETCH(int, firstWeekday);
    const qint16 day = qint16(from ? from : 14);
    const int k = calendar::GetIndex(day, 3, 2006, firstWeekday);
    const QString march = QStringLiteral("data/2006-03-%1.txt").arg(day);
    Run clickRun, keyRun;
    const auto outcome = [&](Run &s, bool byKey) {
        s.write(QStringLiteral("data/2006-04-02.txt"), "April");
        if (!s.startShown(QDate(2006, 3, 20), firstWeekday))
            return QStringList{"not shown"};
        QPlainTextEdit *b = s.typeInto(day, QStringLiteral("typed"));
        if (!b)
            return QStringList{"no focus"};
        // The text cursor in the middle of the note, and the box scrolled.
        QTest::keyClick(b, Qt::Key_Left);
        QTest::keyClick(b, Qt::Key_Left);
        if (from == 0)
            s.button(QStringLiteral("Command3"))->setFocus(Qt::TabFocusReason);
        if (byKey)
            QTest::keySequence(QApplication::focusWidget(), key);
        else
            QTest::mouseClick(s.button(button), Qt::LeftButton);
        return QStringList{s.title(), s.read(march), s.box(calendar::GetIndex(2, 4, 2006, firstWeekday))->toPlainText(),
                           QString::number(s.box(k)->font().pointSizeF()), QString::number(s.rec.opened.size()),
                           s.rec.messages.join('|')};
    };
    const QStringList clicked = outcome(clickRun, false);
    QCOMPARE(clicked.at(1), QStringLiteral("typed"));
    QCOMPARE(outcome(keyRun, true), clicked);

    Run &s = keyRun;
    QWidget *focus = QApplication::focusWidget();
    if (from == 0) {
        QCOMPARE(focus, s.button(button));
        return;
    }
    const QDate to = goesOn.isValid() ? goesOn : QDate(2006, 3, day);
    QPlainTextEdit *box = s.box(calendar::GetIndex(qint16(to.day()), qint16(to.month()), qint16(to.year()), firstWeekday));
    QCOMPARE(focus, box);
    QCOMPARE(s.form->focusDay(), qint16(to.day()));
    QCOMPARE(box->textCursor().position(), goesOn.isValid() ? box->toPlainText().size() : 3);
    QTest::keyClicks(focus, QStringLiteral(" x"));
    QCOMPARE(s.title(), clicked.at(0));
    QCOMPARE(s.rec.opened.size(), clicked.at(4).toInt());
    QVERIFY(s.form->close());
    QCOMPARE(s.read(QStringLiteral("data/%1.txt").arg(to.toString(Qt::ISODate))),
             QByteArray(goesOn.isValid() ? " x" : "typ xed"));
}

// Alt+Home in a note box of another month: the box's note is saved, and
// today's month comes up with the text cursor at the end of today's note.
// Ctrl+Home and Ctrl+End are the box's own: the start and the end of its
// note.
void tst_monthview::todayKey()
{
    Run s;
    s.write(QStringLiteral("data/2006-03-20.txt"), "today\r\nsecond line");
    QVERIFY(s.startShown());
    s.button(QStringLiteral("Command1"))->click();
    s.button(QStringLiteral("Command1"))->click();
    QPlainTextEdit *may = s.typeInto(3, QStringLiteral("in May"));
    QVERIFY(may);
    QTest::keySequence(may, QKeySequence(Qt::CTRL | Qt::Key_Home));
    QTest::keyClicks(may, QStringLiteral("<"));
    QTest::keySequence(may, QKeySequence(Qt::CTRL | Qt::Key_End));
    QTest::keyClicks(may, QStringLiteral(">"));
    QCOMPARE(s.title(), QStringLiteral("May-2006"));
    QCOMPARE(may->toPlainText(), QStringLiteral("<in May>"));
    QTest::keySequence(may, QKeySequence(Qt::ALT | Qt::Key_Home));
    QCOMPARE(s.read(QStringLiteral("data/2006-05-03.txt")), QByteArray("<in May>"));
    QCOMPARE(s.title(), QStringLiteral("March-2006"));
    QPlainTextEdit *today = s.box(calendar::GetIndex(20, 3, 2006));
    QTRY_VERIFY(today->hasFocus());
    QCOMPARE(s.form->focusDay(), qint16(20));
    QCOMPARE(today->textCursor().position(), today->toPlainText().size());
    QTest::keyClicks(today, QStringLiteral("!"));
    QVERIFY(s.form->close());
    QCOMPARE(s.read(QStringLiteral("data/2006-03-20.txt")), QByteArray("today\r\nsecond line!"));
}

// Ctrl+F while typing: the typed note is found with the others, newest
// first, the first selected; a note changed outside is found by the next
// search; Down and Return go to the second result, with the text cursor
// at the match.
void tst_monthview::findAndGo()
{
    Run s;
    s.write(QStringLiteral("data/2005-10-30.txt"), "first line\r\nsecond: TEA time");
    s.write(QStringLiteral("data/1999-01-01.txt"), "tea");
    s.write(QStringLiteral("data/2001-02-03.txt"), "coffee");
    QVERIFY(s.startShown());
    QPlainTextEdit *b = s.typeInto(14, QStringLiteral("Tea with Bob"));
    QVERIFY(b);
    QTest::keySequence(b, QKeySequence(Qt::CTRL | Qt::Key_F));
    auto *find = s.form->findChild<monthview::FindWindow *>();
    QVERIFY(find);
    QVERIFY(QTest::qWaitForWindowActive(find));
    QCOMPARE(find->windowTitle(), QStringLiteral("Find in notes"));
    QTRY_COMPARE(QApplication::focusWidget(), find->field());
    find->field()->insert(QStringLiteral("t\u00c9a"));   // "tÉa"
    QTRY_COMPARE(find->status()->text(), QStringLiteral("Not found in any note."));
    find->field()->clear();
    QTest::keyClicks(find->field(), QStringLiteral("TeA"));
    const auto rows = [find] {
        QStringList all;
        const QAbstractItemModel *m = find->list()->model();
        for (int i = 0; i < m->rowCount(); ++i)
            all << m->index(i, 0).data().toString();
        return all;
    };
    const QStringList want{"14-March-2006 Tuesday:  Tea with Bob", "30-October-2005 Sunday:  second: TEA time",
                           "1-January-1999 Friday:  tea"};
    QTRY_COMPARE(rows(), want);
    QCOMPARE(find->list()->currentIndex().row(), 0);

    s.write(QStringLiteral("data/2001-02-03.txt"), "green tea");
    // Searched again until the watch has told of the change.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            if (find->search().isRunning() || rows().size() == 4)
                return rows().size() == 4;
            find->field()->clear();
            find->field()->setText(QStringLiteral("tea"));
            return false;
        }(),
        5000);
    QTRY_COMPARE(rows().at(2), QStringLiteral("3-February-2001 Saturday:  green tea"));

    QTest::keyClick(find->field(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), find->field());
    QCOMPARE(find->list()->currentIndex().row(), 1);
    QTest::keyClick(find->field(), Qt::Key_Return);
    QVERIFY(!find->isVisible());
    QCOMPARE(s.title(), QStringLiteral("October-2005"));
    QPlainTextEdit *folded = s.box(1);   // the 30th folds into cell 1
    QTRY_VERIFY(folded->hasFocus());
    QCOMPARE(s.form->focusDay(), qint16(30));
    QCOMPARE(folded->textCursor().position(), 19);   // "first line" + one line break + "second: "
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("Tea with Bob"));

    // Escape closes the window again.
    QTest::keySequence(folded, QKeySequence(Qt::CTRL | Qt::Key_F));
    QVERIFY(QTest::qWaitForWindowActive(find));
    QCOMPARE(find->field()->selectedText(), QStringLiteral("tea"));
    QTest::keyClick(find->field(), Qt::Key_Escape);
    QVERIFY(!find->isVisible());
    // The typing goes on where it was.
    QTRY_COMPARE(QApplication::focusWidget(), folded);
    QCOMPARE(folded->textCursor().position(), 19);
}

// What a screen reader hears of a cell, once it starts and after the month
// changes: the date, and of a note that cannot be read that it cannot. It
// finds the window as a window, and in the grid the headings and the cells
// of the month shown, not the cells that the month leaves empty.
void tst_monthview::screenReaderNames_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<int>("days");
    QTest::newRow("Oct 2005: cell 1 holds the folded 30th")
        << 10 << 2005 << 1 << "Sunday 30 October 2005" << false << 31;
    QTest::newRow("Oct 2005: cell 2 holds the folded 31st")
        << 10 << 2005 << 2 << "Monday 31 October 2005" << false << 31;
    QTest::newRow("Oct 2005: cell 7 holds the 1st") << 10 << 2005 << 7 << "Saturday 1 October 2005" << false << 31;
    QTest::newRow("a note that cannot be read") << 3 << 2006 << 17 << "Tuesday 14 March 2006" << true << 31;
    QTest::newRow("a note too large to show") << 3 << 2006 << 18 << "Wednesday 15 March 2006" << true << 31;
    QTest::newRow("Feb 2015: seven empty cells left out") << 2 << 2015 << 1 << "Sunday 1 February 2015" << false
                                                          << 28;
}

void tst_monthview::screenReaderNames()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, cell);
    QFETCH(QString, name);
    QFETCH(bool, unreadable);
    QFETCH(int, days);
    Run s;
    QDir(s.path("data")).mkpath(QStringLiteral("2006-03-14.txt/inside"));
    QVERIFY(testsupport::makeSparse(s.path(QStringLiteral("data/2006-03-15.txt")), qint64(5) << 20));
    QVERIFY(s.startShown(QDate(2006, 3, 14)));
    const auto cleanup = qScopeGuard([] { QAccessible::setActive(false); });
    const auto spoken = [](QWidget *w, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(w)->text(text);
    };
    QAccessible::setActive(true);
    QCOMPARE(spoken(s.box(calendar::GetIndex(14, 3, 2006)), QAccessible::Name), QStringLiteral("Tuesday 14 March 2006"));
    s.form->ShowMonth(qint16(month), qint16(year));
    QCOMPARE(spoken(s.box(cell), QAccessible::Name), name);
    QCOMPARE(spoken(s.day(cell), QAccessible::Name), name);
    const QString description = spoken(s.box(cell), QAccessible::Description);
    QCOMPARE(description.contains(QLatin1String("cannot be read")), unreadable);
    if (cell == 18)
        QVERIFY2(description.contains(QLatin1String("too large")), qPrintable(description));
    QCOMPARE(spoken(s.form->Label1(), QAccessible::Name), s.title());
    QCOMPARE(spoken(s.button(QStringLiteral("Command7")), QAccessible::Name), QStringLiteral("Larger note text"));
    QVERIFY(spoken(s.button(QStringLiteral("Command7")), QAccessible::Description).contains(QLatin1String("Ctrl+")));

    QCOMPARE(QAccessible::queryAccessibleInterface(s.form.get())->role(), QAccessible::Window);
    const QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(s.box(cell))->parent();
    QCOMPARE(grid->childCount(), 7 + 2 * days);
    for (int i = 0; i < grid->childCount(); ++i) {
        const QAccessibleInterface *child = grid->child(i);
        QVERIFY(child && !child->state().invisible);
        QCOMPARE(grid->indexOfChild(child), i);
        QVERIFY2(!child->text(QAccessible::Name).isEmpty(), qPrintable(QString::number(i)));
    }
    // After the headings, each box that shows before its day number.
    int first = 1;
    while (s.box(first)->isHidden())
        ++first;
    QCOMPARE(grid->child(7)->object(), s.box(first));
    QCOMPARE(grid->child(8)->object(), s.day(first));
}

// A note typed over, then emptied, comes back by Ctrl+H and Return (the
// emptied text) and by Ctrl+H, End and Return (the oldest); a conflict copy
// of a sync tool marks its day and is taken the same way.
void tst_monthview::versionsRestored()
{
    Run s;
    s.write(QStringLiteral("data/2006-03-14.txt"), "oldest");
    s.write(QStringLiteral("data/2006-03-15.sync-conflict-20260309-101500-ABCDEFG.txt"), "from the laptop\r\nline 2");
    QVERIFY(s.startShown());
    const auto versions = [&s] {
        return QDir(s.path(QStringLiteral("history/2006-03-14"))).entryList(QDir::Files).size();
    };
    const auto openVersions = [&s](QPlainTextEdit *b) {
        // The window closed last goes at the next turn of the event loop.
        if (!b || !QTest::qWaitFor([&s] { return !s.form->findChild<monthview::VersionsWindow *>(); }))
            return static_cast<monthview::VersionsWindow *>(nullptr);
        QTest::keySequence(b, QKeySequence(Qt::CTRL | Qt::Key_H));
        auto *w = s.form->findChild<monthview::VersionsWindow *>();
        return w && QTest::qWaitForWindowActive(w) ? w : nullptr;
    };
    const auto rows = [](const monthview::VersionsWindow *w) {
        QStringList all;
        for (int i = 0; i < w->list()->count(); ++i)
            all << w->list()->item(i)->text().section(QStringLiteral(": "), 0, 0).section(QStringLiteral(", "), 1);
        return all;
    };

    // Typed over, then emptied in one editing: its first save keeps the
    // note, the timer's later ones keep nothing more, the deletion keeps
    // what it deletes.
    QPlainTextEdit *b = s.clickInto(14);
    QVERIFY(b);
    QTest::keySequence(b, QKeySequence::SelectAll);
    QTest::keyClicks(b, QStringLiteral("typed over"));
    s.form->Timer1_Timer();
    QCOMPARE(versions(), 1);
    QTest::keyClicks(b, QStringLiteral("!"));
    s.form->Timer1_Timer();
    QCOMPARE(versions(), 1);
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("typed over!"));
    QTest::keySequence(b, QKeySequence::SelectAll);
    QTest::keyClick(b, Qt::Key_Delete);
    QVERIFY(s.clickInto(16));
    QCOMPARE(versions(), 2);
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("<no file>"));

    // Ctrl+H, Return: the newest version, the emptied text.
    b = s.clickInto(14);
    monthview::VersionsWindow *w = openVersions(b);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Versions of 14-March-2006 Tuesday"));
    QCOMPARE(rows(w), QStringList({"kept by Kalivo", "kept by Kalivo"}));
    QCOMPARE(w->list()->currentRow(), 0);
    QCOMPARE(w->text()->toPlainText(), QStringLiteral("typed over!"));
    QVERIFY(w->text()->isReadOnly());
    QTest::keyClick(w->list(), Qt::Key_Return);
    QTRY_VERIFY(b->hasFocus());
    QTRY_VERIFY(!s.form->findChild<monthview::VersionsWindow *>());
    QCOMPARE(b->toPlainText(), QStringLiteral("typed over!"));
    QVERIFY(s.clickInto(16));
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("typed over!"));
    QCOMPARE(versions(), 2);

    // Ctrl+H, End, Return: the oldest. The window saves what was typed
    // first (the editing's first save, which keeps a version), and the text
    // the restore replaces is kept in turn.
    b = s.clickInto(14);
    QTest::keyClicks(b, QStringLiteral(", more"));
    w = openVersions(b);
    QVERIFY(w);
    QCOMPARE(versions(), 3);
    QTest::keyClick(w->list(), Qt::Key_End);
    QCOMPARE(w->list()->currentRow(), 2);
    QCOMPARE(w->text()->toPlainText(), QStringLiteral("oldest"));
    QTest::keyClick(w->list(), Qt::Key_Return);
    QTRY_VERIFY(b->hasFocus());
    QCOMPARE(b->toPlainText(), QStringLiteral("oldest"));
    s.form->Timer1_Timer();
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("oldest"));
    QCOMPARE(versions(), 4);

    // The sync tool's copy marks its day, quietly, once the window is painted.
    auto *copied = static_cast<monthview::NoteBox *>(s.box(calendar::GetIndex(15, 3, 2006)));
    QTRY_VERIFY(copied->hasOtherVersion());
    QVERIFY(!static_cast<monthview::NoteBox *>(b)->hasOtherVersion());
    b = s.clickInto(15);
    w = openVersions(b);
    QVERIFY(w);
    QCOMPARE(rows(w), QStringList{"conflict copy of Syncthing"});
    QVERIFY(w->deleteButton()->isEnabled());
    QTest::keyClick(w->list(), Qt::Key_Return);
    QTRY_VERIFY(b->hasFocus());
    QVERIFY(s.clickInto(16));
    QCOMPARE(s.read(QStringLiteral("data/2006-03-15.txt")), QByteArray("from the laptop\r\nline 2"));
    // Deleted after the question, the copy takes its mark along.
    w = openVersions(s.clickInto(15));
    QVERIFY(w);
    QCOMPARE(rows(w), QStringList{"conflict copy of Syncthing"});   // the new note replaced no note
    QTest::mouseClick(w->deleteButton(), Qt::LeftButton);
    QCOMPARE(s.rec.questions.size(), 1);
    QCOMPARE(rows(w), QStringList());
    QCOMPARE(s.read(QStringLiteral("data/2006-03-15.sync-conflict-20260309-101500-ABCDEFG.txt")), QByteArray("<no file>"));
    QTRY_VERIFY(!copied->hasOtherVersion());
    QTest::keyClick(w->list(), Qt::Key_Escape);
    QTRY_VERIFY(!s.form->findChild<monthview::VersionsWindow *>());
    // A copy that comes while Kalivo runs is marked as the watch tells of it.
    auto *later = static_cast<monthview::NoteBox *>(s.box(calendar::GetIndex(18, 3, 2006)));
    s.write(QStringLiteral("data/2006-03-18 (conflicted copy 2026-03-09 101500).txt"), "other");
    QTRY_VERIFY(later->hasOtherVersion());

    // A day without versions says so, and the window stays usable.
    w = openVersions(s.clickInto(17));
    QVERIFY(w);
    QCOMPARE(w->list()->count(), 0);
    QCOMPARE(w->status()->text(), QStringLiteral("There is no earlier version of 17-March-2006 Friday."));
    QVERIFY(!w->restoreButton()->isEnabled());
    QTest::keyClick(w->list(), Qt::Key_Return);
    QTest::keyClick(w->list(), Qt::Key_Escape);
    QTRY_VERIFY(!s.form->findChild<monthview::VersionsWindow *>());
    QVERIFY(s.rec.messages.isEmpty());

    // A history/ that cannot hold versions never stops a save, and is told of once.
    QVERIFY(QDir(s.path(QStringLiteral("history"))).removeRecursively());
    s.write(QStringLiteral("history"), "a file");
    for (const qint16 day : {14, 15, 14}) {
        b = s.clickInto(day);
        QVERIFY(b);
        QTest::keyClicks(b, QStringLiteral("."));
        QVERIFY(s.clickInto(17));
        // What the save has to tell comes at the next turn of the event loop.
        QCoreApplication::processEvents();
        QCOMPARE(s.rec.messages.size(), 1);
    }
    QVERIFY2(s.rec.messages.first().contains(QLatin1String("history/ is not a folder")), qPrintable(s.rec.messages.first()));
    QCOMPARE(s.read(QStringLiteral("data/2006-03-14.txt")), QByteArray("oldest.."));
    QCOMPARE(s.read(QStringLiteral("data/2006-03-15.txt")), QByteArray("from the laptop\r\nline 2."));
}

QTEST_MAIN(tst_monthview)
#include "tst_monthview.moc"
