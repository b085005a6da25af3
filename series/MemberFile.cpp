// MemberFile.cpp - finds the file behind a walked member name, letter case ignored.
#include "series/MemberFile.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"

#include <QDir>
#include <QFileInfo>

namespace quil {

static MemberFile Describe(const QFileInfo& info)
{
    if (!info.exists())
        return {};
    if (info.isFile())
        return {MemberFile::Kind::RegularFile, info.filePath(), info.size()};
    return {MemberFile::Kind::NotAFile, info.filePath(), 0};
}

static QString FirstCaseFoldedMatch(const QString& folder, const QString& name)
{
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    QString best;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (best.isEmpty() || NameOrderLess(entry, best)))
            best = entry;
    }
    return best;
}

MemberFile FindMemberFile(const QString& folder, const QString& name)
{
    if (name.isEmpty())
        return {};
    MemberFile exact = Describe(QFileInfo(JoinPath(folder, name)));
    if (exact.kind != MemberFile::Kind::Absent)
        return exact;
    const QString other = FirstCaseFoldedMatch(folder, name);
    return other.isEmpty() ? MemberFile{} : Describe(QFileInfo(JoinPath(folder, other)));
}

}  // namespace quil
