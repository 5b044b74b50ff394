// The layout pass of the month view: the grid stretched over the window at
// every change of its size.
#include "form1.h"

#include "notebox.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QWindowStateChangeEvent>

using namespace monthview;

namespace {

double twipsOf(int pixels)
{
    return pixels * 15.0;
}

} // namespace

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

