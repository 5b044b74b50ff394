#pragma once

#include "design.h"
#include "monthlayout.h"

#include <array>

class QLabel;
class QPushButton;
class QWidget;

namespace monthview {

// The top bar of the month view, made from the design table: "Print", the
// title Label1 between "< Prev Month" and "Next Month >", "< Yr", "Yr >",
// "+", "-" and "About". Its controls are children of the window.
class TopBar
{
public:
    TopBar() = default;
    explicit TopBar(QWidget *window);

    // The button made from a control of design::kTopBar; nullptr for any
    // other control.
    QPushButton *button(const design::Control &control) const;
    QLabel *title() const;
    // The lowest bottom edge of the top bar's controls, in pixels.
    int bottom() const;

    // The top bar's part of the layout pass: what it reads and where it puts
    // the controls. "Print" stays where it is.
    void readSizes(LayoutSizes &sizes) const;
    void place(const Layout &layout) const;

private:
    QWidget *control(const design::Control &control) const;

    std::array<QWidget *, design::kTopBar.size()> m_controls{};
};

} // namespace monthview
