#include "notewatch.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cctype>
#include <climits>
#include <utility>
#include <sys/inotify.h>
#include <unistd.h>

namespace monthview {

namespace {

// Whatever makes a name stand for another text than before: written and
// closed, created, deleted, renamed in or out; the folder's own end.
constexpr uint32_t kEvents = IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB
    | IN_DELETE_SELF | IN_MOVE_SELF;

} // namespace

NoteWatch::NoteWatch(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(QFile::encodeName(folder))
{
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0)
        return;   // no watch: notes still come fresh at every rendering and focus
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &NoteWatch::readEvents);
    rewatch();
}

NoteWatch::~NoteWatch()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void NoteWatch::rewatch()
{
    if (m_fd < 0)
        return;
    if (m_watch >= 0)
        ::inotify_rm_watch(m_fd, m_watch);
    m_watch = ::inotify_add_watch(m_fd, m_folder.constData(), kEvents | IN_ONLYDIR);
}

// "2006-03-14.txt": four or more digits of year, two of month and day.
NoteDate NoteWatch::dateOfName(const QByteArray &name)
{
    const qsizetype dash = name.indexOf('-');
    if (dash < 1 || !name.endsWith(".txt") || name.size() != dash + 10 || name.at(dash + 3) != '-')
        return {};
    bool ok = false;
    const int year = name.left(dash).toInt(&ok);
    if (!ok || year < 1 || year > 9999 || !std::isdigit(static_cast<unsigned char>(name.at(0))))
        return {};
    const auto twoDigits = [&](qsizetype at) {
        const char a = name.at(at), b = name.at(at + 1);
        return std::isdigit(static_cast<unsigned char>(a)) && std::isdigit(static_cast<unsigned char>(b))
            ? (a - '0') * 10 + (b - '0')
            : -1;
    };
    const int month = twoDigits(dash + 1);
    const int day = twoDigits(dash + 4);
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return {};
    return NoteDate{qint16(day), qint16(month), qint16(year)};
}

void NoteWatch::readEvents()
{
    alignas(struct inotify_event) char buffer[16 * (sizeof(struct inotify_event) + NAME_MAX + 1)];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const struct inotify_event *>(buffer + at);
            at += ssize_t(sizeof(struct inotify_event) + event->len);
            if (event->mask & (IN_Q_OVERFLOW | IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) {
                m_everything = true;
                continue;
            }
            if (event->len == 0)
                continue;
            const NoteDate date = dateOfName(QByteArray(event->name));
            if (date.day != 0)
                m_pending.insert(date);
        }
    }
    if ((m_everything || !m_pending.isEmpty()) && !m_reportQueued) {
        m_reportQueued = true;
        QTimer::singleShot(0, this, &NoteWatch::report);
    }
}

void NoteWatch::report()
{
    m_reportQueued = false;
    const QSet<NoteDate> dates = std::exchange(m_pending, {});
    const bool everything = std::exchange(m_everything, false);
    if (everything)
        rewatch();
    emit changed(dates, everything);
}

} // namespace monthview
