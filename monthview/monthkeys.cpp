#include "monthkeys.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace monthview {

MonthKeys::MonthKeys(QWidget *window, const std::vector<KeyAction> &actions)
    : QObject(window)
{
    for (const KeyAction &action : actions) {
        for (const QKeySequence &sequence : action.keys) {
            auto *shortcut = new QShortcut(sequence, window);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, action.run);
            m_sequences << sequence;
        }
    }
}

void MonthKeys::takeFrom(QWidget *editor)
{
    editor->installEventFilter(this);
}

bool MonthKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
        if (m_sequences.contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace monthview
