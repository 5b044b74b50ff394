#pragma once

#include <QtGlobal>

#include <sys/types.h>

// Small helpers over POSIX file descriptors, shared by the note store and
// the month report.
namespace fileio {

// Writes all bytes, going on after partial writes and interruptions. False
// with errno set on failure.
bool writeAll(int fd, const char *data, qsizetype size);

// Creates a new file for writing with exactly `mode`, whatever the umask
// (notes and pages are private: new ones are 0600). Fails with EEXIST when
// anything, a dangling link included, already has the name. -1 with errno
// set on failure.
int createNew(const char *path, mode_t mode);

// Creates a folder for the user alone (0700, whatever the umask). True also
// when it already exists; an existing folder keeps its mode. False with
// errno set on failure.
bool makePrivateFolder(const char *path);

} // namespace fileio
