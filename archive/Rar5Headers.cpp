// Rar5Headers.cpp - plans the check of a RAR 5 volume from its block headers.
// SPDX-License-Identifier: MIT
#include "archive/Rar5Headers.h"

#include "archive/ArchiveReasons.h"
#include "archive/HeaderBytes.h"
#include "archive/VolumeBytes.h"

#include <algorithm>

namespace quil::archive {

namespace {

enum : std::uint64_t { kMainBlock = 1, kFileBlock = 2, kServiceBlock = 3, kEncryptionBlock = 4, kEndBlock = 5 };
// Block flags, then those of the main, file and end blocks, then extra records of a file block.
enum : std::uint64_t { kHasExtra = 0x0001, kHasData = 0x0002, kContinuedFrom = 0x0008, kContinues = 0x0010 };
enum : std::uint64_t { kMainVolume = 0x0001, kMainVolumeNumber = 0x0002 };
enum : std::uint64_t { kFileHasTime = 0x0002, kFileHasCrc = 0x0004 };
enum : std::uint64_t { kEndNotLast = 0x0001 };
enum : std::uint64_t { kEncryptionRecord = 1, kHashRecord = 2, kBlake2sp = 0, kChecksumIsMac = 0x0002 };
// The CRC-32 field and the longest header-size number that may follow it.
constexpr std::uint64_t kLeadSize = 4 + 3;

struct FileFields {
    std::optional<std::uint32_t> crc;
    bool stored = false;
    bool encrypted = false;
    bool mac = false;
    bool blake2sp = false;
    QString name;
};

void ReadExtraRecords(FileFields& fields, std::span<const std::uint8_t> extra)
{
    HeaderBytes in(extra);
    while (in.position() < extra.size()) {
        const auto size = in.Vint();
        const std::size_t start = in.position();
        const auto type = in.Vint();
        if (!size || !type)
            return;
        if (*type == kEncryptionRecord) {
            in.Vint();  // version
            fields.encrypted = true;
            fields.mac = (in.Vint().value_or(0) & kChecksumIsMac) != 0;
        } else if (*type == kHashRecord) {
            fields.blake2sp = in.Vint() == std::optional<std::uint64_t>(kBlake2sp);
        }
        if (start + *size < in.position() || !in.Skip(start + *size - in.position()))
            return;
    }
}

std::optional<FileFields> ReadFileFields(HeaderBytes& in, std::span<const std::uint8_t> extra)
{
    FileFields fields;
    const auto flags = in.Vint();
    in.Vint();  // unpacked size
    in.Vint();  // attributes
    if (flags && (*flags & kFileHasTime))
        in.Skip(4);
    if (flags && (*flags & kFileHasCrc))
        fields.crc = in.Fixed(4);
    const auto compression = in.Vint();
    in.Vint();  // host system
    const auto nameSize = in.Vint();
    const auto name = nameSize ? in.Take(*nameSize) : std::nullopt;
    if (!flags || !compression || !name)
        return std::nullopt;
    fields.stored = ((*compression >> 7) & 7) == 0;
    fields.name = QString::fromUtf8(reinterpret_cast<const char*>(name->data()), static_cast<qsizetype>(name->size()));
    ReadExtraRecords(fields, extra);
    return fields;
}

// What a file block's stored CRC-32 can vouch for in this volume.
void PlanFileData(VolumePlan& plan, const FileFields& file, std::uint64_t flags, ByteRange data, bool service)
{
    if (data.end == data.begin)
        return;
    const auto unverified = [&](Unverifiable why) {
        if (!service)  // a recovery record or other service data is left out
            plan.unverified = UnverifiableReason(why, file.name);
    };
    const bool split = (flags & (kContinues | kContinuedFrom)) != 0;
    if (split && file.stored && !file.encrypted && file.crc && !service)
        plan.storedParts.push_back({data, file.name, !(flags & kContinuedFrom),
                                    (flags & kContinues) ? std::nullopt : file.crc});
    if (file.encrypted && (file.mac || !(flags & kContinues)))
        unverified(Unverifiable::EncryptedData);
    else if (!file.crc)
        unverified(file.blake2sp ? Unverifiable::Blake2sp : Unverifiable::NoChecksum);
    else if (flags & kContinues)
        plan.checksums.push_back({data, *file.crc, Subject::PackedPart, file.name});
    else if (!file.stored)
        unverified(Unverifiable::Compressed);
    else if (!(flags & kContinuedFrom))
        plan.checksums.push_back({data, *file.crc, Subject::WholeFile, file.name});
}

}  // namespace

VolumePlan PlanRar5Volume(const crc::RegularFile& file)
{
    VolumePlan plan;
    plan.format = ArchiveFormat::Rar5;
    const Finding cutShort{MemberStatus::BadSize, CutShortReason()};
    std::uint64_t pos = sizeof kRar5Marker;
    while (pos < file.length()) {
        const auto lead = ReadBytes(file, pos, std::min(kLeadSize, file.length() - pos));
        HeaderBytes leadIn(*lead);
        const auto stored = leadIn.Fixed(4);
        const auto size = leadIn.Vint();
        // A size of more than three bytes (2 MiB) is no header's: damage, never read into memory.
        if (!stored || !size)
            return Ended(std::move(plan), lead->size() < kLeadSize ? cutShort : Finding{MemberStatus::BadCrc, DamagedHeaderReason()});
        const std::uint64_t begin = pos + 4;
        const std::uint64_t length = leadIn.position() - 4 + *size;
        const auto header = ReadBytes(file, begin, length);
        if (!header)
            return Ended(std::move(plan), cutShort);
        const std::uint32_t computed = Crc32Of(*header);
        HeaderBytes in(*header);
        in.Vint();
        const auto type = in.Vint();
        const auto flags = in.Vint().value_or(0);
        const std::uint64_t extraSize = (flags & kHasExtra) ? in.Vint().value_or(~0ull) : 0;
        const std::uint64_t dataSize = (flags & kHasData) ? in.Vint().value_or(~0ull) : 0;
        const bool filelike = type == kFileBlock || type == kServiceBlock;
        std::optional<FileFields> fileFields;
        if (filelike && extraSize <= header->size() - in.position())
            fileFields = ReadFileFields(in, std::span(*header).last(static_cast<std::size_t>(extraSize)));
        const QString name = fileFields ? fileFields->name : QString();
        if (computed != *stored || !type || (filelike && !fileFields))
            return Ended(std::move(plan), {MemberStatus::BadCrc, HeaderChecksumReason(name, std::uint32_t(*stored), computed, 8)});
        plan.headersMatched.push_back({pos, begin + length});
        const ByteRange data{begin + length, begin + length + dataSize};
        if (dataSize > file.length() || data.end > file.length())
            return Ended(std::move(plan), cutShort);
        switch (*type) {
        case kMainBlock: {
            const std::uint64_t archiveFlags = in.Vint().value_or(0);
            if (!(archiveFlags & kMainVolume))
                return Ended(std::move(plan), Finding{MemberStatus::BadCrc, NotAVolumeReason()});
            // The first volume carries no number.
            plan.volumeNumber = (archiveFlags & kMainVolumeNumber) ? in.Vint() : std::optional<std::uint64_t>(0);
            break;
        }
        case kFileBlock:
        case kServiceBlock:
            PlanFileData(plan, *fileFields, flags, data, *type == kServiceBlock);
            if (*type == kFileBlock)
                plan.moreVolumes = (flags & kContinues) != 0;
            break;
        case kEncryptionBlock:
            plan.unverified = UnverifiableReason(Unverifiable::EncryptedHeaders, {});
            return plan;
        case kEndBlock: {
            plan.moreVolumes = (in.Vint().value_or(0) & kEndNotLast) != 0;
            if (!ZeroToEnd(file, data.end))
                plan.problem = Finding{MemberStatus::BadSize, TrailingBytesReason()};
            return plan;
        }
        default:
            break;
        }
        pos = data.end;
    }
    plan.problem = Finding{MemberStatus::BadSize, CutShortReason()};  // a volume always has an end block
    return plan;
}

}  // namespace quil::archive
