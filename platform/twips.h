#pragma once

#include <cmath>

// The windows are designed in twips, 15 to the pixel at 96 dpi. Every window
// turns them into pixels the same way, so that a control designed at the
// same twips lands on the same pixel everywhere.
namespace twips {

constexpr int kPerPixel = 15;

// Whole pixels, halves rounded up.
inline int twipsToPixels(double value)
{
    return static_cast<int>(std::floor(value / kPerPixel + 0.5));
}

// The twips that the pixel count of twipsToPixels stands for.
inline double pixelTwips(double value)
{
    return twipsToPixels(value) * double(kPerPixel);
}

} // namespace twips
