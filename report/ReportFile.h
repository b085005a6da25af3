// ReportFile.h - writes a scan report to a text file.
#pragma once

#include <QString>

namespace quil {

// Creates or truncates the file at `path` and writes `reportText` followed by CR LF, in the local
// 8-bit encoding. Returns "" once every byte is on its way to the disk; otherwise a sentence naming
// the path and why it could not be created or written (a full disk, no permission, a folder path).
// A file created before a failed write is left as it is.
QString SaveReportFile(const QString& path, const QString& reportText);

}  // namespace quil
