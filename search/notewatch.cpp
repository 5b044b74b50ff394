#include "notewatch.h"

#include "versions.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <climits>
#include <cstring>
#include <utility>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace notesearch {

namespace {

// Whatever makes a name stand for another text than before: written and
// closed, created, deleted, renamed in or out; the folder's own end.
constexpr uint32_t kEvents = IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB
    | IN_DELETE_SELF | IN_MOVE_SELF;

// The notes folder's own name coming or going in the folder above.
constexpr uint32_t kParentEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

} // namespace

NoteWatch::NoteWatch(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(QFile::encodeName(folder))
{
    const qsizetype slash = m_folder.lastIndexOf('/');
    m_parent = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : m_folder.left(slash);
    m_name = m_folder.mid(slash + 1);
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0)
        return;   // no watch: notes still come fresh at every rendering and focus
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &NoteWatch::readEvents);
    m_parentWatch = ::inotify_add_watch(m_fd, m_parent.constData(), kParentEvents);
    rewatch();
}

NoteWatch::~NoteWatch()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

// The watch that goes is told of once more by the kernel (IN_IGNORED);
// events of a watch that is no longer m_watch are passed by.
void NoteWatch::rewatch()
{
    if (m_fd < 0)
        return;
    if (m_watch >= 0)
        ::inotify_rm_watch(m_fd, m_watch);
    m_watch = ::inotify_add_watch(m_fd, m_folder.constData(), kEvents | IN_ONLYDIR);
    struct stat st;
    if (m_watch >= 0 && ::stat(m_folder.constData(), &st) == 0) {
        m_device = quint64(st.st_dev);
        m_inode = quint64(st.st_ino);
    }
}

// Whether the folder watched is still the one at the notes folder's path;
// after dropped events only this tells that it was replaced meanwhile.
bool NoteWatch::watchesFolderAtPath() const
{
    struct stat st;
    if (::stat(m_folder.constData(), &st) != 0)
        return m_watch < 0;
    return m_watch >= 0 && quint64(st.st_dev) == m_device && quint64(st.st_ino) == m_inode;
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
            if (event->mask & IN_Q_OVERFLOW) {
                // The kernel dropped events: every note is read once more,
                // and the watch checked, for the folder may have been
                // replaced unseen. The watches themselves stay.
                m_everything = true;
                if (!watchesFolderAtPath())
                    m_rewatch = true;
                continue;
            }
            if (event->wd == m_parentWatch) {
                // The notes folder came, went, or another took its name.
                if (event->len > 0 && std::strcmp(event->name, m_name.constData()) == 0) {
                    m_everything = true;
                    m_rewatch = true;
                }
                continue;
            }
            // Events of a watch removed before are over.
            if (event->wd != m_watch)
                continue;
            if (event->mask & IN_IGNORED) {
                // The folder is gone, and its watch with it.
                m_watch = -1;
                m_everything = true;
                m_rewatch = true;
                continue;
            }
            if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF)) {
                m_everything = true;
                m_rewatch = true;
                continue;
            }
            if (event->len == 0)
                continue;
            const store::NoteDate date = store::dateOfNoteName(event->name);
            if (date.day != 0)
                m_pending.insert(date);
            else if (store::parseConflictName(event->name).isCopy())
                m_copies.insert(QByteArray(event->name));
        }
    }
    if ((m_everything || !m_pending.isEmpty() || !m_copies.isEmpty()) && !m_reportQueued) {
        m_reportQueued = true;
        QTimer::singleShot(0, this, &NoteWatch::report);
    }
}

void NoteWatch::report()
{
    m_reportQueued = false;
    const QSet<store::NoteDate> dates = std::exchange(m_pending, {});
    const bool everything = std::exchange(m_everything, false);
    const QSet<QByteArray> copies = std::exchange(m_copies, {});
    if (std::exchange(m_rewatch, false))
        rewatch();
    if (everything || !dates.isEmpty())
        emit changed(dates, everything);
    if (everything || !copies.isEmpty())
        emit copiesChanged(copies, everything);
}

} // namespace notesearch
