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

void Messages::charactersReplaced(const QStringList &characters)
{
    if (m_codePageTold)
        return;
    for (const QString &c : characters) {
        if (!m_replaced.contains(c))
            m_replaced << c;
    }
}

void Messages::tellReplacedCharacters()
{
    if (m_codePageTold || m_replaced.isEmpty())
        return;
    m_codePageTold = true;
    tell(QStringLiteral("Kalivo stores notes in Windows-1252, which has no room for %1. "
                        "Such characters show as \"?\" from the moment they come in, "
                        "as the note file holds them.")
             .arg(std::exchange(m_replaced, {}).join(QStringLiteral(", "))));
}

} // namespace monthview
