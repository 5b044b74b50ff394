#pragma once

class QWidget;

// Brings a window of the program to the front, un-minimised and active, at
// the request of the user made elsewhere: a second start of the program.
// Qt's own activation carries the time of the program's last input, which
// window managers that prevent focus stealing take for a stale request and
// ignore; on X11 the window manager is told that the user asked for it, as
// a task bar does.
void bringToFront(QWidget *window);
