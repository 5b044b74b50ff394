#pragma once

#include <QByteArray>

#include <chrono>
#include <functional>

class QWidget;

// Brings a window of the program to the front, un-minimised and active, at
// the request of the user made elsewhere: a second start of the program.
// Qt's own activation carries the time of the program's last input, which
// window managers that prevent focus stealing take for a stale request and
// ignore; on X11 the window manager is told that the user asked for it, as
// a task bar does. On Wayland a window may take the focus only with a token
// that the compositor handed out for the user's action: the second start's
// activationToken, which it was launched with.
void bringToFront(QWidget *window, const QByteArray &activationToken = {});

// Tells `done` whether `window` is the active window, as soon as it is or
// once `patience` has passed: the window manager or the compositor may
// refuse to bring a window to the front.
void whenInFront(QWidget *window, std::chrono::milliseconds patience, const std::function<void(bool inFront)> &done);
