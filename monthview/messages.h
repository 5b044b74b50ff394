#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

#include <exception>
#include <functional>
#include <utility>

namespace monthview {

// What the month view has to tell the user. A message waits until the
// current event is handled: a box that pops up in the middle of a focus
// change would swallow the click that caused it. All that comes up in one
// event is told in one box.
class Messages : public QObject
{
public:
    using Show = std::function<void(const QString &text)>;

    Messages(Show show, QObject *parent);

    // Told at the next turn of the event loop, with whatever else comes up
    // until then.
    void tell(const QString &text);

    // Shows what waits now, in one box.
    void showNow();

    // Takes what waits away untold.
    QStringList takeAll() { return std::exchange(m_waiting, {}); }
    void clear() { m_waiting.clear(); }
    bool isEmpty() const { return m_waiting.isEmpty(); }

    // Runs a handler that Qt calls: Qt must never see an exception leave one
    // of its callbacks. What went wrong is told instead.
    template <typename Handler>
    void guard(Handler &&handler) noexcept;

private:
    Show m_show;
    QStringList m_waiting;
};

template <typename Handler>
void Messages::guard(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (const std::exception &e) {
        try {
            tell(QCoreApplication::translate("Messages", "Something went wrong: %1")
                     .arg(QString::fromLocal8Bit(e.what())));
        } catch (...) {
        }
    } catch (...) {
        try {
            tell(QCoreApplication::translate("Messages", "Something went wrong."));
        } catch (...) {
        }
    }
}

} // namespace monthview
