// FolderListing.h - the ordinary files of a folder, as the start-file list and the hidden listing show them.
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <QHash>

#include <functional>
#include <memory>
#include <mutex>

namespace quil {

// Whether a name belongs in a listing; an empty filter keeps every name.
using NameFilter = std::function<bool(const QString& name)>;

// One reading of a folder's entries, shared by everything that looks at that folder in one go (the
// start files, the recognition of each series and the member lookup of its run), so a folder of
// many series is read and sorted once rather than once for every series. Names are decoded from the
// system's bytes losslessly (NativeNames.h), so a name that is not valid UTF-8 is listed and can be
// opened. Immutable once read (the index it makes on its first lookup is made once, under a lock),
// so threads may share it.
class FolderListing {
public:
    enum class EntryType { OrdinaryFile, Folder, Other };

    // Reads `folder` to its end through the SystemCalls seam.
    static std::shared_ptr<const FolderListing> Read(const QString& folder);

    const QString& folder() const { return folder_; }

    // Why the folder could not be read to its end, as the system says it ("Permission denied");
    // empty when it was. A listing cut short by a failure holds the entries read before it.
    const QString& failureReason() const { return failureReason_; }
    bool failed() const { return !failureReason_.isEmpty(); }
    // "Cannot read FOLDER: reason" (ReadFailure.h).
    QString Failure() const;

    // Names (without folder) of the ordinary files that `keep` accepts, in NameOrderLess order.
    // Ordinary means regular files and links to regular files; names starting with "." are hidden
    // and left out, as are folders, FIFOs, sockets, devices and dangling links.
    QStringList OrdinaryFiles(const NameFilter& keep = {}) const;
    // The same, of the names whose NameKey starts with the NameKey of `prefix` only: one series'
    // names are found without a pass over the whole folder.
    QStringList OrdinaryFilesStartingWith(const QString& prefix, const NameFilter& keep = {}) const;
    // Every entry that is the same name as `name` (NameCase.h), hidden ones and those that are no
    // files included, in name order.
    QStringList EntriesNamed(const QString& name) const;
    // The folders, hidden ones and links to folders left out, in name order.
    QStringList Subfolders() const;

private:
    struct Entry {
        QString name;
        EntryType type;
    };
    // The entries whose NameKeys start with `keyPrefix` and that `accept` takes, in name order.
    template <typename AcceptFn>
    QStringList Matching(const QString& keyPrefix, AcceptFn accept) const;
    // The indexes of the entries whose NameKeys agree up to their first dot, by that part.
    const QHash<QString, QList<qsizetype>>& Groups() const;

    QString folder_;
    QString failureReason_;
    QList<Entry> entries_;  // in the order the system gives them
    mutable std::once_flag grouped_;
    mutable QHash<QString, QList<qsizetype>> groups_;
};

using SharedListing = std::shared_ptr<const FolderListing>;

// FolderListing::Read(folder)->OrdinaryFiles(keep); no names when the folder cannot be read to its end.
QStringList ListOrdinaryFiles(const QString& folder, const NameFilter& keep = {});

}  // namespace quil
