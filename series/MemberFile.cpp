// MemberFile.cpp - finds the file behind a walked member name, letter case ignored.
// SPDX-License-Identifier: MIT
#include "series/MemberFile.h"

#include "os/ReadFailure.h"
#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/NameCase.h"

#include "os/NativeNames.h"

namespace quil {

MemberFile DescribeFile(const QString& path)
{
    const std::optional<struct stat> info = StatPath(path);
    if (!info)
        return {};
    if (S_ISREG(info->st_mode))
        return {MemberFile::Kind::RegularFile, path, info->st_size, {}};
    return {MemberFile::Kind::NotAFile, path, 0, ReadFailure(path, NotRegularReason())};
}

QList<MemberFile> MemberFinder::Members(const QString& name, const QString& preferred)
{
    if (name.isEmpty())
        return {MemberFile{}};
    if (!listing_)
        listing_ = FolderListing::Read(folder_);
    QStringList names = listing_->EntriesNamed(name);
    for (const QString& first : {name, preferred}) {
        if (!first.isEmpty() && SameName(first, name)) {
            names.removeAll(first);
            names.prepend(first);
        }
    }
    QList<MemberFile> files;
    MemberFile other;
    for (const QString& entry : names) {
        MemberFile file = DescribeFile(JoinPath(folder_, entry));
        if (file.isRegularFile())
            files.append(file);
        else if (other.kind == MemberFile::Kind::Absent)
            other = file;
    }
    return files.isEmpty() ? QList<MemberFile>{other} : files;
}

}  // namespace quil
