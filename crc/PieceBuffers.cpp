// FileBuffer.cpp - the reusable memory whole files are read into, kept between files and backed by huge pages.
#include "crc/FileBuffer.h"

#include <sys/mman.h>

namespace quil::crc {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t RoundUp(std::size_t size, std::size_t unit)
{
    return (size + unit - 1) / unit * unit;
}

// Maps `size` bytes (a multiple of kHugePage) on a kHugePage boundary by trimming a larger mapping.
std::uint8_t* MapAligned(std::size_t size)
{
    void* raw = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    auto* start = static_cast<std::uint8_t*>(raw);
    const std::size_t lead = RoundUp(reinterpret_cast<std::uintptr_t>(start), kHugePage) - reinterpret_cast<std::uintptr_t>(start);
    if (lead > 0)
        ::munmap(start, lead);
    if (kHugePage - lead > 0)
        ::munmap(start + lead + size, kHugePage - lead);
#ifdef MADV_HUGEPAGE
    ::madvise(start + lead, size, MADV_HUGEPAGE);  // only advice: without huge pages it still works
#endif
    return start + lead;
}

}  // namespace

FileBuffer::~FileBuffer()
{
    Release();
}

std::uint8_t* FileBuffer::Reserve(std::size_t size)
{
    if (size <= capacity_)
        return data_;
    Release();
    const std::size_t rounded = RoundUp(size, kHugePage);
    data_ = MapAligned(rounded);
    if (data_)
        capacity_ = rounded;
    return data_;
}

void FileBuffer::Release()
{
    if (data_)
        ::munmap(data_, capacity_);
    data_ = nullptr;
    capacity_ = 0;
}

}  // namespace quil::crc
