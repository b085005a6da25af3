// LayoutPass.cpp - one layout pass over a window's controls, and the window's minimum size.
// SPDX-License-Identifier: MIT
#include "layout/LayoutPass.h"

#include "layout/TwipUnits.h"

#include <algorithm>

namespace quil {

TwipSize ClampToMinimum(const LayoutState& state, TwipSize outer)
{
    return {std::max(outer.Width, double(state.MinFormWidth)), std::max(outer.Height, double(state.MinFormHeight))};
}

bool ResizeControls(LayoutState& state, TwipSize outer, std::span<LayoutItem> items)
{
    const bool firstPass = state.LastFormWidth == 0;
    if (firstPass) {
        state.MinFormWidth = RoundHalfEven(outer.Width);
        state.MinFormHeight = RoundHalfEven(outer.Height);
    } else {
        const double dW = outer.Width - state.LastFormWidth;
        const double dH = outer.Height - state.LastFormHeight;
        for (LayoutItem& item : items)
            ApplyLayoutCode(item.Tag, item.Rect, dW, dH);
    }
    state.LastFormWidth = RoundHalfEven(outer.Width);
    state.LastFormHeight = RoundHalfEven(outer.Height);
    return firstPass;
}

}  // namespace quil
