// CheckOptions.h - the command line of quillane-check, parsed.
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
    QString reportFile;  // "" unless --save was given
    QString startFile;
    QString demoFolder;  // where --demo-series writes
    QString usageError;  // why the command line was refused
};

// `arguments` without the program name. Options may come as "--sfv FILE" or "--sfv=FILE"; "--"
// ends the options.
CheckOptions ParseCheckOptions(const QStringList& arguments);

QString UsageText();

}  // namespace quil::cli
