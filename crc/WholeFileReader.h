// WholeFileReader.h - reads a whole regular file into a reusable buffer, without ever blocking.
#pragma once

#include "crc/FileBuffer.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <span>

namespace quil::crc {

using PieceFn = std::function<void(std::span<const std::uint8_t> piece)>;

// Hands the contents of the regular file at `path` to `consume`: in one piece, read by one read
// loop into `buffer` (grown to the file's length and kept for the next file), when the file is
// below 2 GiB; in large pieces above that. Nothing is copied on the way. An empty file hands
// nothing. Returns "" on success, or a sentence naming the path and the reason: missing, not a
// regular file (a folder or a FIFO is never opened for reading), unreadable, no memory for the
// buffer, or changed in length while being read.
QString ReadWholeFile(const QString& path, FileBuffer& buffer, const PieceFn& consume);

}  // namespace quil::crc
