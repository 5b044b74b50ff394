#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// Start-up time and resident memory of a program as seen from outside:
// started with posix_spawn, timed until the X server maps its window, then
// left to settle before its VmRSS is read.
namespace bench {

struct Launch {
    QString program;
    QStringList arguments;
    QString workingFolder;
    QByteArray windowTitle;   // the window that counts as "shown"
};

struct StartupSample {
    double msToMapped = 0;   // from just before the spawn to the MapNotify
    double rssMB = 0;        // VmRSS once the program is idle after mapping
    QString error;
};

class StartupTimer
{
public:
    // display: an X display that runs no window manager, such as ":17".
    explicit StartupTimer(const QByteArray &display);
    ~StartupTimer();
    StartupTimer(const StartupTimer &) = delete;
    StartupTimer &operator=(const StartupTimer &) = delete;

    // Empty when the display could be opened, else why not.
    QString error() const;

    // Runs the program once, measures it, and kills it.
    StartupSample run(const Launch &launch, int timeoutMs = 10000);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace bench
