// SplitSevenZip.cpp - what the pieces of a split 7z archive say of the set: its whole length, and the
// CRC-32 of the header at its end.
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

// The layout the first piece's start header gives; none when it gives none, with `plan`'s problem set
// when the header is cut short or damaged.
std::optional<SevenZipLayout> ReadStartHeader(const crc::RegularFile& file, VolumePlan& plan)
{
    const auto head = ReadBytes(file, 0, std::min<std::uint64_t>(kStartHeaderSize, file.length()));
    const bool first = head->size() >= sizeof kSevenZipMarker
                    && std::equal(std::begin(kSevenZipMarker), std::end(kSevenZipMarker), head->begin());
    if (!first)
        return std::nullopt;
    if (head->size() < kStartHeaderSize) {
        plan.problem = Finding{MemberStatus::BadSize, CutShortReason()};
        return std::nullopt;
    }
    const std::span<const std::uint8_t> bytes(*head);
    HeaderBytes in(bytes.subspan(8));
    const auto stored = static_cast<std::uint32_t>(*in.Fixed(4));
    const std::uint32_t computed = Crc32Of(bytes.subspan(kCoveredFrom));
    if (computed != stored) {
        plan.problem = Finding{MemberStatus::BadCrc, HeaderChecksumReason({}, stored, computed, 8)};
        return std::nullopt;
    }
    plan.headersMatched.push_back({0, kStartHeaderSize});
    const std::uint64_t offset = *in.Fixed(8);
    const std::uint64_t size = *in.Fixed(8);
    // Lengths past 2^62 are no archive's; they would only overflow.
    if (offset >> 62 != 0 || size >> 62 != 0)
        return std::nullopt;
    const std::uint64_t nextHeader = kStartHeaderSize + offset;
    return SevenZipLayout{file.length(), nextHeader + size, {nextHeader, nextHeader + size},
                          static_cast<std::uint32_t>(*in.Fixed(4))};
}

// The piece that holds the archive's end must end there; pieces before are as long as the first (the
// walk compares their sizes). The header at the archive's end may span pieces: its CRC-32 is joined
// over them, and the last holds its end.
void JudgePiece(VolumePlan& plan, std::uint64_t length, std::uint64_t number, const SevenZipLayout& layout)
{
    const std::uint64_t count = (layout.archiveLength + layout.pieceLength - 1) / layout.pieceLength;
    plan.volumeCount = count;
    const std::uint64_t begin = number < count ? number * layout.pieceLength : layout.archiveLength;
    const bool last = number + 1 >= count;
    if (last && length != layout.archiveLength - begin) {
        plan.problem = Finding{MemberStatus::BadSize, PieceLengthReason(length, layout.archiveLength - begin)};
        return;
    }
    const ByteRange header = layout.nextHeader;
    const std::uint64_t from = std::max(header.begin, begin);
    const std::uint64_t to = std::min(header.end, begin + length);
    if (from < to)
        plan.storedParts.push_back({{from - begin, to - begin}, {}, header.begin >= begin,
                                    last ? std::optional(layout.nextHeaderCrc) : std::nullopt, Subject::ArchiveHeader});
}

}  // namespace

VolumePlan PlanSevenZipPiece(const crc::RegularFile& file, std::uint64_t number, const std::optional<SevenZipLayout>& layout)
{
    VolumePlan plan;
    plan.format = ArchiveFormat::SevenZip;
    plan.unverified = UnverifiableReason(Unverifiable::SevenZipPiece, {});
    plan.sevenZip = number == 0 ? ReadStartHeader(file, plan) : layout;
    if (const std::optional<SevenZipLayout> known = plan.sevenZip)
        JudgePiece(plan, file.length(), number, *known);
    return plan;
}

}  // namespace quil::archive
