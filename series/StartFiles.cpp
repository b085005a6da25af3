// StartFiles.cpp - the start files of a folder, one per series, as the start-file list and --all find them.
// SPDX-License-Identifier: MIT
#include "series/StartFiles.h"

#include "os/NativeNames.h"
#include "series/FunctionModule.h"
#include "series/NameCase.h"
#include "series/PartSets.h"
#include "series/SeriesKinds.h"

#include <algorithm>

namespace quil {

namespace {

// The names of the listed folder some kind's start-file rule needs to see.
QStringList NamesLookedAt(const FolderListing& listing)
{
    const std::span<const SeriesKindRow> kinds = SeriesKinds();
    return listing.OrdinaryFiles([kinds](const QString& name) {
        return std::any_of(kinds.begin(), kinds.end(), [&name](const SeriesKindRow& row) { return row.looksAt(name); });
    });
}

QStringList StartFilesAmong(const QStringList& names)
{
    QStringList starts;
    for (const SeriesKindRow& row : SeriesKinds())
        starts += row.startFilesAmong(names);
    std::sort(starts.begin(), starts.end(), NameOrderLess);
    return starts;
}

void AddFindingsUnder(QList<FolderFinding>& found, const QString& root, const QString& relative, bool recursive)
{
    using Kind = FolderFinding::Kind;
    const auto within = [&relative](const QString& name) { return relative.isEmpty() ? name : JoinPath(relative, name); };
    const SharedListing listing = FolderListing::Read(AbsolutePath(relative.isEmpty() ? root : JoinPath(root, relative)));
    if (listing->failed()) {
        found.append({Kind::Unreadable, relative, listing, listing->failureReason()});
        return;
    }
    const QStringList names = NamesLookedAt(*listing);
    QList<FolderFinding> here;
    for (const QString& name : StartFilesAmong(names))
        here.append({Kind::StartFile, within(name), listing, {}});
    for (const IncompleteSplitZip& zip : IncompleteSplitZips(names))
        here.append({Kind::IncompleteSplitZip, within(zip.name), listing, zip.missing});
    std::stable_sort(here.begin(), here.end(),
                     [](const FolderFinding& a, const FolderFinding& b) { return NameOrderLess(a.relative, b.relative); });
    found += here;
    if (!recursive)
        return;
    for (const QString& subfolder : listing->Subfolders())
        AddFindingsUnder(found, root, within(subfolder), true);
}

}  // namespace

QStringList StartFiles(const FolderListing& listing)
{
    return StartFilesAmong(NamesLookedAt(listing));
}

QStringList StartFiles(const QString& folder)
{
    const SharedListing listing = FolderListing::Read(folder);
    return listing->failed() ? QStringList() : StartFiles(*listing);
}

QList<FolderFinding> FindingsUnder(const QString& folder, bool recursive)
{
    QList<FolderFinding> found;
    AddFindingsUnder(found, folder, QString(), recursive);
    return found;
}

}  // namespace quil
