// SeriesKind.h - the kinds of volume series.
// SPDX-License-Identifier: MIT
#pragma once

namespace quil {

// The four older kinds, then NAME.partN.rar sets (RarParts) and split ZIPs (Zip). What each kind
// does is its row in SeriesKinds.h.
enum class SeriesKind { Rar, Arj, Ace, Num, RarParts, Zip };

}  // namespace quil
