// BusErrorGuard.h - turns the SIGBUS of a mapped file cut short under a read into a failed call.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace quil::crc {

using MappedBytesFn = void (*)(const void* context, const std::uint8_t* data, std::size_t size);

// Calls `use(context, data, size)`, where `data` lies in a mapping of a file; false when the file
// got shorter under the mapping, which the system signals with SIGBUS on touching the lost pages.
// `use` is abandoned at that point, so it must not hold locks or own memory. A SIGBUS on any other
// thread, or outside such a call, goes to the handler that was installed before, as if this one
// were not there; if a later handler replaced this one, the next call puts it back in front.
bool UseMappedBytes(MappedBytesFn use, const void* context, const std::uint8_t* data, std::size_t size);

}  // namespace quil::crc
