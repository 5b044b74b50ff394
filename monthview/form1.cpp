#include "form1.h"

#include "calendar.h"
#include "frmabout.h"
#include "leftoversweep.h"
#include "report.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <exception>

using namespace monthview;

namespace {

const QString kProgramTitle = QStringLiteral("Kalivo");

// Fonts of the window's design. Where a face is not installed, fontconfig
// puts its metric twin in its place (Liberation Sans for Arial, Liberation
// Mono for Courier New), and MS Sans Serif, a small sans of Arial's widths,
// is asked for as Arial. One family per font: every further family in a
// list costs a fontconfig search at start-up.
QFont designFont(const QString &family, QFont::StyleHint hint, double points, bool bold)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont standardFont(bool bold = false)
{
    return designFont(QStringLiteral("Arial"), QFont::SansSerif, 8.25, bold);
}

QFont arialFont(double points, bool bold = false)
{
    return designFont(QStringLiteral("Arial"), QFont::SansSerif, points, bold);
}

QFont courierFont(double points)
{
    return designFont(QStringLiteral("Courier New"), QFont::TypeWriter, points, false);
}

void placeTwips(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

double twipsOf(int pixels)
{
    return pixels * 15.0;
}

} // namespace


// Qt must never see an exception leave one of its callbacks.
template <typename Handler>
void Form1::guarded(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (const std::exception &e) {
        try {
            tellUser(QStringLiteral("Something went wrong: %1").arg(QString::fromLocal8Bit(e.what())));
        } catch (...) {
        }
    } catch (...) {
        try {
            tellUser(QStringLiteral("Something went wrong."));
        } catch (...) {
        }
    }
}

Form1::Form1(const Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_notes(platform.workingFolder)
    , m_unsaved(m_notes, [this](const QString &text) { tellUser(text); })
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

QPushButton *Form1::addButton(const QString &name, const QString &caption, int leftTwips, int widthTwips)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setFont(standardFont());
    button->setAutoDefault(false);
    // A click must take the focus, so that the note box being left saves its
    // note before the click is handled.
    button->setFocusPolicy(Qt::StrongFocus);
    placeTwips(button, leftTwips, 0, widthTwips, 255);
    return button;
}

void Form1::buildDesign()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kalivo 1.0"));
    setWindowIcon(appIcon());
    // Each control gets its font of the design on its own: a font for the
    // whole window would be set up for every control's inner parts as well.

    // The top bar, left to right in the design; the layout pass moves all
    // but "Print".
    m_command3 = addButton(QStringLiteral("Command3"), QStringLiteral("Print"), 0, 495);
    m_command2 = addButton(QStringLiteral("Command2"), QStringLiteral("< Prev Month"), 3960, 1215);
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(arialFont(9, true));
    m_label1->setAlignment(Qt::AlignCenter);
    placeTwips(m_label1, 5040, 0, 1935, 255);
    m_command1 = addButton(QStringLiteral("Command1"), QStringLiteral("Next Month >"), 6600, 1215);
    m_command10 = addButton(QStringLiteral("Command10"), QStringLiteral("< Yr"), 8280, 495);
    m_command11 = addButton(QStringLiteral("Command11"), QStringLiteral("Yr >"), 8880, 495);
    m_command7 = addButton(QStringLiteral("Command7"), QStringLiteral("+"), 9120, 255);
    m_command8 = addButton(QStringLiteral("Command8"), QStringLiteral("-"), 9360, 255);
    m_command8->setFont(courierFont(8.25));
    m_command9 = addButton(QStringLiteral("Command9"), QStringLiteral("About"), 9600, 735);

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
    auto *heading = new QLabel(QStringLiteral("Label3"), this);
    heading->setObjectName(QStringLiteral("Label3_0"));
    heading->setFont(standardFont(true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameStyle(QFrame::Box | QFrame::Plain);
    heading->setLineWidth(1);
    placeTwips(heading, 120, 960, 975, 255);
    heading->hide();
    m_label3[0] = heading;

    auto *box = new NoteBox(0, &m_fills, this);
    // Latin text reads the same unshaped; scripts that need shaping still
    // get it. Shaping was most of the cost of filling 31 boxes.
    QFont noteFont = arialFont(9);
    noteFont.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(noteFont);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(238, 238, 238));
    box->setPalette(palette);
    placeTwips(box, 120, 1680, 1095, 375);
    box->hide();
    m_text1[0] = box;

    // Day-number buttons: 0 is the template whose size is the base size of
    // the day numbers; 1 ... 35 stand in five rows of seven until the first
    // layout pass puts each on its note box.
    for (int k = 0; k <= 35; ++k) {
        auto *day = new QPushButton(this);
        day->setObjectName(QStringLiteral("Command4_%1").arg(k));
        day->setFont(arialFont(8.25));
        day->setAutoDefault(false);
        // A click takes the focus from the note box; Tab passes the day
        // numbers by and goes from note to note.
        day->setFocusPolicy(Qt::ClickFocus);
        if (k == 0) {
            placeTwips(day, 120, 2160, 375, 250);
            day->hide();
        } else {
            placeTwips(day, 2400 + 480 * ((k - 1) % 7), 1080 + 360 * ((k - 1) / 7), 375, 250);
        }
        m_command4[k] = day;
    }

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(65535);
    // A coarse timer would round the period to whole seconds.
    m_timer1->setTimerType(Qt::PreciseTimer);
    connect(m_timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1_Timer(); }); });
    m_timer1->start();

    // Client area 11910 x 8520 twips, centred on the screen.
    resize(twipsToPixels(11910), twipsToPixels(8520));
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
        // A marker that stays only means the greeting comes again next time.
        if (!QFile::remove(marker))
            qWarning("Kalivo: cannot delete %s", qPrintable(marker));
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
    m_watch = new NoteWatch(m_platform.workingFolder + QLatin1String("/data"), this);
    connect(m_watch, &NoteWatch::changed, this, &Form1::notesChangedOutside);
    new LeftoverSweep(m_notes, this);
    m_loaded = true;
}

void Form1::createHeadings()
{
    const QLabel *tmpl = m_label3[0];
    for (int i = 1; i <= 7; ++i) {
        auto *heading = new QLabel(calendar::ColumnHeading(i), this);
        heading->setObjectName(QStringLiteral("Label3_%1").arg(i));
        heading->setFont(tmpl->font());
        heading->setAlignment(tmpl->alignment());
        heading->setFrameStyle(tmpl->frameStyle());
        heading->setLineWidth(tmpl->lineWidth());
        heading->setGeometry(tmpl->geometry());
        heading->hide();
        m_label3[i] = heading;
    }
}

void Form1::createNoteBoxes()
{
    const NoteBox *tmpl = m_text1[0];
    for (int k = 1; k <= 35; ++k) {
        auto *box = new NoteBox(k, &m_fills, this);
        box->setFont(tmpl->font());
        box->setGeometry(tmpl->geometry());
        box->hide();
        connect(box, &NoteBox::focusArriving, this, [this](int index, Qt::FocusReason reason) {
            if (reason != Qt::PopupFocusReason)
                guarded([&] { refreshBox(index); });
        });
        connect(box, &NoteBox::focusEntered, this, &Form1::noteFocusIn);
        connect(box, &NoteBox::focusLeft, this, &Form1::noteFocusOut);
        m_text1[k] = box;
        // The day number lies over its box and stays clickable.
        m_command4[k]->raise();
    }
}

// ---------------------------------------------------------------- layout

LayoutSizes Form1::currentSizes() const
{
    LayoutSizes s;
    s.titleWidth = twipsOf(m_label1->width());
    s.titleHeight = twipsOf(m_label1->height());
    s.headingHeight = twipsOf(m_label3[0]->height());
    s.prevMonthWidth = twipsOf(m_command2->width());
    s.aboutWidth = twipsOf(m_command9->width());
    s.minusWidth = twipsOf(m_command8->width());
    s.plusWidth = twipsOf(m_command7->width());
    s.nextYearWidth = twipsOf(m_command11->width());
    s.prevYearWidth = twipsOf(m_command10->width());
    s.dayButtonWidth = twipsOf(m_command4[1]->width());
    return s;
}

void Form1::Form_Resize()
{
    if (!m_loaded)
        return;

    // The rendering at the end refills the boxes from disk: the note being
    // edited goes to disk first, and its box keeps its text and cursor.
    if (FocusIndex != 0)
        UpdateDay(FocusIndex, M, y);
    m_unsaved.retry();

    const QSize outer = frameGeometry().size();
    m_laidOutFor = outer;
    applyLayout(computeLayout(twipsOf(outer.width()), twipsOf(outer.height()), currentSizes(), pixelTwips));
    ShowMonth(M, y);
}

void Form1::applyLayout(const Layout &l)
{
    const auto setLeft = [](QWidget *w, double left) {
        const int x = twipsToPixels(left);
        if (w->x() != x)
            w->move(x, w->y());
    };
    const auto setRect = [](QWidget *w, const QRect &r) {
        if (w->geometry() != r)
            w->setGeometry(r);
    };

    setLeft(m_label1, l.titleLeft);
    setLeft(m_command1, l.nextMonthLeft);
    setLeft(m_command2, l.prevMonthLeft);
    setLeft(m_command9, l.aboutLeft);
    setLeft(m_command8, l.minusLeft);
    setLeft(m_command7, l.plusLeft);
    setLeft(m_command11, l.nextYearLeft);
    setLeft(m_command10, l.prevYearLeft);

    for (int i = 1; i <= 7; ++i) {
        const TwipRect &r = l.headings[i];
        QLabel *heading = m_label3[i];
        setRect(heading, QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                               heading->height()));
        if (heading->isHidden())
            heading->show();
    }
    for (int k = 1; k <= 35; ++k) {
        const TwipRect &r = l.boxes[k];
        setRect(m_text1[k], QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                                  twipsToPixels(r.height)));
    }
    for (int k = 1; k <= 35; ++k) {
        const QPoint at(twipsToPixels(l.dayButtons[k].left), twipsToPixels(l.dayButtons[k].top));
        if (m_command4[k]->pos() != at)
            m_command4[k]->move(at);
    }
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    guarded([this] { Form_Resize(); });
}

// The window manager adds its frame after the window first appears, which
// changes the outer size without resizing the client area; the position
// changes with it.
void Form1::layoutIfOuterSizeChanged()
{
    if (m_loaded && !m_unloaded && isVisible() && frameGeometry().size() != m_laidOutFor)
        Form_Resize();
}

void Form1::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    guarded([this] { layoutIfOuterSizeChanged(); });
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto old = static_cast<QWindowStateChangeEvent *>(event)->oldState();
    // Minimising and restoring count as size changes, as they do for the user.
    if ((old & Qt::WindowMinimized) != (windowState() & Qt::WindowMinimized))
        guarded([this] { Form_Resize(); });
    else
        guarded([this] { layoutIfOuterSizeChanged(); });
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
}

void Form1::Text1_LostFocus(int Index)
{
    if (Index < 1 || Index > 35)
        return;
    // Save first, so that the note lands under the month still displayed.
    UpdateDay(static_cast<qint16>(Index), M, y);
    m_unsaved.retry();
    FocusIndex = 0;
    FocusDay = 0;
    setDayEmphasis(Index, false);
}

void Form1::Timer1_Timer()
{
    if (FocusIndex != 0)
        UpdateDay(FocusIndex, M, y);
    m_unsaved.retry();
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

// Messages wait until the current event is handled: a box that pops up in
// the middle of a focus change would swallow the click that caused it. All
// that comes up in one event is told in one box.
void Form1::tellUser(const QString &text)
{
    m_messages << text;
    if (m_messages.size() == 1)
        QTimer::singleShot(0, this, [this] { guarded([this] { showQueuedMessages(); }); });
}

void Form1::showQueuedMessages()
{
    if (m_messages.isEmpty())
        return;
    const QString text = m_messages.join(QStringLiteral("\n\n"));
    m_messages.clear();
    if (m_platform.showMessage)
        m_platform.showMessage(isVisible() ? this : nullptr, kProgramTitle, text);
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
    } else if (m_platform.openInViewer) {
        m_platform.openInViewer(w.path);
    }
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
    if (m_unloaded)
        return true;

    if (FocusIndex != 0)
        Text1_LostFocus(FocusIndex);
    if (m_loaded) {
        saveEditedBoxes(M, y, false);
        m_unsaved.retry();
    }

    if (!m_unsaved.isEmpty()) {
        // The question names every failure; the pending messages would only repeat them.
        m_messages.clear();
        if (m_platform.confirm && !m_platform.confirm(this, kProgramTitle, m_unsaved.closeQuestion())) {
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
    if (const store::Result synced = m_notes.waitForDisk(); !synced.ok() && m_platform.showMessage)
        m_platform.showMessage(this, kProgramTitle,
                               synced.error + QStringLiteral("\n\nThe last changes to your notes may be lost."));
    // A page that cannot be deleted stays behind; shutdown goes on.
    for (const QString &error : report::DeleteReports(m_platform.workingFolder))
        qWarning("Kalivo: %s", qPrintable(error));
    m_windows.closeAllNewestFirst(this);
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
