// RegularFile.h - a regular file opened for reading without ever blocking, read at given offsets.
#pragma once

#include <QString>

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
    // "" when nothing lies past length(); else the failure (the file grew, or could not be read).
    QString CheckNothingPastEnd() const;

    // "Cannot read PATH: " and the system's text for `error`.
    QString Failure(int error) const;

private:
    QString Failure(const QString& reason) const;

    QString path_;
    QString failure_;
    int fd_ = -1;
    std::uint64_t length_ = 0;
};

}  // namespace quil::crc
