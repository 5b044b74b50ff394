#include "platform.h"

#include <QApplication>

extern "C" __attribute__((visibility("default"))) int kalivo_gui_main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const Platform platform = systemPlatform();
    Q_UNUSED(platform);
    return 0;
}
