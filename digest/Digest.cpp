// Digest.cpp - a running MD5, SHA-1, SHA-256 or SHA-512 digest, SHA-1 and SHA-256 on the CPU's SHA
// instructions where it has them.
// SPDX-License-Identifier: MIT
#include "digest/Digest.h"

#include <algorithm>
#include <cstring>

namespace quil::digest {

namespace {

constexpr std::size_t kBlock = 64;

constexpr std::array<std::uint32_t, 8> kSha1Start{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476, 0xc3d2e1f0};
constexpr std::array<std::uint32_t, 8> kSha256Start{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                                    0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

bool UseShaExtensions(Engine engine)
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool cpuHasThem = CpuHasShaExtensions();
    return engine == Engine::Fastest && cpuHasThem;
#else
    (void)engine;
    return false;
#endif
}

}  // namespace

Digest::Digest(QCryptographicHash::Algorithm algorithm, Engine engine)
{
#if defined(__x86_64__) || defined(__i386__)
    if (UseShaExtensions(engine) && algorithm == QCryptographicHash::Sha1) {
        blocks_ = Sha1Blocks;
        state_ = kSha1Start;
        stateWords_ = 5;
        return;
    }
    if (UseShaExtensions(engine) && algorithm == QCryptographicHash::Sha256) {
        blocks_ = Sha256Blocks;
        state_ = kSha256Start;
        stateWords_ = 8;
        return;
    }
#endif
    portable_.emplace(algorithm);
}

void Digest::addData(std::span<const std::uint8_t> data)
{
    if (portable_) {
        portable_->addData(QByteArrayView(data.data(), qsizetype(data.size())));
        return;
    }
    if (data.empty())
        return;  // an empty span may hold no pointer at all, and memcpy wants one
    length_ += data.size();
    if (pendingBytes_ > 0) {
        const std::size_t taken = std::min(kBlock - pendingBytes_, data.size());
        std::memcpy(pending_.data() + pendingBytes_, data.data(), taken);
        pendingBytes_ += taken;
        data = data.subspan(taken);
        if (pendingBytes_ < kBlock)
            return;
        blocks_(state_.data(), pending_.data(), 1);
        pendingBytes_ = 0;
    }
    // Whole blocks straight from the caller's buffer; only the tail is copied.
    const std::size_t whole = data.size() / kBlock;
    blocks_(state_.data(), data.data(), whole);
    pendingBytes_ = data.size() - whole * kBlock;
    std::memcpy(pending_.data(), data.data() + whole * kBlock, pendingBytes_);
}

QByteArray Digest::result()
{
    if (portable_)
        return portable_->result();
    // A 1 bit, zeros up to 8 bytes short of a block's end, then the length in bits, most significant first.
    const std::uint64_t bits = length_ * 8;
    std::array<std::uint8_t, 2 * kBlock> tail{};
    std::memcpy(tail.data(), pending_.data(), pendingBytes_);
    tail[pendingBytes_] = 0x80;
    const std::size_t tailBlocks = pendingBytes_ + 1 + 8 <= kBlock ? 1 : 2;
    for (int i = 0; i < 8; ++i)
        tail[tailBlocks * kBlock - 1 - i] = static_cast<std::uint8_t>(bits >> (8 * i));
    blocks_(state_.data(), tail.data(), tailBlocks);
    QByteArray digest;
    for (std::size_t i = 0; i < stateWords_; ++i) {
        for (int shift = 24; shift >= 0; shift -= 8)
            digest.append(static_cast<char>(state_[i] >> shift));
    }
    return digest;
}

}  // namespace quil::digest
