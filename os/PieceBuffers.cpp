// PieceBuffers.cpp - the memory reader threads read pieces of files into, mapped once and kept between files.
// SPDX-License-Identifier: MIT
#include "os/PieceBuffers.h"

#include "os/SystemCalls.h"

#include <sys/mman.h>

namespace quil::crc {

PieceBuffers::~PieceBuffers()
{
    Release();
}

std::uint8_t* PieceBuffers::Reserve(std::size_t size)
{
    if (size <= capacity_)
        return data_;
    Release();
    void* memory = System().mapMemory(size);
    if (memory == MAP_FAILED)
        return nullptr;
    data_ = static_cast<std::uint8_t*>(memory);
    capacity_ = size;
    return data_;
}

void PieceBuffers::Release()
{
    if (data_)
        System().unmapMemory(data_, capacity_);
    data_ = nullptr;
    capacity_ = 0;
}

}  // namespace quil::crc
