// FolderBatch.h - quillane-check --all: every series of a folder (and the folders below it), then a summary.
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CheckOptions.h"

#include <QTextStream>

namespace quil::cli {

// Checks every series whose start file FindingsUnder finds in options.allFolder, in that order,
// each as one START_FILE would be: a "==> PATH <==" line, its rows, a blank line, its report and a
// blank line; then one summary line per finding: "OK", "Problems" or "Refused", the start file's
// path, and the problem count or the refusal; "Refused" for an incomplete split ZIP, with the volume
// it is without; "Unreadable", the folder and the system's reason; separated by tabs. With --json,
// one array of the findings' documents instead. A refusal goes to `errors` after the path. Returns
// the worst exit status: a folder below that cannot be read counts as a problem found, the folder
// given unreadable as a refusal.
int RunFolderBatch(const CheckOptions& options, QTextStream& output, QTextStream& errors, bool showProgress);

}  // namespace quil::cli
