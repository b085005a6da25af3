// FolderBatch.h - quillane-check --all: every series of a folder (and the folders below it), then a summary.
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CheckOptions.h"

#include <QTextStream>

namespace quil::cli {

// Checks every series whose start file StartFilesUnder finds in options.allFolder, in that order,
// each as one START_FILE would be: a "==> PATH <==" line, its rows, a blank line, its report and a
// blank line; then one summary line per series: "OK", "Problems" or "Refused", the start file's
// path, and the problem count or the refusal, separated by tabs. With --json, one array of the
// series' documents instead. A refusal goes to `errors` after the path. Returns the worst exit status.
int RunFolderBatch(const CheckOptions& options, QTextStream& output, QTextStream& errors, bool showProgress);

}  // namespace quil::cli
