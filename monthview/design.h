#pragma once

#include "calendar.h"
#include "monthlayout.h"

#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QRgb>
#include <QString>

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The month view's design: the window and every control as the form draws
// them before the first layout pass, in twips (15 to a pixel at 96 dpi).
// The month view builds its controls from this table, and so does the bare
// window that the benchmark starts beside the program, so the two cannot
// drift apart.
namespace monthview::design {

// A font of the design. Where a face is not installed, fontconfig puts its
// metric twin in its place (Liberation Sans for Arial, Liberation Mono for
// Courier New). One family per font: every further family in a list costs a
// fontconfig search at start-up.
struct Font {
    const char *family = "Arial";
    QFont::StyleHint hint = QFont::SansSerif;
    double points = 8.25;
    bool bold = false;
    QFont::StyleStrategy strategy = QFont::PreferDefault;
};

// The form's standard font; MS Sans Serif, a small sans of Arial's widths,
// is asked for as Arial.
inline constexpr Font kStandardFont{};
inline constexpr Font kStandardBoldFont{"Arial", QFont::SansSerif, 8.25, true};

enum class Kind {
    Button,      // a top-bar button: takes the focus on click and on Tab
    Label,       // the title
    Heading,     // a column heading: framed (by the grid)
    NoteBox,     // a plain multi-line editor without scroll bars
    DayButton,   // a day number: takes the focus on click only
};

// Where the typing goes on after a control's key, pressed while typing in a
// note box. (A key pressed anywhere else leaves the focus on the control,
// as a click does.)
enum class KeyFocus {
    SameNoteBox, // the same box, with the text cursor where it was
    SameDay,     // the box of the same day number in the month now shown, or
                 // of its last day when it is shorter; the text cursor at the end
};

struct Control {
    const char *name;        // objectName; of an array member with "_<index>"
    int index = -1;          // member of a control array, or -1
    Kind kind = Kind::Button;
    const char *caption = ""; // a heading's caption comes from its column
    TwipRect place;
    Font font;
    bool hidden = false;     // not shown until the month view shows it
    const char *spoken = nullptr;   // what screen readers say; none: its caption
    const char *tip = nullptr;      // what it does, the start of its tooltip
    // The keys that press it, anywhere in the window; the first is named in
    // the tooltip. Key_unknown: none.
    std::array<QKeyCombination, 2> keys{};
    KeyFocus keyFocus = KeyFocus::SameNoteBox;
};

// The window: Form1, client area 11910 x 8520 twips.
inline constexpr const char *kWindowName = "Form1";
inline constexpr const char *kWindowTitle = "Kalivo 1.0";
inline constexpr double kClientWidth = 11910;
inline constexpr double kClientHeight = 8520;

// The top bar, left to right as the form creates them; the layout pass
// moves all but "Print". Every one is 255 twips high at the top edge. Each
// button says what it does, and its tooltip names its key; the keys work
// while a note box is being typed in, too. Ctrl+= is Ctrl+Plus without
// Shift on many keyboard layouts.
inline constexpr Control kCommand3{"Command3", -1, Kind::Button, "Print", {0, 0, 495, 255}, kStandardFont, false,
                                   "Print", "Print this month's notes", {Qt::CTRL | Qt::Key_P}};
inline constexpr Control kCommand2{"Command2", -1, Kind::Button, "< Prev Month", {3960, 0, 1215, 255}, kStandardFont,
                                   false, "Previous month", "One month back", {Qt::CTRL | Qt::Key_PageUp},
                                   KeyFocus::SameDay};
inline constexpr Control kLabel1{"Label1", -1, Kind::Label, "", {5040, 0, 1935, 255},
                                 {"Arial", QFont::SansSerif, 9, true}};
inline constexpr Control kCommand1{"Command1", -1, Kind::Button, "Next Month >", {6600, 0, 1215, 255}, kStandardFont,
                                   false, "Next month", "One month forward", {Qt::CTRL | Qt::Key_PageDown},
                                   KeyFocus::SameDay};
inline constexpr Control kCommand10{"Command10", -1, Kind::Button, "< Yr", {8280, 0, 495, 255}, kStandardFont, false,
                                    "Previous year", "One year back", {Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp},
                                    KeyFocus::SameDay};
inline constexpr Control kCommand11{"Command11", -1, Kind::Button, "Yr >", {8880, 0, 495, 255}, kStandardFont, false,
                                    "Next year", "One year forward", {Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown},
                                    KeyFocus::SameDay};
inline constexpr Control kCommand7{"Command7", -1, Kind::Button, "+", {9120, 0, 255, 255}, kStandardFont, false,
                                   "Larger note text", "Larger note text",
                                   {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}};
inline constexpr Control kCommand8{"Command8", -1, Kind::Button, "-", {9360, 0, 255, 255},
                                   {"Courier New", QFont::TypeWriter, 8.25}, false,
                                   "Smaller note text", "Smaller note text", {Qt::CTRL | Qt::Key_Minus}};
inline constexpr Control kCommand9{"Command9", -1, Kind::Button, "About", {9600, 0, 735, 255}, kStandardFont, false,
                                   "About Kalivo"};

inline constexpr std::array<const Control *, 9> kTopBar{&kCommand3, &kCommand2, &kLabel1,  &kCommand1, &kCommand10,
                                                        &kCommand11, &kCommand7, &kCommand8, &kCommand9};

// Templates of the grid, hidden: start-up copies the heading and the note
// box for the seven columns and the 35 cells.
inline constexpr Control kLabel3Template{"Label3", 0, Kind::Heading, "Label3", {120, 960, 975, 255},
                                         kStandardBoldFont, true};
// Latin text reads the same unshaped; scripts that need shaping still get
// it. Shaping was most of the cost of filling 31 boxes.
inline constexpr Control kText1Template{"Text1", 0, Kind::NoteBox, "", {120, 1680, 1095, 375},
                                        {"Arial", QFont::SansSerif, 9, false, QFont::PreferNoShaping}, true};
// Only the template has a background of its own; the first rendering gives
// each cell the colour of its day.
inline constexpr QRgb kText1TemplateBase = 0xFFEEEEEE;   // red, green, blue 238

// Column heading Label3(i), 1 ... 7: the template's copy, hidden until the
// first layout pass places it; its caption is its column's.
constexpr Control heading(int i)
{
    Control c = kLabel3Template;
    c.index = i;
    return c;
}

// Note box Text1(k), 1 ... 35: the template's copy, hidden until a rendering
// gives it a day.
constexpr Control noteBox(int k)
{
    Control c = kText1Template;
    c.index = k;
    return c;
}

// Day-number button Command4(k): 0 is the hidden template whose size is the
// base size of the day numbers; 1 ... 35 stand in five rows of seven until
// the first layout pass puts each on its note box.
constexpr Control dayButton(int k)
{
    const TwipRect place = k == 0 ? TwipRect{120, 2160, 375, 250}
                                  : TwipRect{2400.0 + 480 * ((k - 1) % 7), 1080.0 + 360 * ((k - 1) / 7), 375, 250};
    return Control{"Command4", k, Kind::DayButton, "", place, kStandardFont, k == 0};
}

// The sizes the layout pass reads from the controls, as the design has them.
LayoutSizes designSizes();

// A caption, spoken name or tip of the table in the user's language; the
// text as it stands where there is no translation ("+", "-").
QString text(const char *source);

// The control's keys as key sequences, the one named in its tooltip first;
// empty for a control without keys.
QList<QKeySequence> keysOf(const Control &control);

// "One month forward (Ctrl+PgDown)": what the control does and its key;
// empty for a control without a tip.
QString toolTip(const Control &control);

// Builders: each control made the same way wherever it is made.

QFont makeFont(const Font &font);

// Places a widget at a rectangle in twips, each edge on whole pixels.
void placeTwips(QWidget *widget, const TwipRect &place);

// The window's name, title and client size.
void setUpWindow(QWidget *window);

// A top-bar button (Kind::Button), with its spoken name and tooltip, or a
// day-number button (Kind::DayButton).
QPushButton *makeButton(const Control &control, QWidget *parent);

// The title (Kind::Label) or a column heading (Kind::Heading; the caption of
// heading(i) is its column's in a week that starts on firstWeekday).
QLabel *makeLabel(const Control &control, QWidget *parent, int firstWeekday = calendar::kSundayFirst);

// Note box Text1(k), 0 ... 35, on a box made by the caller.
void setUpNoteBox(QPlainTextEdit *box, int k);

} // namespace monthview::design
