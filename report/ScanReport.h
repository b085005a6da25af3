// ScanReport.h - the scan report of a finished check run: its lines and its text with the footer.
#pragma once

#include <QString>
#include <QStringList>

namespace quil {

// The start file's name rebuilt from the series kind and the base name ("test" + "RAR" gives
// "test.rar"); "" for a kind that is not one of "RAR", "ARJ", "ACE", "NUM".
QString StartName(const QString& seriesKind, const QString& baseName);

// Missing, differing-size and bad-CRC members of the last run together, whatever the mode.
qsizetype ProblemsFound();

// The report lines of the last run, built from State() alone; an empty line stands for a blank.
// Composing twice without a run in between gives the same lines. Never fails.
QStringList ComposeReport();

// The report lines as one text: each line ended by CR LF (a line of only spaces becomes an empty
// line), then the two footer lines "Report Created By …" and "Available At …" with no line end
// after the last. This is what goes on the clipboard.
QString ReportText(const QStringList& reportList);

}  // namespace quil
