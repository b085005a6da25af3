// ConsoleView.cpp - shows a check run on the terminal: rows on standard output, progress on standard error.
#include "cli/ConsoleView.h"

#include "series/NameEscapes.h"

namespace quil::cli {

bool Keeps(RowLines rowLines, const MemberRow& row)
{
    return rowLines == RowLines::All || (rowLines == RowLines::ProblemsOnly && row.status != MemberStatus::OK);
}

ConsoleView::ConsoleView(QTextStream& output, QTextStream& errors, bool showProgress, RowLines rowLines)
    : output_(output), errors_(errors), showProgress_(showProgress), rowLines_(rowLines)
{
}

void ConsoleView::AddMemberRow(const MemberRow& row)
{
    if (!Keeps(rowLines_, row))
        return;
    ClearProgressLine();
    output_ << EscapedLine({StatusWord(row.status), row.name, row.sizeText, row.crcText}) << '\n';
    output_.flush();
    if (!row.reason.isEmpty()) {
        errors_ << row.reason << '\n';
        errors_.flush();
    }
}

void ConsoleView::ShowMemberStatus(const QString& text)
{
    if (!showProgress_)
        return;
    errors_ << "\r\x1b[K" << text << " (" << value_ << " of " << maximum_ << ')';
    errors_.flush();
    progressDrawn_ = true;
}

void ConsoleView::SetProgress(int value, int maximum)
{
    value_ = value;
    maximum_ = maximum;
}

void ConsoleView::ClearProgressLine()
{
    if (!progressDrawn_)
        return;
    errors_ << "\r\x1b[K";
    errors_.flush();
    progressDrawn_ = false;
}

}  // namespace quil::cli
