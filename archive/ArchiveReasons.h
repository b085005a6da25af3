// ArchiveReasons.h - every reason an archive check gives, worded once for the popup, standard error and JSON.
// SPDX-License-Identifier: MIT
#pragma once

#include "archive/VolumePlan.h"

#include <QString>

#include <cstdint>

namespace quil::archive {

// Why some of a volume's data only unpacking can check.
enum class Unverifiable { Compressed, Blake2sp, EncryptedHeaders, EncryptedData, NoChecksum, OldFormat, NoEndBlock, ZipVolume, SevenZipPiece };

QString CutShortReason();
QString TrailingBytesReason();
QString PieceLengthReason(std::uint64_t length, std::uint64_t needed);
QString ChecksumReason(Subject subject, const QString& fileName, std::uint32_t stored, std::uint32_t computed);
QString HeaderChecksumReason(const QString& fileName, std::uint32_t stored, std::uint32_t computed, int digits);
QString VolumeNumberReason(std::uint64_t stored, std::uint64_t expected);
QString NotAVolumeReason();
QString DamagedHeaderReason();
QString UnverifiableReason(Unverifiable why, const QString& fileName);
QString ExpectsMoreReason(const QString& lastName);
QString VolumeCountReason(std::uint64_t count);
// The refusal of a series whose first volume this check cannot read, and why.
QString NoArchiveMarkerMessage(const QString& startName);

}  // namespace quil::archive
