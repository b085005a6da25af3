// FolderListing.cpp - the ordinary files of a folder, as the start-file list and the hidden listing show them.
// SPDX-License-Identifier: MIT
#include "series/FolderListing.h"

#include "os/NativeNames.h"
#include "series/NameCase.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

namespace quil {

namespace {

// A regular file, or a link to one; asks the file system only when the entry does not say.
bool IsOrdinaryFile(const QByteArray& folder, const dirent& entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return ::stat((folder + '/' + entry.d_name).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// A folder itself, not a link to one.
bool IsRealFolder(const QByteArray& folder, const dirent& entry)
{
    if (entry.d_type != DT_UNKNOWN)
        return entry.d_type == DT_DIR;
    struct stat info {};
    return ::lstat((folder + '/' + entry.d_name).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The names of the entries of `folder` but "." and ".." that `accept(name, folderBytes, entry)`
// takes, each name decoded losslessly (see NativeNames.h), in name order.
template <typename EntryFn>
QStringList ListAccepted(const QString& folder, EntryFn accept)
{
    if (folder.isEmpty())
        return {};
    const QByteArray path = NativePath(folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.constData()), &::closedir);
    if (!dir)
        return {};
    QStringList names;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        const QString name = NameFromNative(entry->d_name);
        if (accept(name, path, *entry))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), NameOrderLess);
    return names;
}

}  // namespace

QStringList ListOrdinaryFiles(const QString& folder, const NameFilter& keep)
{
    // Dot files are hidden; folders, FIFOs, sockets, devices and dangling links are no files.
    return ListAccepted(folder, [&keep](const QString& name, const QByteArray& path, const dirent& entry) {
        return !name.startsWith(u'.') && (!keep || keep(name)) && IsOrdinaryFile(path, entry);
    });
}

QStringList ListEntries(const QString& folder)
{
    return ListAccepted(folder, [](const QString&, const QByteArray&, const dirent&) { return true; });
}

QStringList ListSubfolders(const QString& folder)
{
    return ListAccepted(folder, [](const QString& name, const QByteArray& path, const dirent& entry) {
        return !name.startsWith(u'.') && IsRealFolder(path, entry);
    });
}

}  // namespace quil
