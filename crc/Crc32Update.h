// Crc32Update.h - the CRC-32 inner loop every caller goes through: the fastest one this CPU runs.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace quil::crc {

// Advances the (uncomplemented) CRC-32 register over `size` bytes, exactly as Crc32Bytewise does.
std::uint32_t Crc32Update(std::uint32_t reg, const std::uint8_t* data, std::size_t size);

}  // namespace quil::crc
