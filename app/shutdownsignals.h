#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (logout, system shutdown), SIGHUP (a closed terminal) and SIGINT
// (Ctrl+C) as an event of the event loop, so that the program can shut down
// in order instead of ending at once. The handler only writes the signal's
// number into a pipe; the loop reads it. A second signal, once the first has
// been taken, ends the program the usual way: a shutdown that hangs can
// still be stopped.
class ShutdownSignals : public QObject
{
    Q_OBJECT

public:
    // Catches the three from now on; one object at a time.
    explicit ShutdownSignals(QObject *parent = nullptr);
    // The signals' usual actions come back.
    ~ShutdownSignals() override;

    // The handlers are in place.
    bool isCatching() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
