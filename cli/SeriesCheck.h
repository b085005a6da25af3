// SeriesCheck.h - one series checked for quillane-check: the options as a check request, its rows and exit status.
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CheckOptions.h"
#include "cli/ConsoleView.h"
#include "series/SeriesCheck.h"

#include <QString>

#include <optional>

namespace quil::cli {

// Checks `series` (none: refused as no start file) in the mode `options` asks for, through the
// core's CheckSeries; the rows reach `view`, whose progress line is cleared at the end. A relative
// SFV path is taken from the working folder. `readNext` is the file read after this series, if any.
SeriesOutcome CheckSeries(const QString& startPath, const std::optional<Series>& series, const CheckOptions& options,
                          ConsoleView& view, const QString& readNext = {});

// kRefused when `outcome` has no run; otherwise kProblemsFound or kNoProblem by its report's count.
int ExitStatusOf(const SeriesOutcome& outcome);

// The report of `outcome`'s run as text output prints it: LF line ends, each line escaped as
// EscapedLine does; the saved report and JSON keep the names as they are.
QString PrintedReportLines(const SeriesOutcome& outcome);

// True when `outcome` was refused because its start file opens a series of one volume.
bool IsSingleVolume(const SeriesOutcome& outcome);

// The rows `options` keeps, on the terminal and in JSON alike: all, or with --errors-only those that
// are not OK.
RowLines RowsKept(const CheckOptions& options);

// The row lines the terminal shows: none for JSON, else the rows kept.
RowLines RowLinesFor(const CheckOptions& options);

}  // namespace quil::cli
