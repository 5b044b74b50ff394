#include "windowlist.h"

void WindowList::add(QWidget *window)
{
    m_windows.removeAll(nullptr);
    if (!m_windows.contains(window))
        m_windows.append(window);
}

QList<QWidget *> WindowList::windows() const
{
    QList<QWidget *> open;
    for (const auto &w : m_windows) {
        if (w)
            open.append(w);
    }
    return open;
}

void WindowList::closeAllNewestFirst(QWidget *except)
{
    // Work on a copy: closing a window may run code that changes the list.
    const QList<QWidget *> open = windows();
    for (auto it = open.crbegin(); it != open.crend(); ++it) {
        QPointer<QWidget> w = *it;
        if (w && w != except)
            w->close();
    }
}
