#include "quickcheck.h"

#include "notefile.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>

namespace reminder {

namespace {

// True when nothing stands at path.
bool surelyNothing(int folder, const char *path)
{
    struct stat st;
    return fstatat(folder, path, &st, 0) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

// True when the note file at path is missing or holds the empty note, as
// the store would open it.
bool noNote(int folder, const char *path)
{
    const store::NoteFile file = store::NoteFile::open(folder, path);
    return file.state() == store::NoteFile::State::NoNote || (file.isNote() && file.size() == 0);
}

} // namespace

bool isRemindCommand(int argc, const char *const *argv)
{
    return argc == 2 && strcmp(argv[1], "remind") == 0;
}

bool nothingToRemind(int folder, int day, int month, int year)
{
    if (!surelyNothing(folder, "ft.txt"))
        return false;
    // The note store's names: data/2006-12-07.txt.
    char path[5 + store::kNoteNameSize] = "data/";
    for (int y = year; y >= store::kFirstReminderYear; --y) {
        store::formatNoteName(path + 5, store::kNoteNameSize, day, month, y);
        if (!noNote(folder, path))
            return false;
    }
    return true;
}

bool endsSilently(int argc, const char *const *argv)
{
    if (!isRemindCommand(argc, argv))
        return false;
    const time_t now = time(nullptr);
    struct tm local;
    if (now == time_t(-1) || !localtime_r(&now, &local))
        return false;
    return nothingToRemind(AT_FDCWD, local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

} // namespace reminder
