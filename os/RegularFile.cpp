// RegularFile.cpp - a regular file opened for reading without ever blocking, read at given offsets.
// SPDX-License-Identifier: MIT
#include "os/RegularFile.h"

#include "os/NativeNames.h"
#include "os/ReadFailure.h"
#include "os/SystemCalls.h"


#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>

namespace quil::crc {

namespace {

constexpr std::size_t kMaxReadCall = 0x7FFFF000;  // the most one read returns on Linux

// Reads once at `offset`, retrying interruptions; what pread returns.
ssize_t ReadOnce(int fd, std::uint8_t* out, std::size_t size, std::uint64_t offset)
{
    ssize_t got;
    do {
        got = System().pread(fd, out, std::min(size, kMaxReadCall), static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    return got;
}

}  // namespace

RegularFile::RegularFile(const QString& path) : path_(path)
{
    // O_NONBLOCK keeps a FIFO named like a volume from hanging the open; fstat then refuses it.
    fd_ = System().open(NativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd_ < 0) {
        failure_ = Failure(errno);
        return;
    }
    struct stat info {};
    if (System().fstat(fd_, &info) != 0) {
        failure_ = Failure(errno);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        failure_ = Failure(NotRegularReason());
        return;
    }
    length_ = static_cast<std::uint64_t>(info.st_size);
    // Only advice: a larger read-ahead, so that a spinning disk streams the file.
    System().fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

RegularFile::~RegularFile()
{
    if (fd_ >= 0)
        System().close(fd_);
}

QString RegularFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const
{
    for (std::size_t done = 0; done < out.size();) {
        const ssize_t got = ReadOnce(fd_, out.data() + done, out.size() - done, offset + done);
        if (got < 0)
            return Failure(errno);
        if (got == 0)
            return EndsElsewhere();
        done += static_cast<std::size_t>(got);
    }
    return {};
}

QString RegularFile::ReadSome(std::uint64_t offset, std::span<std::uint8_t> out, std::size_t& got) const
{
    const ssize_t read = ReadOnce(fd_, out.data(), out.size(), offset);
    got = read > 0 ? static_cast<std::size_t>(read) : 0;
    return read < 0 ? Failure(errno) : QString();
}

QString RegularFile::CheckEndsAtLength() const
{
    // The last byte and the one after it: reads must give exactly the first.
    std::uint8_t probe[2];
    const ssize_t got = ReadOnce(fd_, probe, 2, length_ - 1);
    if (got < 0)
        return Failure(errno);
    if (got != 1)
        return EndsElsewhere();
    // A mapping reads the lost end of a last page that got shorter as zeros, with no signal.
    struct stat info {};
    if (System().fstat(fd_, &info) != 0)
        return Failure(errno);
    if (static_cast<std::uint64_t>(info.st_size) < length_)
        return Shrunk();
    return {};
}

QString RegularFile::EndsElsewhere() const
{
    struct stat info {};
    if (System().fstat(fd_, &info) != 0)
        return Failure(errno);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size == length_) {
        sizeUntrue_.store(true, std::memory_order_relaxed);
        return Failure(QStringLiteral("its size is not the length its reads give"));
    }
    return size < length_ ? Shrunk() : Failure(QStringLiteral("the file grew while it was read"));
}

RegularFile::Mapping::Mapping(void* address, std::size_t size)
    : data_(address == MAP_FAILED ? nullptr : static_cast<std::uint8_t*>(address)), size_(size)
{
}

RegularFile::Mapping::~Mapping()
{
    if (data_)
        System().unmapMemory(data_, size_);
}

RegularFile::Mapping RegularFile::Map(std::uint64_t offset, std::size_t size) const
{
    return {System().mapFile(fd_, static_cast<off_t>(offset), size), size};
}

void RegularFile::ReadAhead(std::uint64_t offset, std::uint64_t size) const
{
    if (failure_.isEmpty() && offset < length_)
        System().fadvise(fd_, static_cast<off_t>(offset), static_cast<off_t>(std::min(size, length_ - offset)),
                         POSIX_FADV_WILLNEED);
}

QString RegularFile::Shrunk() const
{
    return Failure(QStringLiteral("the file got shorter while it was read"));
}

QString RegularFile::Failure(const QString& reason) const
{
    return ReadFailure(path_, reason);
}

QString RegularFile::Failure(int error) const
{
    return Failure(SystemReason(error));
}

}  // namespace quil::crc
