// clsCRC.h - CRC-32 (ISO-HDLC, as SFV files record it) and CRC-16 (XMODEM) over bytes, text and files.
// SPDX-License-Identifier: MIT
#pragma once

#include "os/PieceBuffers.h"
#include "os/PieceReader.h"
#include "os/ReaderThreads.h"

#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quil {

// What CalculateFile gives: a value, no value (an empty file), an error text, or cancelled.
struct FileCrc {
    std::optional<qint32> value;
    QString error;           // "" unless the file could not be read; value is then empty
    bool cancelled = false;  // the caller's callback said stop; no value and no error
    qint64 size = 0;         // the length of the file as its reads gave it: the CRC's own
    // With cuts: the CRC-32 register over each stretch between them (the first from offset 0, the
    // last to the end), each started from 0, so Crc32Join puts any run of stretches together.
    std::vector<std::uint32_t> stretches;

    bool failed() const { return !error.isEmpty(); }
};

// Asked on the caller's thread while a file is read; returning false abandons the file.
using KeepReadingFn = crc::KeepReadingFn;

// Results are signed 32-bit integers holding the CRC's bit pattern, so 0xCBF43926 reads as
// -873187034. A running register lets data come in pieces (AddBytes, AddString) or whole
// (CalculateBytes, CalculateString, CalculateFile, which clear the register first).
class clsCRC {
public:
    enum : qint32 { CRC16 = 0, CRC32 = 1 };

    clsCRC();  // selects CRC32, both registers cleared

    qint32 AddBytes(std::span<const std::uint8_t> bytes);
    qint32 AddString(const QString& text);  // the text in the local 8-bit encoding

    void setAlgorithm(qint32 selection);  // any nonzero value selects CRC-32; always clears
    qint32 Algorithm() const;             // 0 for CRC-16, -1 for CRC-32

    qint32 CalculateBytes(std::span<const std::uint8_t> bytes);
    qint32 CalculateString(const QString& text);

    // The CRC of the whole file, read by ReaderThreads() threads in mapped windows of 8 MiB while
    // this thread waits; `keepReading`, when given, is called on this thread every 10 ms meanwhile,
    // and its false gives a cancelled result within 256 KiB of reading. Only a value changes the
    // register: an empty file gives none. A path that is not a readable regular file (missing, a
    // folder, a FIFO, a device, no access) or one that changes length while read gives an error
    // text; the open never blocks. A file whose reads do not end at its size (a size of 0 of a
    // file of /proc) is read on this thread to its end instead, and judged by what was read; so is
    // every file when no reader thread can be started. `cuts` (increasing offsets inside the file)
    // split it into stretches whose registers the same one read also gives; CRC-32 only.
    // `following`, when given, is the file the caller reads next: its start is read into the page
    // cache while the end of this one is hashed.
    FileCrc CalculateFile(const QString& path, const KeepReadingFn& keepReading = {},
                          std::span<const std::uint64_t> cuts = {}, const QString& following = {});
    // The bytes of the file CalculateFile is reading that are hashed so far; safe to ask from
    // `keepReading`, which is what it is for.
    qint64 BytesHashed() const { return bytesHashed_.load(std::memory_order_relaxed); }
    // Returns the memory and threads CalculateFile keeps between files to the system; the next file
    // starts them anew. Call it when a run ends.
    void ReleaseBuffer();

    // How many threads read a file at once: 1 to 4; at first the usable cores, at most 2. CRC-16
    // is always read by one.
    void setReaderThreads(int count);
    int ReaderThreads() const { return readerThreads_; }

    qint32 Value() const;            // CRC-32: the complemented register; CRC-16: its low 16 bits
    void setValue(qint64 number);    // stored into the selected register as is
    void Clear();                    // CRC-16 register 0, CRC-32 register 0xFFFFFFFF

private:
    bool crc32Selected_ = true;
    std::atomic<qint64> bytesHashed_{0};  // of the file being read, counted by its reader threads
    std::uint32_t crc16Register_ = 0;
    std::uint32_t crc32Register_ = 0xFFFFFFFFu;
    int readerThreads_;
    crc::PieceBuffers buffers_;
    crc::ReaderThreads threads_;
};

}  // namespace quil
