// ScanReport.h - the scan report of a finished check run: its lines and its text with the footer.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace quil {

struct RunResult;

// The report lines of a finished run; an empty line stands for a blank. Never fails.
QStringList ComposeReport(const RunResult& run);

// The report lines as one text: each line ended by CR LF (a line of only spaces becomes an empty
// line), then the two footer lines "Report Created By …" and "Available At …" with no line end
// after the last. This is what goes on the clipboard.
QString ReportText(const QStringList& reportList);

}  // namespace quil
