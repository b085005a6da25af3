// MemberDigest.cpp - the digests a digest list asks for, each volume read once, two volumes at a time.
// SPDX-License-Identifier: MIT
#include "series/MemberDigest.h"

#include "digest/Digest.h"
#include "os/PieceReader.h"
#include "os/RegularFile.h"

#include <algorithm>
#include <chrono>

namespace quil {

namespace {

QCryptographicHash::Algorithm AlgorithmOf(HashKind kind)
{
    switch (kind) {
    case HashKind::Md5: return QCryptographicHash::Md5;
    case HashKind::Sha1: return QCryptographicHash::Sha1;
    case HashKind::Sha256: return QCryptographicHash::Sha256;
    case HashKind::Sha512: return QCryptographicHash::Sha512;
    case HashKind::Crc32: break;
    }
    qFatal("CRC-32 is no digest");
}

// Large enough that a read costs little beside hashing it, small enough for a Stop to act at once.
constexpr std::size_t kChunk = 1 << 20;

// Two volumes at a time: the one the walk waits for and the next.
constexpr int kThreads = 2;

}  // namespace

MemberCrc ComputeMemberDigest(HashKind kind, const QString& path, const std::atomic<bool>& stop,
                              std::atomic<qint64>& bytesDone)
{
    MemberCrc result;
    const crc::RegularFile file(path);
    if (!file.failure().isEmpty()) {
        result.error = file.failure();
        return result;
    }
    digest::Digest hash(AlgorithmOf(kind));
    std::vector<std::uint8_t> buffer(kChunk);
    for (std::uint64_t offset = 0; offset < file.length(); offset += kChunk) {
        if (stop.load(std::memory_order_relaxed)) {
            result.cancelled = true;
            return result;
        }
        const std::span<std::uint8_t> piece(buffer.data(), std::min<std::uint64_t>(kChunk, file.length() - offset));
        if (const QString failure = file.ReadAt(offset, piece); !failure.isEmpty()) {
            result.error = failure;
            return result;
        }
        hash.addData(piece);
        bytesDone.fetch_add(qint64(piece.size()), std::memory_order_relaxed);
    }
    if (const QString failure = file.CheckEndsAtLength(); !failure.isEmpty()) {
        result.error = failure;
        return result;
    }
    result.text = QString::fromLatin1(hash.result().toHex());
    result.bytes = qint64(file.length());
    return result;
}

DigestQueue::DigestQueue(HashKind kind, QStringList paths) : kind_(kind)
{
    for (QString& path : paths)
        slots_.push_back({std::move(path), false, {}});
    for (int i = 0; i < kThreads && i < int(slots_.size()); ++i)
        threads_.emplace_back([this] { Work(); });
}

DigestQueue::~DigestQueue()
{
    stop_ = true;
    for (std::thread& thread : threads_)
        thread.join();
}

void DigestQueue::Work()
{
    for (;;) {
        std::size_t taken;
        {
            const std::lock_guard lock(mutex_);
            if (next_ == slots_.size() || stop_)
                return;
            taken = next_++;
        }
        MemberCrc result = ComputeMemberDigest(kind_, slots_[taken].path, stop_, bytesDone_);
        {
            const std::lock_guard lock(mutex_);
            slots_[taken].result = std::move(result);
            slots_[taken].done = true;
        }
        finished_.notify_all();
    }
}

MemberCrc DigestQueue::Take(const QString& path, const std::optional<QString>& expected,
                            const KeepReadingFn& keepReading)
{
    MemberCrc result;
    const auto slot = std::find_if(slots_.begin(), slots_.end(), [&](const Slot& s) { return s.path == path; });
    if (slot == slots_.end()) {
        result = ComputeMemberDigest(kind_, path, stop_, bytesDone_);
    } else {
        std::unique_lock lock(mutex_);
        while (!finished_.wait_for(lock, crc::kPollInterval, [&] { return slot->done; })) {
            lock.unlock();
            const bool keep = !keepReading || keepReading();
            lock.lock();
            if (!keep) {
                stop_ = true;
                result.cancelled = true;
                return result;
            }
        }
        result = slot->result;
    }
    bytesTaken_ += result.bytes;
    result.ok = !result.readFailed() && !result.cancelled && expected && result.text == expected->toLower();
    return result;
}

}  // namespace quil
