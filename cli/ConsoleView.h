// ConsoleView.h - shows a check run on the terminal: rows on standard output, progress on standard error.
#pragma once

#include "series/RunView.h"

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
    void ShowMemberStatus(const QString& text) override;
    void SetProgress(int value, int maximum) override;
    void SetProgressTip(const QString&) override {}

    // Takes the progress line off the terminal once the run is over.
    void ClearProgressLine();

private:

    QTextStream& output_;
    QTextStream& errors_;
    bool showProgress_;
    RowLines rowLines_;
    bool progressDrawn_ = false;
    int value_ = 0;
    int maximum_ = 0;
};

}  // namespace quil::cli
