// PieceBuffers.h - the memory reader threads read pieces of files into, mapped once and kept between files.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace quil::crc {

// Mapped straight from the system, so that Release really hands it back; kept between files and
// only replaced when more is asked for (more reader threads).
class PieceBuffers {
public:
    PieceBuffers() = default;
    ~PieceBuffers();
    PieceBuffers(const PieceBuffers&) = delete;
    PieceBuffers& operator=(const PieceBuffers&) = delete;

    // Room for at least `size` bytes; earlier contents are not kept when it grows. nullptr, holding
    // nothing and with errno set, when the system has no memory for it.
    std::uint8_t* Reserve(std::size_t size);
    void Release();

private:
    std::uint8_t* data_ = nullptr;
    std::size_t capacity_ = 0;
};

}  // namespace quil::crc
