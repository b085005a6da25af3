// CheckWorker.h - a check run on a thread of its own, shown through queued signals to the thread that started it.
// SPDX-License-Identifier: MIT
#pragma once

#include "crc/clsCRC.h"
#include "series/CheckRun.h"
#include "series/RunResult.h"
#include "series/RunView.h"
#include "series/SfvLookup.h"

#include <QObject>
#include <QThread>

#include <memory>
#include <optional>

namespace quil {

// The owner's thread stays free while the volumes are read: every row, status text, progress value
// and tip reaches it as a signal, in the order the run showed them, and `finished` comes after all
// of them, once the thread has ended. Its functions are called on the owner's thread.
class CheckWorker : public QObject, private RunView {
    Q_OBJECT
public:
    explicit CheckWorker(QObject* parent = nullptr);
    // Stops a run under way and waits for its thread: nothing it uses outlives the worker.
    ~CheckWorker() override;

    // Starts checking `series` as CheckRun::Run does; false, and nothing started, while a run is
    // under way (its `finished` not yet emitted).
    bool Start(const Series& series, CheckMode mode, std::optional<SfvTable> sfv = std::nullopt);
    // Asks the run under way to end (CheckRun::Stop); its `finished` still comes.
    void Stop();
    // Stops the run under way and returns once its thread has ended.
    void StopAndWait();
    // From Start until `finished` is emitted.
    bool Running() const { return running_; }

signals:
    void memberRow(const quil::MemberRow& row);
    void status(const QString& text);
    void progress(int value, int maximum);
    void progressTip(const QString& tip);
    void finished(const quil::RunResult& result);

private:
    // RunView, on the run's thread: each call becomes a signal, queued to the owner's thread.
    void AddMemberRow(const MemberRow& row) override { emit memberRow(row); }
    void ShowStatus(const QString& text) override { emit status(text); }
    void SetProgress(int value, int maximum) override { emit progress(value, maximum); }
    void SetProgressTip(const QString& tip) override { emit progressTip(tip); }

    void Finish();

    clsCRC crc_;
    // One per run, so that a Stop meant for a run that has just ended cannot cancel the next one.
    std::optional<CheckRun> run_;
    Series series_;
    CheckMode mode_ = CheckMode::SizeOnly;
    std::optional<SfvTable> sfv_;
    RunResult result_;  // written by the run's thread, read once it has ended
    std::unique_ptr<QThread> thread_;
    bool running_ = false;
};

}  // namespace quil
