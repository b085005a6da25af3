// ReportFile.cpp - writes a scan report, or another file a run made, to a text file.
// SPDX-License-Identifier: MIT
#include "report/ReportFile.h"

#include "os/NativeNames.h"
#include "os/ReadFailure.h"
#include "os/RemovedOnSignal.h"
#include "os/SystemCalls.h"
#include "series/RunResult.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quil {

namespace {

// Outcomes of a step besides 0 (done) and an errno value.
constexpr int kNotRegular = -1;  // something that is no regular file has the name
constexpr int kInPlace = -2;     // the file cannot be replaced whole, so it is written over

QString WriteFailure(const QString& path, int error)
{
    const QString reason = error == kNotRegular ? NotRegularReason() : SystemReason(error);
    return QStringLiteral("Cannot write %1: %2").arg(path, reason);
}

// Where a plain write to `path` lands: its links followed, relative ones from their own folder, to
// a name that is no link (and may not be there yet). 0, or ELOOP for a loop.
int WrittenPath(QByteArray path, QByteArray& written)
{
    constexpr int kMostLinks = 40;  // as the system follows
    for (int link = 0; link <= kMostLinks; ++link) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            written = path;
            return 0;
        }
        char named[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), named, sizeof named);
        if (length < 0)
            return errno;
        const QByteArray next(named, length);
        path = next.startsWith('/') ? next : path.left(path.lastIndexOf('/') + 1) + next;
    }
    return ELOOP;
}

// A name for the temporary file beside `target`: hidden, random, and no longer than the folder
// allows a name to be, the target's name shortened (between characters) to fit.
QByteArray TemporaryName(const QByteArray& target)
{
    const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
    const QByteArray base = target.mid(folder.size());
    const QByteArray tail = '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
    long longest = ::pathconf(folder.isEmpty() ? "." : folder.constData(), _PC_NAME_MAX);
    if (longest <= 0)
        longest = NAME_MAX;
    qsizetype kept = std::min<qsizetype>(base.size(), longest - 1 - tail.size());
    while (kept > 0 && kept < base.size() && (uchar(base[kept]) & 0xC0) == 0x80)
        --kept;  // not inside a UTF-8 sequence
    return folder + '.' + base.left(kept) + tail;
}

// A new, empty file beside `target`, opened for writing and armed for removal by `cleanup`; its
// name goes to `name`. -1 with errno set when none can be created.
int CreateBeside(const QByteArray& target, QByteArray& name, RemovedOnSignal& cleanup)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryName(target);
        const RemovedOnSignal::Held held;
        const int fd = crc::System().open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            cleanup.Arm(name);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the new file `fd` the owner, group and permissions of the file it replaces; kInPlace when
// the owner cannot be kept, as for anyone but root over another's file.
int KeepOwnerAndMode(int fd, const struct stat& existing)
{
    struct stat made {};
    if (crc::System().fstat(fd, &made) != 0)
        return errno;
    if ((made.st_uid != existing.st_uid || made.st_gid != existing.st_gid)
        && crc::System().fchown(fd, existing.st_uid, existing.st_gid) != 0)
        return errno == EPERM ? kInPlace : errno;
    // After the owner: a change of owner clears the set-user-ID and set-group-ID bits.
    return ::fchmod(fd, existing.st_mode & 07777) == 0 ? 0 : errno;
}

// Writes `bytes` to the new file `fd` named `temporary`, closes it (`fd` becomes -1) and renames it
// to `target`; 0, kInPlace or the errno of the step that failed.
int FillAndRename(int& fd, const QByteArray& temporary, const QByteArray& target, const struct stat* existing,
                  const QByteArray& bytes, RemovedOnSignal& cleanup)
{
    if (existing)
        if (const int kept = KeepOwnerAndMode(fd, *existing))
            return kept;
    if (const int error = crc::WriteAll(fd, bytes.constData(), std::size_t(bytes.size())))
        return error;
    // Renamed before it is on the disk, a crash could leave an empty report under the name.
    if (crc::System().fsync(fd) != 0)
        return errno;
    const int closed = crc::System().close(fd);
    fd = -1;  // released even when close fails
    if (closed != 0)
        return errno;
    const RemovedOnSignal::Held held;
    if (crc::System().rename(temporary.constData(), target.constData()) != 0)
        // A sticky folder lets only the owner replace the file that is there.
        return existing && (errno == EPERM || errno == EACCES) ? kInPlace : errno;
    cleanup.Disarm();
    return 0;
}

// Replaces `target` (`existing` when it is there) by a new file holding `bytes`; kInPlace when no
// file can be made or renamed beside it, as in a folder that cannot be written, or owner kept.
int ReplaceWhole(const QByteArray& target, const struct stat* existing, const QByteArray& bytes)
{
    RemovedOnSignal cleanup;
    QByteArray temporary;
    int fd = CreateBeside(target, temporary, cleanup);
    if (fd < 0)
        return existing && (errno == EACCES || errno == EPERM) ? kInPlace : errno;
    const int error = FillAndRename(fd, temporary, target, existing, bytes, cleanup);
    if (error != 0) {
        if (fd >= 0)
            crc::System().close(fd);
        crc::System().unlink(temporary.constData());
    }
    return error;
}

// Writes `bytes` over the file `target` that `existing` describes, then cuts it to their length.
// The room is reserved first, so a full disk or a size limit fails before a byte of the old file is
// changed; a later failure leaves the old length.
int WriteInPlace(const QByteArray& target, const struct stat& existing, const QByteArray& bytes)
{
    const int fd = crc::System().open(target.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0)
        return errno;
    struct stat opened {};
    int error = crc::System().fstat(fd, &opened) != 0 ? errno : 0;
    if (!error && (!S_ISREG(opened.st_mode) || opened.st_dev != existing.st_dev || opened.st_ino != existing.st_ino))
        error = kNotRegular;
    if (!error && crc::System().allocate(fd, off_t(bytes.size())) != 0 && errno != EOPNOTSUPP && errno != ENOSYS)
        error = errno;  // nothing changed yet
    else if (!error) {
        error = crc::WriteAll(fd, bytes.constData(), std::size_t(bytes.size()));
        if (!error && crc::System().fsync(fd) != 0)
            error = errno;
        if (::ftruncate(fd, error ? existing.st_size : off_t(bytes.size())) != 0 && !error)
            error = errno;
    }
    const int closed = crc::System().close(fd);
    return error ? error : closed == 0 ? 0 : errno;
}

bool SameFile(const struct stat& a, const QString& path)
{
    const std::optional<struct stat> b = StatPath(path);
    return b && a.st_dev == b->st_dev && a.st_ino == b->st_ino;
}

// Why nothing may be written to `path`: it is a file `run` read; "" when it is none (or is not there).
QString TargetClash(const QString& path, const RunResult& run)
{
    const std::optional<struct stat> target = StatPath(path);
    if (!target)
        return {};
    if (!run.SfvPath.isEmpty() && SameFile(*target, run.SfvPath))
        return QStringLiteral("Cannot write %1: it is the SFV file of the check").arg(path);
    for (const QString& volume : run.ExaminedPaths)
        if (SameFile(*target, volume))
            return QStringLiteral("Cannot write %1: it is a volume of the series").arg(path);
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
    QByteArray target;
    if (const int error = WrittenPath(NativePath(path), target))
        return WriteFailure(path, error);
    struct stat existing {};
    const bool exists = ::lstat(target.constData(), &existing) == 0;
    // Opening a FIFO for writing would wait for a reader.
    if (exists && !S_ISREG(existing.st_mode))
        return WriteFailure(path, kNotRegular);
    int error = ReplaceWhole(target, exists ? &existing : nullptr, bytes);
    if (error == kInPlace)
        error = WriteInPlace(target, existing, bytes);
    return error ? WriteFailure(path, error) : QString();
}

QString SaveReportFile(const QString& path, const QString& reportText, const RunResult& run)
{
    return SaveFileBesideRun(path, (reportText + QStringLiteral("\r\n")).toLocal8Bit(), run);
}

}  // namespace quil
