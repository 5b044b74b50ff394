#pragma once

#include "celldate.h"

#include <QtGlobal>

class Form1;

namespace monthview {

// The month view's keys, anywhere in its window and also while typing in a
// note box. Each key of a button does what a click on it does: the button
// takes the focus, so that the note box being left saves its note first,
// and is clicked.
//   Ctrl+Page Down, Ctrl+Page Up             "Next Month >", "< Prev Month"
//   Ctrl+Shift+Page Down, Ctrl+Shift+Page Up "Yr >", "< Yr"
//   Ctrl+P                                   "Print"
//   Ctrl+Plus (or Ctrl+=), Ctrl+Minus        "+", "-"; the focus goes back
//                                            to the note box it came from
//   Ctrl+Home                                today's month, in today's box
//   Ctrl+F                                   "Find in notes"
// Each button's tooltip names its key. To be installed once the note boxes
// exist.
void installMonthKeys(Form1 &form);

// Shows the month of `date` with the keyboard focus in that day's note box
// and the text cursor before character `position` of its note (-1: at its
// end). The box being left saves its note first, under the month it
// showed.
void goToNote(Form1 &form, const NoteDate &date, qsizetype position);

} // namespace monthview
