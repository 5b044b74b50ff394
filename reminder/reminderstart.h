#pragma once

class QDate;
class QWidget;
class WindowList;
class Form3;
namespace store { class NoteStore; }

namespace reminder {

// Builds the reminder text of today's day and month in this and every earlier
// year and shows it in the reminder window, with monthView hidden until
// "Bring up the Kalivo". Returns that window, or nullptr when there is
// nothing to remind: the program then ends at once.
Form3 *ReminderStart(const QDate &today, const store::NoteStore &notes, WindowList &windows, QWidget *monthView);

} // namespace reminder
