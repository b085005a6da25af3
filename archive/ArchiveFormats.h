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

// Reads the headers of `file`, whose marker says it is in `format`; a read that fails throws ReadFailed.
VolumePlan PlanVolume(const crc::RegularFile& file, ArchiveFormat format);

}  // namespace quil::archive
