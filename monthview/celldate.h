#pragma once

#include "notedate.h"

#include <QString>
#include <QtGlobal>

namespace monthview {

using NoteDate = store::NoteDate;

// "14 March 2006", month name in the user's language, for messages.
QString describe(const NoteDate &date);

} // namespace monthview
