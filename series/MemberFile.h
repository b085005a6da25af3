// MemberFile.h - finds the file behind a walked member name, letter case ignored.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/FolderListing.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quil {

struct MemberFile {
    enum class Kind { Absent, RegularFile, NotAFile };
    Kind kind = Kind::Absent;
    QString path;     // the file as it is named on disk; empty when absent
    qint64 size = 0;  // byte size of a regular file
    QString problem;  // why an entry that is there is not a volume; "" otherwise

    bool isRegularFile() const { return kind == Kind::RegularFile; }
};

// The file at `path` (links followed): a regular file with its size, something else, or absent.
MemberFile DescribeFile(const QString& path);

// Finds members of one folder in one listing of it, the one the series was recognised in when
// there is one, so a walk through a large folder does not list it again for every member; each entry
// found is looked at on disk afresh, and the exact name is looked up even when it came after the
// listing.
class MemberFinder {
public:
    // `listing` of `folder`; none: the folder is listed on the first lookup.
    explicit MemberFinder(QString folder, SharedListing listing = {})
        : folder_(std::move(folder)), listing_(std::move(listing))
    {
    }

    const QString& folder() const { return folder_; }

    // The files `name` stands for, letter case ignored, so a series written as MOVIE.R00 checks like
    // one written movie.r00: every regular file so named, `preferred` first when it is one of them,
    // then the exact name, then the rest in name order. When none is a regular file, the first
    // entry so named (a folder, a FIFO; hidden entries count), or an absent file.
    QList<MemberFile> Members(const QString& name, const QString& preferred = {});

private:
    QString folder_;
    SharedListing listing_;
};

}  // namespace quil
