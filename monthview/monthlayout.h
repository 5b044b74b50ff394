#pragma once

#include "twips.h"

#include <array>
#include <functional>

#include <QRect>
#include <QSize>

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
    double printWidth = 495;      // Command3
    double titleWidth = 1935;     // Label1
    double titleHeight = 255;     // Label1
    double headingHeight = 255;   // Label3(0)
    double prevMonthWidth = 1215; // Command2
    double nextMonthWidth = 1215; // Command1
    double aboutWidth = 735;      // Command9
    double minusWidth = 255;      // Command8
    double plusWidth = 255;       // Command7
    double nextYearWidth = 495;   // Command11
    double prevYearWidth = 495;   // Command10
    double dayButtonWidth = 375;  // Command4(k)
    double dayButtonHeight = 250; // Command4(k)
    // A note box of the design's font that shows one line: its frame, its
    // margins and the line.
    double lineBoxHeight = 360;
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
    // Headings keep their height, day buttons their size.
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

// A rectangle in twips in whole pixels, each edge on the nearest pixel
// line, so that rectangles that meet in twips meet in pixels, with neither
// a gap nor an overlap between them.
QRect pixelEdges(const TwipRect &rect);

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

// What the pass takes off the outer size for the frame: the grid spans
// W - 80 across and ends 420 above the outer bottom edge.
inline constexpr double kFrameWidth = 80;
inline constexpr double kFrameHeight = 420;

// The layout pass for a window whose client area is width x height: the
// pass of an outer size that has exactly the frame it takes off, so that
// the grid fills the client area, whatever frame the window manager or the
// window's own decorations really have.
Layout computeClientLayout(double width, double height, const LayoutSizes &sizes, const Settle &settle);

// Where each control of the top bar lands, in whole pixels, in the order of
// design::kTopBar: "Print", "< Prev Month", the title, "Next Month >",
// "< Yr", "Yr >", "+", "-", "About".
std::array<QRect, 9> topBarPixels(const Layout &layout, const LayoutSizes &sizes);

// Whether the controls of a layout, in whole pixels, stand clear of each
// other: the top bar's in a row without overlapping, every day number whole
// on its box, and every box at least lineBoxHeight high.
bool standsClear(const Layout &layout, const LayoutSizes &sizes);

// The smallest client area, in pixels, at which the layout stands clear
// (standsClear), and does at every larger size.
QSize minimumClientSize(const LayoutSizes &sizes);

} // namespace monthview
