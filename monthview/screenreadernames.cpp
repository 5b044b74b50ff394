#include "screenreadernames.h"

#include "datecaptions.h"
#include "monthgrid.h"

#include <QPushButton>

namespace monthview {

ScreenReaderNames::ScreenReaderNames(MonthGrid *grid)
    : QObject(grid)
    , m_grid(grid)
    , m_active(QAccessible::isActive())
{
    connect(grid, &MonthGrid::cellsChanged, this, &ScreenReaderNames::cellsChanged);
    QAccessible::installActivationObserver(this);
    cellsChanged();
}

ScreenReaderNames::~ScreenReaderNames()
{
    QAccessible::removeActivationObserver(this);
}

void ScreenReaderNames::accessibilityActiveChanged(bool active)
{
    m_active = active;
    cellsChanged();
}

void ScreenReaderNames::nameCells()
{
    for (int k = 1; k <= 35; ++k) {
        NoteBox *box = m_grid->box(k);
        QPushButton *day = m_grid->dayButton(k);
        if (!box || !day || box->date().day == 0)
            continue;
        const NoteDate &date = box->date();
        const QString name = calendar::SpokenDate(date.day, date.month, date.year);
        if (box->accessibleName() != name) {
            box->setAccessibleName(name);
            day->setAccessibleName(name);
        }
        QStringList described;
        if (box->isUnreadable())
            described << QStringLiteral("This note cannot be read: %1")
                             .arg(box->toPlainText().section(QLatin1Char('\n'), 0, 0));
        if (box->hasOtherVersion())
            described << tr("has another version");
        const QString description = described.join(QLatin1String("; "));
        if (box->accessibleDescription() != description)
            box->setAccessibleDescription(description);
    }
}

} // namespace monthview
