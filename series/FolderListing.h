// FolderListing.h - the ordinary files of a folder, as the start-file list and the hidden listing show them.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace quil {

// Whether a name belongs in a listing; an empty filter keeps every name.
using NameFilter = std::function<bool(const QString& name)>;

// Names (without folder) of the ordinary files in `folder` that `keep` accepts, in NameOrderLess
// order. Ordinary means regular files and links to regular files; names starting with "." are
// hidden and left out, as are folders, FIFOs, sockets, devices and dangling links. A folder that
// cannot be read gives no names. Filtering before sorting keeps a large folder cheap.
QStringList ListOrdinaryFiles(const QString& folder, const NameFilter& keep = {});

// Every entry of `folder` but "." and "..", hidden ones and those that are no files included, in
// name order; none when the folder cannot be read.
QStringList ListEntries(const QString& folder);

// The folders in `folder`, hidden ones and links to folders left out, in name order.
QStringList ListSubfolders(const QString& folder);

// Names are decoded from the system's bytes losslessly (NativeNames.h), so a name that is not
// valid UTF-8 is listed and can be opened.

}  // namespace quil
