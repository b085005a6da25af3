// PartSets.cpp - the two newer kinds: a NAME.partN.rar set and a split ZIP, their start files and series.
// SPDX-License-Identifier: MIT
#include "series/PartSets.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/MemberFile.h"
#include "series/NameCase.h"
#include "series/Recognition.h"
#include "series/VolumeNames.h"

#include <QSet>

#include <algorithm>

namespace quil {

namespace {

const QString kDot = QStringLiteral(".");

struct FoundPart {
    int number = 0;
    QString name;  // as listed
};

// `numberOf` gives a name's volume number, or no value for a name outside the set.
template <typename NumberFn>
QList<FoundPart> FindParts(const QString& folder, NumberFn numberOf)
{
    QList<FoundPart> parts;
    for (const QString& name : ListOrdinaryFiles(folder, [&](const QString& n) { return numberOf(n).has_value(); }))
        parts.append({*numberOf(name), name});
    // The listing is in name order, which a stable sort keeps among names equal but for case.
    std::stable_sort(parts.begin(), parts.end(),
                     [](const FoundPart& a, const FoundPart& b) { return a.number < b.number; });
    return parts;
}

Series SetOf(SeriesKind kind, const QString& folder, const QString& startFile, const QString& base,
             const QList<FoundPart>& parts, const QString& firstExtension)
{
    Series series;
    series.Kind = kind;
    series.Folder = folder;
    series.StartFile = startFile;
    series.BaseName = base.toLower();
    series.FirstMember = series.BaseName + u'.' + firstExtension;
    series.StartName = series.FirstMember;
    // The start file as picked, when it is the lowest part, rather than a name equal to it but for case.
    const bool startIsLowest = parts.isEmpty() || SameName(parts.first().name, startFile);
    series.ReferenceName = startIsLowest ? startFile : parts.first().name;
    series.ReferenceSize = DescribeFile(JoinPath(folder, series.ReferenceName)).size;
    for (const FoundPart& part : parts)
        series.SeqList.append(part.name.toLower());
    return series;
}

bool IsFirstZipPart(const QString& name)
{
    return ZipPartNumber(TextAfterLast(name, kDot)) == 1;
}

bool IsZipName(const QString& name)
{
    return NameEndsWith(name, u".zip");
}

// The name before the last dot, as names are compared.
QString BaseKey(const QString& name)
{
    return NameKey(TextBeforeLast(name, kDot));
}

// The BaseKeys of the `names` that `keep` accepts.
QSet<QString> BaseKeysOf(const QStringList& names, bool (*keep)(const QString&))
{
    QSet<QString> keys;
    for (const QString& name : names)
        if (keep(name))
            keys.insert(BaseKey(name));
    return keys;
}

// True when a part of `part`'s set other than `part` itself is among `names`.
bool HasOtherPart(const RarPartName& part, const QStringList& names)
{
    const QString base = NameKey(part.base);
    const int width = int(part.digits.size());
    return std::any_of(names.cbegin(), names.cend(), [&](const QString& name) {
        const std::optional<RarPartName> other = ParseRarPartName(name);
        return other && other->number != part.number && NameKey(other->base) == base
            && IsRarPartOfWidth(*other, width);
    });
}

}  // namespace

bool IsRarPart(const QString& name)
{
    return ParseRarPartName(name).has_value();
}

QStringList OldStyleRarParts(const QStringList& names)
{
    // Only a part with older members beside it is looked at further, so a large set costs one pass.
    const QSet<QString> memberBases = BaseKeysOf(names, IsRarMemberName);
    QStringList starts;
    for (const QString& name : names) {
        const std::optional<RarPartName> part = ParseRarPartName(name);
        if (part && memberBases.contains(BaseKey(name)) && !HasOtherPart(*part, names))
            starts.append(name);
    }
    return starts;
}

bool StartsOldStyleRar(const QString& folder, const QString& startFile)
{
    if (!IsRarPart(startFile))
        return false;
    const QStringList names =
        ListOrdinaryFiles(folder, [](const QString& name) { return IsRarPart(name) || IsRarMemberName(name); });
    return OldStyleRarParts(names).contains(startFile);
}

QStringList LowestRarParts(const QStringList& names)
{
    struct ListedPart {
        RarPartName part;
        QString name;
    };
    const QStringList oldStyle = OldStyleRarParts(names);
    QList<ListedPart> parts;
    for (const QString& name : names)
        if (const std::optional<RarPartName> part = ParseRarPartName(name); part && !oldStyle.contains(name))
            parts.append({*part, name});
    std::stable_sort(parts.begin(), parts.end(),
                     [](const ListedPart& a, const ListedPart& b) { return a.part.number < b.part.number; });
    struct Set {
        QString base;  // NameKey
        int width;
    };
    QList<Set> sets;
    QStringList lowest;
    for (const ListedPart& listed : parts) {
        const QString base = NameKey(listed.part.base);
        const bool known = std::any_of(sets.cbegin(), sets.cend(), [&](const Set& set) {
            return set.base == base && IsRarPartOfWidth(listed.part, set.width);
        });
        if (known)
            continue;
        sets.append({base, int(listed.part.digits.size())});
        lowest.append(listed.name);
    }
    return lowest;
}

std::optional<Series> RecognizeRarParts(const QString& folder, const QString& startFile)
{
    const std::optional<RarPartName> start = ParseRarPartName(startFile);
    if (!start || StartsOldStyleRar(folder, startFile))
        return std::nullopt;
    const int width = int(start->digits.size());
    const auto numberOf = [&](const QString& name) -> std::optional<int> {
        const std::optional<RarPartName> part = ParseRarPartName(name);
        if (!part || !SameName(part->base, start->base) || !IsRarPartOfWidth(*part, width))
            return std::nullopt;
        return part->number;
    };
    return SetOf(SeriesKind::RarParts, folder, startFile, start->base, FindParts(folder, numberOf),
                 RarPartExtension(1, width));
}

bool IsZipOrFirstZipPart(const QString& name)
{
    return IsZipName(name) || IsFirstZipPart(name);
}

QStringList ZipsBesideFirstParts(const QStringList& names)
{
    const QSet<QString> firstPartBases = BaseKeysOf(names, IsFirstZipPart);
    QStringList zips;
    for (const QString& name : names)
        if (IsZipName(name) && firstPartBases.contains(BaseKey(name)))
            zips.append(name);
    return zips;
}

std::optional<Series> RecognizeSplitZip(const QString& folder, const QString& startFile)
{
    if (!IsZipName(startFile))
        return std::nullopt;
    const QString base = TextBeforeLast(startFile, kDot);
    const auto numberOf = [&](const QString& name) -> std::optional<int> {
        if (!SameName(TextBeforeLast(name, kDot), base))
            return std::nullopt;
        return ZipPartNumber(TextAfterLast(name, kDot));
    };
    Series series = SetOf(SeriesKind::Zip, folder, startFile, base, FindParts(folder, numberOf), ZipPartExtension(1));
    // The archiver writes the .zip last.
    AppendSameNames(series.SeqList,
                    ListOrdinaryFiles(folder, [&](const QString& name) { return SameName(name, startFile); }),
                    startFile);
    return series;
}

}  // namespace quil
