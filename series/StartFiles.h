// StartFiles.h - the start files of a folder, one per series, as the start-file list and --all find them.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace quil {

// The names of the ordinary files in `folder` that start a series, in name order (see
// ListOrdinaryFiles), as each kind's start-file rule in SeriesKinds.h picks them: every .rar,
// .001, .ace and .arj; a NAME.zip when NAME.z01 lies beside it; and of each NAME.partN.rar set its
// lowest-numbered part present, once (see LowestRarParts). A .partN.rar is an older RAR start file
// only when older members and no other part of its set lie beside it (see OldStyleRarParts).
QStringList StartFiles(const QString& folder);

// The start files of `folder` and, when `recursive`, of every folder below it, as paths relative to
// `folder`: each folder's own start files first, then its subfolders one by one, all in name order.
// Hidden folders and links to folders are not entered.
QStringList StartFilesUnder(const QString& folder, bool recursive);

}  // namespace quil
