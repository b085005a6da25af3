// Crc32Implementations.cpp - every CRC-32 inner loop in this build, and whether this CPU can run it.
// SPDX-License-Identifier: MIT
#include "crc/Crc32Implementations.h"

#include "crc/CrcTables.h"

#include <array>

namespace quil::crc {

std::span<const Crc32Implementation> Crc32Implementations()
{
    static const std::array implementations{
#if defined(__x86_64__) || defined(__i386__)
        Crc32Implementation{"fold-512", CpuCanFold512(), Crc32Fold512},
        Crc32Implementation{"fold-256", CpuCanFold256(), Crc32Fold256},
        Crc32Implementation{"fold-128", CpuCanFold128(), Crc32Fold128},
#endif
        Crc32Implementation{"slicing-16", true, Crc32Slicing16},
        Crc32Implementation{"bytewise", true, Crc32Bytewise},
    };
    return implementations;
}

Crc32Fn FastestCrc32()
{
    for (const Crc32Implementation& implementation : Crc32Implementations()) {
        if (implementation.supported)
            return implementation.update;
    }
    return Crc32Bytewise;
}

}  // namespace quil::crc
