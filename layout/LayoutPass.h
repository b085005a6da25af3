// LayoutPass.h - one layout pass over a window's controls, and the window's minimum size.
// SPDX-License-Identifier: MIT
#pragma once

#include "layout/LayoutCode.h"

#include <QString>

#include <iterator>
#include <span>

namespace quil {

// One control as the layout sees it.
struct LayoutItem {
    QString Name;       // the control's object name
    QString Container;  // the frame that holds it; "" for the window itself
    QString Tag;        // its layout code; "" for none
    TwipRect Rect;
};

// A window's layout memory, outer sizes in twips; all 0 before its first pass.
struct LayoutState {
    qint32 MinFormWidth = 0;
    qint32 MinFormHeight = 0;
    qint32 LastFormWidth = 0;  // 0: no pass has run yet
    qint32 LastFormHeight = 0;
};

struct TwipSize {
    double Width = 0;
    double Height = 0;

    friend bool operator==(const TwipSize&, const TwipSize&) = default;
};

// The outer size a window must take before it is laid out: never below the size of its first pass.
// Before the first pass the minimum is 0, so nothing is corrected.
TwipSize ClampToMinimum(const LayoutState& state, TwipSize outer);

// One pass for the window's current outer size. The first pass (LastFormWidth 0) only takes that
// size, rounded, as both minimum and last size and returns true. Later passes hand the change since
// the last pass to every item by its Tag, remember the size, rounded, and return false.
bool ResizeControls(LayoutState& state, TwipSize outer, std::span<LayoutItem> items);

// The item named `name`, or nullptr; constant items give a constant item.
template <typename Items>
auto FindItem(Items& items, const QString& name) -> decltype(&*std::begin(items))
{
    for (auto& item : items) {
        if (item.Name == name)
            return &item;
    }
    return nullptr;
}

}  // namespace quil
