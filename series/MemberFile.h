// MemberFile.h - finds the file behind a walked member name, letter case ignored.
#pragma once

#include <QString>

namespace quil {

struct MemberFile {
    enum class Kind { Absent, RegularFile, NotAFile };
    Kind kind = Kind::Absent;
    QString path;     // the file as it is named on disk; empty when absent
    qint64 size = 0;  // byte size of a regular file

    bool isRegularFile() const { return kind == Kind::RegularFile; }
};

// The entry of `folder` whose name equals `name` ignoring letter case: the exact-case entry when
// there is one, otherwise the first such entry in name order. Hidden entries count; a dangling
// link counts as absent. A series written as MOVIE.R00 thus checks like one written movie.r00.
MemberFile FindMemberFile(const QString& folder, const QString& name);

}  // namespace quil
