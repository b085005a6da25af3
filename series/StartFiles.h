// StartFiles.h - the start files of a folder, one per series, as the start-file list and --all find them.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/FolderListing.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quil {

// The names of the ordinary files in the listed folder that start a series, in name order (see
// FolderListing::OrdinaryFiles), as each kind's start-file rule in SeriesKinds.h picks them: every
// .rar, .001, .ace and .arj; a NAME.zip when NAME.z01 lies beside it; and of each NAME.partN.rar
// set its lowest-numbered part present, once (see LowestRarParts). A .partN.rar is an older RAR
// start file only when older members and no other part of its set lie beside it (see
// OldStyleRarParts).
QStringList StartFiles(const FolderListing& listing);
// The same of `folder` listed afresh; none when it cannot be read to its end.
QStringList StartFiles(const QString& folder);

// What a walk through folders finds, in the order it is met.
struct FolderFinding {
    enum class Kind { StartFile, Unreadable, IncompleteSplitZip };
    Kind kind = Kind::StartFile;
    QString relative;       // the start file, folder or volume, relative to the folder walked ("" for itself)
    SharedListing listing;  // the listing of the folder it lies in, shared by its series
    QString reason;         // why a folder was unreadable; the volume an incomplete split ZIP is without
};

// The findings of `folder` and, when `recursive`, of every folder below it: each folder's start
// files and incomplete split ZIPs (see IncompleteSplitZips) first, in name order, then its
// subfolders one by one in name order; a folder that cannot be read to its end (or opened, or whose
// path is too long) is one Unreadable finding and nothing of it is checked. Each folder is listed
// once, by its absolute path. Hidden folders and links to folders are not entered.
QList<FolderFinding> FindingsUnder(const QString& folder, bool recursive);

}  // namespace quil
