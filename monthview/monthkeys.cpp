#include "monthkeys.h"

#include "design.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace monthview {

namespace {

void press(QPushButton *button, design::KeyFocus focus)
{
    QWidget *before = button->window()->focusWidget();
    // As a click: the box being left saves its note before the button acts.
    button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    if (focus == design::KeyFocus::NoteBox && before && before != button && before->isVisible()
        && qobject_cast<QPlainTextEdit *>(before))
        before->setFocus(Qt::ShortcutFocusReason);
}

} // namespace

KeyAction buttonKeys(QPushButton *button, const design::Control &control)
{
    return {design::keysOf(control), [button, focus = control.keyFocus] { press(button, focus); }};
}

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
