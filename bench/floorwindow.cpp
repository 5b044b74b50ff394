// The floor of the start-up figures: a window with the month view's controls
// (the top bar, seven headings, 35 note boxes with their day buttons and the
// hidden templates), in their fonts, placed once, and nothing else: no notes
// read, no layout pass, no timer.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace {

QPushButton *button(QWidget *parent, const QString &caption, int left, int width)
{
    auto *b = new QPushButton(caption, parent);
    b->setGeometry(left, 0, width, 17);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Kalivo 1.0"));
    window.resize(794, 568);

    // Top bar, in pixels at 96 dpi (15 twips each).
    button(&window, QStringLiteral("Print"), 0, 33);
    button(&window, QStringLiteral("< Prev Month"), 254, 81);
    auto *title = new QLabel(&window);
    title->setGeometry(335, 0, 129, 17);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    button(&window, QStringLiteral("Next Month >"), 464, 81);
    button(&window, QStringLiteral("< Yr"), 630, 33);
    button(&window, QStringLiteral("Yr >"), 663, 33);
    button(&window, QStringLiteral("+"), 696, 17);
    button(&window, QStringLiteral("-"), 713, 17)->setFont(QFont(QStringLiteral("Courier New"), 8));
    button(&window, QStringLiteral("About"), 730, 49);

    static const char *const headings[] = {"Label3", "Sun", "Mon", "Tue", "Wed", "Thurs", "Fri", "Sat"};
    const int cellWidth = 113;
    const int cellHeight = 104;
    QFont headingFont(QStringLiteral("MS Sans Serif"));
    headingFont.setPointSizeF(8.25);
    headingFont.setBold(true);
    for (int i = 0; i <= 7; ++i) {
        auto *label = new QLabel(QString::fromLatin1(headings[i]), &window);
        label->setFont(headingFont);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Box);
        label->setGeometry(i == 0 ? 8 : (i - 1) * cellWidth, i == 0 ? 64 : 17, i == 0 ? 65 : cellWidth, 17);
        label->setVisible(i > 0);
    }

    const QFont noteFont(QStringLiteral("Arial"), 9);
    QFont dayFont(QStringLiteral("Arial"));
    dayFont.setPointSizeF(8.25);
    for (int k = 0; k <= 35; ++k) {
        // Member 0 is the hidden template; 1 ... 35 fill five rows of seven.
        const int left = k == 0 ? 8 : ((k - 1) % 7) * cellWidth;
        const int top = k == 0 ? 112 : 34 + ((k - 1) / 7) * cellHeight;
        auto *note = new QPlainTextEdit(&window);
        note->setFont(noteFont);
        note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        note->setGeometry(left, top, cellWidth, cellHeight);
        note->setVisible(k > 0);
        auto *day = new QPushButton(&window);
        day->setFont(dayFont);
        day->setGeometry(left + cellWidth - 25, top, 25, 17);
        day->setVisible(k > 0);
    }

    window.show();
    return app.exec();
}
