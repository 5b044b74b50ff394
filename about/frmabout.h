#pragma once

#include <QDialog>

class WindowList;

// The About box: the program's name, version and a few words about it.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
};

namespace about {

// "About": creates the box when there is none, puts its outer top-left
// corner on the main window's and shows and activates it. Returns the box.
frmAbout *ShowAbout(QWidget *mainWindow, WindowList &windows);

} // namespace about
