// MemberDigest.h - the digests a digest list asks for, each volume read once, two volumes at a time.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/HashKind.h"
#include "series/MemberCrc.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quil {

// The `kind` digest (not CRC-32) of the file at `path` in lower-case hexadecimal, read once from
// front to back, and its size; `stop`, when set, abandons it (a cancelled result). `bytesDone` counts
// the bytes hashed so far.
MemberCrc ComputeMemberDigest(HashKind kind, const QString& path, const std::atomic<bool>& stop,
                              std::atomic<qint64>& bytesDone);

// Digests the files `paths` names, in their order, on two threads: while the walk waits for one volume
// the next is read already, so both cores are busy and each file is read once.
class DigestQueue {
public:
    DigestQueue(HashKind kind, QStringList paths);
    ~DigestQueue();  // abandons what is still being read and waits for the threads
    DigestQueue(const DigestQueue&) = delete;
    DigestQueue& operator=(const DigestQueue&) = delete;

    // The digest of `path`, compared with `expected` (letter case ignored); `keepReading` is called
    // on this thread every 10 ms while it waits, and its false abandons the queue (a cancelled
    // result). A path not queued is read here.
    MemberCrc Take(const QString& path, const std::optional<QString>& expected, const KeepReadingFn& keepReading);
    // The bytes read so far beyond the files taken: the progress of the one waited for, and of the
    // next one being read ahead.
    qint64 BytesPastTaken() const { return bytesDone_.load(std::memory_order_relaxed) - bytesTaken_; }

private:
    void Work();

    struct Slot {
        QString path;
        bool done = false;
        MemberCrc result;
    };
    HashKind kind_;
    std::vector<Slot> slots_;
    std::size_t next_ = 0;  // the first slot no thread has taken
    std::mutex mutex_;
    std::condition_variable finished_;
    std::atomic<bool> stop_ = false;
    std::atomic<qint64> bytesDone_ = 0;
    qint64 bytesTaken_ = 0;  // the sizes of the files taken, on the taking thread
    std::vector<std::thread> threads_;
};

}  // namespace quil
