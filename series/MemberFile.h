// MemberFile.h - finds the file behind a walked member name, letter case ignored.
#pragma once

#include <QHash>
#include <QString>

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

// Finds members of one folder. A name is looked up on disk afresh every time; the folder's names
// are listed once, on the first name that is not there in its exact case, so a walk through a
// large folder does not list it again for every absent member.
class MemberFinder {
public:
    explicit MemberFinder(QString folder) : folder_(std::move(folder)) {}

    const QString& folder() const { return folder_; }

    // The entry whose name equals `name` ignoring letter case: the exact-case entry when there is
    // one, otherwise the first such entry in name order. Hidden entries count; a dangling link
    // counts as absent. A series written as MOVIE.R00 thus checks like one written movie.r00.
    MemberFile Find(const QString& name);

private:
    QString folder_;
    std::optional<QHash<QString, QString>> byFoldedName_;  // case-folded name -> first entry
};

}  // namespace quil
