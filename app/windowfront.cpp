#include "windowfront.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

void askWindowManager(QWidget *window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window->windowHandle())
        return;
    static const char kName[] = "_NET_ACTIVE_WINDOW";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    if (!atom)
        return;
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = atom->atom;
    event.data.data32[0] = 2;                  // source: a pager, on the user's behalf
    event.data.data32[1] = XCB_CURRENT_TIME;
    event.data.data32[2] = XCB_NONE;
    std::free(atom);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

} // namespace

void bringToFront(QWidget *window, const QByteArray &activationToken)
{
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    // Qt's Wayland shell takes the token for the activation from the
    // environment, as a program launched with it finds it there, and
    // forgets it once used. Where the compositor has no activation, it is
    // left there: no program started later may find it.
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (wayland && !activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    window->activateWindow();
    if (wayland)
        qunsetenv("XDG_ACTIVATION_TOKEN");
    askWindowManager(window);
}

void whenInFront(QWidget *window, std::chrono::milliseconds patience, const std::function<void(bool inFront)> &done)
{
    if (window->isActiveWindow()) {
        done(true);
        return;
    }
    // Whichever comes first: the window is activated, or time is up.
    auto *waiting = new QTimer(window);
    waiting->setSingleShot(true);
    const QPointer<QWidget> watched(window);
    const auto finish = [waiting, watched, done](bool timedOut) {
        if (!watched || (!timedOut && !watched->isActiveWindow()))
            return;
        done(watched->isActiveWindow());
        waiting->disconnect();
        QObject::disconnect(qGuiApp, &QGuiApplication::focusWindowChanged, waiting, nullptr);
        waiting->deleteLater();
    };
    QObject::connect(waiting, &QTimer::timeout, waiting, [finish] { finish(true); });
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, waiting, [finish] { finish(false); });
    waiting->start(patience);
}
