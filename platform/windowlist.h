#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The program's open windows in the order they were opened. A window leaves
// the list when it is destroyed. Shutdown closes them newest first.
class WindowList
{
public:
    void add(QWidget *window);
    QList<QWidget *> windows() const;   // oldest first

    // Closes every listed window but `except`, newest first.
    void closeAllNewestFirst(QWidget *except = nullptr);

private:
    QList<QPointer<QWidget>> m_windows;
};
