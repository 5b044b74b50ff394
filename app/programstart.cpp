#include "programstart.h"

#include "form1.h"
#include "quickcheck.h"
#include "reminderstart.h"

bool startProgram(Form1 &monthView, int argc, const char *const *argv)
{
    monthView.Form_Load();
    if (!reminder::isRemindCommand(argc, argv)) {
        monthView.show();
        return true;
    }
    return reminder::ReminderStart(monthView.today(), monthView.notes(), monthView.windows(), &monthView)
        != nullptr;
}
