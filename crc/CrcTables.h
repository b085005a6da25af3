// CrcTables.h - the CRC-32 and CRC-16 lookup tables, built at compile time, and the reference byte loops.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quil::crc {

inline constexpr std::uint32_t kCrc32Polynomial = 0xEDB88320u;  // 0x04C11DB7 reflected
inline constexpr std::uint32_t kCrc16Polynomial = 0x1021u;

constexpr std::array<std::uint32_t, 256> MakeCrc32Table()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? (c >> 1) ^ kCrc32Polynomial : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> MakeCrc16Table()
{
    std::array<std::uint16_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t crc = 0;
        std::uint32_t c = i << 8;
        for (int bit = 0; bit < 8; ++bit) {
            crc = ((crc ^ c) & 0x8000u) ? (crc << 1) ^ kCrc16Polynomial : crc << 1;
            c <<= 1;
        }
        table[i] = static_cast<std::uint16_t>(crc);
    }
    return table;
}

inline constexpr auto kCrc32Table = MakeCrc32Table();
inline constexpr auto kCrc16Table = MakeCrc16Table();

// The byte-at-a-time loops: the reference every faster implementation is held to.
inline std::uint32_t Crc32Bytewise(std::uint32_t reg, const std::uint8_t* data, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        reg = (reg >> 8) ^ kCrc32Table[(reg ^ data[i]) & 0xFFu];
    return reg;
}

inline std::uint32_t Crc16Bytewise(std::uint32_t reg, const std::uint8_t* data, std::size_t size)
{
    std::uint32_t r = reg & 0xFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        r = (kCrc16Table[((r >> 8) ^ data[i]) & 0xFFu] ^ (r << 8)) & 0xFFFFu;
    return r;
}

}  // namespace quil::crc
