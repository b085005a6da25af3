// StartOptions.h - the command line of quillane: a start file or folder to open, or --help and --version.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace quil {

struct StartOptions {
    enum class Action { Open, Help, Version, Usage };
    Action action = Action::Open;
    QString path;        // the start file or folder to open; "" for the remembered folder
    QString usageError;  // why the command line was refused
};

// `arguments` without the program name; "--" ends the options. A path that does not exist is refused.
StartOptions ParseStartOptions(const QStringList& arguments);

// Answers --help, --version or a refused command line (any action but Open) on the terminal and
// returns the exit status: 0, or 2 when refused. The help names the help document found from
// `programFolder`, so an installed copy shows where its own help is.
int AnswerOnTerminal(const StartOptions& options, const QString& programFolder, QTextStream& output,
                     QTextStream& errors);

}  // namespace quil
