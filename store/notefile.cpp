#include "notefile.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <utility>

namespace store {

NoteFile NoteFile::open(int folder, const char *path)
{
    NoteFile file;
    // O_NONBLOCK: a fifo at the note's path must not hang the program.
    const int fd = ::openat(folder, path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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
