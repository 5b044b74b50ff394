#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace accessibility {

namespace {

// Asked for every class of an object, the most derived first: a plain
// widget's turn comes when no class of its own was given an interface.
QAccessibleInterface *plainWindow(const QString &className, QObject *object)
{
    if (className != QLatin1String("QWidget") || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    return widget->isWindow() ? new QAccessibleWidget(widget, QAccessible::Window) : nullptr;
}

} // namespace

void announceWindows()
{
    static const bool installed = [] {
        QAccessible::installFactory(plainWindow);
        return true;
    }();
    Q_UNUSED(installed);
}

QString spokenText(const QString &text)
{
    QString spoken;
    spoken.reserve(text.size());
    bool gap = false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control) {
            gap = true;
            continue;
        }
        if (gap && !spoken.isEmpty())
            spoken += QLatin1Char(' ');
        gap = false;
        spoken += c;
    }
    return spoken;
}

} // namespace accessibility
