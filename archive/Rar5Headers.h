// Rar5Headers.h - plans the check of a RAR 5 volume from its block headers.
// SPDX-License-Identifier: MIT
#pragma once

#include "archive/VolumePlan.h"
#include "os/RegularFile.h"

namespace quil::archive {

inline constexpr std::uint8_t kRar5Marker[] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x01, 0x00};

// Walks the blocks after the marker, checking each header's CRC-32 as it goes.
VolumePlan PlanRar5Volume(const crc::RegularFile& file);

}  // namespace quil::archive
