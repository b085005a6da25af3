// Crc32Implementations.h - every CRC-32 inner loop in this build, and whether this CPU can run it.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quil::crc {

// Advances the (uncomplemented) CRC-32 register over `size` bytes; all implementations agree bit for bit.
using Crc32Fn = std::uint32_t (*)(std::uint32_t reg, const std::uint8_t* data, std::size_t size);

struct Crc32Implementation {
    const char* name;
    bool supported;  // false when this CPU lacks the instructions it needs
    Crc32Fn update;
};

// Fastest first; the byte-at-a-time reference comes last and runs everywhere.
std::span<const Crc32Implementation> Crc32Implementations();

// The first supported entry of Crc32Implementations().
Crc32Fn FastestCrc32();

// Sixteen bytes per step through sixteen tables; the portable fallback.
std::uint32_t Crc32Slicing16(std::uint32_t reg, const std::uint8_t* data, std::size_t size);

#if defined(__x86_64__) || defined(__i386__)
// Carry-less-multiply folding over 128-bit lanes (PCLMULQDQ + SSE4.1).
std::uint32_t Crc32Fold128(std::uint32_t reg, const std::uint8_t* data, std::size_t size);
// Carry-less-multiply folding over 256-bit registers (AVX2 + VPCLMULQDQ).
std::uint32_t Crc32Fold256(std::uint32_t reg, const std::uint8_t* data, std::size_t size);
// Carry-less-multiply folding over 512-bit registers (AVX-512 + VPCLMULQDQ).
std::uint32_t Crc32Fold512(std::uint32_t reg, const std::uint8_t* data, std::size_t size);

bool CpuCanFold128();
bool CpuCanFold256();
bool CpuCanFold512();
#endif

}  // namespace quil::crc
