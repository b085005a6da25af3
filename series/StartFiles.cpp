// StartFiles.cpp - the start files of a folder, one per series, as the start-file list and --all find them.
#include "series/StartFiles.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/SeriesKind.h"
#include "series/VolumeNames.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace quil {

namespace {

const QString kDot = QStringLiteral(".");

bool HasStartExtension(const QString& name)
{
    for (const SeriesKind kind : {SeriesKind::Rar, SeriesKind::Num, SeriesKind::Ace, SeriesKind::Arj, SeriesKind::Zip})
        if (name.endsWith(StartExtension(kind), Qt::CaseInsensitive))
            return true;
    return false;
}

bool IsFirstZipPart(const QString& name)
{
    return ZipPartNumber(TextAfterLast(name, kDot)) == 1;
}

struct ListedPart {
    RarPartName part;
    QString name;
};

// The lowest-numbered part of each NAME.partN.rar set among `parts` (in name order).
QStringList LowestPartOfEachSet(QList<ListedPart> parts)
{
    std::stable_sort(parts.begin(), parts.end(),
                     [](const ListedPart& a, const ListedPart& b) { return a.part.number < b.part.number; });
    struct Set {
        QString base;  // lower case
        int width;
    };
    QList<Set> sets;
    QStringList lowest;
    for (const ListedPart& listed : parts) {
        const QString base = listed.part.base.toLower();
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
    const QStringList names =
        ListOrdinaryFiles(folder, [](const QString& name) { return HasStartExtension(name) || IsFirstZipPart(name); });
    QSet<QString> firstZipParts;
    for (const QString& name : names)
        if (IsFirstZipPart(name))
            firstZipParts.insert(TextBeforeLast(name, kDot).toCaseFolded());

    QStringList starts;
    QList<ListedPart> parts;
    for (const QString& name : names) {
        const bool zip = name.endsWith(StartExtension(SeriesKind::Zip), Qt::CaseInsensitive);
        if (const std::optional<RarPartName> part = ParseRarPartName(name))
            parts.append({*part, name});
        else if (zip ? firstZipParts.contains(TextBeforeLast(name, kDot).toCaseFolded()) : !IsFirstZipPart(name))
            starts.append(name);
    }
    starts += LowestPartOfEachSet(parts);
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
