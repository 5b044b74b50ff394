#include "language.h"
#include "platform.h"
#include "programstart.h"

#include <QApplication>
#include <QIcon>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// Reading the font configuration (fontconfig's files and the caches of
// every installed font) is the largest single step of the windows' start,
// and Qt takes it on its first font. A second thread reads it while Qt
// connects to the display, so that it is mostly done when the windows
// need their first font. Without a thread the first font reads it, as ever.
class FontConfigurationAhead
{
public:
    FontConfigurationAhead()
    {
        try {
            m_reader = std::thread([] { FcInit(); });
        } catch (const std::system_error &) {
        }
    }
    ~FontConfigurationAhead() { wait(); }

    // A font asked for before this would have Qt read the configuration a
    // second time, beside the thread.
    void wait()
    {
        if (m_reader.joinable())
            m_reader.join();
    }

private:
    std::thread m_reader;
};

// While the application object connects to the display, Qt's messages are
// held back: a display that cannot be reached ends in one line of ours
// instead of Qt's abort and a core dump.
QStringList heldMessages;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages << qFormatLogMessage(type, context, text);
        return;
    }
    // Qt's first words say what failed ("could not connect to display :1").
    const QString why = heldMessages.isEmpty() ? text.section(QLatin1Char('\n'), 0, 0)
                                               : heldMessages.first();
    std::fprintf(stderr, "kalivo: Kalivo needs a graphical desktop, and cannot reach one (%s)\n",
                 qPrintable(why.simplified()));
    std::fflush(stderr);
    ::_exit(1);
}

} // namespace

// The windows' side of the program. Qt takes its own arguments out of argv;
// the rest decides whether the month view, the reminder or nothing is shown.
extern "C" __attribute__((visibility("default"))) int kalivo_gui_main(int argc, char **argv)
{
    FontConfigurationAhead fonts;
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString &message : std::as_const(heldMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    heldMessages.clear();

    QApplication::setWindowIcon(appIcon());
    // Lets the desktop match the windows to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kalivo.Kalivo"));
    const language::UserLanguage language =
        language::installTranslation(app, QCoreApplication::applicationDirPath());
    Platform platform = systemPlatform();
    platform.dateWords = language.words;
    platform.firstWeekday = language.firstWeekday;
    fonts.wait();
    return runProgram(platform, argc, argv);
}
