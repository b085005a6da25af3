// PartSets.cpp - recognises the two newer kinds: a NAME.partN.rar set and a split ZIP.
#include "series/PartSets.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/MemberFile.h"
#include "series/Recognition.h"
#include "series/VolumeNames.h"


#include <algorithm>

namespace quil {

namespace {

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
    series.kind = kind;
    series.folder = folder;
    series.startFile = startFile;
    series.BaseName = base.toLower();
    series.firstMember = series.BaseName + u'.' + firstExtension;
    series.startName = series.firstMember;
    // The start file as picked, when it is the lowest part, rather than a name equal to it but for case.
    const bool startIsLowest = parts.isEmpty() || parts.first().name.compare(startFile, Qt::CaseInsensitive) == 0;
    series.referenceName = startIsLowest ? startFile : parts.first().name;
    series.ReferenceSize = DescribeFile(JoinPath(folder, series.referenceName)).size;
    for (const FoundPart& part : parts)
        series.SeqList.append(part.name.toLower());
    return series;
}

}  // namespace

std::optional<Series> RecognizeNewStyleSet(const QString& folder, const QString& startFile)
{
    if (const std::optional<RarPartName> start = ParseRarPartName(startFile)) {
        const int width = int(start->digits.size());
        const QString base = start->base.toLower();
        const auto numberOf = [&](const QString& name) -> std::optional<int> {
            const std::optional<RarPartName> part = ParseRarPartName(name);
            if (!part || part->base.toLower() != base || !IsRarPartOfWidth(*part, width))
                return std::nullopt;
            return part->number;
        };
        return SetOf(SeriesKind::RarParts, folder, startFile, base, FindParts(folder, numberOf),
                     RarPartExtension(1, width));
    }
    const QString dot = QStringLiteral(".");
    if (TextAfterLast(startFile, dot).toLower() != u"zip")
        return std::nullopt;
    const QString base = TextBeforeLast(startFile, dot).toLower();
    const auto numberOf = [&](const QString& name) -> std::optional<int> {
        if (TextBeforeLast(name, dot).toLower() != base)
            return std::nullopt;
        return ZipPartNumber(TextAfterLast(name, dot));
    };
    Series series = SetOf(SeriesKind::Zip, folder, startFile, base, FindParts(folder, numberOf), ZipPartExtension(1));
    // The archiver writes the .zip last.
    AppendSameNames(series.SeqList, ListOrdinaryFiles(folder, [&](const QString& name) {
                        return name.compare(startFile, Qt::CaseInsensitive) == 0;
                    }), startFile);
    return series;
}

}  // namespace quil
