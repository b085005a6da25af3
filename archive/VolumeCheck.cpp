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
    for (const StoredPart& part : plan.storedParts)
        cuts.insert(cuts.end(), {part.bytes.begin, part.bytes.end});
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

// The register over `range` from `reg`, the range's bounds both cuts, from the registers of the
// stretches between.
std::uint32_t RangeRegister(const std::vector<std::uint64_t>& cuts, const std::vector<std::uint32_t>& stretches,
                            ByteRange range, std::uint32_t reg)
{
    // Stretch i + 1 starts at cut i.
    const auto index = [&](std::uint64_t offset) {
        return static_cast<std::size_t>(std::lower_bound(cuts.begin(), cuts.end(), offset) - cuts.begin()) + 1;
    };
    for (std::size_t i = index(range.begin); i < index(range.end); ++i)
        reg = crc::Crc32Join(reg, stretches[i], cuts[i] - cuts[i - 1]);
    return reg;
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

VolumePlan ReadPlan(const crc::RegularFile& file, ArchiveFormat format, std::uint64_t number,
                    const std::optional<SevenZipLayout>& sevenZip)
{
    // Every RAR volume starts with the marker; a split zip's or 7z archive's other volumes start anyhow.
    const bool marksEveryVolume = format == ArchiveFormat::Rar4 || format == ArchiveFormat::Rar5;
    if (marksEveryVolume && !StartsWithMarkerOf(file, format)) {
        VolumePlan plan;
        plan.problem = Finding{MemberStatus::BadCrc, NotAVolumeReason()};
        return plan;
    }
    return PlanVolume(file, format, number, sevenZip);
}

Finding Decide(const VolumePlan& plan, std::uint64_t number, const std::optional<Finding>& mismatch, bool wholeVolume,
               const QString& unverified)
{
    if (plan.problem)
        return *plan.problem;
    if (plan.volumeNumber && *plan.volumeNumber != number)
        return {MemberStatus::BadCrc, VolumeNumberReason(*plan.volumeNumber, number)};
    if (mismatch)
        return *mismatch;
    // A whole-volume checksum vouches for every byte before the end block, whatever the files inside.
    if (!wholeVolume && !unverified.isEmpty())
        return {MemberStatus::PartlyVerified, unverified};
    return {MemberStatus::OK, {}};
}

}  // namespace

VolumeVerdict CheckVolume(clsCRC& crc, const QString& path, ArchiveFormat format, std::uint64_t number,
                          Carried& carried, const KeepReadingFn& keepReading, const QString& following)
{
    VolumeVerdict verdict;
    const crc::RegularFile file(path);
    VolumePlan plan;
    try {
        if (!file.failure().isEmpty())
            throw ReadFailed{file.failure()};
        plan = ReadPlan(file, format, number, carried.sevenZip);
        if (number == 0)
            carried.sevenZip = plan.sevenZip;
    } catch (const ReadFailed& failed) {
        verdict.readFailure = failed.failure;
        return verdict;
    }
    const std::vector<std::uint64_t> cuts = Cuts(plan);
    const FileCrc value = crc.CalculateFile(path, keepReading, cuts, following);
    verdict.cancelled = value.cancelled;
    verdict.readFailure = value.error;
    if (value.cancelled || value.failed())
        return verdict;
    if (static_cast<std::uint64_t>(value.size) != file.length()) {
        verdict.readFailure = file.EndsElsewhere();
        return verdict;
    }
    verdict.crcText = CrcText(value.value);
    verdict.bytes = value.size;
    verdict.moreVolumes = plan.moreVolumes;
    verdict.volumeCount = plan.volumeCount;

    std::vector<ByteRange> matched = plan.headersMatched;
    std::optional<Finding> mismatch;
    bool wholeVolume = false;
    for (const StoredChecksum& checksum : plan.checksums) {
        const std::uint32_t computed = ~RangeRegister(cuts, value.stretches, checksum.bytes, 0xFFFFFFFFu);
        if (computed == checksum.value) {
            matched.push_back(checksum.bytes);
            wholeVolume = wholeVolume || checksum.subject == Subject::WholeVolume;
        } else if (!mismatch) {
            mismatch = Finding{MemberStatus::BadCrc,
                               ChecksumReason(checksum.subject, checksum.fileName, checksum.value, computed)};
        }
    }
    // A split stored file's last part matches only with every earlier part in the register.
    QString unverified = plan.unverified;
    std::optional<CarriedFile> next;
    for (const StoredPart& part : plan.storedParts) {
        std::optional<std::uint32_t> reg;
        if (part.first)
            reg = RangeRegister(cuts, value.stretches, part.bytes, 0xFFFFFFFFu);
        else if (carried.part && carried.part->fileName == part.fileName)
            reg = RangeRegister(cuts, value.stretches, part.bytes, carried.part->reg);
        if (!part.fileCrc) {
            if (reg)
                next = CarriedFile{part.fileName, *reg};
        } else if (!reg) {
            unverified = UnverifiableReason(Unverifiable::NoChecksum, part.fileName);
        } else if (~*reg == *part.fileCrc) {
            matched.push_back(part.bytes);
        } else if (!mismatch) {
            mismatch = Finding{MemberStatus::BadCrc, ChecksumReason(part.subject, part.fileName, *part.fileCrc, ~*reg)};
        }
    }
    verdict.finding = Decide(plan, number, mismatch, wholeVolume, unverified);
    // Only a volume that passed hands its part on: one damaged part must not fail the volumes after.
    carried.part = Passed(verdict.finding.status) ? next : std::nullopt;
    verdict.verifiedBytes = CoveredBytes(std::move(matched));
    return verdict;
}

}  // namespace quil::archive
