// Recognition.h - decides the series a start file opens and gathers the members found beside it.
#pragma once

#include "series/Series.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quil {

// The series that `startFile` in `folder` opens, with the members present; no value for a name of
// no kind (a .partN.rar and a .zip open the newer kinds, see PartSets.h).
std::optional<Series> RecognizeSeries(const QString& folder, const QString& startFile);

// Appends to `seqList`, lower-cased and in listing order, every name of `hidList` whose part
// before the last dot equals `baseName` and whose extension matches `pattern` as a whole
// (ignoring case).
void AddFoundMembers(QStringList& seqList, const QStringList& hidList, const QString& baseName,
                     const QString& pattern);

// Appends to `seqList`, lower-cased, `name` and then every other name of `listing` that equals it
// ignoring letter case: each of them is a member to check.
void AppendSameNames(QStringList& seqList, const QStringList& listing, const QString& name);

// True when `extension` matches `pattern` character by character, where a bracket group such as
// [r-z] stands for one character in that range; letter case is ignored.
bool ExtensionMatches(const QString& extension, const QString& pattern);

// Why a found list cannot be checked or shown: "Select an Archive File First!" when it is empty,
// "List Contains Only 1 File!" when it has one entry; no value from two entries on.
std::optional<QString> SeqListRefusal(const QStringList& seqList);

}  // namespace quil
