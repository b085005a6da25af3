// Rar4Headers.h - plans the check of a RAR 2.x-4.x volume from its block headers.
// SPDX-License-Identifier: MIT
#pragma once

#include "archive/VolumePlan.h"
#include "os/RegularFile.h"

namespace quil::archive {

inline constexpr std::uint8_t kRar4Marker[] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};

// Walks the blocks after the marker, checking each header's CRC as it goes.
VolumePlan PlanRar4Volume(const crc::RegularFile& file);

}  // namespace quil::archive
