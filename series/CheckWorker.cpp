// CheckWorker.cpp - a check run on a thread of its own, shown through queued signals to the thread that started it.
// SPDX-License-Identifier: MIT
#include "series/CheckWorker.h"

#include <utility>

namespace quil {

CheckWorker::CheckWorker(QObject* parent) : QObject(parent)
{
}

CheckWorker::~CheckWorker()
{
    StopAndWait();
}

bool CheckWorker::Start(const Series& series, CheckMode mode, std::optional<SfvTable> sfv)
{
    if (running_)
        return false;
    running_ = true;
    series_ = series;
    mode_ = mode;
    sfv_ = std::move(sfv);
    run_.emplace(static_cast<RunView&>(*this), crc_);
    thread_.reset(QThread::create([this] { result_ = run_->Run(series_, mode_, sfv_ ? &*sfv_ : nullptr); }));
    // Queued behind every signal the run emitted, since both come from its thread.
    connect(thread_.get(), &QThread::finished, this, &CheckWorker::Finish);
    thread_->start();
    return true;
}

void CheckWorker::Stop()
{
    if (running_)
        run_->Stop();
}

void CheckWorker::StopAndWait()
{
    Stop();
    if (thread_)
        thread_->wait();
}

void CheckWorker::Finish()
{
    thread_->wait();  // QThread::finished comes from the thread's last moments
    running_ = false;
    // A copy: whoever receives it may start the next run, which writes result_ again.
    emit finished(std::exchange(result_, {}));
}

}  // namespace quil
