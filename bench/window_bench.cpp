// window_bench.cpp - how live the main window stays during a check of large volumes, and how fast Stop acts.
//
// Usage: window_bench FOLDER...   (each holds w.rar and w.r00, made by bench/window_bench.sh)
// Runs the real main window offscreen. The answers ask for no SFV file and yes to the next question:
// volumes of random data get a CRC report run, the volumes of a RAR set the archive check. For each
// folder a 10 ms timer records every gap in the event loop during a full run; a second run is
// stopped 20 ms into its second volume, and the time from the click to the end of the run is
// printed. The baseline is the same timer's gaps while idle.
// SPDX-License-Identifier: MIT
#include "app/CheckSequence.h"
#include "app/FolderTree.h"
#include "prompts/Prompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Answers "No" to the SFV question and "Yes" to the next one: checking against the archive's own
// checksums where the volumes are a RAR set's, else reporting each CRC-32.
class NoSfvAnswers : public quil::Prompts {
public:
    quil::Answer message(const QString&, const QString& text, quil::MessageIcon, quil::MessageButtons buttons,
                         quil::Answer) override
    {
        if (buttons == quil::MessageButtons::Ok)
            return quil::Answer::Ok;
        if (text.contains(QStringLiteral("Existing SFV File")))
            return quil::Answer::No;
        yesTo_ = text;
        return quil::Answer::Yes;
    }
    // The question that chose the run's mode.
    const QString& yesTo() const { return yesTo_; }
    std::optional<quil::FileDialogChoice> fileDialog(const quil::FileDialogRequest&) override { return {}; }
    void showHelp() override {}
    void openWebPage(const QString&) override {}

private:
    QString yesTo_;
};

// The longest and the median gap between ticks of a 10 ms timer while `work` runs.
struct Gaps {
    double longestMs = 0;
    double medianMs = 0;
};

Gaps MeasureGaps(const std::function<void()>& work)
{
    QList<double> gaps;
    QElapsedTimer clock;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        gaps.append(clock.nsecsElapsed() / 1e6);
        clock.restart();
    });
    clock.start();
    ticker.start(10);
    work();
    ticker.stop();
    gaps.append(clock.nsecsElapsed() / 1e6);  // the gap the work ended in
    std::sort(gaps.begin(), gaps.end());
    return {gaps.last(), gaps.at(gaps.size() / 2)};
}

// Closes the report window as soon as it shows, so the run can return.
void CloseReportsAsTheyOpen(QTimer& timer)
{
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    timer.start(20);
}

// Clicks Check Sequence and returns once the check has ended: the run goes on beside the event loop.
void RunCheck(quil::CheckSequence& window, QPushButton* check)
{
    QEventLoop untilEnded;
    QObject::connect(&window, &quil::CheckSequence::checkEnded, &untilEnded, &QEventLoop::quit);
    check->click();
    untilEnded.exec();
}

// Times a full run over `folder` and a stopped one, and prints the figures beside the idle baseline.
void Measure(quil::CheckSequence& window, const NoSfvAnswers& prompts, const QString& folder, const Gaps& idle)
{
    // Selecting the folder picks its first start file, w.rar.
    window.findChild<quil::FolderTree*>(QStringLiteral("FTV"))->setSelectedFolder(folder);
    auto* check = window.findChild<QPushButton*>(QStringLiteral("CheckSeq"));
    auto* stop = window.findChild<QPushButton*>(QStringLiteral("StopButton"));
    auto* status = window.findChild<QStatusBar*>(QStringLiteral("SB"));

    QElapsedTimer runClock;
    runClock.start();
    const Gaps running = MeasureGaps([&] { RunCheck(window, check); });
    const double runSeconds = runClock.elapsed() / 1e3;

    // Stop is clicked 20 ms into the second volume, or as soon after as the window answers; what
    // counts is the time from then to the end of the run.
    constexpr int kStopAfterMs = 20;
    QElapsedTimer sinceSecondVolume;
    const QMetaObject::Connection watch = QObject::connect(status, &QStatusBar::messageChanged, [&](const QString& text) {
        if (sinceSecondVolume.isValid() || !text.startsWith(QStringLiteral("Checking w.r00")))
            return;
        sinceSecondVolume.start();
        QTimer::singleShot(kStopAfterMs, stop, [stop] { stop->click(); });
    });
    RunCheck(window, check);
    QObject::disconnect(watch);
    const double stopToEndMs = sinceSecondVolume.isValid() ? sinceSecondVolume.nsecsElapsed() / 1e6 - kStopAfterMs : -1;

    std::printf("\nrun over %s: %.2f s, answering Yes to \"%s\"\n", qPrintable(folder), runSeconds, qPrintable(prompts.yesTo()));
    std::printf("%-32s %10s %10s\n", "event-loop gaps (10 ms timer)", "longest ms", "median ms");
    std::printf("%-32s %10.1f %10.1f\n", "idle (the baseline)", idle.longestMs, idle.medianMs);
    std::printf("%-32s %10.1f %10.1f\n", "during the check", running.longestMs, running.medianMs);
    std::printf("longest gap during the check: %.1fx the idle one\n", running.longestMs / idle.longestMs);
    std::printf("Stop to end of run: %.1f ms%s\n", stopToEndMs,
                stopToEndMs < 0 ? " (the run ended before Stop was clicked)" : "");
    std::printf("status after the stopped run: %s\n", qPrintable(status->currentMessage()));
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_bench FOLDER...\n");
        return 2;
    }
    NoSfvAnswers prompts;
    quil::CheckSequence window(prompts);
    window.show();
    const Gaps idle = MeasureGaps([] {
        QElapsedTimer idleFor;
        idleFor.start();
        while (idleFor.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    });
    QTimer reportCloser;
    CloseReportsAsTheyOpen(reportCloser);
    for (int i = 1; i < argc; ++i)
        Measure(window, prompts, QString::fromLocal8Bit(argv[i]), idle);
    return 0;
}
