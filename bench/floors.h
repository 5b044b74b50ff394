#pragma once

#include <QByteArray>

#include <vector>

// The floors: the least work the disk asks for each measured case, done with
// plain system calls on paths built beforehand. Each returns the number of
// bytes it read or wrote, so the compiler cannot drop the work, or -1 when a
// call failed.
namespace bench {

// open, read to the end, close: each file in turn. A missing file is skipped
// after its failed open (a lookup), as a day without a note is.
long long readFiles(const std::vector<QByteArray> &paths, std::vector<char> &buffer);

// open(O_CREAT | O_TRUNC), write, close: no flush to the disk.
long long writeFile(const QByteArray &path, const char *data, long long size);

// The crash-safe replacement of a file by its bare system calls: write the
// bytes to `temp`, fsync, close, rename over `target`.
long long writeSyncRename(const QByteArray &temp, const QByteArray &target, const char *data, long long size);

} // namespace bench
