// SfvFile.h - the SFV file a CRC report run makes: each volume read and its CRC-32.
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace quil {

struct RunResult;

// True when `run` has CRC-32 values to save: a CRC report that ran to its end.
bool HasCrcValues(const RunResult& run);

// An SFV file in UTF-8: a comment line naming the program, its version and `date`, then "NAME CRC"
// for every volume `run` read, in walk order, named as on disk, the CRC in upper-case hex; each line
// ends in LF. A volume that could not be read has no line.
QByteArray SfvFileBytes(const RunResult& run, QDate date);

// Writes SfvFileBytes for today to `path` as SaveFileBesideRun writes (ReportFile.h); "" once it is
// there, otherwise why not.
QString SaveSfvFile(const QString& path, const RunResult& run);

}  // namespace quil
