#pragma once

#include "datecaptions.h"
#include "monthlayout.h"
#include "monthplan.h"
#include "notebox.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace monthview {

// The grid of the month view: seven column headings Label3(1 ... 7) over 35
// cells, each a note box Text1(k) with its day-number button Command4(k) on
// its top-right corner, and the hidden templates Label3(0), Text1(0) and
// Command4(0). The grid owns its cells, shows a month in them and tells
// when the keyboard focus comes to a note box and leaves it.
//
// It covers the whole window, so that every control stands where the
// window's design and the layout pass put it, in the window's coordinates.
// It takes no click above `top`, where the top bar's buttons are: the top
// bar comes first in the window, as it does for the eye, for Tab and for
// screen readers. What it paints are the frames of the headings and the
// frames and backgrounds of the note boxes.
class MonthGrid : public QWidget
{
    Q_OBJECT

public:
    // The templates and the day-number buttons as the design has them. The
    // week starts on firstWeekday (1 = Sunday); dates are written with
    // `words`.
    MonthGrid(QWidget *window, int top, const calendar::DateWords &words = calendar::StandardWords(),
              int firstWeekday = calendar::kSundayFirst);
    ~MonthGrid() override;

    // Start-up: the headings and the note boxes, copies of their templates,
    // hidden until the first layout pass and rendering show them.
    void createCells();

    const calendar::DateWords &dateWords() const { return m_words; }
    int firstWeekday() const { return m_firstWeekday; }
    // The cell of a day, and the day of a cell (0: none), in this grid's week.
    qint16 cellOf(qint16 day, qint16 month, qint16 year) const
    {
        return calendar::GetIndex(day, month, year, m_firstWeekday);
    }
    qint16 dayOf(qint16 k, qint16 month, qint16 year) const
    {
        return calendar::GetDay(k, month, year, m_firstWeekday);
    }

    // nullptr for a member that does not exist (yet).
    QLabel *heading(int i) const { return i >= 0 && i <= 7 ? m_label3[i] : nullptr; }
    NoteBox *box(int k) const { return k >= 0 && k <= 35 ? m_text1[k] : nullptr; }
    QPushButton *dayButton(int k) const { return k >= 0 && k <= 35 ? m_command4[k] : nullptr; }
    // The note box with the keyboard focus, or nullptr.
    NoteBox *focusedBox() const;

    // The grid's part of the layout pass: what it reads and where it puts
    // the headings, the note boxes and the day numbers.
    void readSizes(LayoutSizes &sizes) const;
    void place(const Layout &layout);

    // Shows a planned month: hides the cells without a day, which keep
    // whatever they showed, and fills the others with day number, note and
    // colour. The box of cell focusIndex is being edited.
    void showMonth(const MonthPlan &plan, qint16 month, qint16 year, int focusIndex);

    // Shows a note read again in the cell that shows its date.
    void showNote(int k, const store::Note &note, bool focused);

    // The day number of a cell whose box is being edited stands out: bold,
    // a point larger than BaseFontSize.
    void emphasise(int k, bool emphasised);

    // Every note box's text one point larger (+1) or smaller (-1), within
    // 1 ... 72 points.
    void zoom(int points);

    // Marks the shown cells whose date has another version (a conflict
    // copy), and unmarks the others.
    void markVersions(const std::function<bool(const NoteDate &)> &hasOtherVersion);

signals:
    // A note box's focus, as NoteBox tells it.
    void focusArriving(int index, Qt::FocusReason reason);
    void focusEntered(int index, Qt::FocusReason reason);
    void focusLeft(int index, Qt::FocusReason reason);
    // "Earlier versions…" chosen in a note box's context menu.
    void versionsAsked(int index);
    // The cells show other dates, or notes read anew, or marks.
    void cellsChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    calendar::DateWords m_words;
    int m_firstWeekday;
    FillMeasure m_fills;
    std::array<QLabel *, 8> m_label3{};
    std::array<NoteBox *, 36> m_text1{};
    std::array<QPushButton *, 36> m_command4{};
    qint16 BaseFontSize = 0;   // day-number size in points when not emphasised
};

} // namespace monthview
