// SeriesCheck.h - the one check path of both front ends: start file, refusals, SFV table, run and report.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/CheckMode.h"
#include "series/Refusal.h"
#include "series/RunResult.h"
#include "series/Series.h"
#include "series/SfvLookup.h"

#include <QString>

#include <optional>
#include <variant>

namespace quil {

class RunView;

// The check asked for: its mode and, for an SFV check, where its SFV file comes from.
struct CheckRequest {
    CheckMode mode = CheckMode::SizeOnly;
    QString sfvPath;       // the SFV file of an SFV check, as named; unused with findSfv
    bool findSfv = false;  // take the one .sfv file beside the series that lists its start file
    QString readNext;      // the file the caller reads after this series (a batch's next start file), or ""
};

// One series checked from its start file, or why it was not.
struct SeriesOutcome {
    QString startPath;              // the start file as the caller named it
    std::optional<Series> series;   // none when the start file starts no series
    std::optional<Refusal> refusal; // why the series was not checked; none when it was
    std::optional<SfvTable> sfv;    // the SFV file of an SFV check
    std::optional<RunResult> run;   // the finished run, when there was one
    QString reportText;             // its report with CR LF line ends, as a saved report has them

    // The report with LF line ends, as a terminal shows it.
    QString PrintedReport() const;
};

// The series the start file at `startPath` opens when the start-file list of its folder offers it;
// no value otherwise.
std::optional<Series> RecognizeListedStartFile(const QString& startPath);

// The series the start file at `startPath` opens (see RecognizeSeries).
std::optional<Series> RecognizeStartPath(const QString& startPath);

// Why the file at `startPath`, which opens no series, is no start file: "no such file", "is a
// folder", "is an SFV file, not a start file" or "is not a start file of any series kind".
QString NoStartFileReason(const QString& startPath);

// Why `series` cannot be checked or listed: its folder could not be read to its end, no start file
// picked, or a found list of one member (see SeqListRefusal); no value when it can.
std::optional<Refusal> ShortListRefusal(const std::optional<Series>& series);

// The table of the SFV file at `path`; or "Error While Opening SFV File!" and, on the next line, why
// it could not be read.
std::variant<SfvTable, QString> ReadSfvFile(const QString& path);

// The SFV table `request` names for `series`: the file it gives (see ReadSfvFile) or the one found
// beside the series (see FindListingSfv); or why there is none, worded by those two.
std::variant<SfvTable, Refusal> SfvTableFor(const Series& series, const CheckRequest& request);

// Checks `series` (none: refused as no start file picked) as `request` asks, the SFV file read once
// before the walk; the rows reach `view`. A refusal leaves the outcome without a run.
SeriesOutcome CheckSeries(const QString& startPath, const std::optional<Series>& series, const CheckRequest& request,
                          RunView& view);

}  // namespace quil
