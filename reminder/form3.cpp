#include "form3.h"

#include "accessibility.h"
#include "platform.h"
#include "twips.h"
#include "windowlist.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace {

// Every size of this window is a whole number of pixels in twips.
int px(int length)
{
    return twips::twipsToPixels(length);
}

QPushButton *makeButton(const QString &caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // The design's "MS Sans Serif" 8.25 pt bold, asked for as the month view
    // asks for it: as Arial, or whatever sans serif stands in for it.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    button->setFont(font);
    button->setFocusPolicy(Qt::StrongFocus);
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

Form3::Form3(WindowList &windows, QWidget *monthView)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint)
    , m_windows(windows)
    , m_monthView(monthView)
{
    setObjectName(QStringLiteral("Form3"));
    accessibility::announceWindows();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(appIcon());
    setFixedSize(px(5790), px(5055));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Notes of this day"));
    Text1->setGeometry(px(120), px(120), px(5535), px(4335));
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(15.75);
    Text1->setFont(serif);
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 204));
    palette.setColor(QPalette::Text, Qt::black);
    Text1->setPalette(palette);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->verticalScrollBar()->setAccessibleName(tr("Scroll the notes of this day"));
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Nothing typed here would ever be saved, so the text can be read,
    // selected and copied, but not changed.
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setTabChangesFocus(true);

    Command1 = makeButton(tr("Bring up the Kalivo"), "Command1", this);
    Command1->setGeometry(px(2520), px(4560), px(3135), px(375));
    Command2 = makeButton(tr("Close", "button: close the reminder and end the program"), "Command2", this);
    Command2->setGeometry(px(120), px(4560), px(2415), px(375));

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text1);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect placed(QPoint(), size());
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}

void Form3::setReminder(const QString &caption, const QString &text)
{
    setWindowTitle(caption);
    // The text box breaks lines at '\n'; notes keep CR LF on disk.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Text1->setPlainText(lines);
}

void Form3::Command1_Click()
{
    hide();
    if (m_monthView) {
        m_monthView->show();
        m_monthView->activateWindow();
    }
    emit bringUpChosen();
}

void Form3::Command2_Click()
{
    close();
}

void Form3::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Form3::Form_Unload()
{
    m_windows.closeAllNewestFirst(this);
}
