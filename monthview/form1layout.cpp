// The layout pass of the month view: the top bar and the grid stretched over
// the window's client area at every change of its size.
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

    // The client area is what the window really has for its controls. Its
    // frame differs from one window manager to the next and may be none;
    // a window that draws its own decorations (Wayland) counts them in
    // its frame, which the grid must not cover.
    const Layout layout = computeClientLayout(pixelsToTwips(width()), pixelsToTwips(height()), layoutSizes(),
                                              pixelTwips);
    m_topBar.place(layout);
    m_grid->place(layout);
    ShowMonth(M, y);
}

LayoutSizes Form1::layoutSizes() const
{
    LayoutSizes sizes;
    m_topBar.readSizes(sizes);
    m_grid->readSizes(sizes);
    return sizes;
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_grid->resize(size());
    m_messages->guard([this] { Form_Resize(); });
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
}
