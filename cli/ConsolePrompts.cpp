// ConsolePrompts.cpp - answers the run's questions from the command line and prints its messages to standard error.
#include "cli/ConsolePrompts.h"

#include "series/CheckRun.h"

#include <QFileInfo>

namespace quil::cli {

ConsolePrompts::ConsolePrompts(CheckMode mode, QString sfvFile, QTextStream& errors)
    : mode_(mode), sfvFile_(std::move(sfvFile)), errors_(errors)
{
}

Answer ConsolePrompts::message(const QString&, const QString& text, MessageIcon, MessageButtons buttons, Answer)
{
    if (buttons == MessageButtons::YesNo) {
        if (text == CheckRun::SfvQuestion())
            return mode_ == CheckMode::SfvCheck ? Answer::Yes : Answer::No;
        if (text == CheckRun::CrcReportQuestion())
            return mode_ == CheckMode::CrcReport ? Answer::Yes : Answer::No;
        return Answer::No;
    }
    errors_ << text << Qt::endl;
    return Answer::Ok;
}

std::optional<FileDialogChoice> ConsolePrompts::fileDialog(const FileDialogRequest&)
{
    if (sfvFile_.isEmpty())
        return std::nullopt;
    return FileDialogChoice{QFileInfo(sfvFile_).absoluteFilePath(), 1};
}

}  // namespace quil::cli
