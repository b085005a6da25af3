// ReportFile.h - writes a scan report, or another file a run made, to a text file.
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace quil {

struct RunResult;

// Writes `reportText`, the report of `run`, followed by CR LF, in the local 8-bit encoding, to a new
// file beside `path`, flushes it to the disk and renames it to `path`, so the name holds the whole
// report or what it held before; the file replaced keeps its owner, group and permissions. Where no
// new file can be made or renamed there (a folder that cannot be written, a sticky folder, an owner
// that cannot be kept) an existing file is written over instead: room reserved, written, flushed, cut
// to length. Returns "" once the report is there; otherwise a sentence naming the path and why it
// could not be written (a full disk, a size limit, no permission, a missing folder, a loop of links).
// Refused without being opened: something that is there and is not a regular file (a folder, a FIFO,
// a device), the SFV file `run` read and any volume it read. Links are followed, as a plain write
// would, to the file written (or made, for a dangling link). Nothing half written is left behind,
// not even when SIGINT or SIGTERM ends the program during the save.
QString SaveReportFile(const QString& path, const QString& reportText, const RunResult& run);

// Writes `bytes`, made from `run`, to `path` as SaveReportFile writes a report, with its refusals.
QString SaveFileBesideRun(const QString& path, const QByteArray& bytes, const RunResult& run);

}  // namespace quil
