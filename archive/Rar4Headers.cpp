// Rar4Headers.cpp - plans the check of a RAR 2.x-4.x volume from its block headers.
// SPDX-License-Identifier: MIT
#include "archive/Rar4Headers.h"

#include "archive/ArchiveReasons.h"
#include "archive/HeaderBytes.h"
#include "archive/VolumeBytes.h"

#include <algorithm>

namespace quil::archive {

namespace {

enum : std::uint8_t { kMainBlock = 0x73, kFileBlock = 0x74, kServiceBlock = 0x7A, kEndBlock = 0x7B };
// Block flags, then those of the main, file and end blocks.
enum : std::uint16_t { kHasData = 0x8000 };
enum : std::uint16_t { kMainVolume = 0x0001, kMainEncryptedHeaders = 0x0080 };
enum : std::uint16_t { kContinuedFrom = 0x0001, kContinues = 0x0002, kFileEncrypted = 0x0004, kLargeFile = 0x0100 };
enum : std::uint16_t { kEndNotLast = 0x0001, kEndDataCrc = 0x0002, kEndVolumeNumber = 0x0008 };
constexpr std::uint8_t kStored = 0x30;
// From this unpacker version on, a part that continues carries its own packed data's CRC.
constexpr std::uint8_t kPartCrcVersion = 20;
constexpr std::uint64_t kCommonSize = 7;

struct FileFields {
    std::uint64_t packSize = 0;
    std::uint32_t crc = 0;
    std::uint8_t version = 0;
    std::uint8_t method = 0;
    QString name;
};

std::optional<FileFields> ReadFileFields(std::span<const std::uint8_t> header, std::uint16_t flags)
{
    HeaderBytes in(header.subspan(kCommonSize));
    FileFields fields;
    const auto packLow = in.Fixed(4);
    in.Skip(4 + 1);  // unpacked size, host system
    const auto crc = in.Fixed(4);
    in.Skip(4);  // time
    const auto version = in.Fixed(1);
    const auto method = in.Fixed(1);
    const auto nameSize = in.Fixed(2);
    in.Skip(4);  // attributes
    const auto packHigh = (flags & kLargeFile) ? in.Fixed(4) : std::optional<std::uint64_t>(0);
    in.Skip(4 * ((flags & kLargeFile) != 0));  // unpacked size's high half
    const auto name = nameSize ? in.Take(*nameSize) : std::nullopt;
    if (!name || !packHigh || !method || !version || !crc || !packLow)
        return std::nullopt;
    fields.packSize = *packHigh << 32 | *packLow;
    fields.crc = static_cast<std::uint32_t>(*crc);
    fields.version = static_cast<std::uint8_t>(*version);
    fields.method = static_cast<std::uint8_t>(*method);
    // A Unicode name follows the plain one after a zero byte.
    const auto plain = std::find(name->begin(), name->end(), std::uint8_t{0});
    fields.name = QString::fromUtf8(reinterpret_cast<const char*>(name->data()), plain - name->begin());
    return fields;
}

// What a file block's stored CRC can vouch for in this volume.
void PlanFileData(VolumePlan& plan, const FileFields& file, std::uint16_t flags, ByteRange data)
{
    if (data.end == data.begin)
        return;
    const bool split = (flags & (kContinues | kContinuedFrom)) != 0;
    if (split && file.method == kStored && !(flags & kFileEncrypted))
        plan.storedParts.push_back({data, file.name, !(flags & kContinuedFrom),
                                    (flags & kContinues) ? std::nullopt : std::optional<std::uint32_t>(file.crc)});
    if (flags & kFileEncrypted) {
        plan.unverified = UnverifiableReason(Unverifiable::EncryptedData, file.name);
    } else if (flags & kContinues) {
        if (file.version >= kPartCrcVersion && file.crc != 0xFFFFFFFFu)
            plan.checksums.push_back({data, file.crc, Subject::PackedPart, file.name});
        else
            plan.unverified = UnverifiableReason(Unverifiable::OldFormat, file.name);
    } else if (file.method != kStored) {
        plan.unverified = UnverifiableReason(Unverifiable::Compressed, file.name);
    } else if (!(flags & kContinuedFrom)) {
        plan.checksums.push_back({data, file.crc, Subject::WholeFile, file.name});
    }
}

// Reads the end block's fields; the volume's bytes after it must be zeros.
void PlanEnd(VolumePlan& plan, const crc::RegularFile& file, std::span<const std::uint8_t> header, std::uint64_t begin,
             std::uint16_t flags)
{
    HeaderBytes in(header.subspan(kCommonSize));
    plan.moreVolumes = (flags & kEndNotLast) != 0;
    if (flags & kEndDataCrc) {
        if (const auto crc = in.Fixed(4))
            plan.checksums.push_back({{0, begin}, static_cast<std::uint32_t>(*crc), Subject::WholeVolume, {}});
    }
    if (flags & kEndVolumeNumber)
        plan.volumeNumber = in.Fixed(2);
    const std::uint64_t end = begin + header.size();
    if (!ZeroToEnd(file, end))
        plan.problem = Finding{MemberStatus::BadSize, TrailingBytesReason()};
}

}  // namespace

VolumePlan PlanRar4Volume(const crc::RegularFile& file)
{
    const Finding cutShort{MemberStatus::BadSize, CutShortReason()};
    VolumePlan plan;
    plan.format = ArchiveFormat::Rar4;
    for (std::uint64_t pos = sizeof kRar4Marker; pos < file.length();) {
        const auto common = ReadBytes(file, pos, kCommonSize);
        if (!common)
            return Ended(std::move(plan), cutShort);
        HeaderBytes fields(*common);
        const auto stored = static_cast<std::uint32_t>(*fields.Fixed(2));
        const auto type = static_cast<std::uint8_t>(*fields.Fixed(1));
        const auto flags = static_cast<std::uint16_t>(*fields.Fixed(2));
        const std::uint64_t size = std::max<std::uint64_t>(*fields.Fixed(2), kCommonSize);
        const auto header = ReadBytes(file, pos, size);
        if (!header)
            return Ended(std::move(plan), cutShort);
        const std::uint32_t computed = Crc32Of(std::span(*header).subspan(2)) & 0xFFFFu;
        const bool filelike = type == kFileBlock || type == kServiceBlock;
        const std::optional<FileFields> fileFields =
            filelike ? ReadFileFields(*header, flags) : std::optional<FileFields>();
        const QString name = fileFields ? fileFields->name : QString();
        if (computed != stored || (filelike && !fileFields))
            return Ended(std::move(plan), {MemberStatus::BadCrc, HeaderChecksumReason(name, stored, computed, 4)});
        plan.headersMatched.push_back({pos, pos + size});
        std::uint64_t dataSize = 0;
        if (fileFields)
            dataSize = fileFields->packSize;
        else if (flags & kHasData)
            dataSize = HeaderBytes(std::span(*header).subspan(kCommonSize)).Fixed(4).value_or(0);
        const ByteRange data{pos + size, pos + size + dataSize};
        if (data.end > file.length())
            return Ended(std::move(plan), cutShort);
        switch (type) {
        case kMainBlock:
            if (!(flags & kMainVolume))
                return Ended(std::move(plan), Finding{MemberStatus::BadCrc, NotAVolumeReason()});
            if (flags & kMainEncryptedHeaders) {
                plan.unverified = UnverifiableReason(Unverifiable::EncryptedHeaders, {});
                return plan;
            }
            break;
        case kFileBlock:
            PlanFileData(plan, *fileFields, flags, data);
            plan.moreVolumes = (flags & kContinues) != 0;
            break;
        case kEndBlock:
            PlanEnd(plan, file, *header, pos, flags);
            return plan;
        default:
            // A recovery record, comment or other service data: left out, as the end block's
            // checksum covers it when there is one.
            break;
        }
        pos = data.end;
    }
    // Old archivers end a volume after its last block: nothing says the volume ends there.
    plan.unverified = UnverifiableReason(Unverifiable::NoEndBlock, {});
    return plan;
}

}  // namespace quil::archive
