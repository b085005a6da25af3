// SplitSevenZip.h - what the first piece of a split 7z archive says of the set: its whole length.
// SPDX-License-Identifier: MIT
#pragma once

#include "archive/VolumePlan.h"
#include "os/RegularFile.h"

namespace quil::archive {

inline constexpr std::uint8_t kSevenZipMarker[] = {0x37, 0x7A, 0xBC, 0xAF, 0x27, 0x1C};

// The first piece's start header gives the archive's length, so how many pieces of the first one's
// size it takes; the pieces themselves carry no checksum.
VolumePlan PlanSevenZipPiece(const crc::RegularFile& file);

}  // namespace quil::archive
