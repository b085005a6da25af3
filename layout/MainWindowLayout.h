// MainWindowLayout.h - the main window's layout pass: the shared pass, then its two start buttons re-split.
// SPDX-License-Identifier: MIT
#pragma once

#include "layout/LayoutPass.h"

#include <span>

namespace quil {

// CheckSeq and ShowSequence share FileList's width with a 150-twip gap between them, flush with
// its left and right edges. A width that would come out negative keeps its previous value.
void SplitStartButtons(const TwipRect& fileList, TwipRect& checkSeq, TwipRect& showSequence);

// ResizeControls over the main window's items, then, after every pass but the first, the start
// buttons re-split from FileList. Returns true for the first pass. The caller rebuilds the member
// list's columns (MemberColumns) after every pass but the first.
bool ResizeMainWindowControls(LayoutState& state, TwipSize outer, std::span<LayoutItem> items);

}  // namespace quil
