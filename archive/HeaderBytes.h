// HeaderBytes.h - little-endian numbers and variable-length integers read from a header's bytes.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace quil::archive {

// Reads forward through one header; a read past its end gives no value, and every later read too.
class HeaderBytes {
public:
    explicit HeaderBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::optional<std::uint64_t> Fixed(int size);  // `size` bytes, lowest first
    // Seven bits a byte, lowest first; a set high bit means another byte follows.
    std::optional<std::uint64_t> Vint();
    bool Skip(std::uint64_t size);
    std::optional<std::span<const std::uint8_t>> Take(std::uint64_t size);
    std::size_t position() const { return position_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

}  // namespace quil::archive
