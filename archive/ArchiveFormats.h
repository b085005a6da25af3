// ArchiveFormats.h - which archive format a volume's first bytes mark, and its header reader.
// SPDX-License-Identifier: MIT
#pragma once

#include "archive/VolumePlan.h"
#include "os/RegularFile.h"

#include <QString>

#include <optional>

namespace quil::archive {

// The format whose marker the file at `path` starts with; none for any other file or no file.
std::optional<ArchiveFormat> FormatAt(const QString& path);
// The same for an open file; a read that fails throws ReadFailed.
std::optional<ArchiveFormat> FormatAt(const crc::RegularFile& file);

// True when `file` starts with the marker of `format`; a split zip has none. A read that fails throws
// ReadFailed.
bool StartsWithMarkerOf(const crc::RegularFile& file, ArchiveFormat format);

// Reads the headers of `file`, volume `number` (from 0), whose marker says it is in `format`; a read
// that fails throws ReadFailed. `sevenZip` is what the first piece of a split 7z archive said.
VolumePlan PlanVolume(const crc::RegularFile& file, ArchiveFormat format, std::uint64_t number,
                      const std::optional<SevenZipLayout>& sevenZip);

}  // namespace quil::archive
