#pragma once

#include "datecaptions.h"
#include "store.h"

#include <QString>
#include <QtGlobal>

#include <functional>

namespace reminder {

// The reminder of a day: the notes stored for this day and month in
// todayYear and every earlier year down to 1900, newest first. This year's
// note stands at the very start; last year's follows "Last year on this day:",
// an older one its date line ("7-December-2003 Sunday:"), each heading after
// CR LF CR LF. A year without a note leaves no trace, and years after
// todayYear are never asked for. A note that cannot be read shows the reason
// in its place, so the user learns of it. Empty: nothing to remind. Dates
// are written with `words`, the heading of last year in the user's language.
QString ReminderText(qint16 day, qint16 month, qint16 todayYear,
                     const std::function<store::Note(qint16 year)> &noteOf,
                     const calendar::DateWords &words = calendar::StandardWords());

} // namespace reminder
