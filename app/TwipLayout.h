// TwipLayout.h - binds a window's design table to its widgets and runs the layout pass on each size change.
// SPDX-License-Identifier: MIT
#pragma once

#include "layout/LayoutPass.h"

#include <span>
#include <vector>

class QWidget;

namespace quil {

class TwipLayout {
public:
    using Pass = bool (*)(LayoutState&, TwipSize, std::span<LayoutItem>);

    // `items` name widgets under `window` by object name; an item without a widget is laid out
    // all the same but shows nowhere. The first item of each container ends up on top.
    TwipLayout(QWidget& window, std::vector<LayoutItem> items, Pass pass);

    // The size-change handler: nothing while minimised; the first pass takes the window's size as
    // its minimum, and a window made smaller later is set back to it; every pass puts the widgets
    // at their twip places, in whole pixels.
    // Returns true when a later pass (not the first) ran.
    bool Form_Resize();

    // The current twip place of the item `name`; a zero rectangle for an unknown name.
    TwipRect Rect(const QString& name) const;


private:
    void PlaceWidgets();

    QWidget& window_;
    std::vector<LayoutItem> items_;
    std::vector<QWidget*> widgets_;
    Pass pass_;
    LayoutState state_;
};

}  // namespace quil
