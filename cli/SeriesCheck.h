// SeriesCheck.h - one series checked for quillane-check: its SFV table found or read, its run and report.
#pragma once

#include "cli/CheckOptions.h"
#include "cli/ConsoleView.h"
#include "cli/ExitStatus.h"
#include "series/RunResult.h"
#include "series/Series.h"
#include "series/SfvLookup.h"

#include <QString>

#include <optional>

namespace quil::cli {

struct SeriesOutcome {
    QString startPath;              // the start file as the command line or the folder walk named it
    std::optional<Series> series;   // none when the start file starts no series
    QString refusal;                // why the series was not checked; "" when it was
    std::optional<SfvTable> sfv;    // the SFV file of an SFV check
    std::optional<RunResult> run;   // the finished run, when there was one
    QString reportText;             // its report with CR LF line ends, as a saved report has them
    int status = kRefused;          // or kNoProblem, kProblemsFound

    // The report with LF line ends, as standard output shows it.
    QString PrintedReport() const;
};

// The series the start file at `startPath` opens when the start-file list of its folder offers it;
// no value otherwise.
std::optional<Series> RecognizeListedStartFile(const QString& startPath);

// The series the start file at `startPath` opens (see RecognizeSeries).
std::optional<Series> RecognizeStartPath(const QString& startPath);

// Checks `series` (none: refused as no start file) in the mode `options` asks for; the rows reach
// `view`, whose progress line is cleared at the end.
SeriesOutcome CheckSeries(const QString& startPath, const std::optional<Series>& series, const CheckOptions& options,
                          ConsoleView& view);

// The rows `options` keeps, on the terminal and in JSON alike: all, or with --errors-only those that
// are not OK.
RowLines RowsKept(const CheckOptions& options);

// The row lines the terminal shows: none for JSON, else the rows kept.
RowLines RowLinesFor(const CheckOptions& options);

}  // namespace quil::cli
