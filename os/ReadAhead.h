// ReadAhead.h - keeps the disk streaming ahead of the reader threads, and on into the next file.
// SPDX-License-Identifier: MIT
#pragma once

#include "os/RegularFile.h"

#include <QString>

#include <cstdint>
#include <mutex>
#include <optional>

namespace quil::crc {

// How many windows ahead of the one a reader claims the system is asked to read. Faulting mapped
// windows in alone, two readers make the disk see two short streams with a gap at every file's
// start; asked ahead, it sees one stream. Of 2, 4 and 8 windows, 4 read a cold series fastest.
inline constexpr std::uint64_t kReadAheadWindows = 4;

// Only advice to the system's page cache: nothing here fails a read.
class ReadAhead {
public:
    // `file` is read in `windowSize` windows; `following` is the file to be read after it ("" for
    // none), whose start is asked for while the end of `file` is read.
    ReadAhead(const RegularFile& file, std::uint64_t windowSize, QString following);

    // Called by the reader that claimed window `index`, before it reads it. Safe from several threads.
    void Claimed(std::uint64_t index);

private:
    // Windows `first` .. `first + count - 1` of the file and, past its end, of the following file.
    void Ask(std::uint64_t first, std::uint64_t count);

    const RegularFile& file_;
    const std::uint64_t windowSize_;
    const std::uint64_t windows_;
    const QString following_;
    std::once_flag opened_;
    std::optional<RegularFile> next_;  // opened by the first reader to reach past the end
};

}  // namespace quil::crc
