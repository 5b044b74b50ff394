#include "shutdownsignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Read end, write end. Made by the first object and never closed: the
// handler may write into it until the program ends.
int signalPipe[2] = {-1, -1};
const ShutdownSignals *catching = nullptr;

// The times of the last two Ctrl+C, in milliseconds; a handler may run on
// any thread, so they are exchanged atomically.
std::atomic<std::int64_t> lastInterrupt{-10'000};
std::atomic<std::int64_t> interruptBefore{-10'000};
std::atomic_flag endingAfterInterrupts;

// The handler runs with the three blocked, unless `alone`.
void setAction(int signalNumber, void (*handler)(int), bool alone = false)
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    if (!alone) {
        for (const int s : kSignals)
            sigaddset(&action.sa_mask, s);
    }
    // Interrupted system calls go on by themselves.
    action.sa_flags = SA_RESTART;
    ::sigaction(signalNumber, &action, nullptr);
}

// Ends the program as Ctrl+C does when nothing catches it, so that the
// shell that started it knows.
extern "C" void endInterrupted(int)
{
    setAction(SIGINT, SIG_DFL);
    ::raise(SIGINT);
    ::_exit(128 + SIGINT);
}

// Async-signal-safe: a clock, atomics, one write, sigaction and alarm;
// errno as it was.
extern "C" void writeSignal(int signalNumber)
{
    const int saved = errno;
    if (signalNumber == SIGINT) {
        timespec now = {};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        const std::int64_t ms = std::int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
        const std::int64_t third = interruptBefore.exchange(lastInterrupt.exchange(ms));
        // The third within a second: one more second for the shutdown
        // under way, then the program ends.
        if (ms - third < 1000 && !endingAfterInterrupts.test_and_set()) {
            setAction(SIGALRM, endInterrupted, true);
            ::alarm(1);
        }
    }
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject *parent)
    : QObject(parent)
{
    if (catching) {
        qWarning("Kalivo: signals are caught elsewhere");
        return;
    }
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("Kalivo: signals end the program at once (%s)", strerror(errno));
        signalPipe[0] = signalPipe[1] = -1;
        return;
    }
    // What came after an earlier object had gone began nothing.
    unsigned char stale[64];
    while (::read(signalPipe[0], stale, sizeof stale) > 0) {
    }
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownSignals::readPipe);
    catching = this;
    for (const int s : kSignals)
        setAction(s, writeSignal);
}

ShutdownSignals::~ShutdownSignals()
{
    if (catching == this)
        catching = nullptr;
}

void ShutdownSignals::readPipe()
{
    unsigned char bytes[64];
    const ssize_t n = ::read(signalPipe[0], bytes, sizeof bytes);
    // One shutdown is enough; the signals after the first wait for it.
    if (n <= 0 || m_received)
        return;
    m_received = true;
    emit received(bytes[0]);
}
