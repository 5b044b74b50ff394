#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class WindowList;

// The About box: the program's name, version and a few words about it. A
// fixed-size dialog of 388 x 182 pixels that destroys itself when closed
// ("OK", Enter, Escape or the frame's close button).
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

private:
    void Form_Load();

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QPushButton *cmdOK;
};

namespace about {

// "About": creates the box when there is none, puts its outer top-left
// corner on the main window's and shows and activates it. Returns the box.
frmAbout *ShowAbout(QWidget *mainWindow, WindowList &windows);

} // namespace about
