#include "form1.h"

#include "calendar.h"
#include "design.h"
#include "frmabout.h"
#include "leftoversweep.h"
#include "monthkeys.h"
#include "report.h"
#include "screenreadernames.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <exception>
#include <optional>
#include <utility>

using namespace monthview;

namespace {

const QString kProgramTitle = QStringLiteral("Kalivo");

} // namespace

Form1::Form1(const Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_notes(platform.workingFolder)
    , m_unsaved(m_notes, [this](const QString &text) { tellUser(text); })
    , m_messages(new Messages(
          [this](const QString &text) {
              guarded([&] {
                  if (m_platform.showMessage)
                      m_platform.showMessage(isVisible() ? this : nullptr, kProgramTitle, text);
              });
          },
          this))
{
    m_windows.add(this);
    buildDesign();
}

Form1::~Form1()
{
    // The window's destruction hides the boxes, which takes the focus from
    // one of them after this window's own members are gone.
    for (NoteBox *box : m_text1) {
        if (box)
            box->disconnect(this);
    }
}

void Form1::buildDesign()
{
    design::setUpWindow(this);
    setWindowIcon(appIcon());
    // Each control gets its font of the design on its own: a font for the
    // whole window would be set up for every control's inner parts as well.

    // The top bar, left to right in the design; the layout pass moves all
    // but "Print".
    m_command3 = design::makeButton(design::kCommand3, this);
    m_command2 = design::makeButton(design::kCommand2, this);
    m_label1 = design::makeLabel(design::kLabel1, this);
    m_command1 = design::makeButton(design::kCommand1, this);
    m_command10 = design::makeButton(design::kCommand10, this);
    m_command11 = design::makeButton(design::kCommand11, this);
    m_command7 = design::makeButton(design::kCommand7, this);
    m_command8 = design::makeButton(design::kCommand8, this);
    m_command9 = design::makeButton(design::kCommand9, this);

    const std::pair<QPushButton *, void (Form1::*)()> clicks[] = {
        {m_command1, &Form1::Command1_Click},   {m_command2, &Form1::Command2_Click},
        {m_command3, &Form1::Command3_Click},   {m_command7, &Form1::Command7_Click},
        {m_command8, &Form1::Command8_Click},   {m_command9, &Form1::Command9_Click},
        {m_command10, &Form1::Command10_Click}, {m_command11, &Form1::Command11_Click}};
    for (const auto &[button, handler] : clicks) {
        connect(button, &QPushButton::clicked, this, [this, handler = handler] {
            guarded([&] { (this->*handler)(); });
        });
    }

    // Templates of the grid; start-up copies the heading and the note box.
    m_label3[0] = design::makeLabel(design::kLabel3Template, this);
    m_text1[0] = new NoteBox(0, &m_fills, this);
    for (int k = 0; k <= 35; ++k)
        m_command4[k] = design::makeButton(design::dayButton(k), this);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(65535);
    // A coarse timer would round the period to whole seconds.
    m_timer1->setTimerType(Qt::PreciseTimer);
    connect(m_timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1_Timer(); }); });
    m_timer1->start();

    // Centred on the screen.
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

QLabel *Form1::Label3(int k) const
{
    return k >= 0 && k <= 7 ? m_label3[k] : nullptr;
}

QPlainTextEdit *Form1::Text1(int k) const
{
    return k >= 0 && k <= 35 ? m_text1[k] : nullptr;
}

QPushButton *Form1::Command4(int k) const
{
    return k >= 0 && k <= 35 ? m_command4[k] : nullptr;
}

// ---------------------------------------------------------------- start-up

void Form1::Form_Load()
{
    const QString marker = m_platform.workingFolder + QLatin1String("/ft.txt");
    if (QFileInfo::exists(marker)) {
        m_platform.showMessage(nullptr, kProgramTitle,
                               QStringLiteral("Fill in deposit maturity dates,\r\n"
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
            tellUser(QStringLiteral("Kalivo could not delete %1, so it greets you again at the next start.\n\n%2")
                         .arg(QDir::toNativeSeparators(marker), file.errorString()));
    }

    if (m_platform.seedRandom)
        m_platform.seedRandom();

    FocusIndex = 0;
    BaseFontSize = static_cast<qint16>(qRound(m_command4[0]->font().pointSizeF()));   // 8.25 -> 8

    m_today = m_platform.today;
    FocusDay = static_cast<qint16>(m_today.day());
    y = static_cast<qint16>(m_today.year());
    M = static_cast<qint16>(m_today.month());

    createHeadings();
    createNoteBoxes();
    m_watch = new notesearch::NoteWatch(m_platform.workingFolder + QLatin1String("/data"), this);
    connect(m_watch, &notesearch::NoteWatch::changed, this, &Form1::notesChangedOutside);
    m_names = new ScreenReaderNames(*this);
    // The keys are of no use before the window shows: they come with the
    // first turn of the event loop, off the way to the first picture.
    QTimer::singleShot(0, this, [this] { installMonthKeys(*this); });
    new LeftoverSweep(m_notes, this);
    m_loaded = true;
}

void Form1::createHeadings()
{
    for (int i = 1; i <= 7; ++i)
        m_label3[i] = design::makeLabel(design::heading(i), this);
}

void Form1::createNoteBoxes()
{
    for (int k = 1; k <= 35; ++k) {
        auto *box = new NoteBox(k, &m_fills, this);
        connect(box, &NoteBox::focusArriving, this, [this](int index, Qt::FocusReason reason) {
            if (reason != Qt::PopupFocusReason)
                guarded([&] { refreshBox(index); });
        });
        connect(box, &NoteBox::focusEntered, this, &Form1::noteFocusIn);
        connect(box, &NoteBox::focusLeft, this, &Form1::noteFocusOut);
        connect(box, &NoteBox::charactersReplaced, m_messages, &Messages::charactersReplaced);
        m_text1[k] = box;
        // The day number lies over its box and stays clickable.
        m_command4[k]->raise();
    }
}

// ---------------------------------------------------------------- rendering

void Form1::ShowMonth(qint16 month, qint16 year)
{
    if (!m_loaded)
        return;

    // Edited boxes go to disk under the dates they show before the boxes
    // show other dates.
    saveEditedBoxes(month, year, true);
    M = month;
    y = year;

    const MonthPlan plan = planMonth(month, year, m_today,
                                     [&](qint16 day) { return noteOf(NoteDate{day, month, year}); });

    // Cells without a day go first; they keep whatever they showed.
    for (int k = 1; k <= 35; ++k) {
        if (plan.cells[k].day != 0)
            continue;
        if (!m_text1[k]->isHidden())
            m_text1[k]->hide();
        if (!m_command4[k]->isHidden())
            m_command4[k]->hide();
    }

    for (qint16 d = 1; d <= plan.days; ++d) {
        const int k = calendar::GetIndex(d, month, year);
        const CellPlan &cell = plan.cells[k];
        m_text1[k]->showNote(NoteDate{d, month, year}, cell.note, FocusIndex == k);
        if (m_command4[k]->text() != cell.caption)
            m_command4[k]->setText(cell.caption);
        m_text1[k]->setColour(cell.colour);
        if (m_text1[k]->isHidden())
            m_text1[k]->show();
        if (m_command4[k]->isHidden())
            m_command4[k]->show();
    }

    const QString title = calendar::MonthTitle(month, year);
    if (m_label1->text() != title)
        m_label1->setText(title);
    m_names->cellsChanged();
}

// A note that could not be saved shows as the user left it.
store::Note Form1::noteOf(const NoteDate &date) const
{
    if (const QString *kept = m_unsaved.textOf(date))
        return store::Note{*kept, QString(), store::Stamp()};
    return m_notes.GetData(date.day, date.month, date.year);
}

// A box the user has not edited shows its note as it is on disk now.
void Form1::refreshBox(int k)
{
    NoteBox *box = m_text1[k];
    if (!m_loaded || m_unloaded || box->isEdited() || box->date().day == 0)
        return;
    box->showNote(box->date(), noteOf(box->date()), FocusIndex == k);
    m_names->cellsChanged();
}

void Form1::notesChangedOutside(const QSet<NoteDate> &dates, bool everything)
{
    for (int k = 1; k <= 35; ++k) {
        const NoteBox *box = m_text1[k];
        if (!box->isHidden() && (everything || dates.contains(box->date())))
            guarded([&] { refreshBox(k); });
    }
}

// ---------------------------------------------------------------- editing and saving

bool Form1::UpdateDay(qint16 Index, qint16 month, qint16 year)
{
    if (!m_loaded)
        return false;
    const qint16 day = calendar::GetDay(Index, month, year);
    if (day == 0)
        return false;
    NoteBox *box = m_text1[Index];
    const NoteDate date{day, month, year};
    // A box holds the note of the date it shows and of no other; a file that
    // could not be read is never overwritten from its cell.
    if (box->date() != date || box->isUnreadable())
        return false;
    if (!box->isEdited())
        return true;

    return saveNote(box, box->noteText());
}

bool Form1::saveNote(NoteBox *box, const QString &text)
{
    const UnsavedNotes::Outcome outcome = m_unsaved.save(box->date(), text, box->origin());
    // Saved or kept for a later try: either way the box now matches it.
    box->markSaved(text, outcome.stamp);
    // The first note of a fresh working folder made its notes folder.
    if (outcome.saved && m_watch && !m_watch->isWatching())
        m_watch->rewatch();
    if (!outcome.tell.isEmpty())
        tellUser(outcome.tell);
    return outcome.saved;
}

// Saves every box that was edited, under the date it shows. With
// keepFocusedDate, the focused box is left alone when it goes on showing
// the same date of month/year: it keeps its text and is saved by its own
// focus handling.
void Form1::saveEditedBoxes(qint16 month, qint16 year, bool keepFocusedDate)
{
    for (NoteBox *box : m_text1) {
        if (!box || box->index() == 0 || !box->isEdited() || box->isUnreadable() || box->date().day == 0)
            continue;
        const int k = box->index();
        if (keepFocusedDate && k == FocusIndex
            && box->date() == NoteDate{calendar::GetDay(static_cast<qint16>(k), month, year), month, year})
            continue;
        saveNote(box, box->noteText());
    }
}

void Form1::setDayEmphasis(int k, bool emphasised)
{
    QFont font = m_command4[k]->font();
    font.setBold(emphasised);
    font.setPointSizeF(emphasised ? BaseFontSize + 1 : BaseFontSize);
    m_command4[k]->setFont(font);
}

void Form1::Text1_GotFocus(int Index)
{
    if (Index < 1 || Index > 35)
        return;
    FocusIndex = static_cast<qint16>(Index);
    FocusDay = calendar::GetDay(FocusIndex, M, y);
    setDayEmphasis(Index, true);
    // Text dropped into another box since the last save point.
    saveEditedBoxes(M, y, true);
}

void Form1::Text1_LostFocus(int Index)
{
    if (Index < 1 || Index > 35)
        return;
    // Save first, so that the note lands under the month still displayed.
    UpdateDay(static_cast<qint16>(Index), M, y);
    saveEditedBoxes(M, y, false);
    m_unsaved.retry();
    FocusIndex = 0;
    FocusDay = 0;
    setDayEmphasis(Index, false);
    m_messages->tellReplacedCharacters();
}

void Form1::Timer1_Timer()
{
    if (FocusIndex != 0)
        UpdateDay(FocusIndex, M, y);
    // Boxes changed without the focus: text dropped into them.
    saveEditedBoxes(M, y, false);
    m_unsaved.retry();
    if (FocusIndex == 0)
        m_messages->tellReplacedCharacters();
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
    guarded([&] { Text1_GotFocus(index); });
}

void Form1::noteFocusOut(int index, Qt::FocusReason reason)
{
    if (!m_loaded || m_unloaded || reason == Qt::PopupFocusReason)
        return;
    if (reason == Qt::ActiveWindowFocusReason)
        guarded([this] { Timer1_Timer(); });
    else
        guarded([&] { Text1_LostFocus(index); });
}

void Form1::tellUser(const QString &text)
{
    m_messages->tell(text);
}

// ---------------------------------------------------------------- navigation

void Form1::showMonthOf(MonthYear shown)
{
    ShowMonth(shown.month, shown.year);
}

void Form1::Command1_Click()
{
    showMonthOf(nextMonth({M, y}));
}

void Form1::Command2_Click()
{
    showMonthOf(previousMonth({M, y}));
}

void Form1::Command10_Click()
{
    showMonthOf(stepYear({M, y}, -1));
}

void Form1::Command11_Click()
{
    showMonthOf(stepYear({M, y}, +1));
}

void Form1::Command3_Click()
{
    const auto w = report::WriteReport(m_platform.workingFolder, M, y, m_notes, m_platform.nextRandom);
    if (!w.error.isEmpty()) {
        if (m_platform.showMessage)
            m_platform.showMessage(this, kProgramTitle, w.error);
        return;
    }
    // The page is made from the note files: a note kept after a failed
    // save is not on it.
    const QString month = calendar::MonthTitle(M, y);
    if (const QStringList left = m_unsaved.datesIn(M, y); !left.isEmpty()) {
        tellUser(QStringLiteral("The page of %1 leaves out the notes that could not be saved: %2.")
                     .arg(month, left.join(QStringLiteral(", "))));
    }
    if (!m_platform.openInViewer)
        return;
    const QPointer<Form1> self(this);
    const QString page = QDir::toNativeSeparators(w.path);
    m_platform.openInViewer(w.path, [self, page, month](const QString &why) {
        if (!self || self->m_unloaded)
            return;
        self->guarded([&] {
            self->tellUser(QStringLiteral("No web viewer could be started to show the page of %1 (%2).\n\n"
                                          "The page was written to\n%3\n"
                                          "Open it in a web browser to print it. Kalivo deletes it when its "
                                          "window closes.")
                               .arg(month, why, page));
        });
    });
}

void Form1::Command9_Click()
{
    about::ShowAbout(this, windows());
}

// ---------------------------------------------------------------- font zoom

void Form1::zoomNotes(int points)
{
    // 1 ... 72 points; a step that would leave that range leaves the box as it is.
    for (int k = 1; k <= 35; ++k) {
        QFont font = m_text1[k]->font();
        const double size = font.pointSizeF() + points;
        if (size < 1 || size > 72)
            continue;
        font.setPointSizeF(size);
        m_text1[k]->setNoteFont(font);
    }
    // A smaller font shows more lines.
    for (int k = 1; k <= 35; ++k)
        m_text1[k]->fillAgainIfShort();
}

void Form1::Command7_Click()
{
    if (m_loaded)
        zoomNotes(+1);
}

void Form1::Command8_Click()
{
    if (m_loaded)
        zoomNotes(-1);
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

    // What an input method is still composing is part of the note, also
    // in a window that is not active.
    if (m_loaded) {
        for (int k = 1; k <= 35; ++k) {
            if (m_text1[k]->hasFocus() || k == FocusIndex)
                m_text1[k]->commitComposition();
        }
    }
    if (FocusIndex != 0)
        Text1_LostFocus(FocusIndex);
    if (m_loaded) {
        saveEditedBoxes(M, y, false);
        m_unsaved.retry();
    }

    if (!m_unsaved.isEmpty()) {
        // The question names every failure; the pending messages would only repeat them.
        m_messages->clear();
        if (!canInteract()) {
            tellUser(QStringLiteral("These notes could not be saved and are lost:\n%1")
                         .arg(m_unsaved.list().join(QLatin1Char('\n'))));
        } else if (m_platform.confirm && !m_platform.confirm(this, kProgramTitle, m_unsaved.closeQuestion())) {
            // A signal may have ended the run while the question was open.
            if (m_unloaded)
                return true;
            // The window stays: the box that still has the focus is being
            // edited again.
            for (int k = 1; k <= 35; ++k) {
                if (m_text1[k] && m_text1[k]->hasFocus())
                    Text1_GotFocus(k);
            }
            return false;
        }
    }

    m_unloaded = true;
    m_timer1->stop();
    // The last saves' names reach the disk before the program ends.
    if (const store::Result synced = m_notes.waitForDisk(); !synced.ok())
        tellUser(QStringLiteral("The last notes saved may not have reached the disk.\n\n%1").arg(synced.error));
    // A page that cannot be deleted stays behind; shutdown goes on.
    if (const QStringList stuck = report::DeleteReports(m_platform.workingFolder); !stuck.isEmpty()) {
        tellUser(QStringLiteral("These month pages could not be deleted and stay behind:\n%1")
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
    guarded([&] { close = Form_Unload(); });
    if (close)
        event->accept();
    else
        event->ignore();
}
