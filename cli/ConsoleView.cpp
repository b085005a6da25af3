// ConsoleView.cpp - shows a check run on the terminal: rows on standard output, progress on standard error.
// SPDX-License-Identifier: MIT
#include "cli/ConsoleView.h"

#include "cli/ProgressText.h"
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
    doneBytes_ += row.bytes.value_or(0);
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
    memberStatus_ = text;
    DrawProgress(0);
}

void ConsoleView::ShowBytesRead(qint64 bytes)
{
    DrawProgress(bytes);
}

void ConsoleView::DrawProgress(qint64 memberBytes)
{
    constexpr qint64 kRedrawMs = 100;
    if (!showProgress_ || (sinceDrawn_.isValid() && !sinceDrawn_.hasExpired(kRedrawMs)))
        return;
    if (!sinceStart_.isValid())
        sinceStart_.start();
    errors_ << "\r\x1b[K" << memberStatus_ << ' '
            << ProgressText(doneBytes_ + memberBytes, totalBytes_, sinceStart_.elapsed());
    errors_.flush();
    progressDrawn_ = true;
    sinceDrawn_.start();
}

void ConsoleView::SetSeriesBytes(qint64 total)
{
    totalBytes_ = total;
    sinceStart_.start();
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
