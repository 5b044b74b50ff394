#pragma once

#include <QtGlobal>

// Small helpers over POSIX file descriptors, shared by the note store and
// the month report.
namespace fileio {

// Writes all bytes, going on after partial writes and interruptions. False
// with errno set on failure.
bool writeAll(int fd, const char *data, qsizetype size);

} // namespace fileio
