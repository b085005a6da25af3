// VolumePlan.h - what a volume's headers say: the checksums to compute in its one read, and what they decided already.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/MemberStatus.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quil::archive {

enum class ArchiveFormat { Rar4, Rar5, SplitZip, SevenZip };

// What a stored checksum vouches for; the reason of a mismatch names it.
enum class Subject { Header, PackedPart, WholeFile, WholeVolume, ArchiveHeader };

// Bytes [begin, end) of the volume.
struct ByteRange {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
};

// A CRC-32 the archive stored for bytes of this volume.
struct StoredChecksum {
    ByteRange bytes;
    std::uint32_t value = 0;
    Subject subject = Subject::WholeFile;
    QString fileName;  // the archived file the bytes belong to; "" for the whole volume
};

// A part of a stored file split over volumes: the last part's CRC-32 is the whole file's, which
// only all the parts' bytes together match.
struct StoredPart {
    ByteRange bytes;
    QString fileName;
    bool first = false;                    // not continued from the volume before
    std::optional<std::uint32_t> fileCrc;  // in the last part only
    Subject subject = Subject::WholeFile;  // what the last part's CRC-32 vouches for
};

// What the first piece of a split 7z archive says of all of them, in the archive's own offsets.
struct SevenZipLayout {
    std::uint64_t pieceLength = 0;    // the first piece's: every piece but the last is as long
    std::uint64_t archiveLength = 0;
    ByteRange nextHeader;             // the header at the archive's end, after its packed streams
    std::uint32_t nextHeaderCrc = 0;
};

// A verdict with its reason.
struct Finding {
    MemberStatus status = MemberStatus::OK;
    QString reason;
};

struct VolumePlan {
    ArchiveFormat format = ArchiveFormat::Rar4;
    std::vector<StoredChecksum> checksums;  // computed in the volume's one read
    std::vector<ByteRange> headersMatched;  // headers whose own checksum matched
    std::vector<StoredPart> storedParts;    // joined across volumes in walk order
    std::optional<Finding> problem;         // decided from the headers alone: the first one met
    QString unverified;                     // why some file data only unpacking checks; "" when none
    std::optional<bool> moreVolumes;        // none when the headers do not say
    std::optional<std::uint64_t> volumeNumber;  // from 0; none when the volume does not say
    std::optional<std::uint64_t> volumeCount;   // how many volumes the set has, when the volume says
    std::optional<SevenZipLayout> sevenZip;     // from a 7z archive's first piece, for the pieces after
};

// `plan` as `problem` ends it: no header after it is read.
inline VolumePlan Ended(VolumePlan plan, Finding problem)
{
    plan.problem = std::move(problem);
    return plan;
}

}  // namespace quil::archive
