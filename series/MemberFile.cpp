// MemberFile.cpp - finds the file behind a walked member name, letter case ignored.
#include "series/MemberFile.h"

#include "crc/ReadFailure.h"
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
    return {MemberFile::Kind::NotAFile, info.filePath(), 0, ReadFailure(info.filePath(), QStringLiteral("not a regular file"))};
}

MemberFile MemberFinder::Find(const QString& name)
{
    if (name.isEmpty())
        return {};
    MemberFile exact = Describe(QFileInfo(JoinPath(folder_, name)));
    if (exact.kind != MemberFile::Kind::Absent)
        return exact;
    if (!byFoldedName_) {
        byFoldedName_.emplace();
        const QStringList entries = QDir(folder_).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QString& entry : entries) {
            QString& first = (*byFoldedName_)[entry.toCaseFolded()];
            if (first.isEmpty() || NameOrderLess(entry, first))
                first = entry;
        }
    }
    const QString other = byFoldedName_->value(name.toCaseFolded());
    return other.isEmpty() ? MemberFile{} : Describe(QFileInfo(JoinPath(folder_, other)));
}

}  // namespace quil
