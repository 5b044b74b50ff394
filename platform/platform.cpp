#include "platform.h"

#include "accessibility.h"
#include "appiconpixels.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <chrono>
#include <random>

namespace {

std::mt19937 &generator()
{
    static std::mt19937 engine;
    return engine;
}

// xdg-open hands the file to the user's web viewer and says with its exit
// status whether that worked. It may last as long as the viewer it starts:
// it is not waited for, and one that is still running when the program ends
// is left running (its QProcess is never destroyed, which would kill it).
void openWithDesktop(const QString &path, const Platform::ViewerFailed &failed)
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        // Qt knows a few other ways on some desktops.
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            failed(QCoreApplication::translate("platform", "xdg-open is not installed"));
        return;
    }
    auto *process = new QProcess;
    process->setProgram(xdgOpen);
    process->setArguments({path});
    // The viewer's messages go where the program's go, and nothing waits
    // for a pipe to be read.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failed(QCoreApplication::translate("platform", "xdg-open could not be started: %1").arg(process->errorString()));
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit)
                             failed(QCoreApplication::translate("platform", "xdg-open crashed"));
                         else if (code != 0)
                             failed(QCoreApplication::translate("platform", "xdg-open ended with status %1").arg(code));
                         process->deleteLater();
                     });
    process->start();
}

// A message box whose text a screen reader says as one line: the text of a
// box may hold line breaks, which are no part of a name.
bool ask(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton yes)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setDefaultButton(QMessageBox::Cancel);
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(accessibility::spokenText(text));
    return box.exec() == yes;
}

} // namespace

Platform systemPlatform()
{
    Platform p;
    p.today = QDate::currentDate();
    p.workingFolder = QDir::currentPath();
    p.seedRandom = [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch().count();
        generator().seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
    };
    p.nextRandom = [] {
        // 24 random bits: every value is exact in a float and below 1.
        return static_cast<float>(generator()() >> 8) * (1.0f / 16777216.0f);
    };
    p.openInViewer = openWithDesktop;
    p.showMessage = [](QWidget *parent, const QString &title, const QString &text) {
        ask(QMessageBox::Information, parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
    };
    p.confirm = [](QWidget *parent, const QString &title, const QString &text) {
        return ask(QMessageBox::Warning, parent, title, text, QMessageBox::Discard | QMessageBox::Cancel,
                   QMessageBox::Discard);
    };
    return p;
}

QIcon appIcon()
{
    // Every size is drawn for its own pixel grid; Qt picks the nearest one
    // and scales it only for a size in between. The sizes are the ones
    // windows and the About box draw; the menu and the task switcher take
    // larger ones from the installed icon theme.
    // Built once, as every window asks for it; never destroyed, so that no
    // pixmap outlives the application object at exit.
    static const QIcon *const icon = [] {
        auto *built = new QIcon;
        for (const appiconpixels::Picture &picture : appiconpixels::kPictures) {
            const QImage image(reinterpret_cast<const uchar *>(picture.pixels), picture.size, picture.size,
                               QImage::Format_ARGB32_Premultiplied);
            built->addPixmap(QPixmap::fromImage(image));
        }
        return built;
    }();
    return *icon;
}
