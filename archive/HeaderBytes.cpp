// HeaderBytes.cpp - little-endian numbers and variable-length integers read from a header's bytes.
// SPDX-License-Identifier: MIT
#include "archive/HeaderBytes.h"

namespace quil::archive {

std::optional<std::span<const std::uint8_t>> HeaderBytes::Take(std::uint64_t size)
{
    if (failed_ || size > bytes_.size() - position_) {
        failed_ = true;
        return std::nullopt;
    }
    const auto taken = bytes_.subspan(position_, static_cast<std::size_t>(size));
    position_ += static_cast<std::size_t>(size);
    return taken;
}

bool HeaderBytes::Skip(std::uint64_t size)
{
    return Take(size).has_value();
}

std::optional<std::uint64_t> HeaderBytes::Fixed(int size)
{
    const auto taken = Take(static_cast<std::uint64_t>(size));
    if (!taken)
        return std::nullopt;
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | (*taken)[static_cast<std::size_t>(i)];
    return value;
}

std::optional<std::uint64_t> HeaderBytes::Vint()
{
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        const auto byte = Fixed(1);
        if (!byte)
            return std::nullopt;
        value |= (*byte & 0x7F) << shift;
        if (!(*byte & 0x80))
            return value;
    }
    failed_ = true;
    return std::nullopt;
}

}  // namespace quil::archive
