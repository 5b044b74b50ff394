#pragma once

class Form1;
class ShutdownSignals;
class SingleInstance;
struct Platform;

// The program's start once the window system is up: the month view's
// start-up, then what the command line asks for. Exactly the one word
// "remind" shows the reminder, with the month view hidden behind it, or
// nothing when there is nothing to remind; anything else shows the month
// view. False: nothing is shown and the program ends.
bool startProgram(Form1 &monthView, int argc, const char *const *argv);

// Another start in the month view's folder brings the month view to the
// front, un-minimised and active; a reminder in front of it goes away as
// with "Bring up the Kalivo". Once its shutdown has run, the month view
// takes no more requests.
void bringUpOnRequest(Form1 &monthView, SingleInstance &instance);

// A signal ends the run as closing the window does, with nobody to ask, and
// the program with status 0. So does the session manager's request at
// logout, which asks the user only where the session manager allows it; a
// user who keeps the window open there cancels the logout.
void shutDownOnRequest(Form1 &monthView, ShutdownSignals &caught);

// The program's whole run once the application object is up: one month view
// per working folder (a second start brings up the first one's), the
// reminder, shutdown on signals and at logout. Returns the exit status.
int runProgram(const Platform &platform, int argc, const char *const *argv);
