// Digest.h - a running MD5, SHA-1, SHA-256 or SHA-512 digest, SHA-1 and SHA-256 on the CPU's SHA
// instructions where it has them.
// SPDX-License-Identifier: MIT
#pragma once

#include "digest/ShaExtensions.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace quil::digest {

// Fastest takes the SHA instructions where this CPU has them; Portable always takes QtCore's code.
enum class Engine { Fastest, Portable };

class Digest {
public:
    explicit Digest(QCryptographicHash::Algorithm algorithm, Engine engine = Engine::Fastest);

    void addData(std::span<const std::uint8_t> data);
    // The digest's bytes; nothing may be added afterwards.
    QByteArray result();
    // Whether the SHA instructions do the work.
    bool accelerated() const { return blocks_ != nullptr; }

private:
    std::optional<QCryptographicHash> portable_;
    ShaBlocksFn blocks_ = nullptr;
    std::array<std::uint32_t, 8> state_{};
    std::size_t stateWords_ = 0;
    std::array<std::uint8_t, 64> pending_{};  // the bytes of a block not yet complete
    std::size_t pendingBytes_ = 0;
    std::uint64_t length_ = 0;
};

}  // namespace quil::digest
