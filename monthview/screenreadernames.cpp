#include "screenreadernames.h"

#include "datecaptions.h"
#include "form1.h"

#include <QLabel>
#include <QPushButton>

namespace monthview {

ScreenReaderNames::ScreenReaderNames(Form1 &form)
    : QObject(&form)
    , m_form(form)
    , m_active(QAccessible::isActive())
{
    const std::pair<const char *, const char *> buttons[] = {
        {"Command1", "Next month"},      {"Command2", "Previous month"},    {"Command10", "Previous year"},
        {"Command11", "Next year"},      {"Command3", "Print"},             {"Command7", "Larger note text"},
        {"Command8", "Smaller note text"}, {"Command9", "About Kalivo"}};
    for (const auto &[name, spoken] : buttons) {
        if (auto *button = m_form.findChild<QPushButton *>(QLatin1String(name)))
            button->setAccessibleName(QLatin1String(spoken));
    }
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
        auto *box = qobject_cast<NoteBox *>(m_form.Text1(k));
        QPushButton *day = m_form.Command4(k);
        if (!box || !day || box->date().day == 0)
            continue;
        const QString name = calendar::SpokenDate(box->date().day, box->date().month, box->date().year);
        if (box->accessibleName() != name) {
            box->setAccessibleName(name);
            day->setAccessibleName(name);
        }
        const QString description =
            box->isUnreadable()
            ? QStringLiteral("This note cannot be read: %1").arg(box->toPlainText().section(QLatin1Char('\n'), 0, 0))
            : QString();
        if (box->accessibleDescription() != description)
            box->setAccessibleDescription(description);
    }
}

} // namespace monthview
