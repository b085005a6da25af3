// VolumeBytes.h - the few small reads a volume's headers take, and the CRC-32 of bytes in memory.
// SPDX-License-Identifier: MIT
#pragma once

#include "os/RegularFile.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quil::archive {

// The `size` bytes at `offset`, or none when they run past the end of the file. A read that fails
// throws ReadFailed with the file's failure text.
std::optional<std::vector<std::uint8_t>> ReadBytes(const crc::RegularFile& file, std::uint64_t offset, std::uint64_t size);

// Whether every byte from `offset` to the end of the file is zero.
bool ZeroToEnd(const crc::RegularFile& file, std::uint64_t offset);

std::uint32_t Crc32Of(std::span<const std::uint8_t> bytes);

struct ReadFailed {
    QString failure;
};

}  // namespace quil::archive
