#pragma once

#include <QtGlobal>

class QWidget;
class WindowList;
class Form3;
namespace store { class NoteStore; }

namespace reminder {

// What the reminder start reads of the month view at start-up.
struct Context {
    qint16 TodayDay;
    qint16 M;            // today's month
    qint16 TodayYear;
    qint16 FocusDay;     // equals TodayDay at this point
    qint16 y;            // today's year
    const store::NoteStore &notes;
    WindowList &windows;
    QWidget *monthView;  // hidden; "Bring up the Kalivo" shows it
};

// Builds the reminder text of today's day and month in this and every earlier
// year and shows it in the reminder window. Returns that window, or nullptr
// when there is nothing to remind: the program then ends at once.
Form3 *ReminderStart(const Context &context);

} // namespace reminder
