#pragma once

#include "datecaptions.h"

class QDate;
class QWidget;
class WindowList;
class Form3;
namespace store { class NoteStore; }

namespace reminder {

// Builds the reminder text of today's day and month in today's year and every
// earlier year and shows it in the reminder window, which joins `windows`.
// monthView is hidden; "Bring up the Kalivo" shows it. Returns the window,
// or nullptr when there is nothing to remind: the program then ends at once.
// Dates are written with `words`.
Form3 *ReminderStart(const QDate &today, const store::NoteStore &notes, WindowList &windows,
                     QWidget *monthView, const calendar::DateWords &words = calendar::StandardWords());

} // namespace reminder
