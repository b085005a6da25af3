// MemberFile.cpp - finds the file behind a walked member name, letter case ignored.
#include "series/MemberFile.h"

#include "crc/ReadFailure.h"
#include "series/FolderListing.h"
#include "series/FunctionModule.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace quil {

static MemberFile Describe(const QFileInfo& info)
{
    if (!info.exists())
        return {};
    if (info.isFile())
        return {MemberFile::Kind::RegularFile, info.filePath(), info.size()};
    return {MemberFile::Kind::NotAFile, info.filePath(), 0, ReadFailure(info.filePath(), QStringLiteral("not a regular file"))};
}

QList<MemberFile> MemberFinder::Members(const QString& name, const QString& preferred)
{
    if (name.isEmpty())
        return {MemberFile{}};
    if (!byFoldedName_) {
        byFoldedName_.emplace();
        QStringList entries = QDir(folder_).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
        std::sort(entries.begin(), entries.end(), NameOrderLess);
        for (const QString& entry : entries)
            (*byFoldedName_)[entry.toCaseFolded()].append(entry);
    }
    QStringList names = byFoldedName_->value(name.toCaseFolded());
    for (const QString& first : {name, preferred}) {
        if (!first.isEmpty() && first.compare(name, Qt::CaseInsensitive) == 0) {
            names.removeAll(first);
            names.prepend(first);
        }
    }
    QList<MemberFile> files;
    MemberFile other;
    for (const QString& entry : names) {
        MemberFile file = Describe(QFileInfo(JoinPath(folder_, entry)));
        if (file.isRegularFile())
            files.append(file);
        else if (other.kind == MemberFile::Kind::Absent)
            other = file;
    }
    return files.isEmpty() ? QList<MemberFile>{other} : files;
}

}  // namespace quil
