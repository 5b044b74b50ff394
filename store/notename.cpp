#include "notename.h"

#include <cstdio>

namespace store {

int formatNoteName(char *out, std::size_t size, int day, int month, int year)
{
    return std::snprintf(out, size, "%d-%02d-%02d.txt", year, month, day);
}

} // namespace store
