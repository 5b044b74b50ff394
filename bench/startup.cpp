#include "startup.h"

#include <QFile>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

QByteArray textProperty(xcb_connection_t *c, xcb_window_t window, xcb_atom_t property)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    QByteArray value;
    if (reply && reply->format == 8)
        value = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
    std::free(reply);
    return value;
}

// utime + stime of a process in clock ticks; -1 when it is gone.
long long cpuTicks(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The command name in parentheses may hold blanks; the fields that
    // follow it are plain numbers: state is field 3, utime 14, stime 15.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return fields[11].toLongLong() + fields[12].toLongLong();
}

double residentMB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() * 1024 / 1e6;   // kB -> MB
    }
    return 0;
}

} // namespace

struct StartupTimer::Private {
    QByteArray display;
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    QString error;
};

StartupTimer::StartupTimer(const QByteArray &display)
    : d(std::make_unique<Private>())
{
    d->display = display;
    d->connection = xcb_connect(display.constData(), nullptr);
    if (xcb_connection_has_error(d->connection)) {
        d->error = QStringLiteral("cannot open the X display %1").arg(QString::fromLocal8Bit(display));
        return;
    }
    d->root = xcb_setup_roots_iterator(xcb_get_setup(d->connection)).data->root;
    // Without a window manager, every top-level window that a program maps
    // is reported to whoever listens to the root window's children.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(d->connection, d->root, XCB_CW_EVENT_MASK, &mask);
    d->netWmName = atom(d->connection, "_NET_WM_NAME");
    xcb_flush(d->connection);
}

StartupTimer::~StartupTimer()
{
    if (d->connection)
        xcb_disconnect(d->connection);
}

QString StartupTimer::error() const
{
    return d->error;
}

StartupSample StartupTimer::run(const Launch &launch, int timeoutMs)
{
    StartupSample sample;
    if (!d->error.isEmpty()) {
        sample.error = d->error;
        return sample;
    }
    xcb_connection_t *c = d->connection;
    while (xcb_generic_event_t *old = xcb_poll_for_event(c))
        std::free(old);

    // The child sees the display and chooses its platform itself.
    std::vector<QByteArray> env;
    for (char **e = environ; *e; ++e) {
        if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    }
    env.push_back("DISPLAY=" + d->display);
    std::vector<char *> envp;
    for (QByteArray &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    std::vector<QByteArray> args{QFile::encodeName(launch.program)};
    for (const QString &a : launch.arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const QByteArray folder = QFile::encodeName(launch.workingFolder);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        sample.error = QStringLiteral("cannot start %1: %2").arg(launch.program, QString::fromLocal8Bit(std::strerror(spawned)));
        return sample;
    }

    bool mapped = false;
    int status = 0;
    bool exited = false;
    const Clock::time_point deadline = start + std::chrono::milliseconds(timeoutMs);
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (!mapped && !exited && Clock::now() < deadline) {
        ::poll(&fd, 1, 20);
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            const Clock::time_point seen = Clock::now();
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !mapped) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                QByteArray title = textProperty(c, map->window, d->netWmName);
                if (title.isEmpty())
                    title = textProperty(c, map->window, XCB_ATOM_WM_NAME);
                if (title == launch.windowTitle) {
                    sample.msToMapped = msBetween(start, seen);
                    mapped = true;
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(c)) {
            sample.error = QStringLiteral("lost the X display");
            break;
        }
        exited = ::waitpid(pid, &status, WNOHANG) == pid;
    }

    if (mapped) {
        // Settled: no CPU time used for 100 ms (ticks are 10 ms), at most 3 s.
        long long last = cpuTicks(pid);
        int quiet = 0;
        for (int i = 0; i < 150 && quiet < 5; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            const long long now = cpuTicks(pid);
            quiet = now == last ? quiet + 1 : 0;
            last = now;
        }
        sample.rssMB = residentMB(pid);
    } else if (sample.error.isEmpty()) {
        sample.error = exited ? QStringLiteral("%1 ended (status %2) before showing \"%3\"")
                                    .arg(launch.program).arg(status).arg(QString::fromUtf8(launch.windowTitle))
                              : QStringLiteral("%1 showed no \"%2\" within %3 ms")
                                    .arg(launch.program, QString::fromUtf8(launch.windowTitle)).arg(timeoutMs);
    }
    if (!exited) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    return sample;
}

} // namespace bench
