// Recognition.h - decides the series a start file opens and gathers the members found beside it.
#pragma once

#include "series/Callbacks.h"

#include <QString>
#include <QStringList>

namespace quil {

// Takes `startFile` in `folder` as the start file: sets SeriesKind, BaseName and ReferenceSize and
// fills SeqList with the members present. An extension of none of the four kinds leaves SeqList
// empty and SeriesKind unchanged. Ends with the status "Ready To Scan Archive".
void FileList_Click(const QString& folder, const QString& startFile, const ShowStatusFn& showStatus);

// Appends to SeqList, lower-cased and in listing order, every name of `hidList` whose part before
// the last dot equals BaseName and whose extension matches `pattern` as a whole (ignoring case).
void AddFoundMembers(const QStringList& hidList, const QString& pattern);

// True when `extension` matches `pattern` character by character, where a bracket group such as
// [r-z] stands for one character in that range; letter case is ignored.
bool ExtensionMatches(const QString& extension, const QString& pattern);

}  // namespace quil
