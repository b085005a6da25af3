// FileBuffer.h - the reusable memory whole files are read into, kept between files and backed by huge pages.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quil::crc {

// Memory mapped straight from the system, 2 MiB-aligned and (on Linux) offered transparent huge
// pages, so that reading a file into it is not dominated by page faults. It is kept between files,
// replaced by a larger one when a larger file comes, and returned to the system by Release.
class FileBuffer {
public:
    FileBuffer() = default;
    ~FileBuffer();
    FileBuffer(const FileBuffer&) = delete;
    FileBuffer& operator=(const FileBuffer&) = delete;

    // Room for at least `size` bytes; earlier contents are not kept when it grows. Returns
    // nullptr, holding nothing, when the system has no memory for it.
    std::uint8_t* Reserve(std::size_t size);
    void Release();

    std::size_t capacity() const { return capacity_; }

private:
    std::uint8_t* data_ = nullptr;
    std::size_t capacity_ = 0;
};

}  // namespace quil::crc
