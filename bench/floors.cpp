#include "floors.h"

#include <fcntl.h>
#include <unistd.h>

namespace bench {

namespace {

long long writeAll(int fd, const char *data, long long size)
{
    long long done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size_t(size - done));
        if (n <= 0)
            return -1;
        done += n;
    }
    return done;
}

} // namespace

long long readFiles(const std::vector<QByteArray> &paths, std::vector<char> &buffer)
{
    long long total = 0;
    for (const QByteArray &path : paths) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        for (;;) {
            const ssize_t n = ::read(fd, buffer.data(), buffer.size());
            if (n <= 0) {
                if (n < 0)
                    total = -1;
                break;
            }
            total += n;
        }
        ::close(fd);
        if (total < 0)
            return -1;
    }
    return total;
}

long long writeFile(const QByteArray &path, const char *data, long long size)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    const long long written = writeAll(fd, data, size);
    return ::close(fd) == 0 ? written : -1;
}

long long writeSyncRename(const QByteArray &temp, const QByteArray &target, const char *data, long long size)
{
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    long long written = writeAll(fd, data, size);
    if (::fsync(fd) != 0)
        written = -1;
    if (::close(fd) != 0)
        written = -1;
    if (written >= 0 && ::rename(temp.constData(), target.constData()) != 0)
        written = -1;
    return written;
}

} // namespace bench
