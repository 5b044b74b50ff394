#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (logout, system shutdown), SIGHUP (a closed terminal) and SIGINT
// (Ctrl+C) as an event of the event loop, so that the program can shut down
// in order instead of ending at once. The handler only writes the signal's
// number into a pipe; the loop reads it.
//
// The first signal begins the shutdown; the ones after it wait for it (a
// closed terminal sends SIGHUP twice, a logout may follow with SIGTERM).
// Only Ctrl+C three times within a second ends the program without it, a
// second later unless it has ended by then: a shutdown that hangs can
// still be stopped.
class ShutdownSignals : public QObject
{
    Q_OBJECT

public:
    // Catches the three from now on; one object at a time.
    explicit ShutdownSignals(QObject *parent = nullptr);
    // The signals stay caught until the program ends: a signal that comes
    // while the program ends after its run waits for that end too.
    ~ShutdownSignals() override;

    // The handlers are in place.
    bool isCatching() const { return m_notifier != nullptr; }

signals:
    // The first signal, once.
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    bool m_received = false;
};
