#include "foldersync.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace store {

int syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? 0 : errno;
    int err = 0;
    if (::fsync(fd) != 0 && errno != EINVAL)
        err = errno;
    ::close(fd);
    return err;
}

int syncFile(int fd)
{
    return ::fsync(fd) == 0 ? 0 : errno;
}

FolderSync::FolderSync(Function sync)
    : m_sync(sync)
    , m_owner(::getpid())
{
}

FolderSync::~FolderSync()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    if (m_worker.joinable())
        m_worker.join();
}

FolderSync &FolderSync::shared()
{
    static FolderSync *const instance = new FolderSync;
    return *instance;
}

int FolderSync::request(const QByteArray &folder)
{
    if (::getpid() != m_owner)
        return m_sync(folder);
    std::lock_guard lock(m_mutex);
    if (!m_worker.joinable())
        m_worker = std::thread([this] { run(); });
    if (std::find(m_pending.cbegin(), m_pending.cend(), folder) == m_pending.cend())
        m_pending.push_back(folder);
    m_wake.notify_one();
    return 0;
}

int FolderSync::syncNow(const QByteArray &folder)
{
    const int err = m_sync(folder);
    if (::getpid() == m_owner) {
        std::lock_guard lock(m_mutex);
        record(folder, err, true);
    }
    return err;
}

int FolderSync::error(const QByteArray &folder)
{
    if (::getpid() != m_owner)
        return 0;
    std::lock_guard lock(m_mutex);
    const auto found = m_errors.find(folder);
    return found == m_errors.end() ? 0 : found->second.error;
}

int FolderSync::takeUnreported(const QByteArray &folder)
{
    if (::getpid() != m_owner)
        return 0;
    std::lock_guard lock(m_mutex);
    const auto found = m_errors.find(folder);
    if (found == m_errors.end() || found->second.reported)
        return 0;
    found->second.reported = true;
    return found->second.error;
}

std::vector<QByteArray> FolderSync::failedFolders()
{
    std::vector<QByteArray> folders;
    if (::getpid() != m_owner)
        return folders;
    std::lock_guard lock(m_mutex);
    for (const auto &[folder, failure] : m_errors)
        folders.push_back(folder);
    return folders;
}

int FolderSync::wait(const QByteArray &folder)
{
    if (::getpid() != m_owner)
        return 0;
    {
        std::unique_lock lock(m_mutex);
        m_done.wait(lock, [&] { return !busyWith(folder); });
    }
    return error(folder);
}

void FolderSync::record(const QByteArray &folder, int err, bool reported)
{
    if (err != 0) {
        m_errors[folder] = Failure{err, reported};
        return;
    }
    const auto found = m_errors.find(folder);
    if (found != m_errors.end() && found->second.reported)
        m_errors.erase(found);
}

bool FolderSync::busyWith(const QByteArray &folder) const
{
    return m_running == folder || std::find(m_pending.cbegin(), m_pending.cend(), folder) != m_pending.cend();
}

void FolderSync::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_pending.empty(); });
        if (m_pending.empty())
            return;
        m_running = m_pending.front();
        m_pending.erase(m_pending.begin());
        lock.unlock();
        const int err = m_sync(m_running);
        lock.lock();
        record(m_running, err, false);
        m_running.clear();
        m_done.notify_all();
    }
}

} // namespace store
