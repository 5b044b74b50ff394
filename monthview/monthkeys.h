#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class QPushButton;
class QWidget;

namespace monthview {

namespace design { struct Control; }

// A key of the month view and what it does.
struct KeyAction {
    QList<QKeySequence> keys;
    std::function<void()> run;
};

// The keys that are not a button's.
inline constexpr QKeyCombination kTodayKey = Qt::CTRL | Qt::Key_Home;   // today's note
inline constexpr QKeyCombination kFindKey = Qt::CTRL | Qt::Key_F;       // "Find in notes"
inline constexpr QKeyCombination kVersionsKey = Qt::CTRL | Qt::Key_H;   // the versions of the note box's day

// A button's keys (design::Control::keys) do what a click on it does: the
// button takes the focus, so that the note box being left saves its note
// first, and is clicked. With KeyFocus::NoteBox the focus then goes back to
// the note box it came from.
KeyAction buttonKeys(QPushButton *button, const design::Control &control);

// The keys of a window, a table of actions: they work anywhere in the
// window, also while a note box is being typed in.
class MonthKeys : public QObject
{
public:
    MonthKeys(QWidget *window, const std::vector<KeyAction> &actions);

    // A text editor keeps some of these keys for itself (Ctrl+Home: the
    // start of its text); in `editor` they are the window's.
    void takeFrom(QWidget *editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QKeySequence> m_sequences;
};

} // namespace monthview
