#pragma once

#include <cstddef>

// The name of a day's note file, shared by the note store and the launcher's
// early look at today's notes. Plain C++: the launcher links no Qt.
namespace store {

// The reminder looks back to this year and no further.
constexpr int kFirstReminderYear = 1900;

// Room for the name of any three ints, NUL included.
constexpr std::size_t kNoteNameSize = 48;

// Writes "2006-01-05.txt" into out as snprintf does: at most size bytes,
// NUL included, and returns the name's length. Years keep all their digits
// (and a sign, which only a year below 0 would have); day and month get two
// digits at least.
int formatNoteName(char *out, std::size_t size, int day, int month, int year);

} // namespace store
