// SplitZip.cpp - what a split zip's volumes say of the set: the .zip's count of volumes.
// SPDX-License-Identifier: MIT
#include "archive/SplitZip.h"

#include "archive/ArchiveReasons.h"
#include "archive/HeaderBytes.h"
#include "archive/VolumeBytes.h"

#include <algorithm>

namespace quil::archive {

namespace {

constexpr std::uint64_t kRecordSize = 22;
constexpr std::uint64_t kLongestComment = 0xFFFF;
constexpr std::uint32_t kEndSignature = 0x06054B50;
constexpr std::uint32_t kLocatorSignature = 0x07064B50;  // of the zip64 end record, just before
constexpr std::uint64_t kLocatorSize = 20;

}  // namespace

std::optional<std::uint64_t> ZipVolumeCount(const crc::RegularFile& file)
{
    const std::uint64_t tail = std::min(file.length(), kRecordSize + kLongestComment);
    const auto bytes = ReadBytes(file, file.length() - tail, tail);
    const std::span<const std::uint8_t> all(*bytes);
    // The record is the last one whose comment runs exactly to the end of the file.
    for (std::uint64_t at = tail >= kRecordSize ? tail - kRecordSize + 1 : 0; at-- > 0;) {
        HeaderBytes in(all.subspan(static_cast<std::size_t>(at)));
        const auto signature = in.Fixed(4);
        const auto disk = in.Fixed(2);
        in.Skip(14);
        const auto comment = in.Fixed(2);
        if (signature != kEndSignature || !comment || at + kRecordSize + *comment != tail)
            continue;
        if (*disk != 0xFFFF || at < kLocatorSize)
            return *disk + 1;
        // Zip64: the locator before the record holds the total number of disks.
        HeaderBytes locator(all.subspan(static_cast<std::size_t>(at - kLocatorSize)));
        if (locator.Fixed(4) != kLocatorSignature)
            return std::nullopt;
        locator.Skip(12);
        return locator.Fixed(4);
    }
    return std::nullopt;
}

VolumePlan PlanSplitZipVolume(const crc::RegularFile& file)
{
    VolumePlan plan;
    plan.format = ArchiveFormat::SplitZip;
    plan.unverified = UnverifiableReason(Unverifiable::ZipVolume, {});
    plan.volumeCount = ZipVolumeCount(file);
    return plan;
}

}  // namespace quil::archive
