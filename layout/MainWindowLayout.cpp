// MainWindowLayout.cpp - the main window's layout pass: the shared pass, then its two start buttons re-split.
// SPDX-License-Identifier: MIT
#include "layout/MainWindowLayout.h"

namespace quil {

namespace {

constexpr double kHalfGap = 75;  // half the room between the two buttons

}  // namespace

void SplitStartButtons(const TwipRect& fileList, TwipRect& checkSeq, TwipRect& showSequence)
{
    const double halfWidth = fileList.Width / 2;
    SetExtent(checkSeq.Width, halfWidth - kHalfGap);
    checkSeq.Left = fileList.Left;
    showSequence.Left = fileList.Left + halfWidth + kHalfGap;
    SetExtent(showSequence.Width, halfWidth - kHalfGap);
}

bool ResizeMainWindowControls(LayoutState& state, TwipSize outer, std::span<LayoutItem> items)
{
    if (ResizeControls(state, outer, items))
        return true;
    const LayoutItem* fileList = FindItem(items, QStringLiteral("FileList"));
    LayoutItem* checkSeq = FindItem(items, QStringLiteral("CheckSeq"));
    LayoutItem* showSequence = FindItem(items, QStringLiteral("ShowSequence"));
    if (fileList && checkSeq && showSequence)
        SplitStartButtons(fileList->Rect, checkSeq->Rect, showSequence->Rect);
    return false;
}

}  // namespace quil
