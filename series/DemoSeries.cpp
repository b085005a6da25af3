// DemoSeries.cpp - writes a demonstration RAR series with known faults for the checker to find.
// SPDX-License-Identifier: MIT
#include "series/DemoSeries.h"

#include "os/NativeNames.h"
#include "os/ReadFailure.h"
#include "os/SystemCalls.h"
#include "prompts/Prompts.h"

#include <QDir>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quil {

namespace {

constexpr int kRegularLength = 20000;
constexpr int kLastLength = 1700;
constexpr int kWrongLength = 15000;

QString DemoTitle()
{
    return QStringLiteral("Brenvale - Test");
}

// "" when the file `path` now holds `bangs` exclamation marks and CR LF; otherwise why not. A name
// taken by anything but a regular file (a link, a FIFO, a folder) is refused: a link is never
// followed out of the folder, a FIFO never waited on.
QString WriteDemoFile(const QString& path, int bangs)
{
    const QByteArray native = NativePath(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return NotRegularReason();
    // The same again for whatever takes the name between the look and the open.
    const int fd = crc::System().open(native.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == ELOOP || errno == ENXIO ? NotRegularReason() : SystemReason(errno);
    const QByteArray content = QByteArray(bangs, '!') + "\r\n";
    int error = crc::System().fstat(fd, &info) != 0 ? errno : 0;
    if (!error && !S_ISREG(info.st_mode)) {
        crc::System().close(fd);
        return NotRegularReason();
    }
    if (!error && ::ftruncate(fd, 0) != 0)
        error = errno;
    if (!error)
        error = crc::WriteAll(fd, content.constData(), std::size_t(content.size()));
    const int closed = crc::System().close(fd);
    if (!error && closed != 0)
        error = errno;
    return error ? SystemReason(error) : QString();
}

QString RemoveDemoFile(const QString& path)
{
    return crc::System().unlink(NativePath(path).constData()) == 0 ? QString() : SystemReason(errno);
}

QString TwoDigits(int number)
{
    return QString::number(number).rightJustified(2, u'0');
}

// Runs the steps in order; the first one that fails names its file and why.
QString WriteSeries(const QString& target, const ShowStatusFn& showStatus)
{
    const QString base = target + QStringLiteral("/quiltest.");
    const auto write = [&](const QString& extension, int bangs) -> QString {
        const QString error = WriteDemoFile(base + extension, bangs);
        return error.isEmpty() ? error : base + extension + QStringLiteral(": ") + error;
    };
    const struct { QChar letter; int last; } runs[] = {{u'r', 99}, {u's', 99}, {u't', 99}, {u'u', 53}};
    for (const auto& run : runs) {
        for (int number = 0; number <= run.last; ++number) {
            const QString extension = run.letter + TwoDigits(number);
            if (showStatus)
                showStatus(QStringLiteral("Creating ") + base + extension);
            if (QString error = write(extension, kRegularLength); !error.isEmpty())
                return error;
        }
    }
    if (QString error = write(QStringLiteral("u54"), kLastLength); !error.isEmpty())
        return error;
    if (QString error = write(QStringLiteral("rar"), kRegularLength); !error.isEmpty())
        return error;
    for (const auto& run : runs) {
        const QString extension = run.letter + QStringLiteral("10");
        if (QString error = RemoveDemoFile(base + extension); !error.isEmpty())
            return base + extension + QStringLiteral(": ") + error;
    }
    for (const auto& run : runs) {
        if (QString error = write(run.letter + QStringLiteral("20"), kWrongLength); !error.isEmpty())
            return error;
    }
    return {};
}

}  // namespace

QString DemoSeriesFolder(const QString& fileListFolder)
{
    QString folder = QDir::fromNativeSeparators(fileListFolder);
    if (folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

DemoSeriesEnd WriteDemoSeries(const QString& fileListFolder, Prompts& prompts, const ShowStatusFn& showStatus)
{
    if (prompts.message(DemoTitle(), QStringLiteral("Generate A Test?"), MessageIcon::Question,
                        MessageButtons::YesNo, Answer::Yes) != Answer::Yes)
        return DemoSeriesEnd::Declined;
    const QString error = WriteSeries(DemoSeriesFolder(fileListFolder), showStatus);
    if (!error.isEmpty()) {
        prompts.message(DemoTitle(), QStringLiteral("Error While Creating Test Series!\r\n\r\n") + error,
                        MessageIcon::Critical);
        return DemoSeriesEnd::Failed;
    }
    prompts.message(DemoTitle(), QStringLiteral("Test generation Complete"), MessageIcon::Information);
    return DemoSeriesEnd::Written;
}

}  // namespace quil
