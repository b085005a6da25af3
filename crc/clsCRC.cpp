// clsCRC.cpp - CRC-32 (ISO-HDLC, as SFV files record it) and CRC-16 (XMODEM) over bytes, text and files.
// SPDX-License-Identifier: MIT
#include "crc/clsCRC.h"

#include "crc/Crc32Combine.h"
#include "crc/Crc32Update.h"
#include "crc/CrcTables.h"

#include <QThread>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace quil {

namespace {

// Their mapped windows together stay at 32 MiB.
constexpr int kMaxReaderThreads = 4;
// Only two cores were there to measure on.
constexpr int kDefaultReaderThreadsAtMost = 2;

}  // namespace

clsCRC::clsCRC() : readerThreads_(std::clamp(QThread::idealThreadCount(), 1, kDefaultReaderThreadsAtMost))
{
    setAlgorithm(CRC32);
}

qint32 clsCRC::AddBytes(std::span<const std::uint8_t> bytes)
{
    if (!bytes.empty()) {
        if (crc32Selected_)
            crc32Register_ = crc::Crc32Update(crc32Register_, bytes.data(), bytes.size());
        else
            crc16Register_ = crc::Crc16Bytewise(crc16Register_, bytes.data(), bytes.size());
    }
    return Value();
}

static std::span<const std::uint8_t> AsBytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

qint32 clsCRC::AddString(const QString& text)
{
    return AddBytes(AsBytes(text.toLocal8Bit()));
}

void clsCRC::setAlgorithm(qint32 selection)
{
    crc32Selected_ = selection != CRC16;
    Clear();
}

qint32 clsCRC::Algorithm() const
{
    return crc32Selected_ ? -1 : 0;
}

qint32 clsCRC::CalculateBytes(std::span<const std::uint8_t> bytes)
{
    Clear();
    return AddBytes(bytes);
}

qint32 clsCRC::CalculateString(const QString& text)
{
    return CalculateBytes(AsBytes(text.toLocal8Bit()));
}

FileCrc clsCRC::CalculateFile(const QString& path, const KeepReadingFn& keepReading,
                              std::span<const std::uint64_t> cuts, const QString& following)
{
    FileCrc result;
    const crc::RegularFile file(path);
    result.error = file.failure();
    if (result.failed())
        return result;
    // Pieces come from every reader at once; only CRC-32 has the combine that puts them in order.
    const int readers = crc32Selected_ ? readerThreads_ : 1;
    const std::size_t bytes = static_cast<std::size_t>(readers) * crc::kPieceSize;
    std::uint8_t* const memory = buffers_.Reserve(bytes);
    if (!memory) {
        result.error = file.Failure(errno);
        return result;
    }

    // Each reader keeps one register per stretch, its offsets counted from the stretch's start. The
    // last stretch runs to wherever the reads end, which only a read to the end tells for sure.
    const std::size_t stretchCount = cuts.size() + 1;
    const auto stretchStart = [&](std::size_t i) { return i == 0 ? std::uint64_t{0} : cuts[i - 1]; };
    const auto stretchEnd = [&](std::size_t i, std::uint64_t length) { return i == cuts.size() ? length : cuts[i]; };
    constexpr std::uint64_t kUnbounded = ~std::uint64_t{0};
    std::vector<crc::Crc32Stripes> stripes;
    std::uint32_t crc16 = 0;
    const auto consume = [&](int reader, std::uint64_t offset, std::span<const std::uint8_t> piece) {
        bytesHashed_.fetch_add(static_cast<qint64>(piece.size()), std::memory_order_relaxed);
        if (crc32Selected_) {
            std::size_t i = static_cast<std::size_t>(std::upper_bound(cuts.begin(), cuts.end(), offset) - cuts.begin());
            while (!piece.empty()) {
                const std::size_t part =
                    static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), stretchEnd(i, kUnbounded) - offset));
                stripes[static_cast<std::size_t>(reader) * stretchCount + i].Add(offset - stretchStart(i), piece.first(part));
                piece = piece.subspan(part);
                offset += part;
                ++i;
            }
        } else
            crc16 = crc::Crc16Bytewise(crc16, piece.data(), piece.size());
    };
    const auto restart = [&] {
        stripes.assign(static_cast<std::size_t>(readers) * stretchCount, {});
        crc16 = 0;
        bytesHashed_.store(0, std::memory_order_relaxed);
    };
    restart();
    // A size of 0 is what files of /proc give whatever they hold: only reading tells.
    crc::PieceReadOutcome outcome;
    outcome.sizeUntrue = true;
    if (file.length() > 0)
        outcome = crc::ReadInPieces(file, following, threads_, readers, {memory, bytes}, consume, keepReading);
    if (outcome.sizeUntrue) {
        restart();
        outcome = crc::ReadToEnd(file, {memory, crc::kPieceSize}, consume, keepReading);
    }
    result.error = outcome.failure;
    result.cancelled = outcome.cancelled;
    if (result.failed() || result.cancelled)
        return result;

    result.size = static_cast<qint64>(outcome.length);
    if (outcome.length == 0)
        return result;
    if (crc32Selected_) {
        std::uint32_t reg = 0xFFFFFFFFu;
        for (std::size_t i = 0; i < stretchCount; ++i) {
            // Cuts past where the reads ended leave empty stretches.
            const std::uint64_t end = std::min(stretchEnd(i, outcome.length), outcome.length);
            const std::uint64_t length = end - std::min(stretchStart(i), end);
            std::uint32_t stretch = 0;
            for (int r = 0; r < readers; ++r)
                stretch ^= stripes[static_cast<std::size_t>(r) * stretchCount + i].RegisterAt(length);
            reg = crc::Crc32Join(reg, stretch, length);
            if (!cuts.empty())
                result.stretches.push_back(stretch);
        }
        crc32Register_ = reg;
    } else {
        crc16Register_ = crc16;
    }
    result.value = Value();
    return result;
}

void clsCRC::ReleaseBuffer()
{
    buffers_.Release();
    threads_.Stop();
}

void clsCRC::setReaderThreads(int count)
{
    readerThreads_ = std::clamp(count, 1, kMaxReaderThreads);
}

qint32 clsCRC::Value() const
{
    return crc32Selected_ ? static_cast<qint32>(~crc32Register_) : static_cast<qint32>(crc16Register_ & 0xFFFFu);
}

void clsCRC::setValue(qint64 number)
{
    const auto bits = static_cast<std::uint32_t>(number);
    if (crc32Selected_)
        crc32Register_ = bits;
    else
        crc16Register_ = bits;
}

void clsCRC::Clear()
{
    crc16Register_ = 0;
    crc32Register_ = 0xFFFFFFFFu;
}

}  // namespace quil
