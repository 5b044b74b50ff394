#include "platform.h"

#include "appiconpixels.h"

#include <QDesktopServices>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
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
