#pragma once

#include "calendar.h"
#include "store.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>

// What the month grid shows for one month, worked out without any widget.
namespace monthview {

// Note box backgrounds, as 0xAARRGGBB.
using Colour = quint32;
constexpr Colour kTodayColour = 0xFFFFFFFF;    // white
constexpr Colour kWorkdayColour = 0xFFFFFFDD;  // pale yellow: red 255, green 255, blue 221
constexpr Colour kWeekendColour = 0xFFEEEEEE;  // light grey

struct CellPlan {
    qint16 day = 0;          // 0: the cell shows no day and is hidden
    QString caption;         // the day number
    Colour colour = 0;
    store::Note note;        // the stored note, or why it could not be read
};

struct MonthPlan {
    qint16 days = 0;                   // days of the month, in the order they are filled
    std::array<CellPlan, 36> cells{};  // 1 ... 35; element 0 is unused
};

// Reads the notes through noteOf in day order, one call per day. The cell
// of `today` (the start-up date) is marked as today. The week starts on
// firstWeekday (1 = Sunday); Saturdays and Sundays are the weekend wherever
// they stand.
MonthPlan planMonth(qint16 month, qint16 year, const QDate &today,
                    const std::function<store::Note(qint16 day)> &noteOf,
                    int firstWeekday = calendar::kSundayFirst);

// A note file separates lines with CR LF; the editor holds one '\n' per line
// break. A lone CR or LF in a file shows as a line break too.
QString editorTextOfNote(const QString &note);

// Text from QTextDocument::toRawText() back into a note: every paragraph or
// line separator becomes CR LF; every other character, no-break spaces
// included, stays as it is.
QString noteOfRawEditorText(const QString &raw);

// Room each Latin-1 character surely takes on a line of a note box, in
// pixels: at most its width, and 0 when it may take none (a blank can hang
// past the right edge, a tab can stop right after it); below 0 while not
// measured yet. Characters outside Latin-1 are not measured and count as
// taking none.
using CharRoom = std::array<float, 256>;
using MeasureChar = std::function<float(char16_t)>;

// Length of the start of an editor text that holds its first `lines` lines,
// with the CR or LF that ends the last of them, and at most `chars`
// characters. Given the room of characters and the width of a line, it also
// ends as soon as the text surely fills `lines` wrapped lines: a wrapped
// line holds characters of at most `width` room. A character met before it
// is measured is measured then, into `room`. A surrogate pair is never cut
// in two.
qsizetype editorTextPrefixLength(const QString &text, int lines, qsizetype chars, CharRoom *room = nullptr,
                                 double width = 0, const MeasureChar &measure = {});

} // namespace monthview
