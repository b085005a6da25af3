// WholeFileReader.h - reads a whole regular file into a reusable buffer, without ever blocking.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace quil::crc {

using PieceFn = std::function<void(std::span<const std::uint8_t> piece)>;

// Hands the contents of the regular file at `path` to `consume`: in one piece, read by one read
// loop into `buffer` (grown to the file's length and kept for the next file), when the file is
// below 2 GiB; in large pieces above that. An empty file hands nothing. Returns "" on success, or
// a sentence naming the path and the reason: missing, not a regular file (a folder or a FIFO is
// never opened for reading), unreadable, or changed in length while being read.
QString ReadWholeFile(const QString& path, std::vector<std::uint8_t>& buffer, const PieceFn& consume);

}  // namespace quil::crc
