// ArchiveReasons.cpp - every reason an archive check gives, worded once for the popup, standard error and JSON.
// SPDX-License-Identifier: MIT
#include "archive/ArchiveReasons.h"

using namespace Qt::StringLiterals;

namespace quil::archive {

namespace {

QString Hex(std::uint32_t value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QChar(u'0')).toUpper();
}

}  // namespace

QString CutShortReason()
{
    return u"The volume is cut short: a header or its data runs past the end of the file"_s;
}

QString TrailingBytesReason()
{
    return u"The volume carries bytes after its end-of-archive block that are not zero padding"_s;
}

QString PieceLengthReason(std::uint64_t length, std::uint64_t needed)
{
    return u"The piece holds %1 bytes where the archive's length needs %2"_s.arg(length).arg(needed);
}

QString ChecksumReason(Subject subject, const QString& fileName, std::uint32_t stored, std::uint32_t computed)
{
    QString what;
    switch (subject) {
    case Subject::Header: what = u"The header of "_s + fileName; break;
    case Subject::PackedPart: what = u"The packed part of "_s + fileName + u" in this volume"_s; break;
    case Subject::WholeFile: what = fileName; break;
    case Subject::WholeVolume: what = u"The whole volume"_s; break;
    case Subject::ArchiveHeader: what = u"The header at the archive's end"_s; break;
    }
    return what + u" has a bad CRC-32 value: stored "_s + Hex(stored, 8) + u", computed "_s + Hex(computed, 8);
}

QString HeaderChecksumReason(const QString& fileName, std::uint32_t stored, std::uint32_t computed, int digits)
{
    const QString what = fileName.isEmpty() ? u"A block header"_s : u"The header of "_s + fileName;
    return what + u" has a bad checksum: stored "_s + Hex(stored, digits) + u", computed "_s + Hex(computed, digits);
}

QString VolumeNumberReason(std::uint64_t stored, std::uint64_t expected)
{
    return u"The archive numbers this volume %1, not %2: renamed or swapped volumes"_s.arg(stored + 1).arg(expected + 1);
}

QString DamagedHeaderReason()
{
    return u"A block header is damaged: it gives no size a header can have"_s;
}

QString NotAVolumeReason()
{
    return u"Not a volume of this archive: it lacks the first volume's marker or volume flag"_s;
}

QString UnverifiableReason(Unverifiable why, const QString& fileName)
{
    switch (why) {
    case Unverifiable::Compressed: return fileName + u" is compressed here: only unpacking checks it"_s;
    case Unverifiable::Blake2sp: return fileName + u" carries a BLAKE2sp hash, which this check does not compute"_s;
    case Unverifiable::EncryptedHeaders: return u"The headers are encrypted: only the password opens them"_s;
    case Unverifiable::EncryptedData: return fileName + u" is encrypted: its checksum needs the password"_s;
    case Unverifiable::NoChecksum: return fileName + u" carries no checksum of its data in this volume"_s;
    case Unverifiable::OldFormat: return fileName + u" is a part the old format vouches for only when unpacked"_s;
    case Unverifiable::ZipVolume: return u"A split zip stores no checksum of a volume: only unpacking checks its files"_s;
    case Unverifiable::SevenZipPiece: return u"A split 7z archive stores no checksum of a piece: only unpacking checks its files"_s;
    case Unverifiable::NoEndBlock: return u"The volume has no end-of-archive block: nothing vouches for where it ends"_s;
    }
    return {};
}

QString ExpectsMoreReason(const QString& lastName)
{
    return u"The archive expects more volumes: "_s + lastName + u" says another follows"_s;
}

QString VolumeCountReason(std::uint64_t count)
{
    return u"The archive says it has %1 volumes"_s.arg(count);
}

QString NoArchiveMarkerMessage(const QString& startName)
{
    return u"Cannot Check "_s + startName + u" Against The Archive's Own Checksums!"_s + u'\n'
         + u"it does not start with the marker of a RAR volume or 7z archive, nor end a split zip"_s;
}

}  // namespace quil::archive
