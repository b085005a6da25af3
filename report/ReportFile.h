// ReportFile.h - writes a scan report to a text file.
#pragma once

#include <QString>

namespace quil {

struct RunResult;

// Writes `reportText` followed by CR LF, in the local 8-bit encoding, to a new file beside `path`,
// flushes it to the disk and renames it to `path`, so the name holds the whole report or what it
// held before. Returns "" once the report is there; otherwise a sentence naming the path and why it
// could not be written (a full disk, a size limit, no permission, a missing folder). Something that
// is there and is not a regular file (a folder, a FIFO, a device) is refused without being opened;
// a link is followed and the file it names replaced. Nothing half written is left behind.
QString SaveReportFile(const QString& path, const QString& reportText);

// Why the report must not be written to `path`: it is the SFV file or one of the volumes that
// `run` read; "" when it is neither (or is not there).
QString SaveTargetClash(const QString& path, const RunResult& run);

}  // namespace quil
