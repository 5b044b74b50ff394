// The layout pass of the month view: the top bar and the grid stretched over
// the window at every change of its size.
#include "form1.h"

#include "messages.h"
#include "monthgrid.h"
#include "noteediting.h"

#include <QEvent>
#include <QWindowStateChangeEvent>

using namespace monthview;

void Form1::Form_Resize()
{
    if (!m_loaded)
        return;

    // The rendering at the end refills the boxes from disk: the note being
    // edited goes to disk first, and its box keeps its text and cursor.
    if (focusIndex() != 0)
        UpdateDay(focusIndex(), M, y);
    m_editing->retry();

    LayoutSizes sizes;
    m_topBar.readSizes(sizes);
    m_grid->readSizes(sizes);
    const QSize outer = frameGeometry().size();
    m_laidOutFor = outer;
    const Layout layout = computeLayout(pixelsToTwips(outer.width()), pixelsToTwips(outer.height()), sizes, pixelTwips);
    m_topBar.place(layout);
    m_grid->place(layout);
    ShowMonth(M, y);
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_grid->resize(size());
    m_messages->guard([this] { Form_Resize(); });
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
    m_messages->guard([this] { layoutIfOuterSizeChanged(); });
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto old = static_cast<QWindowStateChangeEvent *>(event)->oldState();
    // Minimising and restoring count as size changes, as they do for the user.
    if ((old & Qt::WindowMinimized) != (windowState() & Qt::WindowMinimized))
        m_messages->guard([this] { Form_Resize(); });
    else
        m_messages->guard([this] { layoutIfOuterSizeChanged(); });
}
