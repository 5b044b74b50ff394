#include "form1.h"
#include "platform.h"

#include <QApplication>
#include <QIcon>

// The windows' side of the program: the month view's start-up decides
// whether the month view, the reminder or nothing is shown.
extern "C" __attribute__((visibility("default"))) int kalivo_gui_main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(appIcon());
    // Lets the desktop match the windows to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kalivo.Kalivo"));
    const Platform platform = systemPlatform();

    Form1 form(platform, QApplication::arguments().mid(1));
    switch (form.Form_Load()) {
    case Form1::LoadOutcome::Quit:
        return 0;
    case Form1::LoadOutcome::ShowMonthView:
        form.show();
        break;
    case Form1::LoadOutcome::ReminderShown:
        // The reminder window is up; the month view waits, hidden.
        break;
    }
    return app.exec();
}
