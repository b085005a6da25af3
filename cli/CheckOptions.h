// CheckOptions.h - the command line of quillane-check, parsed.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/CheckMode.h"

#include <QString>
#include <QStringList>

namespace quil::cli {

struct CheckOptions {
    enum class Action { Check, DemoSeries, Help, Version, Usage };
    Action action = Action::Check;
    CheckMode mode = CheckMode::SizeOnly;
    QString sfvFile;
    bool sfvAuto = false;  // --sfv auto: the one .sfv file beside each series that lists its start file
    QString reportFile;  // "" unless --save was given
    QString sfvWriteFile;  // --write-sfv: where the CRC report's values go as an SFV file; "" otherwise
    QString startFile;  // "" with --sfv SFV_FILE alone: the start file SFV_FILE lists
    QString demoFolder;  // where --demo-series writes
    QString allFolder;       // --all: every series in this folder instead of one START_FILE
    bool recursive = false;  // -r: with --all, its subfolders too
    bool json = false;        // one JSON document instead of rows and report
    bool errorsOnly = false;  // no row lines for members that are OK
    QString usageError;  // why the command line was refused
};

// `arguments` without the program name, options and START_FILE or FOLDER in any order. Options may
// come as "--sfv FILE" or "--sfv=FILE"; "--" ends the options. "--sfv auto" asks for the SFV file to
// be found (a file named auto is "./auto").
CheckOptions ParseCheckOptions(const QStringList& arguments);

QString UsageText();

}  // namespace quil::cli
