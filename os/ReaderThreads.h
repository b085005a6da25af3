// ReaderThreads.h - threads kept from one file to the next that run a job while the caller's thread polls.
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quil::crc {

// Starting threads for every file costs a few hundred microseconds, as much as hashing a few MiB,
// so they are started on first use and kept until Stop.
class ReaderThreads {
public:
    using Job = std::function<void(int reader)>;

    ReaderThreads() = default;
    ~ReaderThreads();
    ReaderThreads(const ReaderThreads&) = delete;
    ReaderThreads& operator=(const ReaderThreads&) = delete;

    // Runs `job` once on each of up to `count` threads (reader 0, 1, ...) and returns when all are
    // done; meanwhile calls `poll` (when given) on this thread every `interval`. Returns how many
    // threads ran it: fewer when the system would not start more, 0 (having run nothing) for none.
    int Run(int count, const Job& job, std::chrono::milliseconds interval, const std::function<void()>& poll);
    // Ends the threads; the next Run starts them anew.
    void Stop();

private:
    int StartUpTo(int count);
    void Loop(int reader);

    std::mutex mutex_;
    std::condition_variable wake_;  // a new job, or Stop
    std::condition_variable done_;  // the last thread finished the job
    std::vector<std::jthread> threads_;
    const Job* job_ = nullptr;
    std::uint64_t generation_ = 0;  // counts jobs, so that a thread takes each one once
    int active_ = 0;                // threads 0 .. active_-1 take the current job; 0 between jobs
    int pending_ = 0;               // of those, still running it
    bool stopping_ = false;
};

}  // namespace quil::crc
