#include "monthgrid.h"

#include "calendar.h"
#include "design.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRegion>

namespace monthview {

MonthGrid::MonthGrid(QWidget *window, int top)
    : QWidget(window)
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
        m_label3[i] = design::makeLabel(design::heading(i), this);
    for (int k = 1; k <= 35; ++k) {
        auto *box = new NoteBox(k, &m_fills, this);
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
}

void MonthGrid::place(const Layout &l)
{
    const auto setRect = [](QWidget *w, const QRect &r) {
        if (w->geometry() != r)
            w->setGeometry(r);
    };
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
        const int k = calendar::GetIndex(d, month, year);
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
