// StartFiles.cpp - the start files of a folder, one per series, as the start-file list and --all find them.
// SPDX-License-Identifier: MIT
#include "series/StartFiles.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/NameCase.h"
#include "series/SeriesKinds.h"

#include <algorithm>

namespace quil {

namespace {

void AddStartFilesUnder(QStringList& found, const QString& root, const QString& relative, bool recursive)
{
    const QString folder = relative.isEmpty() ? root : JoinPath(root, relative);
    for (const QString& name : StartFiles(folder))
        found.append(relative.isEmpty() ? name : JoinPath(relative, name));
    if (!recursive)
        return;
    for (const QString& subfolder : ListSubfolders(folder))
        AddStartFilesUnder(found, root, relative.isEmpty() ? subfolder : JoinPath(relative, subfolder), true);
}

}  // namespace

QStringList StartFiles(const QString& folder)
{
    const std::span<const SeriesKindRow> kinds = SeriesKinds();
    const QStringList names = ListOrdinaryFiles(folder, [kinds](const QString& name) {
        return std::any_of(kinds.begin(), kinds.end(), [&name](const SeriesKindRow& row) { return row.looksAt(name); });
    });
    QStringList starts;
    for (const SeriesKindRow& row : kinds)
        starts += row.startFilesAmong(names);
    std::sort(starts.begin(), starts.end(), NameOrderLess);
    return starts;
}

QStringList StartFilesUnder(const QString& folder, bool recursive)
{
    QStringList found;
    AddStartFilesUnder(found, folder, QString(), recursive);
    return found;
}

}  // namespace quil
