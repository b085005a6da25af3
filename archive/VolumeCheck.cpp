// VolumeCheck.cpp - one volume judged by the archive's own checksums, in one read.
// SPDX-License-Identifier: MIT
#include "archive/VolumeCheck.h"

#include "archive/ArchiveFormats.h"
#include "archive/ArchiveReasons.h"
#include "archive/VolumeBytes.h"
#include "crc/Crc32Combine.h"
#include "series/SfvLookup.h"

#include <algorithm>

namespace quil::archive {

namespace {

// Every checksum's bounds, in order: the stretches the one read hashes separately.
std::vector<std::uint64_t> Cuts(const VolumePlan& plan)
{
    std::vector<std::uint64_t> cuts;
    for (const StoredChecksum& checksum : plan.checksums)
        cuts.insert(cuts.end(), {checksum.bytes.begin, checksum.bytes.end});
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

// The CRC-32 of `range`, whose bounds are both cuts, from the registers of the stretches between.
std::uint32_t RangeCrc(const std::vector<std::uint64_t>& cuts, const std::vector<std::uint32_t>& stretches, ByteRange range)
{
    // Stretch i + 1 starts at cut i.
    const auto index = [&](std::uint64_t offset) {
        return static_cast<std::size_t>(std::lower_bound(cuts.begin(), cuts.end(), offset) - cuts.begin()) + 1;
    };
    std::uint32_t reg = 0xFFFFFFFFu;
    for (std::size_t i = index(range.begin); i < index(range.end); ++i)
        reg = crc::Crc32Join(reg, stretches[i], cuts[i] - cuts[i - 1]);
    return ~reg;
}

qint64 CoveredBytes(std::vector<ByteRange> ranges)
{
    std::sort(ranges.begin(), ranges.end(), [](ByteRange a, ByteRange b) { return a.begin < b.begin; });
    std::uint64_t covered = 0;
    std::uint64_t end = 0;
    for (const ByteRange& range : ranges) {
        const std::uint64_t from = std::max(range.begin, end);
        if (range.end > from)
            covered += range.end - from;
        end = std::max(end, range.end);
    }
    return static_cast<qint64>(covered);
}

VolumePlan ReadPlan(const crc::RegularFile& file, ArchiveFormat format)
{
    if (FormatAt(file) != format) {
        VolumePlan plan;
        plan.problem = Finding{MemberStatus::BadCrc, NotAVolumeReason()};
        return plan;
    }
    return PlanVolume(file, format);
}

Finding Decide(const VolumePlan& plan, std::uint64_t number, const std::optional<Finding>& mismatch, bool wholeVolume)
{
    if (plan.problem)
        return *plan.problem;
    if (plan.volumeNumber && *plan.volumeNumber != number)
        return {MemberStatus::BadCrc, VolumeNumberReason(*plan.volumeNumber, number)};
    if (mismatch)
        return *mismatch;
    // A whole-volume checksum vouches for every byte before the end block, whatever the files inside.
    if (!wholeVolume && !plan.unverified.isEmpty())
        return {MemberStatus::PartlyVerified, plan.unverified};
    return {MemberStatus::OK, {}};
}

}  // namespace

VolumeVerdict CheckVolume(clsCRC& crc, const QString& path, ArchiveFormat format, std::uint64_t number,
                          const KeepReadingFn& keepReading)
{
    VolumeVerdict verdict;
    const crc::RegularFile file(path);
    VolumePlan plan;
    try {
        if (!file.failure().isEmpty())
            throw ReadFailed{file.failure()};
        plan = ReadPlan(file, format);
    } catch (const ReadFailed& failed) {
        verdict.readFailure = failed.failure;
        return verdict;
    }
    const std::vector<std::uint64_t> cuts = Cuts(plan);
    const FileCrc value = crc.CalculateFile(path, keepReading, cuts);
    verdict.cancelled = value.cancelled;
    verdict.readFailure = value.error;
    if (value.cancelled || value.failed())
        return verdict;
    if (static_cast<std::uint64_t>(value.size) != file.length()) {
        verdict.readFailure = file.Shrunk();
        return verdict;
    }
    verdict.crcText = CrcText(value.value);
    verdict.bytes = value.size;
    verdict.moreVolumes = plan.moreVolumes;

    std::vector<ByteRange> matched = plan.headersMatched;
    std::optional<Finding> mismatch;
    bool wholeVolume = false;
    for (const StoredChecksum& checksum : plan.checksums) {
        const std::uint32_t computed = RangeCrc(cuts, value.stretches, checksum.bytes);
        if (computed == checksum.value) {
            matched.push_back(checksum.bytes);
            wholeVolume = wholeVolume || checksum.subject == Subject::WholeVolume;
        } else if (!mismatch) {
            mismatch = Finding{MemberStatus::BadCrc,
                               ChecksumReason(checksum.subject, checksum.fileName, checksum.value, computed)};
        }
    }
    verdict.finding = Decide(plan, number, mismatch, wholeVolume);
    verdict.verifiedBytes = CoveredBytes(std::move(matched));
    return verdict;
}

}  // namespace quil::archive
