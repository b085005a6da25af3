// HashKind.h - the checksums a list of volumes can give: an SFV file's CRC-32 or a digest list's hash.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace quil {

enum class HashKind { Crc32, Md5, Sha1, Sha256, Sha512 };

// "CRC-32", "MD5", "SHA-1", "SHA-256" or "SHA-512".
QString HashName(HashKind kind);

// The kind a checksum file's name says: .sfv CRC-32, .md5, .sha1, .sha256 and .sha512 their digests
// (letter case ignored); no value for any other name.
std::optional<HashKind> HashKindOfName(const QString& fileName);

// The digest whose hexadecimal text is `digits` long (32, 40, 64 or 128); no value for any other length.
std::optional<HashKind> DigestOfLength(qsizetype digits);

// The length of the hexadecimal text of `kind`: 8 for CRC-32.
qsizetype HexDigits(HashKind kind);

}  // namespace quil
