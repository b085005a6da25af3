// Crc32Combine.cpp - joins CRC-32 work done on separate pieces of a file, in whatever order they were read.
// SPDX-License-Identifier: MIT
#include "crc/Crc32Combine.h"

#include "crc/Crc32Update.h"
#include "crc/CrcTables.h"

#include <array>

namespace quil::crc {

namespace {

// Product of two polynomials modulo P in the reflected layout, where bit 31 holds x^0.
constexpr std::uint32_t MultiplyModP(std::uint32_t a, std::uint32_t b)
{
    std::uint32_t product = 0;
    for (std::uint32_t bit = 1u << 31; bit != 0; bit >>= 1) {
        if (a & bit)
            product ^= b;
        b = (b & 1u) ? (b >> 1) ^ kCrc32Polynomial : b >> 1;  // b times x
    }
    return product;
}

// Entry k is x^(8 * 2^k) mod P: one byte's shift, squared k times.
constexpr std::array<std::uint32_t, 64> MakeByteShiftPowers()
{
    std::array<std::uint32_t, 64> powers{};
    powers[0] = 1u << (31 - 8);  // x^8
    for (std::size_t k = 1; k < powers.size(); ++k)
        powers[k] = MultiplyModP(powers[k - 1], powers[k - 1]);
    return powers;
}

constexpr auto kByteShiftPowers = MakeByteShiftPowers();

}  // namespace

std::uint32_t Crc32ShiftZeros(std::uint32_t reg, std::uint64_t count)
{
    for (std::size_t k = 0; count != 0; ++k, count >>= 1) {
        if (count & 1u)
            reg = MultiplyModP(reg, kByteShiftPowers[k]);
    }
    return reg;
}

std::uint32_t Crc32Join(std::uint32_t reg, std::uint32_t fromZero, std::uint64_t length)
{
    return Crc32ShiftZeros(reg, length) ^ fromZero;
}

void Crc32Stripes::Add(std::uint64_t offset, std::span<const std::uint8_t> piece)
{
    register_ = Crc32Update(Crc32ShiftZeros(register_, offset - end_), piece.data(), piece.size());
    end_ = offset + piece.size();
}

std::uint32_t Crc32Stripes::RegisterAt(std::uint64_t length) const
{
    return Crc32ShiftZeros(register_, length - end_);
}

}  // namespace quil::crc
