// TwipUnits.h - twips against screen pixels, and the rounding the layout stores its sizes with.
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace quil {

// Design geometry is in twips (1/1440 inch); at 96 dots per inch a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), held to the qint32 range.
qint32 RoundHalfEven(double value);

// The whole pixels a twip value covers, rounded as above.
int TwipsToPixels(double twips);

double PixelsToTwips(int pixels);

}  // namespace quil
