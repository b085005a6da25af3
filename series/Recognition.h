// Recognition.h - decides the series a start file opens and gathers the members found beside it.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/FolderListing.h"
#include "series/Series.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quil {

// The series that `startFile` in the listed folder opens, with the members present, as the first row
// of SeriesKinds.h that recognises it; no value for a name of no kind. The series keeps the listing;
// a listing cut short by a failure gives a series that ShortListRefusal refuses.
std::optional<Series> RecognizeSeries(const SharedListing& listing, const QString& startFile);
// The same, `folder` listed afresh.
std::optional<Series> RecognizeSeries(const QString& folder, const QString& startFile);

// The start files of the four older kinds: every .rar that is no NAME.partN.rar, every .arj, .ace
// and .001. (A NAME.partN.rar with older members beside it can be an older RAR start file too:
// see OldStyleRarParts.)
bool IsRarStart(const QString& name);
// True for the name of an older RAR member: its extension .r00 … .z99.
bool IsRarMemberName(const QString& name);
bool IsArjStart(const QString& name);
bool IsAceStart(const QString& name);
bool IsNumberedStart(const QString& name);

// The older kinds' series, no value for a start file of another kind. A .rar (or a NAME.partN.rar
// that OldStyleRarParts takes) lists itself, then .r00 … .z99; an .arj itself, then .a01 … .a99 and .100 …; an .ace itself, then .c00 … .c99 and
// .100 …; a .001 every .NNN of its base name, a .000 included, then those numbered past 999 (.1000 …)
// in number order.
std::optional<Series> RecognizeRar(const SharedListing& listing, const QString& startFile);
std::optional<Series> RecognizeArj(const SharedListing& listing, const QString& startFile);
std::optional<Series> RecognizeAce(const SharedListing& listing, const QString& startFile);
std::optional<Series> RecognizeNumbered(const SharedListing& listing, const QString& startFile);

// Appends to `seqList`, lower-cased and in listing order, every name of `hidList` whose part
// before the last dot is the same name as `baseName` (NameCase.h) and whose extension matches
// `pattern` as a whole.
void AddFoundMembers(QStringList& seqList, const QStringList& hidList, const QString& baseName,
                     const QString& pattern);

// Appends to `seqList`, lower-cased, `name` and then every other name of `listing` that is the same
// name: each of them is a member to check.
void AppendSameNames(QStringList& seqList, const QStringList& listing, const QString& name);

// True when `extension` matches `pattern` character by character, where a bracket group such as
// [r-z] stands for one character in that range; both are compared by their NameKey.
bool ExtensionMatches(const QString& extension, const QString& pattern);

// Why a found list cannot be checked or shown: "Select an Archive File First!" when it is empty,
// "List Contains Only 1 File!" when it has one entry; no value from two entries on.
std::optional<QString> SeqListRefusal(const QStringList& seqList);

}  // namespace quil
