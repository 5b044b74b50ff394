#include "frmabout.h"

#include "windowlist.h"

#include <QPointer>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Kalivo"));
}

namespace about {

frmAbout *ShowAbout(QWidget *mainWindow, WindowList &windows)
{
    static QPointer<frmAbout> box;
    if (!box) {
        box = new frmAbout;
        windows.add(box);
    }
    box->move(mainWindow->frameGeometry().topLeft());
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

} // namespace about
