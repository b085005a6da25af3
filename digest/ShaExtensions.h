// ShaExtensions.h - the SHA-1 and SHA-256 block steps on the CPU's SHA instructions.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace quil::digest {

// Folds `blocks` 64-byte blocks into the chaining words `state` (host order); the caller pads.
using ShaBlocksFn = void (*)(std::uint32_t* state, const std::uint8_t* data, std::size_t blocks);

#if defined(__x86_64__) || defined(__i386__)
bool CpuHasShaExtensions();
void Sha1Blocks(std::uint32_t* state, const std::uint8_t* data, std::size_t blocks);
void Sha256Blocks(std::uint32_t* state, const std::uint8_t* data, std::size_t blocks);
#endif

}  // namespace quil::digest
