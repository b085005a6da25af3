// VolumeCheck.h - one volume judged by the archive's own checksums, in one read.
// SPDX-License-Identifier: MIT
#pragma once

#include "archive/VolumePlan.h"
#include "crc/clsCRC.h"

#include <QString>

#include <optional>

namespace quil::archive {

struct VolumeVerdict {
    Finding finding;
    QString crcText;              // the whole volume's CRC-32; "" when it could not be read
    qint64 bytes = 0;             // the volume's size, from the same open file
    qint64 verifiedBytes = 0;     // covered by a checksum that matched
    std::optional<bool> moreVolumes;  // whether the volume says another follows; none when it does not say
    std::optional<std::uint64_t> volumeCount;  // how many volumes the set has, when the volume says
    QString readFailure;          // why the volume could not be read
    bool cancelled = false;
};

// A stored file split over volumes, as far as the volumes before have it: the CRC-32 register
// over its parts so far.
struct CarriedFile {
    QString fileName;
    std::uint32_t reg = 0;
};

// What the volumes before hand on to the next one.
struct Carried {
    std::optional<CarriedFile> part;          // lost with a volume that fails or is missing
    std::optional<SevenZipLayout> sevenZip;   // from a split 7z archive's first piece
};

// Judges the volume at `path`, which should be volume `number` (from 0) of a `format` archive:
// its headers are read first, then its bytes once, on the reader threads of `crc`. `carried` comes
// from the volumes before and is left for the next one. `following`, when given, is the file read
// next, whose start is read ahead as CalculateFile does.
VolumeVerdict CheckVolume(clsCRC& crc, const QString& path, ArchiveFormat format, std::uint64_t number,
                          Carried& carried, const KeepReadingFn& keepReading, const QString& following = {});

}  // namespace quil::archive
