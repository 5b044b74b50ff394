#pragma once

#include "notedate.h"

namespace monthview {

using NoteDate = store::NoteDate;

} // namespace monthview
