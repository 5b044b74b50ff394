#include "monthlayout.h"

namespace monthview {

double keepTwips(double twips)
{
    return twips;
}

Layout computeLayout(double W, double H, const LayoutSizes &s, const Settle &settle)
{
    Layout l;

    // The grid spans W - 80 across and everything below the title and the
    // headings down to 420 above the window's outer bottom edge.
    l.cellWidth = static_cast<float>((W - 80) / 7);
    const double cellHeight = (H - s.titleHeight - s.headingHeight - 420) / 5;
    l.cellHeight = static_cast<float>(cellHeight < 0 ? 0 : cellHeight);

    // The title sits in the middle with a month button on either side.
    l.titleLeft = W / 2 - s.titleWidth / 2;
    l.nextMonthLeft = W / 2 + s.titleWidth / 2;
    l.prevMonthLeft = W / 2 - s.titleWidth / 2 - s.prevMonthWidth;

    // The right-hand group is built leftwards from "About", each button
    // ending where the one placed before it begins.
    l.aboutLeft = W - s.aboutWidth - 100;
    l.minusLeft = settle(l.aboutLeft) - s.minusWidth;
    l.plusLeft = settle(l.minusLeft) - s.plusWidth;
    l.nextYearLeft = settle(l.plusLeft) - s.nextYearWidth;
    l.prevYearLeft = settle(l.nextYearLeft) - s.prevYearWidth;

    const double cw = l.cellWidth;
    const double ch = l.cellHeight;
    for (int i = 1; i <= 7; ++i)
        l.headings[i] = {(i - 1) * cw, s.titleHeight, cw, s.headingHeight};

    for (int r = 1; r <= 5; ++r) {
        for (int j = 1; j <= 7; ++j) {
            const int k = 7 * (r - 1) + j;   // [1, 35]
            l.boxes[k] = {(j - 1) * cw, (r - 1) * ch + s.titleHeight + s.headingHeight, cw, ch};
        }
    }

    // Each day button hangs from the top-right corner of its note box as the
    // box was actually placed.
    for (int k = 1; k <= 35; ++k) {
        const TwipRect &box = l.boxes[k];
        l.dayButtons[k].left = settle(box.left) + settle(box.width) - s.dayButtonWidth;
        l.dayButtons[k].top = settle(box.top);
    }
    return l;
}

} // namespace monthview
