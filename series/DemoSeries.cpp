// DemoSeries.cpp - writes a demonstration RAR series with known faults for the checker to find.
// SPDX-License-Identifier: MIT
#include "series/DemoSeries.h"

#include "prompts/Prompts.h"

#include <QDir>
#include <QFile>

namespace quil {

namespace {

constexpr int kRegularLength = 20000;
constexpr int kLastLength = 1700;
constexpr int kWrongLength = 15000;

QString DemoTitle()
{
    return QStringLiteral("Brenvale - Test");
}

// "" when the file now holds `bangs` exclamation marks and CR LF; otherwise why not.
QString WriteDemoFile(const QString& path, int bangs)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    const QByteArray content = QByteArray(bangs, '!') + "\r\n";
    if (file.write(content) != content.size() || !file.flush())
        return file.errorString();
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

QString RemoveDemoFile(const QString& path)
{
    QFile file(path);
    return file.remove() ? QString() : file.errorString();
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
