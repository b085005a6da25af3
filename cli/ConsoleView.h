// ConsoleView.h - shows a check run on the terminal: rows on standard output, progress on standard error.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/RunView.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace quil::cli {

// Which rows get a line.
enum class RowLines { All, ProblemsOnly, None };

// True when `rowLines` gives `row` a line.
bool Keeps(RowLines rowLines, const MemberRow& row);

class ConsoleView : public RunView {
public:
    // Progress is drawn on `errors` only when `showProgress` (standard error is a terminal).
    ConsoleView(QTextStream& output, QTextStream& errors, bool showProgress, RowLines rowLines = RowLines::All);

    // A row: status, name, size and CRC-32 separated by tabs, escaped as EscapedLine does. A reason
    // goes to standard error. A row that
    // `rowLines` leaves out shows nothing.
    void AddMemberRow(const MemberRow& row) override;
    void ShowStatus(const QString&) override {}
    // "Checking <name>..." and the progress through the series' bytes (see ProgressText), at most
    // ten times a second.
    void ShowMemberStatus(const QString& text) override;
    // The same line, with the bytes read so far of the member being examined counted in.
    void ShowBytesRead(qint64 bytes) override;
    void SetProgress(int, int) override {}
    void SetProgressTip(const QString&) override {}

    // The bytes of the series' members present, which the progress line counts towards; the run's
    // speed is measured from here.
    void SetSeriesBytes(qint64 total);
    // Whether a progress line is drawn at all.
    bool ShowsProgress() const { return showProgress_; }

    // Takes the progress line off the terminal once the run is over.
    void ClearProgressLine();

private:
    void DrawProgress(qint64 memberBytes);

    QTextStream& output_;
    QTextStream& errors_;
    bool showProgress_;
    RowLines rowLines_;
    bool progressDrawn_ = false;
    qint64 totalBytes_ = 0;
    qint64 doneBytes_ = 0;  // of the rows decided so far
    QString memberStatus_;  // "Checking <name>..." of the member being examined
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceDrawn_;
};

}  // namespace quil::cli
