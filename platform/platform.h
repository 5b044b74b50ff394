#pragma once

#include "datecaptions.h"

#include <QDate>
#include <QString>

#include <functional>

class QIcon;
class QWidget;

// Everything the windows take from their surroundings, passed in through the
// constructor: the real program builds it from the clock, the current folder
// and the desktop; tests build one with a fixed date, a temporary folder and
// recorders.
struct Platform {
    QDate today;              // read once at start-up
    QString workingFolder;    // absolute; holds ft.txt, data/ and temp/

    std::function<void()> seedRandom;     // once per run, from the clock
    std::function<float()> nextRandom;    // 0 <= r < 1

    // Hands a file to the desktop's web viewer without waiting for it.
    // `failed` is called, at once or later, with the reason when no viewer
    // could be started or the desktop said it could not show the file.
    using ViewerFailed = std::function<void(const QString &why)>;
    std::function<void(const QString &path, const ViewerFailed &failed)> openInViewer;

    // A modal message with an OK button.
    std::function<void(QWidget *parent, const QString &title, const QString &text)> showMessage;

    // A modal question; true when the user chose to go on (close anyway).
    std::function<bool(QWidget *parent, const QString &title, const QString &text)> confirm;

    // The user's language, where the program speaks it: the words dates are
    // written with and the weekday the week starts on (1 = Sunday ... 7).
    // Left as they are: the English words and a Sunday.
    calendar::DateWords dateWords;
    int firstWeekday = calendar::kSundayFirst;
};

// The program's real surroundings: today's local date, the current working
// folder, the process's random generator, the desktop's xdg-open, message
// boxes.
Platform systemPlatform();

// The program's icon, carried by every window.
QIcon appIcon();
