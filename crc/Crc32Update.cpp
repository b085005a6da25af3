// Crc32Update.cpp - the CRC-32 inner loop every caller goes through, so a faster one can take its place.
#include "crc/Crc32Update.h"

#include "crc/CrcTables.h"

namespace quil::crc {

std::uint32_t Crc32Update(std::uint32_t reg, const std::uint8_t* data, std::size_t size)
{
    return Crc32Bytewise(reg, data, size);
}

}  // namespace quil::crc
