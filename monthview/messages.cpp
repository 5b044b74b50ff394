#include "messages.h"

#include <QTimer>

namespace monthview {

Messages::Messages(Show show, QObject *parent)
    : QObject(parent)
    , m_show(std::move(show))
{
}

void Messages::tell(const QString &text)
{
    m_waiting << text;
    if (m_waiting.size() == 1)
        QTimer::singleShot(0, this, [this] { showNow(); });
}

void Messages::showNow()
{
    if (m_waiting.isEmpty())
        return;
    const QString text = takeAll().join(QStringLiteral("\n\n"));
    if (m_show)
        m_show(text);
}

} // namespace monthview
