#include "frmabout.h"

#include "platform.h"
#include "twips.h"
#include "windowlist.h"

#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

const QString kTitle = QStringLiteral("Kalivo");

// The layout is drawn in twips.
int px(double length)
{
    return twips::twipsToPixels(length);
}

QRect twipRect(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// A straight horizontal line from (x1, y) to (x2, y), `width` pixels thick
// downwards from y.
QWidget *line(QWidget *parent, const char *name, double x1, double x2, double y, int width,
              const QColor &colour)
{
    auto *w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(px(x1), px(y), px(x2) - px(x1), width);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    return w;
}

QLabel *label(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

void setBlackText(QLabel *l)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A plain dialog frame: title and close button, nothing to minimise,
    // maximise or ask for help. A dialog stays out of the task bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(appIcon());
    setSizeGripEnabled(false);
    setFixedSize(px(5820), px(2730));   // 388 x 182

    // Built in stacking order, later controls over earlier ones.
    picIcon = label(this, "picIcon", twipRect(240, 240, 765, 765));
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);   // 2 px around 47 x 47
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(appIcon().pixmap(QSize(47, 47)));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipRect(2160, 2280, 1260, 345));
    cmdOK->setFocusPolicy(Qt::StrongFocus);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);

    // The etched separator: a grey line on the top row of a white line two
    // rows thick, so that a grey row shows above a white one. The white
    // line goes below the grey in the stack, or it would hide it.
    QWidget *white = line(this, "Line1_0", 105, 5654, 2160, 2, Qt::white);
    QWidget *grey = line(this, "Line1_1", 90, 5654, 2160, 1, QColor(128, 128, 128));
    grey->raise();
    Q_UNUSED(white);

    lblDescription = label(this, "lblDescription", twipRect(1080, 1320, 3885, 810));
    lblDescription->setWordWrap(true);
    lblDescription->setText(tr("A month on one page, with a note for every day. Notes are saved as you go, "
                               "one small text file per date."));
    setBlackText(lblDescription);

    lblTitle = label(this, "lblTitle", twipRect(1080, 240, 3885, 480));
    setBlackText(lblTitle);

    lblVersion = label(this, "lblVersion", twipRect(1080, 780, 3885, 225));

    cmdOK->setFocus();
    Form_Load();
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(kTitle));
    lblVersion->setText(tr("Version %1").arg(QStringLiteral("1.0")));
    lblTitle->setText(kTitle);
}

namespace about {

frmAbout *ShowAbout(QWidget *mainWindow, WindowList &windows)
{
    // A box that was closed is hidden until its deletion comes round; it no
    // longer counts.
    frmAbout *box = nullptr;
    for (QWidget *w : windows.windows()) {
        if (auto *open = qobject_cast<frmAbout *>(w); open && !open->isHidden())
            box = open;
    }
    if (!box) {
        box = new frmAbout;
        windows.add(box);
    }
    // Outer corner on outer corner, wherever that is, also off the screen.
    box->move(mainWindow->frameGeometry().topLeft());
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

} // namespace about
