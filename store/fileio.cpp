#include "fileio.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

QString reason(int err)
{
    if (err == kNotAFile)
        return QCoreApplication::translate("store", "Not a regular file");
    return QString::fromLocal8Bit(std::strerror(err));
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            // Trying again would only spin.
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

bool copyRest(int from, int to)
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return true;
        if (!writeAll(to, buffer, n))
            return false;
    }
}

int createNew(const char *path, mode_t mode)
{
    int fd;
    do {
        // O_EXCL never follows a link, even a dangling one.
        fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    // The umask narrowed the mode given to open().
    if (fd >= 0 && ::fchmod(fd, mode) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(path);
        errno = err;
        return -1;
    }
    return fd;
}

bool makePrivateFolder(const char *path)
{
    if (::mkdir(path, 0700) != 0)
        return errno == EEXIST;
    // Only a folder made here gets its mode set; the umask may have taken
    // the owner's own bits away.
    return ::chmod(path, 0700) == 0;
}

NewFile createUnique(const QByteArray &folder, const std::function<QByteArray()> &drawName, mode_t mode,
                     int attempts, bool makeFolder)
{
    NewFile file;
    bool folderTried = !makeFolder;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        file.path = folder + '/' + drawName();
        file.fd = createNew(file.path.constData(), mode);
        if (file.fd < 0 && errno == ENOENT && !folderTried) {
            folderTried = true;
            if (!makePrivateFolder(folder.constData())) {
                file.error = errno;
                return file;
            }
            file.madeFolder = true;
            file.fd = createNew(file.path.constData(), mode);
        }
        if (file.fd >= 0)
            return file;
        if (errno != EEXIST) {
            file.error = errno;
            return file;
        }
    }
    file.error = EEXIST;
    return file;
}

} // namespace fileio
