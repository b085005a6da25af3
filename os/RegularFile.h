// RegularFile.h - a regular file opened for reading without ever blocking, read at given offsets.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <span>

namespace quil::crc {

// Anything but a regular file (a folder, a FIFO, a device) is refused after an open that cannot
// block and before a single byte is read. Every failure is a sentence naming the path and the reason.
class RegularFile {
public:
    explicit RegularFile(const QString& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // "" once open, else why it is not.
    const QString& failure() const { return failure_; }
    // The length when it was opened; every read below is held to it.
    std::uint64_t length() const { return length_; }

    // Fills `out` with the bytes at `offset`, over short reads and interruptions; "" or the failure.
    // Safe to call from several threads at once.
    QString ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const;
    // Reads what one call gives at `offset` into `out`, over interruptions: `got` is 0 at the end.
    QString ReadSome(std::uint64_t offset, std::span<std::uint8_t> out, std::size_t& got) const;
    // "" when the file still ends at length(); else the failure (it grew or got shorter, or could
    // not be read, or its size is untrue).
    QString CheckEndsAtLength() const;
    // Set by a read that ended before length() or ran past it while the file's size stayed what
    // it was: a size that is not what reads give (files of /proc and /sys, some FUSE file
    // systems), so the file must be read to its end rather than mapped by its size.
    bool sizeUntrue() const { return sizeUntrue_.load(std::memory_order_relaxed); }

    // `size` bytes from `offset` (a multiple of the page size) mapped read-only, or none (data
    // null) where the file system or the system refuses; unmapped when it goes.
    class Mapping {
    public:
        Mapping(void* address, std::size_t size);
        ~Mapping();
        Mapping(const Mapping&) = delete;
        Mapping& operator=(const Mapping&) = delete;
        const std::uint8_t* data() const { return data_; }

    private:
        std::uint8_t* data_;
        std::size_t size_;
    };
    Mapping Map(std::uint64_t offset, std::size_t size) const;
    // Asks the system to read `size` bytes from `offset` into its cache without waiting for them;
    // only advice, so it cannot fail. Bytes past length() are not asked for.
    void ReadAhead(std::uint64_t offset, std::uint64_t size) const;

    // "Cannot read PATH: " and the system's text for `error`.
    QString Failure(int error) const;
    // The failure of reads that end before length() or go on past it, judged by the size the
    // file has now: it got shorter or grew while it was read, or its size is untrue.
    QString EndsElsewhere() const;

private:
    QString Failure(const QString& reason) const;
    QString Shrunk() const;

    QString path_;
    QString failure_;
    int fd_ = -1;
    std::uint64_t length_ = 0;
    mutable std::atomic<bool> sizeUntrue_{false};
};

}  // namespace quil::crc
