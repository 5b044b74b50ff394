#include "store.h"

#include "foldersync.h"
#include "notefile.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

// Whether `name` is one a save gives its temporary file,
// ".2006-03-14.txt.<pid>.<counter>.tmp", with a note's name exactly as the
// store writes it; its writer's process id goes to pid.
bool isTemporaryName(const char *name, pid_t &pid)
{
    const size_t length = std::strlen(name);
    if (length < 6 || name[0] != '.' || std::strcmp(name + length - 4, ".tmp") != 0)
        return false;
    // Back from ".tmp": the counter's digits, a dot, the id's digits, a dot.
    size_t end = length - 4;
    size_t at = end;
    while (at > 1 && name[at - 1] >= '0' && name[at - 1] <= '9')
        --at;
    if (at == end || at < 2 || name[at - 1] != '.')
        return false;
    end = at - 1;
    at = end;
    while (at > 1 && name[at - 1] >= '0' && name[at - 1] <= '9')
        --at;
    if (at == end || end - at > 9 || at < 2 || name[at - 1] != '.')
        return false;
    long id = 0;
    for (size_t i = at; i < end; ++i)
        id = id * 10 + (name[i] - '0');
    if (id <= 0)
        return false;
    pid = pid_t(id);

    // The rest, between the leading dot and the id, is a note's name.
    int day = 0, month = 0, year = 0;
    return parseNoteName(name + 1, at - 2, day, month, year);
}

// A process that can be signalled, or that exists under another user, runs.
bool isRunning(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

} // namespace

int NoteStore::removeLeftovers(ConflictCopies *copies) const
{
    DIR *dir = ::opendir(m_dataDir.constData());
    if (!dir)
        return 0;
    const int folder = ::dirfd(dir);
    const pid_t self = ::getpid();
    int removed = 0;
    while (const struct dirent *entry = ::readdir(dir)) {
        // Notes do not start with a dot: most entries end here.
        pid_t writer = 0;
        if (entry->d_name[0] != '.') {
            if (copies && std::strlen(entry->d_name) > 14)
                copies->set(QByteArray(entry->d_name), true);
            continue;
        }
        if (!isTemporaryName(entry->d_name, writer) || writer == self
            || isRunning(writer))
            continue;
        struct stat st;
        if (::fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)
            && ::unlinkat(folder, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    if (removed > 0)
        m_syncs->request(m_dataDir);
    return removed;
}

} // namespace store
