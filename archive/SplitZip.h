// SplitZip.h - what a split zip's volumes say of the set: the .zip's count of volumes.
// SPDX-License-Identifier: MIT
#pragma once

#include "archive/VolumePlan.h"
#include "os/RegularFile.h"

#include <cstdint>
#include <optional>

namespace quil::archive {

// How many volumes the end-of-central-directory record that ends `file` says the set has (its
// disk number, from 0, plus one); none when the file does not end with one.
std::optional<std::uint64_t> ZipVolumeCount(const crc::RegularFile& file);

// A split zip stores no checksum a volume can be checked by alone: only its count of volumes.
VolumePlan PlanSplitZipVolume(const crc::RegularFile& file);

}  // namespace quil::archive
