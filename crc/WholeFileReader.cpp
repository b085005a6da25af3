// WholeFileReader.cpp - reads a whole regular file into a reusable buffer, without ever blocking.
#include "crc/WholeFileReader.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quil::crc {

namespace {

constexpr std::uint64_t kWholeReadLimit = std::uint64_t{1} << 31;  // 2 GiB
constexpr std::size_t kLargePiece = std::size_t{256} << 20;
constexpr std::size_t kMaxReadCall = 0x7FFFF000;  // the most one read() returns on Linux

QString Failure(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot read %1: %2").arg(path, reason);
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { if (fd_ >= 0) ::close(fd_); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Fills `size` bytes, looping over short reads; false when the file ends early or fails.
bool ReadExactly(int fd, std::uint8_t* out, std::size_t size, int& error)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, out + done, std::min(size - done, kMaxReadCall));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool AtEnd(int fd)
{
    std::uint8_t probe;
    ssize_t got;
    do {
        got = ::read(fd, &probe, 1);
    } while (got < 0 && errno == EINTR);
    return got == 0;
}

}  // namespace

QString ReadWholeFile(const QString& path, FileBuffer& buffer, const PieceFn& consume)
{
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK keeps a FIFO named like a volume from hanging the open; fstat then refuses it.
    FileHandle file(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return Failure(path, SystemReason(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return Failure(path, SystemReason(errno));
    if (!S_ISREG(info.st_mode))
        return Failure(path, QStringLiteral("not a regular file"));

    const auto length = static_cast<std::uint64_t>(info.st_size);
    if (length == 0)
        return {};
    const std::size_t pieceSize = length < kWholeReadLimit ? static_cast<std::size_t>(length) : kLargePiece;
    std::uint8_t* const memory = buffer.Reserve(pieceSize);
    if (!memory)
        return Failure(path, SystemReason(ENOMEM));

    for (std::uint64_t left = length; left > 0;) {
        const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(left, pieceSize));
        int error = 0;
        if (!ReadExactly(file.get(), memory, piece, error))
            return Failure(path, error ? SystemReason(error) : QStringLiteral("the file got shorter while it was read"));
        consume({memory, piece});
        left -= piece;
    }
    if (!AtEnd(file.get()))
        return Failure(path, QStringLiteral("the file grew while it was read"));
    return {};
}

}  // namespace quil::crc
