// folder_bench.cpp - start-file listing, recognition and a size-only walk in a folder of 100,000 files.
//
// Usage: folder_bench [FOLDER]   (default /tmp/quillane-bench-series/folder; made on first use)
// The folder holds 99,999 unrelated files and an ARJ series x.arj, x.a01, x.a02. Prints the seconds
// of each step, medians of 5 rounds, beside a bare listing of the folder's names (the baseline).
// SPDX-License-Identifier: MIT
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
constexpr int kRounds = 5;

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

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/quillane-bench-series/folder");
    if (!MakeFolder(folder)) {
        std::fprintf(stderr, "folder_bench: cannot write into %s\n", qPrintable(folder));
        return 2;
    }
    qsizetype names = 0;
    const double bare = MedianSeconds([&] { names = QDir(folder).entryList(QDir::Files).size(); });
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
    return 0;
}
