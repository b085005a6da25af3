// PieceReader.h - hands a regular file to reader threads in fixed pieces, the caller's thread staying free.
// SPDX-License-Identifier: MIT
#pragma once

#include "os/ReaderThreads.h"
#include "os/RegularFile.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace quil::crc {

// A reader claims a window of the file at a time and maps it, so that its bytes are hashed where
// the page cache holds them instead of being copied first; a window stays small enough that the
// mappings of all readers together keep the process well under 64 MiB.
inline constexpr std::size_t kWindowSize = std::size_t{8} << 20;
// What a window is handed on in, and read in where the file cannot be mapped: small enough to
// stay in a core's cache between the copy and the hash.
inline constexpr std::size_t kPieceSize = std::size_t{256} << 10;
// How often the caller's thread hears from a read in progress.
inline constexpr std::chrono::milliseconds kPollInterval{10};

// Called on reader thread `reader` for each of its pieces, with the piece's offset in the file.
// One reader's pieces come in increasing offsets; the readers run at the same time. A piece may
// lie in a mapping of the file, so a call can be abandoned midway (see UseMappedBytes).
using PieceFn = std::function<void(int reader, std::uint64_t offset, std::span<const std::uint8_t> piece)>;
// Called on the caller's thread every kPollInterval while the file is read; false abandons the
// file, and so does an exception, which is thrown on once the readers stopped.
using KeepReadingFn = std::function<bool()>;

struct PieceReadOutcome {
    QString failure;           // "" unless the file could not be read to its end
    bool cancelled = false;    // keepReading said stop
    bool sizeUntrue = false;   // its reads do not end at its size: read it with ReadToEnd instead
    std::uint64_t length = 0;  // the bytes handed to consume, once the file is read to its end
};

// Reads all of `file` (of a nonzero length) on up to `readers` threads of `threads`, the windows
// claimed in file order so that reading stays sequential and read ahead (ReadAhead.h) into the
// start of `following`, the file to be read next ("" for none), and checks that the file still
// ends where it did. `memory` holds kPieceSize bytes per reader for windows that cannot be mapped. Each
// piece is handed to `consume` once, unless a failure or cancellation stops the readers early,
// which happens within a piece. Where no thread can be started, the caller's thread reads, asking
// keepReading between pieces.
PieceReadOutcome ReadInPieces(const RegularFile& file, const QString& following, ReaderThreads& threads, int readers,
                              std::span<std::uint8_t> memory, const PieceFn& consume, const KeepReadingFn& keepReading);

// Reads `file` on the caller's thread from its start until reads give no more, whatever its size
// says, through `buffer`, as reader 0; keepReading is asked between reads.
PieceReadOutcome ReadToEnd(const RegularFile& file, std::span<std::uint8_t> buffer, const PieceFn& consume,
                           const KeepReadingFn& keepReading);

}  // namespace quil::crc
