#pragma once

#include "celldate.h"

#include <QAccessible>
#include <QObject>
#include <QString>

class Form1;

namespace monthview {

// Names that screen readers say for the month view's controls: the top
// bar's buttons say what they do (their tooltips, which name their keys,
// are their descriptions); each shown note box and day-number button says
// its date ("Tuesday 14 March 2006", calendar::SpokenDate), and a box whose note cannot be read says so in its
// description. The month title is its own text. The cells' names cost
// nothing while no assistive technology listens: they are given when one
// starts, and then whenever the cells change.
class ScreenReaderNames : public QObject, public QAccessible::ActivationObserver
{
public:
    explicit ScreenReaderNames(Form1 &form);
    ~ScreenReaderNames() override;

    // The cells show other dates, or notes read anew.
    void cellsChanged()
    {
        if (m_active)
            nameCells();
    }

    void accessibilityActiveChanged(bool active) override;

private:
    void nameCells();

    Form1 &m_form;
    bool m_active;   // an assistive technology listens
};

} // namespace monthview
