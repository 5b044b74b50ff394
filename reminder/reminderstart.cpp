#include "reminderstart.h"

namespace reminder {

Form3 *ReminderStart(const Context &context)
{
    Q_UNUSED(context);
    return nullptr;
}

} // namespace reminder
