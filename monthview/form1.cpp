#include "form1.h"

#include "accessibility.h"
#include "calendar.h"
#include "datecaptions.h"
#include "design.h"
#include "findwindow.h"
#include "frmabout.h"
#include "messages.h"
#include "monthgrid.h"
#include "monthkeys.h"
#include "noteediting.h"
#include "report.h"
#include "screenreadernames.h"
#include "versionmarks.h"
#include "versionswindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <optional>
#include <utility>
#include <vector>

using namespace monthview;

namespace {

const QString kProgramTitle = QStringLiteral("Kalivo");

} // namespace

Form1::Form1(const Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_notes(platform.workingFolder)
    , m_messages(new Messages(
          [this](const QString &text) {
              m_messages->guard([&] {
                  if (m_platform.showMessage)
                      m_platform.showMessage(isVisible() ? this : nullptr, kProgramTitle, text);
              });
          },
          this))
{
    m_windows.add(this);
    accessibility::announceWindows();
    design::setUpWindow(this);
    setWindowIcon(appIcon());

    // Each control gets its font of the design on its own: a font for the
    // whole window would be set up for every control's inner parts as well.
    m_topBar = TopBar(this);
    m_grid = new MonthGrid(this, m_topBar.bottom(), m_platform.dateWords, m_platform.firstWeekday);
    m_editing = new NoteEditing(m_notes, *m_grid, *m_messages, this);

    const std::pair<const design::Control *, void (Form1::*)()> clicks[] = {
        {&design::kCommand1, &Form1::Command1_Click},   {&design::kCommand2, &Form1::Command2_Click},
        {&design::kCommand3, &Form1::Command3_Click},   {&design::kCommand7, &Form1::Command7_Click},
        {&design::kCommand8, &Form1::Command8_Click},   {&design::kCommand9, &Form1::Command9_Click},
        {&design::kCommand10, &Form1::Command10_Click}, {&design::kCommand11, &Form1::Command11_Click}};
    for (const auto &[control, handler] : clicks) {
        connect(m_topBar.button(*control), &QPushButton::clicked, this, [this, handler = handler] {
            m_messages->guard([&] { (this->*handler)(); });
        });
    }
    connect(m_editing->timer(), &QTimer::timeout, this, [this] { m_messages->guard([this] { Timer1_Timer(); }); });
    connect(m_grid, &MonthGrid::focusEntered, this, &Form1::noteFocusIn);
    connect(m_grid, &MonthGrid::focusLeft, this, &Form1::noteFocusOut);
    connect(m_grid, &MonthGrid::versionsAsked, this,
            [this](int index) { m_messages->guard([&] { openVersions(index); }); });

    // Centred on the screen.
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

Form1::~Form1()
{
    // The window's destruction hides the boxes, which takes the focus from
    // one of them after this window's own members are gone. (The grid's
    // other connections stay: screen readers' interfaces learn from them
    // that the grid is gone.)
    for (const QObject *receiver : {static_cast<QObject *>(this), static_cast<QObject *>(m_editing),
                                    static_cast<QObject *>(m_messages)})
        m_grid->disconnect(receiver);
}

QLabel *Form1::Label3(int k) const
{
    return m_grid->heading(k);
}

QPlainTextEdit *Form1::Text1(int k) const
{
    return m_grid->box(k);
}

QPushButton *Form1::Command4(int k) const
{
    return m_grid->dayButton(k);
}

QTimer *Form1::Timer1() const
{
    return m_editing->timer();
}

notesearch::NoteWatch *Form1::noteWatch() const
{
    return m_editing->watch();
}

qint16 Form1::focusIndex() const
{
    return m_editing->focusIndex();
}

qint16 Form1::focusDay() const
{
    return m_editing->focusDay();
}

QStringList Form1::unsavedNotes() const
{
    return m_editing->unsaved().list();
}

// ---------------------------------------------------------------- start-up

void Form1::Form_Load()
{
    const QString marker = m_platform.workingFolder + QLatin1String("/ft.txt");
    if (QFileInfo::exists(marker)) {
        m_platform.showMessage(nullptr, kProgramTitle,
                               tr("Fill in deposit maturity dates,\r\n"
                                  "premium payment reminders,\r\n"
                                  "birthdays, anniversaries,\r\n"
                                  "project time lines,\r\n"
                                  "your daily work etc. in this\r\n"
                                  "simplest and greatest planner\r\n"
                                  "in the world."));
        // A marker that stays only means the greeting comes again next time,
        // and the user knows why.
        QFile file(marker);
        if (!file.remove())
            tellUser(tr("Kalivo could not delete %1, so it greets you again at the next start.\n\n%2")
                         .arg(QDir::toNativeSeparators(marker), file.errorString()));
    }

    if (m_platform.seedRandom)
        m_platform.seedRandom();

    const QDate today = m_platform.today;
    y = static_cast<qint16>(today.year());
    M = static_cast<qint16>(today.month());

    m_grid->createCells();
    // Smaller, the top bar's buttons would cover each other and the day
    // numbers the boxes below them.
    setMinimumSize(minimumClientSize(layoutSizes()));
    m_editing->start(m_platform.workingFolder + QLatin1String("/data"), static_cast<qint16>(today.day()));
    new ScreenReaderNames(m_grid);
    // The keys are of no use before the window shows: they come with the
    // first turn of the event loop, off the way to the first picture.
    QTimer::singleShot(0, this, [this] { installKeys(); });
    m_marks = new VersionMarks(m_notes, *m_grid, m_editing->watch(), this);
    m_loaded = true;
}

// The keys of the window: those of the top bar's buttons, as the design
// table gives them; Alt+Home, today's month with the text cursor at the end
// of today's note; Ctrl+F, "Find in notes". In a note box they are the
// window's too.
void Form1::installKeys()
{
    std::vector<KeyAction> actions;
    for (const design::Control *control : design::kTopBar) {
        QPushButton *button = m_topBar.button(*control);
        if (!button || design::keysOf(*control).isEmpty())
            continue;
        actions.push_back({design::keysOf(*control), [this, button, focus = control->keyFocus] {
                               m_messages->guard([&] { pressKey(button, focus); });
                           }});
    }
    actions.push_back({{kTodayKey}, [this] { m_messages->guard([this] { goToToday(); }); }});
    // The key that has no button of its own is named where the month is.
    Label1()->setToolTip(
        tr("Today's month: %1").arg(QKeySequence(kTodayKey).toString(QKeySequence::NativeText)));
    actions.push_back({{kFindKey}, [this] { m_messages->guard([this] { find(); }); }});
    actions.push_back({{kVersionsKey}, [this] {
                           m_messages->guard([this] {
                               if (const NoteBox *box = m_grid->focusedBox())
                                   openVersions(box->index());
                           });
                       }});
    auto *keys = new MonthKeys(this, actions);
    for (int k = 1; k <= 35; ++k)
        keys->takeFrom(m_grid->box(k));
}

// A button's key does what a click on it does: the button takes the focus,
// so that the note box being left saves its note first, and is clicked.
// Pressed while typing in a note box, the typing then goes on, in that box
// or in the box of the same day in the month now shown, so that the next
// keys (a space above all, which would press the button) go into a note.
// Pressed anywhere else, the key leaves the focus on the button, as a click
// does.
void Form1::pressKey(QPushButton *button, design::KeyFocus focus)
{
    NoteBox *typing = qobject_cast<NoteBox *>(focusWidget());
    const qint16 day = typing ? typing->date().day : 0;
    button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    // The button may have ended the run, or asked something that the user
    // answered by moving on.
    if (!typing || day == 0 || m_unloaded || focusWidget() != button)
        return;
    switch (focus) {
    case design::KeyFocus::SameNoteBox:
        if (!typing->isHidden())
            typing->resumeTyping();
        break;
    case design::KeyFocus::SameDay:
        if (NoteBox *box = m_grid->box(m_grid->cellOf(sameDayIn(day, shown()), M, y)); box && !box->isHidden()) {
            box->setFocus(Qt::ShortcutFocusReason);
            box->placeCaret(-1);
        }
        break;
    }
}

void Form1::goToToday()
{
    const QDate today = m_platform.today;
    goToNote(NoteDate{qint16(today.day()), qint16(today.month()), qint16(today.year())}, -1);
}

// ---------------------------------------------------------------- rendering

void Form1::ShowMonth(qint16 month, qint16 year)
{
    if (!m_loaded)
        return;

    // Edited boxes go to disk under the dates they show before the boxes
    // show other dates.
    m_editing->saveEditedBoxes({month, year}, true);
    M = month;
    y = year;

    const MonthPlan plan = planMonth(
        month, year, m_platform.today, [&](qint16 day) { return m_editing->noteOf(NoteDate{day, month, year}); },
        m_platform.firstWeekday);
    m_grid->showMonth(plan, month, year, m_editing->focusIndex());
    m_marks->markCells();

    const QString title = calendar::MonthTitle(month, year, m_platform.dateWords);
    if (Label1()->text() != title)
        Label1()->setText(title);
}

// ---------------------------------------------------------------- editing and saving

bool Form1::UpdateDay(qint16 Index, qint16 month, qint16 year)
{
    return m_loaded && m_editing->UpdateDay(Index, month, year);
}

void Form1::Text1_GotFocus(int Index)
{
    if (Index >= 1 && Index <= 35)
        m_editing->entered(Index, shown());
}

void Form1::Text1_LostFocus(int Index)
{
    if (Index >= 1 && Index <= 35)
        m_editing->left(Index, shown());
}

void Form1::Timer1_Timer()
{
    m_editing->tick(shown());
}

// A note box counts as entered or left on every focus change but two. Its
// own context menu takes the keyboard only while it is open and gives it
// back. A switch to another application's window saves the note, so that it
// reaches the disk when the user turns to something else, but the box stays
// the one being edited, as it is for the user: its day number keeps its
// emphasis, and the switch back finds everything as it was.
void Form1::noteFocusIn(int index, Qt::FocusReason reason)
{
    if (!m_loaded || m_unloaded || reason == Qt::PopupFocusReason)
        return;
    m_messages->guard([&] { Text1_GotFocus(index); });
}

void Form1::noteFocusOut(int index, Qt::FocusReason reason)
{
    if (!m_loaded || m_unloaded || reason == Qt::PopupFocusReason)
        return;
    if (reason == Qt::ActiveWindowFocusReason)
        m_messages->guard([this] { Timer1_Timer(); });
    else
        m_messages->guard([&] { Text1_LostFocus(index); });
}

void Form1::tellUser(const QString &text)
{
    m_messages->tell(text);
}

// Shows the month of `date` with the keyboard focus in that day's note box
// and the text cursor before character `position` of its note (-1: at its
// end). The box being left saves its note first, under the month it
// showed.
void Form1::goToNote(const NoteDate &date, qsizetype position)
{
    // In the active window the box being left loses the focus and saves;
    // in another, no focus event comes, and it is left all the same.
    if (QWidget *focused = focusWidget())
        focused->clearFocus();
    if (focusIndex() != 0)
        Text1_LostFocus(focusIndex());
    ShowMonth(date.month, date.year);
    NoteBox *box = m_grid->box(m_grid->cellOf(date.day, date.month, date.year));
    if (!box || box->isHidden())
        return;
    // In a window that is not active yet the box gets the focus, with its
    // emphasis, when the window does.
    box->setFocus(Qt::OtherFocusReason);
    box->placeCaret(position);
}

void Form1::find()
{
    // The note being typed goes to disk first, so that the search finds it.
    Timer1_Timer();
    if (!m_find) {
        m_find = new FindWindow(m_notes.root() + QLatin1String("/data"), noteWatch(), m_platform.dateWords,
                                [this](const NoteDate &date, qsizetype position) {
                                    activateWindow();
                                    goToNote(date, position);
                                },
                                this);
    }
    m_find->showFind();
}

// The versions of the day in cell `index`. The note being typed goes to
// disk first: the window lists the note it replaced, and a restore replaces
// what is saved.
void Form1::openVersions(int index)
{
    NoteBox *box = m_grid->box(index);
    if (!box || box->isHidden() || box->date().day == 0)
        return;
    Timer1_Timer();
    const NoteDate date = box->date();
    std::vector<QByteArray> copies;
    const bool listed = m_marks->copiesOf(date, copies);
    // Closed either way, the window leaves the focus in the box.
    const auto backToBox = [this, index, date] {
        NoteBox *into = m_grid->box(index);
        if (m_unloaded || into->date() != date || into->isHidden())
            return static_cast<NoteBox *>(nullptr);
        activateWindow();
        into->setFocus(Qt::OtherFocusReason);
        return into;
    };
    VersionsWindow::Restore restore;
    if (!box->isUnreadable()) {
        restore = [backToBox](const QString &text) {
            if (NoteBox *into = backToBox(); into && !into->isUnreadable())
                into->restore(text);
        };
    }
    auto *window = new VersionsWindow(m_notes.root(), date, m_platform.dateWords, listed ? &copies : nullptr, restore,
                                      m_platform.confirm, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &VersionsWindow::copyDeleted, m_marks, &VersionMarks::copyGone);
    connect(window, &QDialog::rejected, this, [this, backToBox] { m_messages->guard([&] { backToBox(); }); });
    window->show();
    window->raise();
    window->activateWindow();
}

// ---------------------------------------------------------------- buttons

void Form1::Command1_Click()
{
    showMonthOf(nextMonth(shown()));
}

void Form1::Command2_Click()
{
    showMonthOf(previousMonth(shown()));
}

void Form1::Command10_Click()
{
    showMonthOf(stepYear(shown(), -1));
}

void Form1::Command11_Click()
{
    showMonthOf(stepYear(shown(), +1));
}

void Form1::Command3_Click()
{
    const auto w =
        report::WriteReport(m_platform.workingFolder, M, y, m_notes, m_platform.nextRandom, m_platform.dateWords);
    if (!w.error.isEmpty()) {
        if (m_platform.showMessage)
            m_platform.showMessage(this, kProgramTitle, w.error);
        return;
    }
    // The page is made from the note files: a note kept after a failed
    // save is not on it.
    const QString month = calendar::MonthTitle(M, y, m_platform.dateWords);
    if (const QStringList left = m_editing->unsaved().datesIn(M, y); !left.isEmpty()) {
        tellUser(tr("The page of %1 leaves out the notes that could not be saved: %2.")
                     .arg(month, left.join(tr(", ", "between the dates of a list"))));
    }
    if (!m_platform.openInViewer)
        return;
    const QPointer<Form1> self(this);
    const QString page = QDir::toNativeSeparators(w.path);
    m_platform.openInViewer(w.path, [self, page, month](const QString &why) {
        if (!self || self->m_unloaded)
            return;
        self->m_messages->guard([&] {
            self->tellUser(tr("No web viewer could be started to show the page of %1 (%2).\n\n"
                              "The page was written to\n%3\n"
                              "Open it in a web browser to print it. Kalivo deletes it when its "
                              "window closes.")
                               .arg(month, why, page));
        });
    });
}

void Form1::Command7_Click()
{
    if (m_loaded)
        m_grid->zoom(+1);
}

void Form1::Command8_Click()
{
    if (m_loaded)
        m_grid->zoom(-1);
}

void Form1::Command9_Click()
{
    about::ShowAbout(this, windows());
}

// ---------------------------------------------------------------- shutdown

bool Form1::Form_Unload()
{
    return unload([] { return true; });
}

bool Form1::endSession(const std::function<bool()> &mayInteract)
{
    if (!unload(mayInteract))
        return false;
    close();
    return true;
}

bool Form1::unload(const std::function<bool()> &mayInteract)
{
    if (m_unloaded)
        return true;

    // Whether the user can be asked and told is asked once, and only when
    // there is something to ask or tell.
    std::optional<bool> interactive;
    const auto canInteract = [&] {
        if (!interactive)
            interactive = mayInteract();
        return *interactive;
    };

    if (m_loaded)
        m_editing->finish(shown());

    if (const UnsavedNotes &unsaved = m_editing->unsaved(); !unsaved.isEmpty()) {
        // The question names every failure; the pending messages would only repeat them.
        m_messages->clear();
        if (!canInteract()) {
            tellUser(tr("These notes could not be saved and are lost:\n%1")
                         .arg(unsaved.list().join(QLatin1Char('\n'))));
        } else if (m_platform.confirm && !m_platform.confirm(this, kProgramTitle, unsaved.closeQuestion())) {
            // A signal may have ended the run while the question was open.
            if (m_unloaded)
                return true;
            // The window stays: the box that still has the focus is being
            // edited again.
            if (const NoteBox *box = m_grid->focusedBox())
                Text1_GotFocus(box->index());
            return false;
        }
    }

    m_unloaded = true;
    m_editing->stop();
    // The last saves' names reach the disk before the program ends.
    if (const store::Result synced = m_notes.waitForDisk(); !synced.ok())
        tellUser(tr("The last notes saved may not have reached the disk.\n\n%1").arg(synced.error));
    // A page that cannot be deleted stays behind; shutdown goes on.
    if (const QStringList stuck = report::DeleteReports(m_platform.workingFolder); !stuck.isEmpty()) {
        tellUser(tr("These month pages could not be deleted and stay behind:\n%1")
                     .arg(stuck.join(QLatin1Char('\n'))));
    }
    m_windows.closeAllNewestFirst(this);

    // Nothing waits for a later turn of the event loop: the program ends.
    if (!m_messages->isEmpty()) {
        if (canInteract()) {
            m_messages->showNow();
        } else {
            for (const QString &message : m_messages->takeAll())
                qWarning("Kalivo: %s", qPrintable(message));
        }
    }
    emit unloaded();
    return true;
}

void Form1::closeEvent(QCloseEvent *event)
{
    bool close = true;
    m_messages->guard([&] { close = Form_Unload(); });
    if (close)
        event->accept();
    else
        event->ignore();
}
