// PieceReader.cpp - hands a regular file to reader threads in fixed pieces, the caller's thread staying free.
// SPDX-License-Identifier: MIT
#include "os/PieceReader.h"

#include "os/BusErrorGuard.h"

#include <algorithm>
#include <atomic>
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

struct Window {
    const PieceFn& consume;
    const Claims& claims;
    int reader;
    std::uint64_t offset;
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
    if (mapping.data())
        return UseMappedBytes(ConsumeMapped, &window, mapping.data(), size) ? QString() : file.Shrunk();
    // Some file systems cannot map files: their windows are read piece by piece into `buffer`.
    for (std::size_t done = 0; done < size && !window.claims.stopped(); done += kPieceSize) {
        const auto piece = buffer.first(std::min(kPieceSize, size - done));
        const QString failure = file.ReadAt(window.offset + done, piece);
        if (!failure.isEmpty())
            return failure;
        window.consume(window.reader, window.offset + done, piece);
    }
    return {};
}

}  // namespace

PieceReadOutcome ReadInPieces(const RegularFile& file, ReaderThreads& threads, int readers, std::span<std::uint8_t> memory,
                              const PieceFn& consume, const KeepReadingFn& keepReading)
{
    const std::uint64_t length = file.length();
    Claims claims((length + kWindowSize - 1) / kWindowSize);
    const ReaderThreads::Job job = [&](int reader) {
        const auto buffer = memory.subspan(static_cast<std::size_t>(reader) * kPieceSize, kPieceSize);
        for (std::uint64_t index; claims.Next(index);) {
            const Window window{consume, claims, reader, index * kWindowSize};
            const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(kWindowSize, length - window.offset));
            QString failure = ReadWindow(file, window, size, buffer);
            if (failure.isEmpty() && !claims.stopped() && claims.Finish())
                failure = file.CheckEndsAtLength();
            if (!failure.isEmpty())
                claims.Fail(index, failure);
        }
    };

    PieceReadOutcome outcome;
    std::exception_ptr thrown;
    std::function<void()> poll;
    if (keepReading) {
        poll = [&] {
            try {
                if (!outcome.cancelled && !keepReading()) {
                    outcome.cancelled = true;
                    claims.Stop();
                }
            } catch (...) {
                // The readers still use this frame: they are stopped first, and it is thrown on after.
                thrown = std::current_exception();
                outcome.cancelled = true;
                claims.Stop();
            }
        };
    }
    int error = 0;
    outcome.readers = threads.Run(readers, job, kPollInterval, poll, error);
    if (thrown)
        std::rethrow_exception(thrown);
    if (outcome.readers == 0)
        outcome.failure = file.Failure(error);
    else if (!outcome.cancelled)
        outcome.failure = claims.failure();
    return outcome;
}

}  // namespace quil::crc
