// PartSets.h - the two newer kinds: a NAME.partN.rar set and a split ZIP, their start files and series.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/FolderListing.h"
#include "series/Series.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quil {

// True for a NAME.partN.rar name (VolumeNames.h).
bool IsRarPart(const QString& name);

// The NAME.partN.rar names among `names` that start an older RAR series instead of a set: older
// members NAME.partN.r00 … lie among `names` beside it and no other part of its set (NAME.partM.rar
// in N's width) does, as archivers named such volumes before part sets came.
QStringList OldStyleRarParts(const QStringList& names);

// True when `startFile` is one of the OldStyleRarParts of the listed folder's names.
bool StartsOldStyleRar(const FolderListing& listing, const QString& startFile);

// Of each NAME.partN.rar set among `names` (in name order), its lowest-numbered part present, once;
// OldStyleRarParts are no sets.
// Parts are taken in number order; one that is not named as a part of a set already met starts a
// set of its own, as wide as its digits. So part1.rar … part12.rar is one set, and part1.rar beside
// part01.rar two.
QStringList LowestRarParts(const QStringList& names);

// The set a NAME.partN.rar opens: every NAME.partM.rar beside it named in the start file's width
// (N's digits), in part order; the run starts at part 1, there or not. No value for any other name,
// nor for one of the OldStyleRarParts.
std::optional<Series> RecognizeRarParts(const SharedListing& listing, const QString& startFile);

// True for a .zip name and for a .zNN name, which tells whether the .zip beside it starts a series or
// the set is incomplete.
bool IsSplitZipName(const QString& name);

// The .zip names among `names` that have a NAME.z01 among them too, in their order.
QStringList ZipsBesideFirstParts(const QStringList& names);

// A split ZIP that starts no series because a volume it cannot be without is not there.
struct IncompleteSplitZip {
    QString name;     // the volume it is known by: its lowest .zNN, or its .zip
    QString missing;  // NAME.zip when there is none, else NAME.z01
};

// Of each NAME whose .zNN volumes are among `names` (in name order), once: the set without its
// .zip, or with its .zip but without its .z01 while later volumes are there; in `names`' order.
QList<IncompleteSplitZip> IncompleteSplitZips(const QStringList& names);

// The split ZIP a NAME.zip opens: NAME.z01, NAME.z02 … in order, then NAME.zip last; the run starts
// at NAME.z01. No value for any other name.
//
// Either newer kind takes its first member found as the size reference.
std::optional<Series> RecognizeSplitZip(const SharedListing& listing, const QString& startFile);

}  // namespace quil
