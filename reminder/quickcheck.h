#pragma once

// Whether "kalivo remind" can end at once, decided before any library is
// loaded: plain C and POSIX, nothing allocated. The answer errs towards
// starting the program; only the program can say why a note is unreadable.
namespace reminder {

// The command line is exactly the one word "remind".
bool isRemindCommand(int argc, const char *const *argv);

// True when the folder (a directory descriptor, or AT_FDCWD) surely holds
// nothing to show for day/month in year and every earlier year down to 1900:
// no ft.txt (the welcome message comes first), and for every year
// data/<year>-<mm>-<dd>.txt is missing or an empty regular file, opened as
// the store opens notes. Anything else at such a path, or an opening that
// fails for another reason than a missing file, is something to show.
bool nothingToRemind(int folder, int day, int month, int year);

// isRemindCommand and nothingToRemind for today's local date in the current
// folder.
bool endsSilently(int argc, const char *const *argv);

} // namespace reminder
