#include "monthgrid.h"

#include "calendar.h"
#include "design.h"

#include <QFont>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegion>

namespace monthview {

MonthGrid::MonthGrid(QWidget *window, int top, const calendar::DateWords &words, int firstWeekday)
    : QWidget(window)
    , m_words(words)
    , m_firstWeekday(firstWeekday)
{
    setObjectName(QStringLiteral("MonthGrid"));
    resize(window->size());
    setMask(QRegion(0, top, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    // Templates of the grid; start-up copies the heading and the note box.
    m_label3[0] = design::makeLabel(design::kLabel3Template, this);
    m_text1[0] = new NoteBox(0, &m_fills, this);
    for (int k = 0; k <= 35; ++k)
        m_command4[k] = design::makeButton(design::dayButton(k), this);
    BaseFontSize = static_cast<qint16>(qRound(m_command4[0]->font().pointSizeF()));   // 8.25 -> 8
}

MonthGrid::~MonthGrid()
{
    // The grid's destruction hides the boxes, which takes the focus from one
    // of them after the grid's own members are gone.
    for (NoteBox *box : m_text1) {
        if (box)
            box->disconnect(this);
    }
}

void MonthGrid::createCells()
{
    for (int i = 1; i <= 7; ++i)
        m_label3[i] = design::makeLabel(design::heading(i), this, m_firstWeekday);
    m_text1[0]->keepClearOf(m_command4[0]->size());
    for (int k = 1; k <= 35; ++k) {
        auto *box = new NoteBox(k, &m_fills, this);
        box->keepClearOf(m_command4[k]->size());
        connect(box, &NoteBox::focusArriving, this, &MonthGrid::focusArriving);
        connect(box, &NoteBox::focusEntered, this, &MonthGrid::focusEntered);
        connect(box, &NoteBox::focusLeft, this, &MonthGrid::focusLeft);
        connect(box, &NoteBox::versionsAsked, this, &MonthGrid::versionsAsked);
        m_text1[k] = box;
        // The day number lies over its box and stays clickable.
        m_command4[k]->raise();
    }
}

NoteBox *MonthGrid::focusedBox() const
{
    for (int k = 1; k <= 35; ++k) {
        if (m_text1[k] && m_text1[k]->hasFocus())
            return m_text1[k];
    }
    return nullptr;
}

// ---------------------------------------------------------------- layout

void MonthGrid::readSizes(LayoutSizes &sizes) const
{
    sizes.headingHeight = pixelsToTwips(m_label3[0]->height());
    sizes.dayButtonWidth = pixelsToTwips(m_command4[1]->width());
    sizes.dayButtonHeight = pixelsToTwips(m_command4[1]->height());
    sizes.lineBoxHeight = pixelsToTwips(m_text1[0]->oneLineHeight());
}

void MonthGrid::place(const Layout &l)
{
    const auto setRect = [](QWidget *w, const QRect &r) {
        if (w->geometry() != r)
            w->setGeometry(r);
    };
    // Neighbours meet: each edge lies on the pixel nearest to it.
    for (int i = 1; i <= 7; ++i) {
        QLabel *heading = m_label3[i];
        QRect r = pixelEdges(l.headings[i]);
        r.setHeight(heading->height());
        setRect(heading, r);
        if (heading->isHidden())
            heading->show();
    }
    for (int k = 1; k <= 35; ++k)
        setRect(m_text1[k], pixelEdges(l.boxes[k]));
    for (int k = 1; k <= 35; ++k) {
        const QPoint at(twipsToPixels(l.dayButtons[k].left), twipsToPixels(l.dayButtons[k].top));
        if (m_command4[k]->pos() != at)
            m_command4[k]->move(at);
    }
}

// Each edge of a cell on the device pixel nearest to it, and each line of a
// frame one device pixel wide: at a fractional scale (1.25, 1.5) a line one
// pixel of the window wide covers one device pixel here and two there, and a
// widget's own painting may leave out its last device pixel where the next
// widget begins. The grid paints in device pixels, under the cells; the note
// boxes paint only their text over it.
void MonthGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted());
    const QRect dirty = toDevice.mapRect(QRectF(event->rect())).toAlignedRect();
    const auto devicePixels = [&toDevice](const QRect &r) {
        const QRectF d = toDevice.mapRect(QRectF(r));
        return QRect(QPoint(qRound(d.left()), qRound(d.top())), QPoint(qRound(d.right()) - 1, qRound(d.bottom()) - 1));
    };
    const auto frame = [&painter](const QRect &r, const QColor &colour) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
    };

    // The headings' frames as a plain frame of a label draws them.
    const QColor headingLine = palette().color(QPalette::WindowText);
    for (int i = 1; i <= 7; ++i) {
        if (m_label3[i] && !m_label3[i]->isHidden()) {
            if (const QRect r = devicePixels(m_label3[i]->geometry()); r.intersects(dirty))
                frame(r, headingLine);
        }
    }
    // The boxes' frames in the grey of the style's own frame of a text box.
    const QColor boxLine = palette().color(QPalette::Window).darker(140).lighter(108);
    for (int k = 1; k <= 35; ++k) {
        const NoteBox *box = m_text1[k];
        if (!box || box->isHidden())
            continue;
        const QRect r = devicePixels(box->geometry());
        if (!r.intersects(dirty))
            continue;
        painter.fillRect(r, box->colour());
        frame(r, boxLine);
    }
}

// ---------------------------------------------------------------- rendering

void MonthGrid::showMonth(const MonthPlan &plan, qint16 month, qint16 year, int focusIndex)
{
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
        const int k = cellOf(d, month, year);
        const CellPlan &cell = plan.cells[k];
        m_text1[k]->showNote(NoteDate{d, month, year}, cell.note, focusIndex == k);
        if (m_command4[k]->text() != cell.caption)
            m_command4[k]->setText(cell.caption);
        m_text1[k]->setColour(cell.colour);
        if (m_text1[k]->isHidden())
            m_text1[k]->show();
        if (m_command4[k]->isHidden())
            m_command4[k]->show();
    }
    emit cellsChanged();
}

void MonthGrid::showNote(int k, const store::Note &note, bool focused)
{
    NoteBox *box = m_text1[k];
    box->showNote(box->date(), note, focused);
    emit cellsChanged();
}

void MonthGrid::emphasise(int k, bool emphasised)
{
    QFont font = m_command4[k]->font();
    font.setBold(emphasised);
    font.setPointSizeF(emphasised ? BaseFontSize + 1 : BaseFontSize);
    m_command4[k]->setFont(font);
}

void MonthGrid::zoom(int points)
{
    // A step that would leave 1 ... 72 points leaves the box as it is.
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

void MonthGrid::markVersions(const std::function<bool(const NoteDate &)> &hasOtherVersion)
{
    bool changed = false;
    for (int k = 1; k <= 35; ++k) {
        NoteBox *box = m_text1[k];
        const bool other = box && box->date().day != 0 && hasOtherVersion(box->date());
        if (box && box->hasOtherVersion() != other) {
            box->setOtherVersion(other);
            changed = true;
        }
    }
    if (changed)
        emit cellsChanged();
}

} // namespace monthview
