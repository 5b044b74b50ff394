#pragma once

#include <QAccessible>
#include <QObject>

namespace monthview {

class MonthGrid;

// Names that screen readers say for the cells of the month grid: each
// shown note box and day-number button says its date ("Tuesday 14 March
// 2006", calendar::SpokenDate), and a box whose note cannot be read says so
// in its description, and a box whose date has a conflict copy says "has
// another version". (The top bar's buttons say what they do, with their
// tooltips, which name their keys, as descriptions: the design table gives
// them; the month title is its own text.) The cells' names cost nothing
// while no assistive technology listens: they are given when one starts,
// and then whenever the cells change.
//
// Screen readers find only what shows in the grid: its headings and the
// cells of the month, in the order they are read, each box before its day
// number. The hidden templates and the cells the month leaves empty, which
// still hold the dates of an earlier month, are not among them.
class ScreenReaderNames : public QObject, public QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    explicit ScreenReaderNames(MonthGrid *grid);
    ~ScreenReaderNames() override;

    void accessibilityActiveChanged(bool active) override;

private:
    // The cells show other dates, or notes read anew.
    void cellsChanged()
    {
        if (m_active)
            nameCells();
    }
    void nameCells();

    MonthGrid *m_grid;
    bool m_active;   // an assistive technology listens
    int m_shown = -1;   // cells that showed when they were last named
};

} // namespace monthview
