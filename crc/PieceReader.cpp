// PieceReader.cpp - hands a regular file to reader threads in fixed pieces, the caller's thread staying free.
#include "crc/PieceReader.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <mutex>

namespace quil::crc {

namespace {

// What the readers share for one file. Work items 0 .. pieces-1 are the pieces; the last item is
// the check that nothing lies past the end.
class Claims {
public:
    explicit Claims(std::uint64_t pieces) : items_(pieces + 1) {}

    // The next item to do, or none left once every item is taken or the read is stopped.
    bool Next(std::uint64_t& item)
    {
        item = next_.fetch_add(1, std::memory_order_relaxed);
        return item < items_ && !stopped_.load(std::memory_order_relaxed);
    }

    // Of several failures, the one earliest in the file is the one reported, as a single reader would.
    void Fail(std::uint64_t item, const QString& failure)
    {
        std::lock_guard lock(mutex_);
        if (item < failedItem_) {
            failedItem_ = item;
            failure_ = failure;
        }
        Stop();
    }

    void Stop() { stopped_.store(true, std::memory_order_relaxed); }
    QString failure() const { return failure_; }

private:
    const std::uint64_t items_;
    std::atomic<std::uint64_t> next_{0};
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::uint64_t failedItem_ = std::numeric_limits<std::uint64_t>::max();
    QString failure_;
};

}  // namespace

PieceReadOutcome ReadInPieces(const RegularFile& file, ReaderThreads& threads, int readers, std::span<std::uint8_t> memory,
                              const PieceFn& consume, const KeepReadingFn& keepReading)
{
    const std::uint64_t length = file.length();
    const std::uint64_t pieces = (length + kPieceSize - 1) / kPieceSize;
    Claims claims(pieces);
    const ReaderThreads::Job job = [&](int reader) {
        const auto buffer = memory.subspan(static_cast<std::size_t>(reader) * kPieceSize, kPieceSize);
        for (std::uint64_t item; claims.Next(item);) {
            if (item == pieces) {
                const QString failure = file.CheckNothingPastEnd();
                if (!failure.isEmpty())
                    claims.Fail(item, failure);
                continue;
            }
            const std::uint64_t offset = item * kPieceSize;
            const auto piece = buffer.first(static_cast<std::size_t>(std::min<std::uint64_t>(kPieceSize, length - offset)));
            const QString failure = file.ReadAt(offset, piece);
            if (!failure.isEmpty()) {
                claims.Fail(item, failure);
                return;
            }
            consume(reader, offset, piece);
        }
    };

    PieceReadOutcome outcome;
    std::function<void()> poll;
    if (keepReading) {
        poll = [&] {
            if (!outcome.cancelled && !keepReading()) {
                outcome.cancelled = true;
                claims.Stop();
            }
        };
    }
    int error = 0;
    outcome.readers = threads.Run(readers, job, kPollInterval, poll, error);
    if (outcome.readers == 0)
        outcome.failure = file.Failure(error);
    else if (!outcome.cancelled)
        outcome.failure = claims.failure();
    return outcome;
}

}  // namespace quil::crc
