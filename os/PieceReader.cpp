// PieceReader.cpp - hands a regular file to reader threads in fixed pieces, the caller's thread staying free.
// SPDX-License-Identifier: MIT
#include "os/PieceReader.h"

#include "os/BusErrorGuard.h"
#include "os/ReadAhead.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <limits>
#include <mutex>

namespace quil::crc {

namespace {

// What the readers share for one file: the windows still to claim, whether to stop, and the failure.
class Claims {
public:
    explicit Claims(std::uint64_t windows) : windows_(windows), unfinished_(windows) {}

    // The next window to read, or none once every window is taken or the read is stopped.
    bool Next(std::uint64_t& window)
    {
        window = next_.fetch_add(1, std::memory_order_relaxed);
        return window < windows_ && !stopped();
    }

    // True for the reader that finished the last window.
    bool Finish() { return unfinished_.fetch_sub(1, std::memory_order_acq_rel) == 1; }

    // Of several failures, the one earliest in the file is the one reported, as a single reader would.
    void Fail(std::uint64_t window, const QString& failure)
    {
        std::lock_guard lock(mutex_);
        if (window < failedWindow_) {
            failedWindow_ = window;
            failure_ = failure;
        }
        Stop();
    }

    void Stop() { stopped_.store(true, std::memory_order_relaxed); }
    bool stopped() const { return stopped_.load(std::memory_order_relaxed); }
    QString failure() const { return failure_; }

private:
    const std::uint64_t windows_;
    std::atomic<std::uint64_t> next_{0};
    std::atomic<std::uint64_t> unfinished_;
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::uint64_t failedWindow_ = std::numeric_limits<std::uint64_t>::max();
    QString failure_;
};

// Asks keepReading on the caller's thread; a false answer, or an exception (kept to be thrown on
// once nothing reads any more), stops the read through `stop`.
class Asking {
public:
    Asking(const KeepReadingFn& keepReading, std::function<void()> stop) : keepReading_(keepReading), stop_(std::move(stop)) {}

    void operator()()
    {
        try {
            if (!cancelled_ && !keepReading_()) {
                cancelled_ = true;
                stop_();
            }
        } catch (...) {
            thrown_ = std::current_exception();
            cancelled_ = true;
            stop_();
        }
    }

    // The same, but at most once every kPollInterval: for reading on the caller's thread.
    void WhenDue()
    {
        const auto now = std::chrono::steady_clock::now();
        if (!keepReading_ || now < due_)
            return;
        due_ = now + kPollInterval;
        (*this)();
    }

    bool cancelled() const { return cancelled_; }
    void ThrowOnIfThrown() const
    {
        if (thrown_)
            std::rethrow_exception(thrown_);
    }

private:
    const KeepReadingFn& keepReading_;
    std::function<void()> stop_;
    bool cancelled_ = false;
    std::exception_ptr thrown_;
    std::chrono::steady_clock::time_point due_ = std::chrono::steady_clock::now() + kPollInterval;
};

struct Window {
    const PieceFn& consume;
    const Claims& claims;
    int reader;
    std::uint64_t offset;
    Asking* caller;  // when the caller's thread reads: asked between pieces
};

// Hands a mapped window on piece by piece, as long as the read goes on.
void ConsumeMapped(const void* context, const std::uint8_t* data, std::size_t size)
{
    const Window& window = *static_cast<const Window*>(context);
    for (std::size_t done = 0; done < size && !window.claims.stopped(); done += kPieceSize)
        window.consume(window.reader, window.offset + done, {data + done, std::min(kPieceSize, size - done)});
}

QString ReadWindow(const RegularFile& file, const Window& window, std::size_t size, std::span<std::uint8_t> buffer)
{
    const RegularFile::Mapping mapping = file.Map(window.offset, size);
    if (mapping.data()) {
        // The caller's thread is asked between pieces, outside the guard that a bus error jumps out of.
        const std::size_t step = window.caller ? kPieceSize : size;
        for (std::size_t done = 0; done < size && !window.claims.stopped(); done += step) {
            const Window part{window.consume, window.claims, window.reader, window.offset + done, nullptr};
            if (!UseMappedBytes(ConsumeMapped, &part, mapping.data() + done, std::min(step, size - done)))
                return file.EndsElsewhere();
            if (window.caller)
                window.caller->WhenDue();
        }
        return {};
    }
    // Some file systems cannot map files: their windows are read piece by piece into `buffer`.
    for (std::size_t done = 0; done < size && !window.claims.stopped(); done += kPieceSize) {
        const auto piece = buffer.first(std::min(kPieceSize, size - done));
        const QString failure = file.ReadAt(window.offset + done, piece);
        if (!failure.isEmpty())
            return failure;
        window.consume(window.reader, window.offset + done, piece);
        if (window.caller)
            window.caller->WhenDue();
    }
    return {};
}

}  // namespace

PieceReadOutcome ReadInPieces(const RegularFile& file, const QString& following, ReaderThreads& threads, int readers,
                              std::span<std::uint8_t> memory, const PieceFn& consume, const KeepReadingFn& keepReading)
{
    const std::uint64_t length = file.length();
    Claims claims((length + kWindowSize - 1) / kWindowSize);
    ReadAhead ahead(file, kWindowSize, following);
    Asking caller(keepReading, [&claims] { claims.Stop(); });
    const auto read = [&](int reader, Asking* asked) {
        const auto buffer = memory.subspan(static_cast<std::size_t>(reader) * kPieceSize, kPieceSize);
        for (std::uint64_t index; claims.Next(index);) {
            ahead.Claimed(index);
            const Window window{consume, claims, reader, index * kWindowSize, asked};
            const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(kWindowSize, length - window.offset));
            QString failure = ReadWindow(file, window, size, buffer);
            if (failure.isEmpty() && !claims.stopped() && claims.Finish())
                failure = file.CheckEndsAtLength();
            if (!failure.isEmpty())
                claims.Fail(index, failure);
        }
    };
    const std::function<void()> poll = keepReading ? std::function<void()>(std::ref(caller)) : nullptr;
    // Without a thread to be had (a process or thread limit), this thread reads, as one reader would.
    if (threads.Run(readers, [&](int reader) { read(reader, nullptr); }, kPollInterval, poll) == 0)
        read(0, &caller);
    caller.ThrowOnIfThrown();

    PieceReadOutcome outcome;
    outcome.cancelled = caller.cancelled();
    outcome.sizeUntrue = file.sizeUntrue();
    if (!outcome.cancelled && !outcome.sizeUntrue)
        outcome.failure = claims.failure();
    outcome.length = length;
    return outcome;
}

PieceReadOutcome ReadToEnd(const RegularFile& file, std::span<std::uint8_t> buffer, const PieceFn& consume,
                           const KeepReadingFn& keepReading)
{
    PieceReadOutcome outcome;
    bool stopped = false;
    Asking caller(keepReading, [&stopped] { stopped = true; });
    for (std::size_t got = 1; !stopped && got > 0; outcome.length += got) {
        outcome.failure = file.ReadSome(outcome.length, buffer, got);
        if (!outcome.failure.isEmpty())
            break;
        if (got > 0)
            consume(0, outcome.length, buffer.first(got));
        caller.WhenDue();
    }
    caller.ThrowOnIfThrown();
    outcome.cancelled = caller.cancelled();
    return outcome;
}

}  // namespace quil::crc
