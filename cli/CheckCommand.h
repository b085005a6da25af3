// CheckCommand.h - quillane-check from parsed arguments to exit status.
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QTextStream>

namespace quil::cli {

// Runs the check the arguments ask for: rows, a blank line and the report (LF line ends) on
// `output`, or with --json one JSON document, or with --all every series of a folder (see
// FolderBatch.h); messages on `errors`. Returns 0 when the report counts no problem, 1 when it counts
// any, 2 for a refusal or bad usage.
int RunCheckCommand(const QStringList& arguments, QTextStream& output, QTextStream& errors, bool showProgress);

}  // namespace quil::cli
