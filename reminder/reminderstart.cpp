#include "reminderstart.h"

#include "datecaptions.h"
#include "form3.h"
#include "remindertext.h"
#include "store.h"
#include "windowlist.h"

#include <QDate>
#include <QWidget>

namespace reminder {

Form3 *ReminderStart(const QDate &today, const store::NoteStore &notes, WindowList &windows,
                     QWidget *monthView, const calendar::DateWords &words)
{
    const auto day = static_cast<qint16>(today.day());
    const auto month = static_cast<qint16>(today.month());
    const auto year = static_cast<qint16>(today.year());
    const QString text = ReminderText(day, month, year, [&](qint16 earlier) {
        return notes.GetData(day, month, earlier);
    }, words);
    if (text.isEmpty())
        return nullptr;

    if (monthView)
        monthView->hide();
    auto *form = new Form3(windows, monthView);
    windows.add(form);
    form->setReminder(calendar::DayHeading(day, month, year, words), text);
    form->show();
    return form;
}

} // namespace reminder
