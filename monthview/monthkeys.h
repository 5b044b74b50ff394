#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace monthview {

// A key of the month view and what it does.
struct KeyAction {
    QList<QKeySequence> keys;
    std::function<void()> run;
};

// The keys that are not a button's. Ctrl+Home and Ctrl+End stay a note
// box's own: the start and the end of its note.
inline constexpr QKeyCombination kTodayKey = Qt::ALT | Qt::Key_Home;   // today's note
inline constexpr QKeyCombination kFindKey = Qt::CTRL | Qt::Key_F;      // "Find in notes"
inline constexpr QKeyCombination kVersionsKey = Qt::CTRL | Qt::Key_H;  // the versions of the note box's day

// The keys of a window, a table of actions: they work anywhere in the
// window, also while a note box is being typed in.
class MonthKeys : public QObject
{
public:
    MonthKeys(QWidget *window, const std::vector<KeyAction> &actions);

    // A text editor may keep some of these keys for itself; in `editor`
    // they are the window's.
    void takeFrom(QWidget *editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QKeySequence> m_sequences;
};

} // namespace monthview
