// SeriesCheck.cpp - one series checked for quillane-check: the options as a check request, its rows and exit status.
// SPDX-License-Identifier: MIT
#include "cli/SeriesCheck.h"

#include "cli/ExitStatus.h"
#include "os/NativeNames.h"
#include "report/ScanReport.h"
#include "series/FunctionModule.h"
#include "series/NameEscapes.h"
#include "series/SfvLookup.h"

namespace quil::cli {

namespace {

// The bytes of the members of `series` that were found.
qint64 PresentBytes(const Series& series)
{
    qint64 total = 0;
    for (const QString& name : series.SeqList)
        if (const std::optional<struct stat> file = StatPath(JoinPath(series.Folder, name)))
            total += file->st_size;
    return total;
}

}  // namespace

SeriesOutcome CheckSeries(const QString& startPath, const std::optional<Series>& series, const CheckOptions& options,
                          ConsoleView& view, const QString& readNext)
{
    const bool sfvNamed = options.mode == CheckMode::SfvCheck && !options.sfvAuto;
    const QString sfvPath = NamesStandardInput(options.sfvFile) ? options.sfvFile : AbsolutePath(options.sfvFile);
    const CheckRequest request{options.mode, sfvNamed ? sfvPath : QString(), options.sfvAuto, readNext};
    // Only a drawn progress line needs the series' size; scripts and --all are spared a stat per volume.
    if (series && view.ShowsProgress())
        view.SetSeriesBytes(PresentBytes(*series));
    SeriesOutcome outcome = quil::CheckSeries(startPath, series, request, view);
    view.ClearProgressLine();
    return outcome;
}

int ExitStatusOf(const SeriesOutcome& outcome)
{
    if (!outcome.run)
        return kRefused;
    return outcome.run->ProblemsFound() > 0 ? kProblemsFound : kNoProblem;
}

QString PrintedReportLines(const SeriesOutcome& outcome)
{
    QStringList lines;
    for (const QString& line : ComposeReport(*outcome.run))
        lines.append(EscapedLine({line}));
    return ReportText(lines).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool IsSingleVolume(const SeriesOutcome& outcome)
{
    return outcome.refusal && outcome.refusal->code == RefusalCode::SingleVolume;
}

RowLines RowsKept(const CheckOptions& options)
{
    return options.errorsOnly ? RowLines::ProblemsOnly : RowLines::All;
}

RowLines RowLinesFor(const CheckOptions& options)
{
    return options.json ? RowLines::None : RowsKept(options);
}

}  // namespace quil::cli
