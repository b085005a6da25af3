// ConsolePrompts.h - answers the run's questions from the command line and prints its messages to standard error.
#pragma once

#include "cli/CheckOptions.h"
#include "series/Prompts.h"

#include <QTextStream>

namespace quil::cli {

class ConsolePrompts : public Prompts {
public:
    ConsolePrompts(CheckMode mode, QString sfvFile, QTextStream& errors);

    Answer message(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons,
                   Answer defaultAnswer) override;
    std::optional<FileDialogChoice> fileDialog(const FileDialogRequest& request) override;
    void showHelp() override {}
    void openWebPage(const QString&) override {}

private:
    CheckMode mode_;
    QString sfvFile_;
    QTextStream& errors_;
};

}  // namespace quil::cli
