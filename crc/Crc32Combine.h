// Crc32Combine.h - joins CRC-32 work done on separate pieces of a file, in whatever order they were read.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace quil::crc {

// The register after `count` zero bytes, in about log2(count) steps: the register times x^(8 count)
// modulo the polynomial. Because CRC-32 is linear, a register carried over a gap of zeros like this
// and then over a piece equals the register over the gap's real bytes XOR the CRC the gap alone adds.
std::uint32_t Crc32ShiftZeros(std::uint32_t reg, std::uint64_t count);

// The register over A then B, from `reg` (the register after A) and the register over B's
// `length` bytes started from 0.
std::uint32_t Crc32Join(std::uint32_t reg, std::uint32_t fromZero, std::uint64_t length);

// What one reader adds to a file's CRC-32 register: its own pieces, each at its place in the file,
// as if every byte read by others were zero. The file's register is the initial one shifted over
// the whole length XOR every reader's RegisterAt(length).
class Crc32Stripes {
public:
    // `offset` at or past the end of the previous piece.
    void Add(std::uint64_t offset, std::span<const std::uint8_t> piece);
    std::uint32_t RegisterAt(std::uint64_t length) const;

private:
    std::uint32_t register_ = 0;
    std::uint64_t end_ = 0;
};

}  // namespace quil::crc
