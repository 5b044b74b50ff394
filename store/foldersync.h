#pragma once

#include <QByteArray>

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>
#include <sys/types.h>

namespace store {

// Makes a folder's entries (a file created, renamed or removed) reach the
// disk: 0, or the errno of the failure. A file system that cannot sync a
// folder has nothing more to do, and neither has a folder that is gone; a
// folder that cannot be opened otherwise is a failure.
int syncFolder(const QByteArray &folder);

// Makes an open file's bytes reach the disk: 0, or the errno of the failure.
int syncFile(int fd);

// Runs the folder syncs that follow the saves on a thread of its own. A save
// waits for its note's bytes to reach the disk, but not for the second
// journal commit that makes the note's new name durable as well: that one
// overlaps with whatever the program does next. A folder asked for again
// while it waits is synced once; asked for while it is being synced, once
// more afterwards. A forked child, which has no such thread, syncs at once.
//
// A failure stands until it has been reported and a sync of the folder has
// succeeded since: a later sync that succeeds does not make up for it (the
// entries it lost need not be on the disk), so it is kept until someone
// takes it with takeUnreported().
class FolderSync
{
public:
    using Function = int (*)(const QByteArray &folder);

    explicit FolderSync(Function sync = syncFolder);
    ~FolderSync();   // finishes the syncs asked for
    FolderSync(const FolderSync &) = delete;
    FolderSync &operator=(const FolderSync &) = delete;

    // The process's own; never destroyed, so that it serves to the end.
    static FolderSync &shared();

    // Syncs the folder soon. 0, or the errno of a sync that had to be done
    // at once and failed.
    int request(const QByteArray &folder);

    // Syncs the folder now, on the calling thread: 0 or the errno, which
    // the caller reports.
    int syncNow(const QByteArray &folder);

    // The errno of a failed sync of the folder that stands, or 0. Does not
    // wait.
    int error(const QByteArray &folder);

    // The errno of a failed sync in the background that nobody has
    // reported yet, or 0; from now on it counts as reported.
    int takeUnreported(const QByteArray &folder);

    // The folders whose failed sync stands. Does not wait.
    std::vector<QByteArray> failedFolders();

    // Waits until every sync of the folder asked for so far is done; then
    // as error().
    int wait(const QByteArray &folder);

private:
    struct Failure {
        int error = 0;
        bool reported = false;
    };

    void run();
    bool busyWith(const QByteArray &folder) const;
    void record(const QByteArray &folder, int err, bool reported);   // with the lock held

    const Function m_sync;
    const pid_t m_owner;
    std::mutex m_mutex;
    std::condition_variable m_wake;   // something to sync, or stop
    std::condition_variable m_done;   // a sync finished
    std::vector<QByteArray> m_pending;
    QByteArray m_running;
    std::map<QByteArray, Failure> m_errors;
    bool m_stop = false;
    std::thread m_worker;   // started by the first request
};

} // namespace store
