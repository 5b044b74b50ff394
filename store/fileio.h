#pragma once

#include "notefile.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

#include <sys/types.h>

// Small helpers over POSIX file descriptors, shared by the note store and
// the month report.
namespace fileio {

// Stands for "something other than a file or a folder is at the path" (a
// fifo, a socket, a device), which has no errno of its own.
using store::kNotAFile;

// The reason for the user: strerror's words, or "Not a regular file" for
// kNotAFile.
QString reason(int err);

// Writes all bytes, going on after partial writes and interruptions. A
// write that takes no byte counts as a full disk (ENOSPC). False with errno
// set on failure.
bool writeAll(int fd, const char *data, qsizetype size);

// Copies what is left of an open file into another. False with errno set.
bool copyRest(int from, int to);

// Creates a new file for writing with exactly `mode`, whatever the umask
// (notes and pages are private: new ones are 0600). Fails with EEXIST when
// anything, a dangling link included, already has the name. -1 with errno
// set on failure.
int createNew(const char *path, mode_t mode);

// Creates a folder for the user alone (0700, whatever the umask). True also
// when it already exists; an existing folder keeps its mode. False with
// errno set on failure.
bool makePrivateFolder(const char *path);

struct NewFile {
    int fd = -1;             // open for writing, or -1
    int error = 0;           // the errno when fd is -1
    QByteArray path;         // the last path tried, also on failure
    bool madeFolder = false; // the folder was missing and has been made
};

// Creates a new file in `folder` under a name from drawName(), with
// createNew: a name that is taken costs a fresh draw, up to `attempts`
// draws in all (then EEXIST). With makeFolder, a missing folder is made
// once, with makePrivateFolder, and the same name tried again in it. Any
// other failure ends the search.
NewFile createUnique(const QByteArray &folder, const std::function<QByteArray()> &drawName, mode_t mode,
                     int attempts, bool makeFolder = true);

} // namespace fileio
