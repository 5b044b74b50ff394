#include "screenreadernames.h"

#include "datecaptions.h"
#include "monthgrid.h"

#include <QAccessibleWidget>
#include <QPushButton>

namespace monthview {

namespace {

// The grid as screen readers see it: its children that show.
class GridInterface : public QAccessibleWidget
{
public:
    explicit GridInterface(QWidget *grid)
        : QAccessibleWidget(grid, QAccessible::Grouping)
    {
    }

    int childCount() const override { return int(shown().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                      : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() && child->object()->isWidgetType()
            ? int(shown().indexOf(static_cast<QWidget *>(child->object())))
            : -1;
    }

private:
    // In the order of the grid's children: the headings, then each box
    // with its day number above it.
    QList<QWidget *> shown() const
    {
        QList<QWidget *> children;
        for (QObject *child : widget()->children()) {
            if (child->isWidgetType() && !static_cast<QWidget *>(child)->isHidden())
                children << static_cast<QWidget *>(child);
        }
        return children;
    }
};

QAccessibleInterface *gridInterface(const QString &className, QObject *object)
{
    return className == QLatin1String(MonthGrid::staticMetaObject.className()) && qobject_cast<MonthGrid *>(object)
        ? new GridInterface(static_cast<QWidget *>(object))
        : nullptr;
}

} // namespace

ScreenReaderNames::ScreenReaderNames(MonthGrid *grid)
    : QObject(grid)
    , m_grid(grid)
    , m_active(QAccessible::isActive())
{
    connect(grid, &MonthGrid::cellsChanged, this, &ScreenReaderNames::cellsChanged);
    static const bool installed = [] {
        QAccessible::installFactory(gridInterface);
        return true;
    }();
    Q_UNUSED(installed);
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
    int shown = 0;
    for (int k = 1; k <= 35; ++k) {
        if (m_grid->box(k) && !m_grid->box(k)->isHidden())
            ++shown;
        NoteBox *box = m_grid->box(k);
        QPushButton *day = m_grid->dayButton(k);
        if (!box || !day || box->date().day == 0)
            continue;
        const NoteDate &date = box->date();
        const QString name = calendar::SpokenDate(date.day, date.month, date.year, m_grid->dateWords());
        if (box->accessibleName() != name) {
            box->setAccessibleName(name);
            day->setAccessibleName(name);
        }
        QStringList described;
        if (box->isUnreadable())
            described << tr("This note cannot be read: %1")
                             .arg(box->toPlainText().section(QLatin1Char('\n'), 0, 0));
        if (box->hasOtherVersion())
            described << tr("has another version");
        const QString description = described.join(QLatin1String("; "));
        if (box->accessibleDescription() != description)
            box->setAccessibleDescription(description);
    }
    // Another month may show more or fewer cells: the grid's children
    // changed.
    if (shown != m_shown) {
        if (m_shown >= 0) {
            QAccessibleEvent changed(m_grid, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&changed);
        }
        m_shown = shown;
    }
}

} // namespace monthview
