#include "form1.h"

#include "calendar.h"
#include "frmabout.h"
#include "reminderstart.h"
#include "report.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

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

// A note box counts as entered or left on every focus change but one: its
// own context menu takes the keyboard only while it is open and gives it
// back. Switching to another application's window counts, so the note
// reaches the disk when the user turns to something else.
bool countsForTheNote(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason;
}

const QColor kUnreadableText(160, 0, 0);

} // namespace

namespace monthview {

// A note box Text1(k): a plain multi-line editor that reports its focus
// changes to the month view together with its index.
class NoteBox : public QPlainTextEdit
{
public:
    NoteBox(int index, Form1 *form)
        : QPlainTextEdit(form)
        , m_index(index)
        , m_form(form)
    {
        setObjectName(QStringLiteral("Text1_%1").arg(index));
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // Tab moves on to the next control, as in any form.
        setTabChangesFocus(true);
        // Without scroll bars nothing needs the document's full height, and
        // centring on scroll spares every text change a layout of the
        // document's last screenful.
        setCenterOnScroll(true);
    }

    // The window's destruction hides it, which takes the focus from the
    // box after the month view's own members are gone.
    void detach() { m_form = nullptr; }

protected:
    // An unfocused box may hold only the start of its note. The whole note
    // goes in here, before the key, click, paste or input-method text that
    // follows the focus reaches the box: the mouse press that gave the focus
    // is delivered after this event, so the cursor still lands where the
    // user clicked.
    void focusInEvent(QFocusEvent *event) override
    {
        if (m_form)
            m_form->showWholeNote(m_index);
        QPlainTextEdit::focusInEvent(event);
        if (m_form)
            m_form->noteFocusIn(m_index, event->reason());
    }

    // A drop changes a box without giving it the focus, and the wheel
    // scrolls past what an unfocused box holds.
    void dragEnterEvent(QDragEnterEvent *event) override
    {
        if (m_form)
            m_form->showWholeNote(m_index);
        QPlainTextEdit::dragEnterEvent(event);
    }

    void wheelEvent(QWheelEvent *event) override
    {
        if (m_form)
            m_form->showWholeNote(m_index);
        QPlainTextEdit::wheelEvent(event);
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        QPlainTextEdit::focusOutEvent(event);
        if (m_form)
            m_form->noteFocusOut(m_index, event->reason());
    }

private:
    int m_index;
    Form1 *m_form;
};

} // namespace monthview

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

Form1::Form1(const Platform &platform, const QStringList &arguments, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_arguments(arguments)
    , m_notes(platform.workingFolder)
{
    m_windows.add(this);
    buildDesign();
}

Form1::~Form1()
{
    for (NoteBox *box : m_text1) {
        if (box)
            box->detach();
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

    auto *box = new NoteBox(0, this);
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

Form1::LoadOutcome Form1::Form_Load()
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

    const QDate now = m_platform.today;
    FocusDay = static_cast<qint16>(now.day());
    y = static_cast<qint16>(now.year());
    M = static_cast<qint16>(now.month());
    TodayDay = FocusDay;
    TodayYear = y;
    TodayMonthText = QString::number(M);

    bool reminderShown = false;
    if (m_arguments == QStringList{QStringLiteral("remind")}) {
        if (!reminder::ReminderStart(
                reminder::Context{TodayDay, M, TodayYear, FocusDay, y, m_notes, m_windows, this}))
            return LoadOutcome::Quit;
        reminderShown = true;
    }

    createHeadings();
    createNoteBoxes();
    m_loaded = true;
    return reminderShown ? LoadOutcome::ReminderShown : LoadOutcome::ShowMonthView;
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
        auto *box = new NoteBox(k, this);
        box->setFont(tmpl->font());
        box->setGeometry(tmpl->geometry());
        box->hide();
        connect(box->document(), &QTextDocument::contentsChanged, this, [this, k] {
            if (m_settingText)
                return;
            m_cells[k].dirty = true;
            // Assistive technology edits a box without the focus. Whatever
            // it changed in the start of a note, the rest still follows it.
            showWholeNote(k);
        });
        m_text1[k] = box;
        // No colour yet: the first rendering gives each box the colour of
        // its day (and a box that shows no day needs none).
        m_cells[k].colour = 0;
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
    retryUnsaved();

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

Today Form1::today() const
{
    return Today{TodayDay, TodayMonthText, TodayYear};
}

void Form1::writeTitle()
{
    const QString title = calendar::MonthTitle(M, y);
    if (m_label1->text() != title)
        m_label1->setText(title);
}

void Form1::ShowMonth(qint16 month, qint16 year)
{
    if (!m_loaded)
        return;

    saveEditedBoxes(month, year, true);

    const MonthPlan plan = planMonth(month, year, today(), [&](qint16 day) {
        // A note that could not be saved shows as the user left it.
        const auto unsaved = m_unsaved.find(NoteDate{day, month, year});
        if (unsaved != m_unsaved.end())
            return store::Note{unsaved->second.text, QString()};
        return m_notes.GetData(day, month, year);
    });

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
        showNote(k, cell.note, NoteDate{d, month, year});
        if (m_command4[k]->text() != cell.caption)
            m_command4[k]->setText(cell.caption);
        setBoxColour(k, cell.colour);
        if (m_text1[k]->isHidden())
            m_text1[k]->show();
        if (m_command4[k]->isHidden())
            m_command4[k]->show();
    }

    writeTitle();
}

// The box being edited gets the whole note; any other only as much as it
// shows (see Cell::partLength).
void Form1::setBoxText(int k, const QString &note)
{
    NoteBox *box = m_text1[k];
    Cell &cell = m_cells[k];
    cell.partLength = -1;
    QString shown;
    if (FocusIndex != k && !box->hasFocus()) {
        Fill &fill = fillOf(k);
        cell.fillSize = fill.size;
        cell.fillFont = fill.font;
        // The editor text of a note's start is the start of its editor
        // text. The box holds at most fill.chars characters and fill.lines
        // line breaks, and a CR LF is one character more in the note than in
        // the box: that many characters of the note and two more (a surrogate
        // pair is never cut) are more than the box takes, and a CR at their
        // end takes its LF along.
        qsizetype head = std::min(note.size(), fill.chars + fill.lines + 2);
        if (head < note.size() && note.at(head - 1) == u'\r')
            ++head;
        shown = editorTextOfNote(head < note.size() ? note.left(head) : note);
        const qsizetype length = editorTextPrefixLength(shown, fill.lines, fill.chars, &fill.room, fill.width,
                                                        [this](char16_t c) { return measureLetter(c); });
        if (length < shown.size()) {
            shown.truncate(length);
            cell.partLength = length;
        }
    } else {
        shown = editorTextOfNote(note);
    }
    m_settingText = true;
    // Through the document: the editor's own setPlainText also lays out the
    // first block twice on the spot (to select all and to show the cursor),
    // work that the next paint does anyway for a box that shows. The undo
    // history goes, the cursor moves to the start, the view goes to the top.
    box->document()->setPlainText(shown);
    box->verticalScrollBar()->setValue(0);
    m_settingText = false;
    cell.note = note;
    cell.shownRaw = box->document()->toRawText();
    cell.dirty = false;
}

void Form1::showNote(int k, const store::Note &note, const NoteDate &date)
{
    NoteBox *box = m_text1[k];
    Cell &cell = m_cells[k];
    const bool sameDate = cell.date == date;

    if (!note.ok()) {
        cell.date = date;
        showUnreadable(k, note.error);
        return;
    }
    if (cell.unreadable) {
        cell.unreadable = false;
        box->setReadOnly(false);
        refreshPalette(k);
        cell.date = date;
        setBoxText(k, note.text);
        return;
    }
    cell.date = date;
    // The note being typed stays as it is, cursor and all.
    if (FocusIndex == k && sameDate)
        return;
    if (!cell.dirty && cell.note == note.text) {
        // Same text for another date: the undo history belongs to the old one.
        if (!sameDate && (box->document()->isUndoAvailable() || box->document()->isRedoAvailable()))
            box->document()->clearUndoRedoStacks();
        // A layout pass may have made the box larger.
        fillAgainIfShort(k);
        return;
    }
    setBoxText(k, note.text);
}

// How much of a note an unfocused box needs so that it looks full: every
// line that shows and two more, and enough characters for all of them when
// long lines wrap. Judged on the generous side: the frame's inside rather
// than the viewport, the font's height without leading, characters no wider
// than 2 px or the font's narrowest letters, whichever is less - or, for
// Latin-1 text, no wider than three quarters of their own width, which
// kerning never undercuts. Only zero-width marks take less room than that.
Form1::Fill &Form1::fillOf(int k) const
{
    const NoteBox *box = m_text1[k];
    const QSize size = box->contentsRect().size();
    if (m_lastFill.lines > 0 && m_lastFill.size == size && m_lastFill.font == box->font())
        return m_lastFill;

    if (m_lastFill.lines == 0 || m_lastFill.font != box->font()) {
        m_lastFill.font = box->font();
        m_lastFill.metrics.emplace(m_lastFill.font);
        m_lastFill.room.fill(-1);
    }
    const QFontMetricsF &metrics = *m_lastFill.metrics;
    const qreal lineHeight = std::max<qreal>(1, std::min(metrics.height(), metrics.lineSpacing()));
    const qreal narrowest = std::min({metrics.horizontalAdvance(QLatin1Char('i')),
                                      metrics.horizontalAdvance(QLatin1Char('l')),
                                      metrics.horizontalAdvance(QLatin1Char(' ')), qreal(2)});
    const int lines = int(std::ceil(std::max(size.height(), 0) / lineHeight)) + 2;
    const auto perLine = qsizetype(std::ceil(std::max(size.width(), 1) / std::max<qreal>(narrowest, 0.5)));
    m_lastFill.size = size;
    m_lastFill.lines = lines;
    m_lastFill.chars = lines * perLine;
    m_lastFill.width = std::max(size.width(), 1);
    return m_lastFill;
}

// The room a Latin-1 letter takes in the note boxes' font, measured when a
// note first holds it: every letter measured costs the font a look at its
// glyph. Blanks may hang past the edge, a tab may stop right after its
// start, controls and the soft hyphen may show as nothing.
float Form1::measureLetter(char16_t c) const
{
    if (c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD)
        return 0;
    return float(0.75 * m_lastFill.metrics->horizontalAdvance(QChar(c)));
}

void Form1::fillAgainIfShort(int k)
{
    const Cell &cell = m_cells[k];
    if (cell.partLength < 0)
        return;
    // A taller or wider box, or another font, may show more of the note.
    const Fill &fill = fillOf(k);
    if (fill.size.height() > cell.fillSize.height() || fill.size.width() > cell.fillSize.width()
        || fill.font != cell.fillFont)
        setBoxText(k, cell.note);
}

// The rest of the note goes on at the end of the box, so its cursor and its
// scroll position stay as they are.
void Form1::showWholeNote(int k)
{
    Cell &cell = m_cells[k];
    if (cell.partLength < 0)
        return;
    QTextDocument *document = m_text1[k]->document();
    const QString rest = editorTextOfNote(cell.note).mid(cell.partLength);
    m_settingText = true;
    // Filling in the rest is no step the user could undo.
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertText(rest);
    document->setUndoRedoEnabled(undo);
    m_settingText = false;
    cell.partLength = -1;
    // Unchanged, the box now matches the note; changed elsewhere, it is a
    // text to save.
    if (!cell.dirty)
        cell.shownRaw = document->toRawText();
}

void Form1::showUnreadable(int k, const QString &error)
{
    NoteBox *box = m_text1[k];
    Cell &cell = m_cells[k];
    const QString shown = QStringLiteral("This note cannot be read; Kalivo leaves its file alone.\n%1").arg(error);
    if (cell.unreadable && cell.shownRaw == shown)
        return;
    cell.unreadable = true;
    box->setReadOnly(true);
    refreshPalette(k);
    m_settingText = true;
    box->setPlainText(shown);
    m_settingText = false;
    cell.partLength = -1;
    cell.note.clear();
    cell.shownRaw = shown;
    cell.dirty = false;
}

void Form1::setBoxColour(int k, QRgb colour)
{
    if (m_cells[k].colour == colour)
        return;
    m_cells[k].colour = colour;
    refreshPalette(k);
}

// The colour is the viewport's, which paints the box's background: the
// box's own palette would pass a change on to every inner part of the box.
// The text colour, which the box paints with, changes only with the
// readability of the note.
void Form1::refreshPalette(int k)
{
    NoteBox *box = m_text1[k];
    QWidget *viewport = box->viewport();
    const QColor base = QColor::fromRgb(m_cells[k].colour);
    if (viewport->palette().color(QPalette::Base) != base) {
        QPalette palette = viewport->palette();
        palette.setColor(QPalette::Base, base);
        viewport->setPalette(palette);
    }
    const QColor text = m_cells[k].unreadable ? kUnreadableText : m_text1[0]->palette().color(QPalette::Text);
    if (box->palette().color(QPalette::Text) != text) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, text);
        box->setPalette(palette);
    }
}

// ---------------------------------------------------------------- editing and saving

QString Form1::noteText(int k) const
{
    const Cell &cell = m_cells[k];
    // A box holding only the start of its note stands for the whole note.
    if (!cell.dirty || cell.partLength >= 0)
        return cell.note;
    const QString raw = m_text1[k]->document()->toRawText();
    // Unchanged after all: keep the note's own bytes, lone CR or LF included.
    if (raw == cell.shownRaw)
        return cell.note;
    return noteOfRawEditorText(raw);
}

bool Form1::UpdateDay(qint16 Index, qint16 month, qint16 year)
{
    if (!m_loaded)
        return false;
    const qint16 day = calendar::GetDay(Index, month, year);
    if (day == 0)
        return false;
    Cell &cell = m_cells[Index];
    const NoteDate date{day, month, year};
    // A box holds the note of the date it shows and of no other; a file that
    // could not be read is never overwritten from its cell.
    if (cell.date != date || cell.unreadable)
        return false;

    const QString text = noteText(Index);
    const bool saved = saveNote(date, text);
    // Saved or kept for a later try: either way the box now matches it.
    if (cell.dirty) {
        cell.note = text;
        cell.shownRaw = m_text1[Index]->document()->toRawText();
        cell.dirty = false;
    }
    return saved;
}

bool Form1::saveNote(const NoteDate &date, const QString &text)
{
    const store::Result result = text.isEmpty()
        ? m_notes.DeleteData(date.day, date.month, date.year)
        : m_notes.UpdateData(date.day, date.month, date.year, text);
    if (result.ok()) {
        m_unsaved.erase(date);
        return true;
    }
    // Told once per note; later failures of the same note stay quiet.
    const bool known = m_unsaved.contains(date);
    m_unsaved[date] = Unsaved{text, result.error};
    if (!known) {
        tellUser(QStringLiteral("The note of %1 could not be saved.\n\n%2\n\n"
                                "Its text stays on the screen, and Kalivo saves it as soon as it can.")
                     .arg(describe(date), result.error));
    }
    return false;
}

void Form1::retryUnsaved()
{
    for (auto it = m_unsaved.begin(); it != m_unsaved.end();) {
        const NoteDate &date = it->first;
        const QString &text = it->second.text;
        const store::Result result = text.isEmpty()
            ? m_notes.DeleteData(date.day, date.month, date.year)
            : m_notes.UpdateData(date.day, date.month, date.year, text);
        if (result.ok()) {
            it = m_unsaved.erase(it);
        } else {
            it->second.error = result.error;
            ++it;
        }
    }
}

// Saves every box that was edited, under the date it shows. With
// keepFocusedDate, the focused box is left alone when it goes on showing
// the same date of month/year: it keeps its text and is saved by its own
// focus handling.
void Form1::saveEditedBoxes(qint16 month, qint16 year, bool keepFocusedDate)
{
    for (int k = 1; k <= 35; ++k) {
        Cell &cell = m_cells[k];
        if (!cell.dirty || cell.unreadable || cell.date.day == 0)
            continue;
        if (keepFocusedDate && k == FocusIndex
            && cell.date == NoteDate{calendar::GetDay(static_cast<qint16>(k), month, year), month, year})
            continue;
        const QString text = noteText(k);
        saveNote(cell.date, text);
        cell.note = text;
        cell.shownRaw = m_text1[k]->document()->toRawText();
        cell.dirty = false;
    }
}

void Form1::Text1_GotFocus(int Index)
{
    if (Index < 1 || Index > 35)
        return;
    FocusIndex = static_cast<qint16>(Index);
    FocusDay = calendar::GetDay(FocusIndex, M, y);
    QFont font = m_command4[Index]->font();
    font.setBold(true);
    font.setPointSizeF(BaseFontSize + 1);
    m_command4[Index]->setFont(font);
}

void Form1::Text1_LostFocus(int Index)
{
    if (Index < 1 || Index > 35)
        return;
    // Save first, so that the note lands under the month still displayed.
    UpdateDay(static_cast<qint16>(Index), M, y);
    retryUnsaved();
    FocusIndex = 0;
    FocusDay = 0;
    QFont font = m_command4[Index]->font();
    font.setBold(false);
    font.setPointSizeF(BaseFontSize);
    m_command4[Index]->setFont(font);
}

void Form1::Timer1_Timer()
{
    if (FocusIndex != 0)
        UpdateDay(FocusIndex, M, y);
    retryUnsaved();
}

void Form1::noteFocusIn(int index, Qt::FocusReason reason)
{
    if (m_loaded && !m_unloaded && countsForTheNote(reason))
        guarded([&] { Text1_GotFocus(index); });
}

void Form1::noteFocusOut(int index, Qt::FocusReason reason)
{
    if (m_loaded && !m_unloaded && countsForTheNote(reason))
        guarded([&] { Text1_LostFocus(index); });
}

QStringList Form1::unsavedNotes() const
{
    QStringList dates;
    for (const auto &[date, unsaved] : m_unsaved)
        dates << QStringLiteral("%1: %2").arg(describe(date), unsaved.error);
    return dates;
}

QString Form1::describe(const NoteDate &date) const
{
    return QStringLiteral("%1 %2 %3").arg(date.day).arg(calendar::MonthName(date.month)).arg(date.year);
}

// Messages wait until the current event is handled: a box that pops up in
// the middle of a focus change would swallow the click that caused it.
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

// Years stay within four digits: note files are named by them.
constexpr qint16 kFirstYear = 1;
constexpr qint16 kLastYear = 9999;

void Form1::Command1_Click()
{
    if (!(M == 12 && y >= kLastYear)) {
        M = static_cast<qint16>(M + 1);
        if (M == 13) {
            M = 1;
            y = static_cast<qint16>(y + 1);
        }
    }
    writeTitle();
    ShowMonth(M, y);
}

void Form1::Command2_Click()
{
    if (!(M == 1 && y <= kFirstYear)) {
        M = static_cast<qint16>(M - 1);
        if (M == 0) {
            M = 12;
            y = static_cast<qint16>(y - 1);
        }
    }
    writeTitle();
    ShowMonth(M, y);
}

void Form1::stepYear(int delta)
{
    int year = y + delta;
    // The year buttons stop at 1900 and 2099, but only when they arrive there;
    // beyond those years, reached by the month buttons, they step on.
    if (year == 1899)
        year = 1900;
    else if (year == 2100)
        year = 2099;
    y = static_cast<qint16>(std::clamp<int>(year, kFirstYear, kLastYear));
    writeTitle();
    ShowMonth(M, y);
}

void Form1::Command10_Click()
{
    stepYear(-1);
}

void Form1::Command11_Click()
{
    stepYear(+1);
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
        NoteBox *box = m_text1[k];
        QFont font = box->font();
        const double size = font.pointSizeF() + points;
        if (size < 1 || size > 72)
            continue;
        font.setPointSizeF(size);
        m_settingText = true;
        box->setFont(font);
        m_settingText = false;
    }
    // A smaller font shows more lines.
    for (int k = 1; k <= 35; ++k)
        fillAgainIfShort(k);
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
        retryUnsaved();
    }

    if (!m_unsaved.empty()) {
        // The question names every failure; the pending messages would only repeat them.
        m_messages.clear();
        const QString question =
            QStringLiteral("These notes could not be saved:\n\n%1\n\nClose Kalivo and lose them?")
                .arg(unsavedNotes().join(QLatin1Char('\n')));
        if (m_platform.confirm && !m_platform.confirm(this, kProgramTitle, question)) {
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
        qWarning("Kalivo: %s", qPrintable(synced.error));
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
