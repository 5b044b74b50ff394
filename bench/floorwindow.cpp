// The floor of the start-up figures: a window with the month view's controls
// and nothing else, each made from the month view's design table by the
// same builders: the top bar, the hidden templates, seven headings, 35 note
// boxes and their day buttons, placed where the first layout pass at the
// design size puts them. No notes are read, no timer runs, no layout pass
// follows.
#include "design.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

using namespace monthview;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QWidget window;
    design::setUpWindow(&window);
    for (const design::Control *control : design::kTopBar) {
        if (control->kind == design::Kind::Label)
            design::makeLabel(*control, &window);
        else
            design::makeButton(*control, &window);
    }
    design::makeLabel(design::kLabel3Template, &window);
    design::setUpNoteBox(new QPlainTextEdit(&window), 0);
    std::array<QLabel *, 8> headings{};
    std::array<QPlainTextEdit *, 36> boxes{};
    std::array<QPushButton *, 36> days{};
    for (int k = 0; k <= 35; ++k)
        days[k] = design::makeButton(design::dayButton(k), &window);
    for (int i = 1; i <= 7; ++i)
        headings[i] = design::makeLabel(design::heading(i), &window);
    for (int k = 1; k <= 35; ++k) {
        boxes[k] = new QPlainTextEdit(&window);
        design::setUpNoteBox(boxes[k], k);
        // The day number lies over its box.
        days[k]->raise();
    }

    // The grid as the month view shows it at the design size.
    const Layout grid =
        computeClientLayout(design::kClientWidth, design::kClientHeight, design::designSizes(), pixelTwips);
    for (int i = 1; i <= 7; ++i) {
        QRect place = pixelEdges(grid.headings[i]);
        place.setHeight(headings[i]->height());
        headings[i]->setGeometry(place);
        headings[i]->show();
    }
    for (int k = 1; k <= 35; ++k) {
        boxes[k]->setGeometry(pixelEdges(grid.boxes[k]));
        boxes[k]->show();
        days[k]->move(twipsToPixels(grid.dayButtons[k].left), twipsToPixels(grid.dayButtons[k].top));
    }

    window.show();
    return app.exec();
}
