// HashKind.cpp - the checksums a list of volumes can give: an SFV file's CRC-32 or a digest list's hash.
// SPDX-License-Identifier: MIT
#include "series/HashKind.h"

#include "series/NameCase.h"

#include <array>

namespace quil {

namespace {

struct KindRow {
    HashKind kind;
    const char16_t* name;
    const char16_t* ending;
    qsizetype digits;
};

constexpr std::array kKinds{
    KindRow{HashKind::Crc32, u"CRC-32", u".sfv", 8},      KindRow{HashKind::Md5, u"MD5", u".md5", 32},
    KindRow{HashKind::Sha1, u"SHA-1", u".sha1", 40},      KindRow{HashKind::Sha256, u"SHA-256", u".sha256", 64},
    KindRow{HashKind::Sha512, u"SHA-512", u".sha512", 128},
};

const KindRow& RowOf(HashKind kind)
{
    return kKinds[std::size_t(kind)];
}

}  // namespace

QString HashName(HashKind kind)
{
    return QString::fromUtf16(RowOf(kind).name);
}

std::optional<HashKind> HashKindOfName(const QString& fileName)
{
    for (const KindRow& row : kKinds)
        if (NameEndsWith(fileName, row.ending))
            return row.kind;
    return std::nullopt;
}

std::optional<HashKind> DigestOfLength(qsizetype digits)
{
    for (const KindRow& row : kKinds)
        if (row.kind != HashKind::Crc32 && row.digits == digits)
            return row.kind;
    return std::nullopt;
}

qsizetype HexDigits(HashKind kind)
{
    return RowOf(kind).digits;
}

}  // namespace quil
