// FolderListing.cpp - the ordinary files of a folder, as the start-file list and the hidden listing show them.
// SPDX-License-Identifier: MIT
#include "series/FolderListing.h"

#include "os/NativeNames.h"
#include "os/ReadFailure.h"
#include "os/SystemCalls.h"
#include "series/NameCase.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>

namespace quil {

namespace {

// What an entry is; asks the file system only when the entry does not say. Links count as what they
// lead to when that is a regular file, and as no folder even when they lead to one.
FolderListing::EntryType TypeOf(const QByteArray& folder, const dirent& entry)
{
    using Type = FolderListing::EntryType;
    if (entry.d_type == DT_REG)
        return Type::OrdinaryFile;
    if (entry.d_type == DT_DIR)
        return Type::Folder;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return Type::Other;
    const QByteArray path = folder + '/' + entry.d_name;
    struct stat info {};
    // One look at the entry itself; only a link needs a second, at what it leads to.
    if (entry.d_type == DT_UNKNOWN) {
        if (::lstat(path.constData(), &info) != 0)
            return Type::Other;
        if (!S_ISLNK(info.st_mode))
            return S_ISDIR(info.st_mode) ? Type::Folder : S_ISREG(info.st_mode) ? Type::OrdinaryFile : Type::Other;
    }
    return ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) ? Type::OrdinaryFile : Type::Other;
}

// A NameKey up to its first dot; the whole key when it has none.
QString GroupOf(const QString& key)
{
    const qsizetype dot = key.indexOf(u'.');
    return dot < 0 ? key : key.left(dot);
}

}  // namespace

SharedListing FolderListing::Read(const QString& folder)
{
    auto listing = std::make_shared<FolderListing>();
    listing->folder_ = folder;
    if (folder.isEmpty()) {
        listing->failureReason_ = SystemReason(ENOENT);
        return listing;
    }
    crc::SystemCalls& system = crc::System();
    const QByteArray path = NativePath(folder);
    DIR* dir = system.openFolder(path.constData());
    if (!dir) {
        listing->failureReason_ = SystemReason(errno);
        return listing;
    }
    for (;;) {
        // readdir leaves errno alone at the end of the folder and sets it on a failure.
        errno = 0;
        const dirent* entry = system.readFolder(dir);
        if (!entry) {
            if (errno != 0)
                listing->failureReason_ = SystemReason(errno);
            break;
        }
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        const QString name = NameFromNative(entry->d_name);
        listing->entries_.append({name, TypeOf(path, *entry)});
    }
    system.closeFolder(dir);
    return listing;
}

QString FolderListing::Failure() const
{
    return ReadFailure(folder_, failureReason_);
}

const QHash<QString, QList<qsizetype>>& FolderListing::Groups() const
{
    std::call_once(grouped_, [this] {
        for (qsizetype i = 0; i < entries_.size(); ++i)
            groups_[GroupOf(NameKey(entries_[i].name))].append(i);
    });
    return groups_;
}

template <typename AcceptFn>
QStringList FolderListing::Matching(const QString& keyPrefix, AcceptFn accept) const
{
    QStringList names;
    const auto take = [&](const Entry& entry) {
        if ((keyPrefix.isEmpty() || NameKey(entry.name).startsWith(keyPrefix)) && accept(entry))
            names.append(entry.name);
    };
    // A key that starts with a prefix holding a dot agrees with it up to that dot: only that group
    // is looked at, so each series of a large folder costs a few names, not the whole folder.
    if (keyPrefix.contains(u'.')) {
        for (const qsizetype i : Groups().value(GroupOf(keyPrefix)))
            take(entries_[i]);
    } else {
        for (const Entry& entry : entries_)
            take(entry);
    }
    // Only what was taken is sorted, so a large folder stays cheap.
    std::sort(names.begin(), names.end(), NameOrderLess);
    return names;
}

QStringList FolderListing::OrdinaryFiles(const NameFilter& keep) const
{
    return OrdinaryFilesStartingWith(QString(), keep);
}

QStringList FolderListing::OrdinaryFilesStartingWith(const QString& prefix, const NameFilter& keep) const
{
    // Dot files are hidden.
    return Matching(NameKey(prefix), [&keep](const Entry& entry) {
        return entry.type == EntryType::OrdinaryFile && !entry.name.startsWith(u'.') && (!keep || keep(entry.name));
    });
}

QStringList FolderListing::EntriesNamed(const QString& name) const
{
    const QString key = NameKey(name);
    // A name without a dot is a group of its own.
    const QList<qsizetype> group = Groups().value(GroupOf(key));
    QStringList names;
    for (const qsizetype i : group)
        if (NameKey(entries_[i].name) == key)
            names.append(entries_[i].name);
    std::sort(names.begin(), names.end(), NameOrderLess);
    return names;
}

QStringList FolderListing::Subfolders() const
{
    return Matching(QString(), [](const Entry& entry) {
        return entry.type == EntryType::Folder && !entry.name.startsWith(u'.');
    });
}

QStringList ListOrdinaryFiles(const QString& folder, const NameFilter& keep)
{
    const SharedListing listing = FolderListing::Read(folder);
    return listing->failed() ? QStringList() : listing->OrdinaryFiles(keep);
}

}  // namespace quil
