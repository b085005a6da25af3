// Crc32Slicing.cpp - CRC-32 sixteen bytes per step through sixteen tables; runs on every CPU.
// SPDX-License-Identifier: MIT
#include "crc/Crc32Implementations.h"

#include "crc/CrcTables.h"

#include <array>
#include <bit>
#include <cstring>

namespace quil::crc {

namespace {

using SliceTables = std::array<std::array<std::uint32_t, 256>, 16>;

// Table k holds the register change of byte i followed by k zero bytes.
constexpr SliceTables MakeSliceTables()
{
    SliceTables tables{};
    tables[0] = kCrc32Table;
    for (std::size_t k = 1; k < tables.size(); ++k) {
        for (std::size_t i = 0; i < 256; ++i)
            tables[k][i] = (tables[k - 1][i] >> 8) ^ kCrc32Table[tables[k - 1][i] & 0xFFu];
    }
    return tables;
}

constexpr SliceTables kSlices = MakeSliceTables();

inline std::uint32_t LoadLittleEndian32(const std::uint8_t* data)
{
    std::uint32_t word;
    std::memcpy(&word, data, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap32(word);
    return word;
}

// The four bytes of `word` looked up in tables first+3 (lowest byte) down to first (highest byte).
inline std::uint32_t Slice4(std::uint32_t word, std::size_t first)
{
    return kSlices[first + 3][word & 0xFFu] ^ kSlices[first + 2][(word >> 8) & 0xFFu] ^
           kSlices[first + 1][(word >> 16) & 0xFFu] ^ kSlices[first][word >> 24];
}

}  // namespace

std::uint32_t Crc32Slicing16(std::uint32_t reg, const std::uint8_t* data, std::size_t size)
{
    for (; size >= 16; data += 16, size -= 16) {
        reg = Slice4(LoadLittleEndian32(data) ^ reg, 12) ^ Slice4(LoadLittleEndian32(data + 4), 8) ^
              Slice4(LoadLittleEndian32(data + 8), 4) ^ Slice4(LoadLittleEndian32(data + 12), 0);
    }
    return Crc32Bytewise(reg, data, size);
}

}  // namespace quil::crc
