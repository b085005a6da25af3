// SplitSevenZip.h - what the pieces of a split 7z archive say of the set: its whole length, and the
// CRC-32 of the header at its end.
// SPDX-License-Identifier: MIT
#pragma once

#include "archive/VolumePlan.h"
#include "os/RegularFile.h"

#include <optional>

namespace quil::archive {

inline constexpr std::uint8_t kSevenZipMarker[] = {0x37, 0x7A, 0xBC, 0xAF, 0x27, 0x1C};

// Piece `number` (from 0) of the set. The first piece's start header gives `layout` for the pieces
// after it: how many pieces of the first one's size the archive takes, how long the last must be, and
// where the header at the archive's end lies. The packed streams carry no checksum a piece can use.
VolumePlan PlanSevenZipPiece(const crc::RegularFile& file, std::uint64_t number, const std::optional<SevenZipLayout>& layout);

}  // namespace quil::archive
