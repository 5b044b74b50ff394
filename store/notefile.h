#pragma once

#include <cstddef>
#include <sys/stat.h>

// Note files as files: their names, and opening one for reading. Plain C++:
// the launcher's early look at today's notes links no Qt, and names and
// opens them the same way.
namespace store {

// The reminder looks back to this year and no further.
constexpr int kFirstReminderYear = 1900;

// Room for the name of any three ints, NUL included.
constexpr std::size_t kNoteNameSize = 48;

// Writes "2006-01-05.txt" into out as snprintf does: at most size bytes,
// NUL included, and returns the name's length. Years keep all their digits
// (and a sign, which only a year below 0 would have); day and month get two
// digits at least.
int formatNoteName(char *out, std::size_t size, int day, int month, int year);

// The date a note file's name stands for: true for exactly the name that
// formatNoteName gives a date of the calendar in the years 1 to 9999
// ("2006-03-14.txt", "999-01-01.txt"). A year with a leading zero, a month
// or day of one digit, 31 February or anything around the name is no note.
bool parseNoteName(const char *name, std::size_t length, int &day, int &month, int &year);

// A note file larger than this is never read: no typed note comes near it,
// and a file that size (a sparse file, a log written to the wrong name)
// would only cost memory. Such a file is an error of its own, "too large to
// show", and no note is ever written that large.
constexpr long long kMaxNoteSize = 4 * 1024 * 1024;

// Why a note file cannot be read, where no errno says it.
constexpr int kNotAFile = -1;   // a fifo, a socket, a device
constexpr int kTooLarge = -2;   // above kMaxNoteSize

// A note file opened for reading, or why there is none. The size decides
// before anything is read: a sparse file of a terabyte costs one fstat.
// Closes the file it opened.
class NoteFile
{
public:
    enum class State {
        Note,     // open for reading; status() tells of it
        NoNote,   // nothing at the path, or a folder on the way is missing
        Failed,   // error() says why; status() too, for kTooLarge
    };

    // Opens `path`, relative to the folder `folder` (a directory
    // descriptor, or AT_FDCWD). A fifo at the path does not hang the
    // program; links are followed unless followLinks is false, when a link
    // fails with ELOOP.
    static NoteFile open(int folder, const char *path, bool followLinks = true);

    NoteFile(NoteFile &&other) noexcept;
    NoteFile &operator=(NoteFile &&other) noexcept;
    NoteFile(const NoteFile &) = delete;
    NoteFile &operator=(const NoteFile &) = delete;
    ~NoteFile();

    State state() const { return m_state; }
    bool isNote() const { return m_state == State::Note; }
    int fd() const { return m_fd; }
    // errno, kNotAFile or kTooLarge; 0 unless Failed.
    int error() const { return m_error; }
    const struct stat &status() const { return m_status; }
    long long size() const { return m_status.st_size; }

private:
    NoteFile() = default;

    State m_state = State::NoNote;
    int m_fd = -1;
    int m_error = 0;
    struct stat m_status {};
};

} // namespace store
