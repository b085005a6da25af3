// ReportFile.cpp - writes a scan report, or another file a run made, to a text file.
// SPDX-License-Identifier: MIT
#include "report/ReportFile.h"

#include "os/ReadFailure.h"
#include "os/SystemCalls.h"
#include "series/RunResult.h"

#include "os/NativeNames.h"

#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>

namespace quil {

namespace {

QString WriteFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(path, reason);
}

// 0 once every byte is written; otherwise the errno of the write that failed.
int WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = crc::System().write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += written;
    }
    return 0;
}

// A new, empty file beside `target`, opened for writing; its name goes to `name`. -1 with errno set
// when none can be created.
int CreateBeside(const QByteArray& target, QByteArray& name)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : target.left(slash + 1);
    const QByteArray base = target.mid(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + '.' + base + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = crc::System().open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes `bytes` to the new file `fd` named `temporary`, keeping the permissions of the file
// `existing` replaces, closes it (`fd` becomes -1) and renames it to `target`; 0 or the errno of the
// step that failed.
int FillAndRename(int& fd, const QByteArray& temporary, const QByteArray& target, const struct stat* existing,
                  const QByteArray& bytes)
{
    if (existing && ::fchmod(fd, existing->st_mode & 07777) != 0)
        return errno;
    if (const int error = WriteAll(fd, bytes))
        return error;
    // Renamed before it is on the disk, a crash could leave an empty report under the name.
    if (crc::System().fsync(fd) != 0)
        return errno;
    const int closed = crc::System().close(fd);
    fd = -1;  // released even when close fails
    if (closed != 0)
        return errno;
    return crc::System().rename(temporary.constData(), target.constData()) == 0 ? 0 : errno;
}

bool SameFile(const struct stat& a, const QString& path)
{
    const std::optional<struct stat> b = StatPath(path);
    return b && a.st_dev == b->st_dev && a.st_ino == b->st_ino;
}

// The file a save to `path` replaces: the file a link names, not the link.
QByteArray ReplacedFile(const QByteArray& path)
{
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* resolved = ::realpath(path.constData(), nullptr);
    const QByteArray target = resolved ? QByteArray(resolved) : path;
    std::free(resolved);
    return target;
}

// Why nothing may be written to `path`: it is a file `run` read; "" when it is none (or is not there).
QString TargetClash(const QString& path, const RunResult& run)
{
    const std::optional<struct stat> target = StatPath(path);
    if (!target)
        return {};
    if (!run.SfvPath.isEmpty() && SameFile(*target, run.SfvPath))
        return WriteFailure(path, QStringLiteral("it is the SFV file of the check"));
    for (const QString& volume : run.ExaminedPaths)
        if (SameFile(*target, volume))
            return WriteFailure(path, QStringLiteral("it is a volume of the series"));
    return {};
}

}  // namespace

QString SaveFileBesideRun(const QString& path, const QByteArray& bytes, const RunResult& run)
{
    // Nothing is written over a file the check read.
    if (const QString clash = TargetClash(path, run); !clash.isEmpty())
        return clash;
    // A file size limit must fail the write with EFBIG, not end the program by its signal.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::optional<struct stat> existing = StatPath(path);
    // Opening a FIFO for writing would wait for a reader.
    if (existing && !S_ISREG(existing->st_mode))
        return WriteFailure(path, QStringLiteral("not a regular file"));
    const QByteArray target = ReplacedFile(NativePath(path));
    QByteArray temporary;
    int fd = CreateBeside(target, temporary);
    if (fd < 0)
        return WriteFailure(path, SystemReason(errno));
    if (const int error = FillAndRename(fd, temporary, target, existing ? &*existing : nullptr, bytes)) {
        if (fd >= 0)
            crc::System().close(fd);
        crc::System().unlink(temporary.constData());
        return WriteFailure(path, SystemReason(error));
    }
    return {};
}

QString SaveReportFile(const QString& path, const QString& reportText, const RunResult& run)
{
    return SaveFileBesideRun(path, (reportText + QStringLiteral("\r\n")).toLocal8Bit(), run);
}

}  // namespace quil
