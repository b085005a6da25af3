// VolumeBytes.cpp - the few small reads a volume's headers take, and the CRC-32 of bytes in memory.
// SPDX-License-Identifier: MIT
#include "archive/VolumeBytes.h"

#include "crc/Crc32Update.h"

#include <algorithm>

namespace quil::archive {

std::optional<std::vector<std::uint8_t>> ReadBytes(const crc::RegularFile& file, std::uint64_t offset, std::uint64_t size)
{
    if (offset > file.length() || size > file.length() - offset)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (QString failure = file.ReadAt(offset, bytes); !failure.isEmpty())
        throw ReadFailed{std::move(failure)};
    return bytes;
}

bool ZeroToEnd(const crc::RegularFile& file, std::uint64_t offset)
{
    constexpr std::uint64_t kChunk = 64 << 10;
    for (; offset < file.length(); offset += kChunk) {
        const auto bytes = ReadBytes(file, offset, std::min(kChunk, file.length() - offset));
        if (std::any_of(bytes->begin(), bytes->end(), [](std::uint8_t b) { return b != 0; }))
            return false;
    }
    return true;
}

std::uint32_t Crc32Of(std::span<const std::uint8_t> bytes)
{
    return ~crc::Crc32Update(0xFFFFFFFFu, bytes.data(), bytes.size());
}

}  // namespace quil::archive
