#pragma once

#include <QString>
#include <QtGlobal>

#include <compare>

namespace monthview {

// The date whose note a cell shows or a save is for; day 0: none.
struct NoteDate {
    qint16 day = 0;
    qint16 month = 0;
    qint16 year = 0;
    auto operator<=>(const NoteDate &) const = default;
};

// "14 March 2006", month name in the user's language, for messages.
QString describe(const NoteDate &date);

} // namespace monthview
