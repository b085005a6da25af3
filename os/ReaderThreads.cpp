// ReaderThreads.cpp - threads kept from one file to the next that run a job while the caller's thread polls.
// SPDX-License-Identifier: MIT
#include "os/ReaderThreads.h"

#include "os/SystemCalls.h"

#include <algorithm>
#include <system_error>

namespace quil::crc {

ReaderThreads::~ReaderThreads()
{
    Stop();
}

int ReaderThreads::StartUpTo(int count)
{
    while (static_cast<int>(threads_.size()) < count) {
        const int reader = static_cast<int>(threads_.size());
        try {
            threads_.push_back(System().startThread([this, reader] { Loop(reader); }));
        } catch (const std::system_error&) {
            break;  // a process or thread limit: the threads there are do the work
        }
    }
    return std::min(count, static_cast<int>(threads_.size()));
}

int ReaderThreads::Run(int count, const Job& job, std::chrono::milliseconds interval, const std::function<void()>& poll)
{
    const int started = StartUpTo(count);
    if (started == 0)
        return 0;
    std::unique_lock lock(mutex_);
    job_ = &job;
    active_ = started;
    pending_ = started;
    ++generation_;
    wake_.notify_all();
    const auto finished = [this] { return pending_ == 0; };
    while (poll && !done_.wait_for(lock, interval, finished)) {
        lock.unlock();
        poll();
        lock.lock();
    }
    done_.wait(lock, finished);
    job_ = nullptr;
    active_ = 0;  // a thread started for the next job must not take this one
    return started;
}

void ReaderThreads::Stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    threads_.clear();  // joins
    stopping_ = false;
}

void ReaderThreads::Loop(int reader)
{
    std::uint64_t taken = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stopping_ || (generation_ != taken && reader < active_); });
        if (stopping_)
            return;
        taken = generation_;
        const Job& job = *job_;
        lock.unlock();
        job(reader);
        lock.lock();
        if (--pending_ == 0)
            done_.notify_one();
    }
}

}  // namespace quil::crc
