// LayoutCode.h - how one control follows a change of its window's size, by the code in its Tag.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

// A control's place and size within its container, in twips; halves of a twip are kept.
struct TwipRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;

    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

// Sets a width or height, unless the value is negative: a control refuses that and keeps its size.
void SetExtent(double& extent, double value);

// Hands the window's change in width (dW) and height (dH) to `rect` as `code` says:
// "R", "M", "WT", "T", "W", "L", "L2", "W2", "WL2", "WL2NH", "WH2" (exact, case-sensitive).
// Returns false and leaves `rect` alone for an empty or unknown code.
bool ApplyLayoutCode(const QString& code, TwipRect& rect, double dW, double dH);

}  // namespace quil
