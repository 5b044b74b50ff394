#pragma once

class Form1;

// The program's start once the window system is up: the month view's
// start-up, then what the command line asks for. Exactly the one word
// "remind" shows the reminder, with the month view hidden behind it, or
// nothing when there is nothing to remind; anything else shows the month
// view. False: nothing is shown and the program ends.
bool startProgram(Form1 &monthView, int argc, const char *const *argv);
