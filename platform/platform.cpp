#include "platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QUrl>

#include <chrono>
#include <random>

namespace {

std::mt19937 &generator()
{
    static std::mt19937 engine;
    return engine;
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
    p.openInViewer = [](const QString &path) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    p.showMessage = [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox::information(parent, title, text);
    };
    p.confirm = [](QWidget *parent, const QString &title, const QString &text) {
        return QMessageBox::warning(parent, title, text, QMessageBox::Discard | QMessageBox::Cancel,
                                    QMessageBox::Cancel)
            == QMessageBox::Discard;
    };
    return p;
}

QIcon appIcon()
{
    // Every size is drawn for its own pixel grid; Qt picks the nearest one
    // and scales it only for a size in between.
    // Built once: every window asks for it, and each image is decoded when
    // it is added. Never destroyed, so that no pixmap outlives the
    // application object at exit.
    static const QIcon *const icon = [] {
        // The sizes windows and the About box draw; the menu and the task
        // switcher take larger ones from the installed icon theme.
        static const int sizes[] = {16, 22, 24, 32, 47, 48, 64};
        auto *built = new QIcon;
        for (const int size : sizes)
            built->addFile(QStringLiteral(":/icons/kalivo-%1.png").arg(size), QSize(size, size));
        return built;
    }();
    return *icon;
}
