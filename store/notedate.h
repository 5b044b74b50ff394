#pragma once

#include "notefile.h"

#include <QHashFunctions>
#include <QtGlobal>

#include <compare>
#include <cstring>
#include <tuple>

namespace store {

// The date of a note: of a note file, of what a cell shows, of a save, of a
// search result; day 0: none. Older dates order first.
struct NoteDate {
    qint16 day = 0;
    qint16 month = 0;
    qint16 year = 0;
    bool operator==(const NoteDate &) const = default;
    friend std::strong_ordering operator<=>(const NoteDate &a, const NoteDate &b)
    {
        return std::tie(a.year, a.month, a.day) <=> std::tie(b.year, b.month, b.day);
    }
};

// The date a note file's name stands for, as parseNoteName reads it; day 0
// for any other name.
inline NoteDate dateOfNoteName(const char *name, std::size_t length)
{
    int day = 0, month = 0, year = 0;
    if (!parseNoteName(name, length, day, month, year))
        return {};
    return NoteDate{qint16(day), qint16(month), qint16(year)};
}

inline NoteDate dateOfNoteName(const char *name)
{
    return dateOfNoteName(name, std::strlen(name));
}

inline size_t qHash(const NoteDate &date, size_t seed = 0) noexcept
{
    return ::qHash((quint64(quint16(date.year)) << 32) | (quint32(quint16(date.month)) << 16) | quint16(date.day),
                   seed);
}

} // namespace store
