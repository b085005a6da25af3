// TwipUnits.cpp - twips against screen pixels, and the rounding the layout stores its sizes with.
// SPDX-License-Identifier: MIT
#include "layout/TwipUnits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quil {

qint32 RoundHalfEven(double value)
{
    // The default floating-point rounding mode is to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    return qint32(std::clamp(rounded, double(std::numeric_limits<qint32>::min()),
                             double(std::numeric_limits<qint32>::max())));
}

int TwipsToPixels(double twips)
{
    return RoundHalfEven(twips / kTwipsPerPixel);
}

double PixelsToTwips(int pixels)
{
    return double(pixels) * kTwipsPerPixel;
}

}  // namespace quil
