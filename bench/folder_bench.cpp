// folder_bench.cpp - start-file listing, recognition and a size-only walk in a folder of 100,000 files,
// and quillane-check --all over a folder of 8,000 series.
//
// Usage: folder_bench [FOLDER [SERIES_FOLDER]]
//   (defaults /tmp/quillane-bench-series/folder and /tmp/quillane-bench-series/many; made on first use)
// FOLDER holds 99,999 unrelated files and an ARJ series x.arj, x.a01, x.a02; SERIES_FOLDER 8,000
// two-volume RAR series (16,000 files). Prints the seconds of each step, medians of 5 rounds, beside
// a bare listing of the folder's names (the baseline).
// SPDX-License-Identifier: MIT
#include "cli/CheckCommand.h"
#include "crc/clsCRC.h"
#include "series/CheckRun.h"
#include "series/Recognition.h"
#include "series/RunView.h"
#include "series/StartFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kFiles = 100000;
constexpr int kSeries = 8000;
constexpr int kRounds = 5;
// --all over the series folder must stay within this, in size-only mode.
constexpr double kAllTargetSeconds = 5.0;

class SilentView : public quil::RunView {
public:
    void AddMemberRow(const quil::MemberRow&) override { ++rows; }
    void ShowStatus(const QString&) override {}
    void SetProgress(int, int) override {}
    void SetProgressTip(const QString&) override {}
    int rows = 0;
};

bool MakeFolder(const QString& folder)
{
    if (QDir(folder).count() >= kFiles + 2)
        return true;
    std::fprintf(stderr, "folder_bench: writing %d files into %s\n", kFiles, qPrintable(folder));
    QDir().mkpath(folder);
    for (const char* name : {"x.arj", "x.a01", "x.a02"}) {
        QFile file(folder + u'/' + QString::fromLatin1(name));
        if (!file.open(QIODevice::WriteOnly) || file.write("volume") != 6)
            return false;
    }
    for (int i = 0; i < kFiles - 3; ++i) {
        QFile file(folder + QStringLiteral("/unrelated-%1.dat").arg(i, 6, 10, QChar(u'0')));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

bool MakeSeriesFolder(const QString& folder)
{
    if (QDir(folder).count() >= 2 * kSeries + 2)
        return true;
    std::fprintf(stderr, "folder_bench: writing %d series into %s\n", kSeries, qPrintable(folder));
    QDir().mkpath(folder);
    for (int i = 0; i < kSeries; ++i) {
        for (const char* extension : {"rar", "r00"}) {
            QFile file(folder + QStringLiteral("/series-%1.%2").arg(i, 5, 10, QChar(u'0')).arg(QLatin1StringView(extension)));
            if (!file.open(QIODevice::WriteOnly) || file.write("volume") != 6)
                return false;
        }
    }
    return true;
}

double MedianSeconds(const std::function<void()>& step)
{
    QList<double> seconds;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        step();
        seconds.append(clock.nsecsElapsed() / 1e9);
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds.at(kRounds / 2);
}

// The seconds of a bare listing of `folder`'s names.
double BareListingSeconds(const QString& folder, qsizetype& names)
{
    return MedianSeconds([&] { names = QDir(folder).entryList(QDir::Files).size(); });
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/quillane-bench-series/folder");
    const QString many = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/quillane-bench-series/many");
    if (!MakeFolder(folder) || !MakeSeriesFolder(many)) {
        std::fprintf(stderr, "folder_bench: cannot write into %s or %s\n", qPrintable(folder), qPrintable(many));
        return 2;
    }
    qsizetype names = 0;
    const double bare = BareListingSeconds(folder, names);
    std::optional<quil::Series> series;
    const double recognise = MedianSeconds([&] {
        const QStringList startFiles = quil::StartFiles(folder);
        series = quil::RecognizeSeries(folder, startFiles.value(0));
    });
    if (!series || series->SeqList.size() != 3) {
        std::fprintf(stderr, "folder_bench: the series was not recognised\n");
        return 1;
    }
    SilentView view;
    quil::clsCRC crc;
    quil::CheckRun run(view, crc);
    // x.050 ends the found list off the walk's names, so the walk runs to .999.
    quil::Series walked = *series;
    walked.SeqList.append(QStringLiteral("x.050"));
    const double walk = MedianSeconds([&] { run.Run(walked, quil::CheckMode::SizeOnly); });

    std::printf("%d files in %s (%lld listed); medians of %d rounds\n", kFiles, qPrintable(folder),
                static_cast<long long>(names), kRounds);
    std::printf("%-40s %9s %12s\n", "step", "seconds", "x bare list");
    std::printf("%-40s %9.3f %12.2f\n", "bare listing of names (the baseline)", bare, 1.0);
    std::printf("%-40s %9.3f %12.2f\n", "start-file listing + recognition", recognise, recognise / bare);
    std::printf("%-40s %9.3f %12.2f\n", "size-only ARJ walk to .999", walk, walk / bare);

    qsizetype manyNames = 0;
    const double manyBare = BareListingSeconds(many, manyNames);
    int status = -1;
    const double all = MedianSeconds([&] {
        QFile sink(QStringLiteral("/dev/null"));
        sink.open(QIODevice::WriteOnly);
        QTextStream output(&sink);
        QTextStream errors(&sink);
        status = quil::cli::RunCheckCommand({QStringLiteral("--all"), many}, output, errors, false);
    });
    if (status != 0) {
        std::fprintf(stderr, "folder_bench: --all over %s exited %d\n", qPrintable(many), status);
        return 1;
    }
    std::printf("\n%d two-volume series in %s (%lld listed); medians of %d rounds\n", kSeries, qPrintable(many),
                static_cast<long long>(manyNames), kRounds);
    std::printf("%-40s %9s %12s\n", "step", "seconds", "x bare list");
    std::printf("%-40s %9.3f %12.2f\n", "bare listing of names (the baseline)", manyBare, 1.0);
    std::printf("%-40s %9.3f %12.2f\n", "quillane-check --all, size only", all, all / manyBare);
    std::printf("target: --all within %.1f s: %s\n", kAllTargetSeconds, all <= kAllTargetSeconds ? "met" : "MISSED");
    return 0;
}
