#include "topbar.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace monthview {

TopBar::TopBar(QWidget *window)
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const design::Control &c = *design::kTopBar[i];
        m_controls[i] = c.kind == design::Kind::Label ? static_cast<QWidget *>(design::makeLabel(c, window))
                                                      : design::makeButton(c, window);
    }
}

QWidget *TopBar::control(const design::Control &control) const
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (design::kTopBar[i] == &control)
            return m_controls[i];
    }
    return nullptr;
}

QPushButton *TopBar::button(const design::Control &control) const
{
    return qobject_cast<QPushButton *>(this->control(control));
}

QLabel *TopBar::title() const
{
    return static_cast<QLabel *>(control(design::kLabel1));
}

int TopBar::bottom() const
{
    int lowest = 0;
    for (const QWidget *w : m_controls)
        lowest = std::max(lowest, w->geometry().bottom() + 1);
    return lowest;
}

void TopBar::readSizes(LayoutSizes &s) const
{
    s.printWidth = pixelsToTwips(control(design::kCommand3)->width());
    s.titleWidth = pixelsToTwips(title()->width());
    s.titleHeight = pixelsToTwips(title()->height());
    s.prevMonthWidth = pixelsToTwips(control(design::kCommand2)->width());
    s.nextMonthWidth = pixelsToTwips(control(design::kCommand1)->width());
    s.aboutWidth = pixelsToTwips(control(design::kCommand9)->width());
    s.minusWidth = pixelsToTwips(control(design::kCommand8)->width());
    s.plusWidth = pixelsToTwips(control(design::kCommand7)->width());
    s.nextYearWidth = pixelsToTwips(control(design::kCommand11)->width());
    s.prevYearWidth = pixelsToTwips(control(design::kCommand10)->width());
}

void TopBar::place(const Layout &l) const
{
    const auto setLeft = [this](const design::Control &c, double left) {
        QWidget *w = control(c);
        const int x = twipsToPixels(left);
        if (w->x() != x)
            w->move(x, w->y());
    };
    setLeft(design::kLabel1, l.titleLeft);
    setLeft(design::kCommand1, l.nextMonthLeft);
    setLeft(design::kCommand2, l.prevMonthLeft);
    setLeft(design::kCommand9, l.aboutLeft);
    setLeft(design::kCommand8, l.minusLeft);
    setLeft(design::kCommand7, l.plusLeft);
    setLeft(design::kCommand11, l.nextYearLeft);
    setLeft(design::kCommand10, l.prevYearLeft);
}

} // namespace monthview
