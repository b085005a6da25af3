// Crc32Update.cpp - the CRC-32 inner loop every caller goes through: the fastest one this CPU runs.
// SPDX-License-Identifier: MIT
#include "crc/Crc32Update.h"

#include "crc/Crc32Implementations.h"

namespace quil::crc {

std::uint32_t Crc32Update(std::uint32_t reg, const std::uint8_t* data, std::size_t size)
{
    // Chosen once per process; the CPU does not change under us.
    static const Crc32Fn fastest = FastestCrc32();
    return fastest(reg, data, size);
}

}  // namespace quil::crc
