// ArchiveFormats.cpp - which archive format a volume's first bytes mark, and its header reader.
// SPDX-License-Identifier: MIT
#include "archive/ArchiveFormats.h"

#include "archive/Rar4Headers.h"
#include "archive/Rar5Headers.h"
#include "archive/SplitSevenZip.h"
#include "archive/SplitZip.h"
#include "archive/VolumeBytes.h"

#include <algorithm>

namespace quil::archive {

namespace {

bool StartsWith(const crc::RegularFile& file, std::span<const std::uint8_t> marker)
{
    const auto bytes = ReadBytes(file, 0, marker.size());
    return bytes && std::equal(marker.begin(), marker.end(), bytes->begin());
}

}  // namespace

std::optional<ArchiveFormat> FormatAt(const crc::RegularFile& file)
{
    if (StartsWith(file, kRar5Marker))
        return ArchiveFormat::Rar5;
    if (StartsWith(file, kRar4Marker))
        return ArchiveFormat::Rar4;
    if (StartsWith(file, kSevenZipMarker))
        return ArchiveFormat::SevenZip;
    if (ZipVolumeCount(file).value_or(0) > 1)
        return ArchiveFormat::SplitZip;
    return std::nullopt;
}

bool StartsWithMarkerOf(const crc::RegularFile& file, ArchiveFormat format)
{
    switch (format) {
    case ArchiveFormat::Rar4: return StartsWith(file, kRar4Marker);
    case ArchiveFormat::Rar5: return StartsWith(file, kRar5Marker);
    case ArchiveFormat::SevenZip: return StartsWith(file, kSevenZipMarker);
    case ArchiveFormat::SplitZip: return false;
    }
    return false;
}

std::optional<ArchiveFormat> FormatAt(const QString& path)
{
    const crc::RegularFile file(path);
    try {
        if (file.failure().isEmpty())
            return FormatAt(file);
    } catch (const ReadFailed&) {
    }
    return std::nullopt;
}

VolumePlan PlanVolume(const crc::RegularFile& file, ArchiveFormat format, std::uint64_t number,
                      const std::optional<SevenZipLayout>& sevenZip)
{
    switch (format) {
    case ArchiveFormat::Rar4: return PlanRar4Volume(file);
    case ArchiveFormat::Rar5: return PlanRar5Volume(file);
    case ArchiveFormat::SplitZip: return PlanSplitZipVolume(file);
    case ArchiveFormat::SevenZip: return PlanSevenZipPiece(file, number, sevenZip);
    }
    return {};
}

}  // namespace quil::archive
