// ConsoleView.cpp - shows a check run on the terminal: rows on standard output, progress on standard error.
#include "cli/ConsoleView.h"

namespace quil::cli {

ConsoleView::ConsoleView(QTextStream& output, QTextStream& errors, bool showProgress)
    : output_(output), errors_(errors), showProgress_(showProgress)
{
}

void ConsoleView::AddMemberRow(const QString& name, const QString& crcText, const QString& sizeText,
                               const QString& status)
{
    ClearProgressLine();
    output_ << status << '\t' << name << '\t' << sizeText << '\t' << crcText << '\n';
    output_.flush();
}

void ConsoleView::ShowStatus(const QString& text)
{
    if (!showProgress_ || !text.startsWith(u"Checking ") || !text.endsWith(u"..."))
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

void ConsoleView::SetBusy(bool busy)
{
    if (!busy)
        ClearProgressLine();
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
