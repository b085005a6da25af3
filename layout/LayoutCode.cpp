// LayoutCode.cpp - how one control follows a change of its window's size, by the code in its Tag.
// SPDX-License-Identifier: MIT
#include "layout/LayoutCode.h"

#include <array>

namespace quil {

namespace {

// The share of dW or dH each property takes under one code.
struct CodeShares {
    const char16_t* code;
    double left;    // of dW
    double top;     // of dH
    double width;   // of dW
    double height;  // of dH
};

constexpr std::array<CodeShares, 11> kCodes{{
    {u"R", 0, 0, 1, 1},
    {u"M", 1, 1, 0, 0},
    {u"WT", 0, 1, 1, 0},
    {u"T", 0, 1, 0, 0},
    {u"W", 0, 0, 1, 0},
    {u"L", 1, 0, 0, 0},
    {u"L2", 0.5, 0, 0, 0},
    {u"W2", 0, 0, 0.5, 0},
    {u"WL2", 0.5, 0, 0.5, 1},
    {u"WL2NH", 0.5, 0, 0.5, 0},
    {u"WH2", 0, 0, 0.5, 1},
}};

}  // namespace

void SetExtent(double& extent, double value)
{
    if (value >= 0)
        extent = value;
}

bool ApplyLayoutCode(const QString& code, TwipRect& rect, double dW, double dH)
{
    for (const CodeShares& shares : kCodes) {
        if (code != QStringView(shares.code))
            continue;
        rect.Left += shares.left * dW;
        rect.Top += shares.top * dH;
        SetExtent(rect.Width, rect.Width + shares.width * dW);
        SetExtent(rect.Height, rect.Height + shares.height * dH);
        return true;
    }
    return false;
}

}  // namespace quil
