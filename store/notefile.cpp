#include "notefile.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <utility>

namespace store {

int formatNoteName(char *out, std::size_t size, int day, int month, int year)
{
    return snprintf(out, size, "%d-%02d-%02d.txt", year, month, day);
}

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int daysIn(int month, int year)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

bool parseNoteName(const char *name, std::size_t length, int &day, int &month, int &year)
{
    // "<year>-MM-DD.txt": one to four digits of year, the first not 0.
    std::size_t digits = 0;
    while (digits < length && digits < 5 && isDigit(name[digits]))
        ++digits;
    if (digits == 0 || digits > 4 || name[0] == '0' || length != digits + 10)
        return false;
    const char *rest = name + digits;
    if (rest[0] != '-' || !isDigit(rest[1]) || !isDigit(rest[2]) || rest[3] != '-' || !isDigit(rest[4])
        || !isDigit(rest[5]) || memcmp(rest + 6, ".txt", 4) != 0)
        return false;
    int y = 0;
    for (std::size_t i = 0; i < digits; ++i)
        y = y * 10 + (name[i] - '0');
    const int m = (rest[1] - '0') * 10 + (rest[2] - '0');
    const int d = (rest[4] - '0') * 10 + (rest[5] - '0');
    if (m < 1 || m > 12 || d < 1 || d > daysIn(m, y))
        return false;
    day = d;
    month = m;
    year = y;
    return true;
}

NoteFile NoteFile::open(int folder, const char *path, bool followLinks)
{
    NoteFile file;
    // O_NONBLOCK: a fifo at the note's path must not hang the program.
    const int fd = ::openat(folder, path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            file.m_state = State::Failed;
            file.m_error = errno;
        }
        return file;
    }
    file.m_fd = fd;
    if (::fstat(fd, &file.m_status) != 0)
        file.m_error = errno;
    else if (S_ISDIR(file.m_status.st_mode))
        file.m_error = EISDIR;
    else if (!S_ISREG(file.m_status.st_mode))
        file.m_error = kNotAFile;
    else if (file.m_status.st_size > kMaxNoteSize)
        file.m_error = kTooLarge;
    file.m_state = file.m_error == 0 ? State::Note : State::Failed;
    if (file.m_state != State::Note) {
        ::close(fd);
        file.m_fd = -1;
    }
    return file;
}

NoteFile::NoteFile(NoteFile &&other) noexcept
    : m_state(other.m_state)
    , m_fd(std::exchange(other.m_fd, -1))
    , m_error(other.m_error)
    , m_status(other.m_status)
{
}

NoteFile &NoteFile::operator=(NoteFile &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_state = other.m_state;
        m_fd = std::exchange(other.m_fd, -1);
        m_error = other.m_error;
        m_status = other.m_status;
    }
    return *this;
}

NoteFile::~NoteFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace store
