#pragma once

#include <QString>

// What screen readers are told beyond what Qt tells them by itself.
namespace accessibility {

// Windows made of a plain widget (the month view, the reminder) are
// windows to screen readers: Qt gives a plain widget the role of a client
// area ("filler"), window or not. Once for the program; each such window
// asks for it as it is made.
void announceWindows();

// Text as a screen reader's name of a control: each run of line breaks,
// tabs and other control characters becomes one space.
QString spokenText(const QString &text);

} // namespace accessibility
