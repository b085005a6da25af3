// TestSeries.cpp - writes a demonstration RAR series with known faults for the checker to find.
#include "series/TestSeries.h"

#include "series/Prompts.h"

#include <QDir>
#include <QFile>

namespace quil {

namespace {

constexpr int kRegularLength = 20000;
constexpr int kLastLength = 1700;
constexpr int kWrongLength = 15000;

QString TestTitle()
{
    return QStringLiteral("Brenvale - Test");
}

// "" when the file now holds `bangs` exclamation marks and CR LF; otherwise why not.
QString WriteTestFile(const QString& path, int bangs)
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

QString RemoveTestFile(const QString& path)
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
        const QString error = WriteTestFile(base + extension, bangs);
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
        if (QString error = RemoveTestFile(base + extension); !error.isEmpty())
            return base + extension + QStringLiteral(": ") + error;
    }
    for (const auto& run : runs) {
        if (QString error = write(run.letter + QStringLiteral("20"), kWrongLength); !error.isEmpty())
            return error;
    }
    return {};
}

}  // namespace

QString TestSeriesFolder(const QString& fileListFolder)
{
    QString folder = QDir::fromNativeSeparators(fileListFolder);
    if (folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

TestSeriesEnd GenerateTestSeries(const QString& fileListFolder, Prompts& prompts, const ShowStatusFn& showStatus)
{
    if (prompts.message(TestTitle(), QStringLiteral("Generate A Test?"), MessageIcon::Question,
                        MessageButtons::YesNo, Answer::Yes) != Answer::Yes)
        return TestSeriesEnd::Declined;
    const QString error = WriteSeries(TestSeriesFolder(fileListFolder), showStatus);
    if (!error.isEmpty()) {
        prompts.message(TestTitle(), QStringLiteral("Error While Creating Test Series!\r\n\r\n") + error,
                        MessageIcon::Critical);
        return TestSeriesEnd::Failed;
    }
    prompts.message(TestTitle(), QStringLiteral("Test generation Complete"), MessageIcon::Information);
    return TestSeriesEnd::Written;
}

}  // namespace quil
