// SeriesCheck.cpp - one series checked for quillane-check: its SFV table found or read, its run and report.
#include "cli/SeriesCheck.h"

#include "crc/clsCRC.h"
#include "report/ScanReport.h"
#include "series/CheckRun.h"
#include "series/FunctionModule.h"
#include "prompts/Messages.h"
#include "os/NativeNames.h"
#include "series/Recognition.h"
#include "series/SfvDiscovery.h"
#include "series/StartFiles.h"

namespace quil::cli {

namespace {

std::variant<SfvTable, QString> SfvFor(const Series& series, const CheckOptions& options)
{
    if (options.sfvAuto)
        return FindListingSfv(series);
    auto read = SfvTable::Read(AbsolutePath(options.sfvFile));
    if (const QString* failure = std::get_if<QString>(&read))
        return WithReason(SfvOpenErrorMessage(), *failure);
    return read;
}

}  // namespace

QString SeriesOutcome::PrintedReport() const
{
    return QString(reportText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::optional<Series> RecognizeListedStartFile(const QString& startPath)
{
    const QString path = AbsolutePath(startPath);
    if (!StartFiles(TextBeforeLast(path, QStringLiteral("/"))).contains(TextAfterLast(path, QStringLiteral("/"))))
        return std::nullopt;
    return RecognizeStartPath(path);
}

std::optional<Series> RecognizeStartPath(const QString& startPath)
{
    const QString path = AbsolutePath(startPath);
    return RecognizeSeries(TextBeforeLast(path, QStringLiteral("/")), TextAfterLast(path, QStringLiteral("/")));
}

SeriesOutcome CheckSeries(const QString& startPath, const std::optional<Series>& series, const CheckOptions& options,
                          ConsoleView& view)
{
    SeriesOutcome outcome;
    outcome.startPath = startPath;
    outcome.series = series;
    if (const auto refusal = SeqListRefusal(series ? series->SeqList : QStringList())) {
        outcome.refusal = *refusal;
        return outcome;
    }
    if (options.mode == CheckMode::SfvCheck) {
        auto found = SfvFor(*series, options);
        if (const QString* failure = std::get_if<QString>(&found)) {
            outcome.refusal = *failure;
            return outcome;
        }
        outcome.sfv = std::move(std::get<SfvTable>(found));
    }
    clsCRC crc;
    CheckRun run(view, crc);
    outcome.run = run.Run(*series, options.mode, outcome.sfv ? &*outcome.sfv : nullptr);
    view.ClearProgressLine();
    outcome.reportText = ReportText(ComposeReport(*outcome.run));
    outcome.status = outcome.run->ProblemsFound() > 0 ? kProblemsFound : kNoProblem;
    return outcome;
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
