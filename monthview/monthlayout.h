#pragma once

#include "twips.h"

#include <array>
#include <functional>

// Where the layout pass puts the controls of the month view for a given outer
// window size. Everything is in twips (15 twips are one pixel at 96 dpi) and
// fractional: turning twips into pixels is the job of whoever applies the
// result.
namespace monthview {

struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The sizes the pass reads from the controls; the defaults are the window's
// design.
struct LayoutSizes {
    double titleWidth = 1935;     // Label1
    double titleHeight = 255;     // Label1
    double headingHeight = 255;   // Label3(0)
    double prevMonthWidth = 1215; // Command2
    double aboutWidth = 735;      // Command9
    double minusWidth = 255;      // Command8
    double plusWidth = 255;       // Command7
    double nextYearWidth = 495;   // Command11
    double prevYearWidth = 495;   // Command10
    double dayButtonWidth = 375;  // Command4(k)
};

struct Layout {
    float cellWidth = 0;          // (W - 80) / 7
    float cellHeight = 0;         // never below 0

    // Left edges of the top bar; every top-bar control keeps Top 0.
    double titleLeft = 0;         // Label1
    double nextMonthLeft = 0;     // Command1
    double prevMonthLeft = 0;     // Command2
    double aboutLeft = 0;         // Command9
    double minusLeft = 0;         // Command8
    double plusLeft = 0;          // Command7
    double nextYearLeft = 0;      // Command11
    double prevYearLeft = 0;      // Command10

    // Index 1 ... 7 (headings) and 1 ... 35 (cells); element 0 is unused.
    // Headings keep their height; day buttons keep their size, so only
    // left and top of those are set.
    std::array<TwipRect, 8> headings{};
    std::array<TwipRect, 36> boxes{};
    std::array<TwipRect, 36> dayButtons{};
};

// What a control reports back for a position or width it was given: the
// platform may round it to whole pixels.
using Settle = std::function<double(double twips)>;

// The control keeps exactly what it was given.
double keepTwips(double twips);

// Whole pixels, halves rounded up; and the twips such a pixel count reports.
using twips::pixelTwips;
using twips::twipsToPixels;

// The twips of a size in whole pixels, as a control reports it.
inline double pixelsToTwips(int pixels)
{
    return pixels * double(twips::kPerPixel);
}

// One layout pass for the outer window size W x H (frame and title bar
// included). Where a step builds on a control placed by an earlier step it
// uses that control's value as `settle` gives it back, so each day button
// ends exactly at the right edge of its note box as the platform placed it.
Layout computeLayout(double W, double H, const LayoutSizes &sizes, const Settle &settle);

} // namespace monthview
