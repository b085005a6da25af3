// SplitSevenZip.cpp - what the first piece of a split 7z archive says of the set: its whole length.
// SPDX-License-Identifier: MIT
#include "archive/SplitSevenZip.h"

#include "archive/ArchiveReasons.h"
#include "archive/HeaderBytes.h"
#include "archive/VolumeBytes.h"

#include <algorithm>

namespace quil::archive {

namespace {

// Marker, version, the start header's CRC-32, then what it covers: the next header's offset
// (from the end of the start header), size and CRC-32.
constexpr std::uint64_t kStartHeaderSize = 32;
constexpr std::size_t kCoveredFrom = 12;

}  // namespace

VolumePlan PlanSevenZipPiece(const crc::RegularFile& file)
{
    VolumePlan plan;
    plan.format = ArchiveFormat::SevenZip;
    plan.unverified = UnverifiableReason(Unverifiable::SevenZipPiece, {});
    const auto head = ReadBytes(file, 0, std::min<std::uint64_t>(kStartHeaderSize, file.length()));
    const bool first = head->size() >= sizeof kSevenZipMarker
                    && std::equal(std::begin(kSevenZipMarker), std::end(kSevenZipMarker), head->begin());
    if (!first)
        return plan;
    if (head->size() < kStartHeaderSize)
        return Ended(std::move(plan), {MemberStatus::BadSize, CutShortReason()});
    const std::span<const std::uint8_t> bytes(*head);
    HeaderBytes in(bytes.subspan(8));
    const auto stored = static_cast<std::uint32_t>(*in.Fixed(4));
    const std::uint32_t computed = Crc32Of(bytes.subspan(kCoveredFrom));
    if (computed != stored)
        return Ended(std::move(plan), {MemberStatus::BadCrc, HeaderChecksumReason({}, stored, computed, 8)});
    plan.headersMatched.push_back({0, kStartHeaderSize});
    const std::uint64_t offset = *in.Fixed(8);
    const std::uint64_t size = *in.Fixed(8);
    // Lengths past 2^62 are no archive's; they would only overflow.
    if (offset >> 62 == 0 && size >> 62 == 0)
        plan.volumeCount = (kStartHeaderSize + offset + size + file.length() - 1) / file.length();
    return plan;
}

}  // namespace quil::archive
