#include "reminderstart.h"

#include "form3.h"
#include "remindertext.h"
#include "store.h"
#include "windowlist.h"

#include <QWidget>

namespace reminder {

Form3 *ReminderStart(const Context &context)
{
    const QString text = ReminderText(context.TodayDay, context.M, context.TodayYear,
                                      [&](qint16 year) {
                                          return context.notes.GetData(context.FocusDay, context.M, year);
                                      });
    if (text.isEmpty())
        return nullptr;

    if (context.monthView)
        context.monthView->hide();
    auto *form = new Form3(context.windows, context.monthView);
    context.windows.add(form);
    form->setReminder(ReminderCaption(context.TodayDay, context.M, context.TodayYear), text);
    form->show();
    return form;
}

} // namespace reminder
