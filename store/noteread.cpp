// A note's bytes read within the size limit, and what the user is told when
// a note cannot be read or written: the store's, the search's and the
// versions' words for it.
#include "store.h"

#include "fileio.h"
#include "notefile.h"
#include "storefailures.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace store {

QString failure(const char *verb, qint16 day, qint16 month, qint16 year, const QString &why)
{
    const char *const sentence = qstrcmp(verb, "read") == 0 ? QT_TRANSLATE_NOOP("store", "Cannot read %1: %2")
        : qstrcmp(verb, "delete") == 0                    ? QT_TRANSLATE_NOOP("store", "Cannot delete %1: %2")
                                                          : QT_TRANSLATE_NOOP("store", "Cannot write %1: %2");
    return QCoreApplication::translate("store", sentence).arg(NoteStore::GetFileName(day, month, year), why);
}

QString failure(const char *verb, qint16 day, qint16 month, qint16 year, int err)
{
    return failure(verb, day, month, year, fileio::reason(err));
}

int readNote(const NoteFile &file, QByteArray &out, qsizetype &filled)
{
    // Room for the whole file and one byte more, so that its end shows in
    // one read, and for growth up to the limit and one byte past it.
    const qsizetype start = filled;
    const qsizetype most = start + kMaxNoteSize + 1;
    qsizetype want = std::min<qsizetype>(start + file.size() + 1, most);
    for (;;) {
        if (out.size() < want)
            out.resize(want);
        const qsizetype room = out.size() - filled;
        const ssize_t n = ::read(file.fd(), out.data() + filled, std::size_t(room));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            filled = start;
            return errno;
        }
        filled += n;
        if (filled - start > kMaxNoteSize) {
            filled = start;
            return kTooLarge;
        }
        // A regular file reads short only at its end: that spares the read
        // that would return nothing.
        if (n < room)
            return 0;
        // The file grew while it was read.
        if (filled == out.size())
            want = std::min(filled + std::max<qsizetype>(filled - start, 4096), most);
    }
}

QString sizeText(qint64 bytes)
{
    static const char *const units[] = {"KiB", "MiB", "GiB", "TiB", "PiB", "EiB"};
    if (bytes < 1024) {
        return bytes == 1 ? QCoreApplication::translate("store", "1 byte")
                          : QCoreApplication::translate("store", "%n bytes", nullptr, int(bytes));
    }
    int unit = 0;
    qint64 whole = bytes / 1024;
    qint64 rest = bytes % 1024;   // in 1/1024 of the unit
    while (whole >= 1024 && unit + 1 < int(std::size(units))) {
        rest = whole % 1024;
        whole /= 1024;
        ++unit;
    }
    if ((bytes & ((qint64(1) << (10 * (unit + 1))) - 1)) == 0)
        return QCoreApplication::translate("store", "%1 %2", "a size: 4 MiB").arg(whole).arg(QLatin1String(units[unit]));
    return QCoreApplication::translate("store", "%1.%2 %3", "a size with a decimal: 4.5 MiB")
        .arg(whole)
        .arg(rest * 10 / 1024)
        .arg(QLatin1String(units[unit]));
}

QString readFailure(qint16 day, qint16 month, qint16 year, int error, qint64 size)
{
    if (error == kTooLarge) {
        return failure("read", day, month, year,
                       QCoreApplication::translate("store", "too large to show (%1; a note has at most %2)")
                           .arg(sizeText(std::max<qint64>(size, kMaxNoteSize + 1)), sizeText(kMaxNoteSize)));
    }
    return failure("read", day, month, year, error);
}

} // namespace store
