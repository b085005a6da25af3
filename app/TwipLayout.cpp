// TwipLayout.cpp - binds a window's design table to its widgets and runs the layout pass on each size change.
// SPDX-License-Identifier: MIT
#include "app/TwipLayout.h"

#include "layout/TwipUnits.h"

#include <QWidget>

#include <ranges>

namespace quil {

TwipLayout::TwipLayout(QWidget& window, std::vector<LayoutItem> items, Pass pass)
    : window_(window), items_(std::move(items)), pass_(pass)
{
    for (const LayoutItem& item : items_)
        widgets_.push_back(window_.findChild<QWidget*>(item.Name));
    for (QWidget* widget : widgets_ | std::views::reverse) {
        if (widget)
            widget->raise();
    }
    PlaceWidgets();
}

bool TwipLayout::Form_Resize()
{
    if (window_.isMinimized())
        return false;
    const TwipSize outer{PixelsToTwips(window_.width()), PixelsToTwips(window_.height())};
    // Where no window manager holds the window to its minimum size, the window holds itself to it.
    const TwipSize held = ClampToMinimum(state_, outer);
    if (held != outer)
        window_.resize(window_.size().expandedTo(window_.minimumSize()));
    const bool firstPass = pass_(state_, held, items_);
    if (firstPass)
        window_.setMinimumSize(window_.size());
    PlaceWidgets();
    return !firstPass;
}

TwipRect TwipLayout::Rect(const QString& name) const
{
    const LayoutItem* item = FindItem(items_, name);
    return item ? item->Rect : TwipRect{};
}

void TwipLayout::PlaceWidgets()
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (!widgets_[i])
            continue;
        const TwipRect& rect = items_[i].Rect;
        widgets_[i]->setGeometry(TwipsToPixels(rect.Left), TwipsToPixels(rect.Top), TwipsToPixels(rect.Width),
                                 TwipsToPixels(rect.Height));
    }
}

}  // namespace quil
