// PartSets.cpp - the two newer kinds: a NAME.partN.rar set and a split ZIP, their start files and series.
// SPDX-License-Identifier: MIT
#include "series/PartSets.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/MemberFile.h"
#include "series/NameCase.h"
#include "series/Recognition.h"
#include "series/VolumeNames.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace quil {

namespace {

const QString kDot = QStringLiteral(".");

struct FoundPart {
    int number = 0;
    QString name;  // as listed
};

// `numberOf` gives a name's volume number, or no value for a name outside the set; only names
// starting with `prefix` are asked.
template <typename NumberFn>
QList<FoundPart> FindParts(const FolderListing& listing, const QString& prefix, NumberFn numberOf)
{
    QList<FoundPart> parts;
    for (const QString& name :
         listing.OrdinaryFilesStartingWith(prefix, [&](const QString& n) { return numberOf(n).has_value(); }))
        parts.append({*numberOf(name), name});
    // The listing is in name order, which a stable sort keeps among names equal but for case.
    std::stable_sort(parts.begin(), parts.end(),
                     [](const FoundPart& a, const FoundPart& b) { return a.number < b.number; });
    return parts;
}

Series SetOf(SeriesKind kind, const SharedListing& listing, const QString& startFile, const QString& base,
             const QList<FoundPart>& parts, const QString& firstExtension)
{
    Series series;
    series.Kind = kind;
    series.Folder = listing->folder();
    series.Listing = listing;
    series.StartFile = startFile;
    series.BaseName = base.toLower();
    series.FirstMember = series.BaseName + u'.' + firstExtension;
    series.StartName = series.FirstMember;
    // The start file as picked, when it is the lowest part, rather than a name equal to it but for case.
    const bool startIsLowest = parts.isEmpty() || SameName(parts.first().name, startFile);
    series.ReferenceName = startIsLowest ? startFile : parts.first().name;
    series.ReferenceSize = DescribeFile(JoinPath(series.Folder, series.ReferenceName)).size;
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

bool StartsOldStyleRar(const FolderListing& listing, const QString& startFile)
{
    const std::optional<RarPartName> part = ParseRarPartName(startFile);
    if (!part)
        return false;
    // The other parts of its set and its older members all start NAME.part.
    const QStringList names = listing.OrdinaryFilesStartingWith(
        part->base + QStringLiteral(".part"), [](const QString& name) { return IsRarPart(name) || IsRarMemberName(name); });
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

std::optional<Series> RecognizeRarParts(const SharedListing& listing, const QString& startFile)
{
    const std::optional<RarPartName> start = ParseRarPartName(startFile);
    if (!start || StartsOldStyleRar(*listing, startFile))
        return std::nullopt;
    const int width = int(start->digits.size());
    const auto numberOf = [&](const QString& name) -> std::optional<int> {
        const std::optional<RarPartName> part = ParseRarPartName(name);
        if (!part || !SameName(part->base, start->base) || !IsRarPartOfWidth(*part, width))
            return std::nullopt;
        return part->number;
    };
    return SetOf(SeriesKind::RarParts, listing, startFile, start->base,
                 FindParts(*listing, start->base + QStringLiteral(".part"), numberOf), RarPartExtension(1, width));
}

bool IsSplitZipName(const QString& name)
{
    return IsZipName(name) || ZipPartNumber(TextAfterLast(name, kDot)).has_value();
}

QList<IncompleteSplitZip> IncompleteSplitZips(const QStringList& names)
{
    // One pass, so a folder of many sets costs no more than its names.
    struct Set {
        QString lowestPart;  // as listed
        int lowestNumber = 0;
        QString zip;  // as listed; empty when there is none
    };
    QHash<QString, Set> sets;
    QStringList order;  // the BaseKeys of the sets with volumes, as first met
    for (const QString& name : names) {
        const QString base = BaseKey(name);
        Set& set = sets[base];
        if (IsZipName(name) && set.zip.isEmpty())
            set.zip = name;
        const std::optional<int> number = ZipPartNumber(TextAfterLast(name, kDot));
        if (!number)
            continue;
        if (set.lowestPart.isEmpty())
            order.append(base);
        if (set.lowestPart.isEmpty() || *number < set.lowestNumber) {
            set.lowestPart = name;
            set.lowestNumber = *number;
        }
    }
    QList<IncompleteSplitZip> incomplete;
    for (const QString& base : order) {
        const Set& set = sets[base];
        const QString stem = TextBeforeLast(set.lowestPart, kDot);
        if (set.zip.isEmpty())
            incomplete.append({set.lowestPart, stem + QStringLiteral(".zip")});
        else if (set.lowestNumber != 1)
            incomplete.append({set.zip, stem + u'.' + ZipPartExtension(1)});
    }
    return incomplete;
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

std::optional<Series> RecognizeSplitZip(const SharedListing& listing, const QString& startFile)
{
    if (!IsZipName(startFile))
        return std::nullopt;
    const QString base = TextBeforeLast(startFile, kDot);
    const auto numberOf = [&](const QString& name) -> std::optional<int> {
        if (!SameName(TextBeforeLast(name, kDot), base))
            return std::nullopt;
        return ZipPartNumber(TextAfterLast(name, kDot));
    };
    Series series =
        SetOf(SeriesKind::Zip, listing, startFile, base, FindParts(*listing, base + kDot, numberOf), ZipPartExtension(1));
    // The archiver writes the .zip last.
    AppendSameNames(series.SeqList,
                    listing->OrdinaryFilesStartingWith(startFile, [&](const QString& name) { return SameName(name, startFile); }),
                    startFile);
    return series;
}

}  // namespace quil
