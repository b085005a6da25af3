// PieceReader.h - hands a regular file to reader threads in fixed pieces, the caller's thread staying free.
#pragma once

#include "crc/ReaderThreads.h"
#include "crc/RegularFile.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace quil::crc {

// Small enough that a piece read into a core's cache is still there when it is hashed.
inline constexpr std::size_t kPieceSize = std::size_t{256} << 10;
// How often the caller's thread hears from a read in progress.
inline constexpr std::chrono::milliseconds kPollInterval{10};

// Called on reader thread `reader` for each of its pieces, with the piece's offset in the file.
// One reader's pieces come in increasing offsets; the readers run at the same time.
using PieceFn = std::function<void(int reader, std::uint64_t offset, std::span<const std::uint8_t> piece)>;
// Called on the caller's thread every kPollInterval while the file is read; false abandons the file.
using KeepReadingFn = std::function<bool()>;

struct PieceReadOutcome {
    QString failure;         // "" unless the file could not be read to its end
    bool cancelled = false;  // keepReading said stop
    int readers = 0;         // how many threads read it
};

// Reads all of `file` (the pieces claimed in file order, so reading stays sequential) into
// `memory`, kPieceSize bytes of it per reader, on up to `readers` threads of `threads`, and
// checks that the file did not grow. Each piece is handed to `consume` once, unless a failure or
// cancellation stops the readers early: they stop at the end of the piece they are reading.
PieceReadOutcome ReadInPieces(const RegularFile& file, ReaderThreads& threads, int readers, std::span<std::uint8_t> memory,
                              const PieceFn& consume, const KeepReadingFn& keepReading);

}  // namespace quil::crc
