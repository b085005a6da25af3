// Recognition.cpp - decides the series a start file opens and gathers the members found beside it.
// SPDX-License-Identifier: MIT
#include "series/Recognition.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/MemberFile.h"
#include "series/NameCase.h"
#include "series/PartSets.h"
#include "prompts/Messages.h"
#include "series/SeriesKinds.h"
#include "series/VolumeNames.h"

#include <algorithm>

namespace quil {

namespace {

const QString kRarMemberPattern = QStringLiteral("[r-z][0-9][0-9]");

// An older kind: its start file's extension with its dot, whether the start file heads the found list itself,
// then the found-list patterns in order.
struct OlderKind {
    SeriesKind kind;
    QStringView extension;
    bool startFileFirst;
    QStringList patterns;
};

// Appends the members numbered past 999 (.1000 …) of `hidList`, whose names are all of one base,
// in number order: name order would put .1000 before .101.
void AddLongNumberedMembers(QStringList& seqList, const QStringList& hidList)
{
    QList<std::pair<int, QString>> found;
    for (const QString& name : hidList) {
        const std::optional<int> number = NumberedVolumeNumber(TextAfterLast(name, QStringLiteral(".")));
        if (number && *number > 999)
            found.append({*number, name.toLower()});
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [number, name] : found)
        seqList.append(name);
}

// The series of `rule`'s kind that `startFile` opens; no value when it is no start file (`isStart`).
std::optional<Series> RecognizeOlderKind(bool isStart, const OlderKind& rule, const SharedListing& listing,
                                         const QString& startFile)
{
    if (!isStart)
        return std::nullopt;
    Series series;
    series.Kind = rule.kind;
    series.Folder = listing->folder();
    series.Listing = listing;
    series.StartFile = startFile;
    const QString startBase = TextBeforeLast(startFile, QStringLiteral("."));
    series.BaseName = startBase.toLower();
    series.ReferenceSize = DescribeFile(JoinPath(series.Folder, startFile)).size;
    // Only names of this series can be members; the rest of a large folder is not looked at.
    const QStringList hidList = listing->OrdinaryFilesStartingWith(startBase + u'.', [&startBase](const QString& name) {
        return SameName(TextBeforeLast(name, QStringLiteral(".")), startBase);
    });
    if (rule.startFileFirst)
        AppendSameNames(series.SeqList, hidList, startFile);
    for (const QString& pattern : rule.patterns)
        AddFoundMembers(series.SeqList, hidList, startBase, pattern);
    if (rule.kind == SeriesKind::Num)
        AddLongNumberedMembers(series.SeqList, hidList);
    series.FirstMember = series.SeqList.value(0);
    // A numbered series is named by its .001 even when a .000 leads it.
    series.StartName = series.BaseName + rule.extension.toString();
    series.ReferenceName = startFile;
    return series;
}

}  // namespace

bool ExtensionMatches(const QString& extension, const QString& pattern)
{
    const QString ext = NameKey(extension);
    const QString pat = NameKey(pattern);
    qsizetype p = 0;
    for (const QChar c : ext) {
        if (p >= pat.size())
            return false;
        if (pat[p] == u'[' && p + 4 < pat.size() && pat[p + 2] == u'-' && pat[p + 4] == u']') {
            if (c < pat[p + 1] || c > pat[p + 3])
                return false;
            p += 5;
        } else {
            if (c != pat[p])
                return false;
            ++p;
        }
    }
    return p == pat.size();
}

void AddFoundMembers(QStringList& seqList, const QStringList& hidList, const QString& baseName,
                     const QString& pattern)
{
    for (const QString& entry : hidList) {
        if (SameName(TextBeforeLast(entry, QStringLiteral(".")), baseName)
            && ExtensionMatches(TextAfterLast(entry, QStringLiteral(".")), pattern))
            seqList.append(entry.toLower());
    }
}

void AppendSameNames(QStringList& seqList, const QStringList& listing, const QString& name)
{
    seqList.append(name.toLower());
    for (const QString& entry : listing)
        if (entry != name && SameName(entry, name))
            seqList.append(entry.toLower());
}

bool IsRarStart(const QString& name)
{
    return NameEndsWith(name, u".rar") && !ParseRarPartName(name);
}

bool IsRarMemberName(const QString& name)
{
    return ExtensionMatches(TextAfterLast(name, QStringLiteral(".")), kRarMemberPattern);
}

bool IsArjStart(const QString& name)
{
    return NameEndsWith(name, u".arj");
}

bool IsAceStart(const QString& name)
{
    return NameEndsWith(name, u".ace");
}

bool IsNumberedStart(const QString& name)
{
    return NameEndsWith(name, u".001");
}

std::optional<Series> RecognizeRar(const SharedListing& listing, const QString& startFile)
{
    const bool isStart = IsRarStart(startFile) || StartsOldStyleRar(*listing, startFile);
    return RecognizeOlderKind(isStart, {SeriesKind::Rar, u".rar", true, {kRarMemberPattern}}, listing, startFile);
}

std::optional<Series> RecognizeArj(const SharedListing& listing, const QString& startFile)
{
    return RecognizeOlderKind(IsArjStart(startFile), {SeriesKind::Arj, u".arj", true,
                               {QStringLiteral("a[0-9][0-9]"), QStringLiteral("[0-9][0-9][0-9]")}},
                              listing, startFile);
}

std::optional<Series> RecognizeAce(const SharedListing& listing, const QString& startFile)
{
    return RecognizeOlderKind(IsAceStart(startFile), {SeriesKind::Ace, u".ace", true,
                               {QStringLiteral("c[0-9][0-9]"), QStringLiteral("[0-9][0-9][0-9]")}},
                              listing, startFile);
}

std::optional<Series> RecognizeNumbered(const SharedListing& listing, const QString& startFile)
{
    // The scan alone finds the members, a .000 before the .001 included.
    return RecognizeOlderKind(IsNumberedStart(startFile),
                              {SeriesKind::Num, u".001", false, {QStringLiteral("[0-9][0-9][0-9]")}}, listing, startFile);
}

std::optional<Series> RecognizeSeries(const SharedListing& listing, const QString& startFile)
{
    for (const SeriesKindRow& row : SeriesKinds())
        if (std::optional<Series> series = row.recognize(listing, startFile))
            return series;
    return std::nullopt;
}

std::optional<Series> RecognizeSeries(const QString& folder, const QString& startFile)
{
    return RecognizeSeries(FolderListing::Read(folder), startFile);
}

std::optional<QString> SeqListRefusal(const QStringList& seqList)
{
    if (seqList.size() >= 2)
        return std::nullopt;
    return seqList.isEmpty() ? SelectArchiveFirstMessage() : OnlyOneFileMessage();
}

}  // namespace quil
