#include "monthlayout.h"

#include <algorithm>
#include <cmath>

namespace monthview {

double keepTwips(double twips)
{
    return twips;
}

QRect pixelEdges(const TwipRect &r)
{
    const int left = twipsToPixels(r.left);
    const int top = twipsToPixels(r.top);
    return QRect(left, top, twipsToPixels(r.left + r.width) - left, twipsToPixels(r.top + r.height) - top);
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
        l.dayButtons[k].left = settle(box.left + box.width) - s.dayButtonWidth;
        l.dayButtons[k].top = settle(box.top);
        l.dayButtons[k].width = s.dayButtonWidth;
        l.dayButtons[k].height = s.dayButtonHeight;
    }
    return l;
}

Layout computeClientLayout(double width, double height, const LayoutSizes &sizes, const Settle &settle)
{
    return computeLayout(width + kFrameWidth, height + kFrameHeight, sizes, settle);
}

std::array<QRect, 9> topBarPixels(const Layout &l, const LayoutSizes &s)
{
    const int height = twipsToPixels(s.titleHeight);
    const auto at = [height](double left, double width) {
        return QRect(twipsToPixels(left), 0, twipsToPixels(width), height);
    };
    return {at(0, s.printWidth),
            at(l.prevMonthLeft, s.prevMonthWidth),
            at(l.titleLeft, s.titleWidth),
            at(l.nextMonthLeft, s.nextMonthWidth),
            at(l.prevYearLeft, s.prevYearWidth),
            at(l.nextYearLeft, s.nextYearWidth),
            at(l.plusLeft, s.plusWidth),
            at(l.minusLeft, s.minusWidth),
            at(l.aboutLeft, s.aboutWidth)};
}

bool standsClear(const Layout &l, const LayoutSizes &s)
{
    // Left to right, each control begins where the one before it ends or
    // further right.
    const std::array<QRect, 9> bar = topBarPixels(l, s);
    for (std::size_t i = 1; i < bar.size(); ++i) {
        if (bar[i].left() <= bar[i - 1].right())
            return false;
    }
    if (bar.front().left() < 0)
        return false;
    const int lowest = std::max(twipsToPixels(s.lineBoxHeight), twipsToPixels(s.dayButtonHeight));
    const int narrowest = twipsToPixels(s.dayButtonWidth);
    for (int k = 1; k <= 35; ++k) {
        const QRect box = pixelEdges(l.boxes[k]);
        if (box.height() < lowest || box.width() < narrowest)
            return false;
    }
    return true;
}

QSize minimumClientSize(const LayoutSizes &s)
{
    // In twips, the top bar fits when "< Prev Month" begins right of
    // "Print" and "Next Month >" ends left of "< Yr", with the title
    // group in the middle of the outer width and the right-hand group
    // ending 100 before the outer right edge.
    const double rightGroup = s.prevYearWidth + s.nextYearWidth + s.plusWidth + s.minusWidth + s.aboutWidth + 100;
    const double outer = std::max(2 * (s.printWidth + s.prevMonthWidth) + s.titleWidth,
                                  s.titleWidth + 2 * (s.nextMonthWidth + rightGroup));
    const double cell = std::max({s.lineBoxHeight, s.dayButtonHeight, 0.0});
    const double high = s.titleHeight + s.headingHeight + 5 * cell;
    // Whole pixels round the edges a little either way: from a little above
    // that size down to the last one that stands clear.
    int width = int(std::ceil((outer - kFrameWidth) / twips::kPerPixel)) + 2;
    int height = int(std::ceil(high / twips::kPerPixel)) + 2;
    const auto clear = [&s](int w, int h) {
        return standsClear(computeClientLayout(pixelsToTwips(w), pixelsToTwips(h), s, pixelTwips), s);
    };
    while (width > 1 && clear(width - 1, height))
        --width;
    while (height > 1 && clear(width, height - 1))
        --height;
    return QSize(width, height);
}

} // namespace monthview
