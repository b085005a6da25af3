// CheckCommand.cpp - quillane-check from parsed arguments to exit status.
#include "cli/CheckCommand.h"

#include "cli/CheckOptions.h"
#include "cli/ConsoleView.h"
#include "crc/clsCRC.h"
#include "report/Product.h"
#include "report/ReportFile.h"
#include "report/ScanReport.h"
#include "series/CheckRun.h"
#include "series/Messages.h"
#include "series/Recognition.h"
#include "series/SfvLookup.h"
#include "series/StartFiles.h"

#include <QFileInfo>

namespace quil::cli {

namespace {

constexpr int kNoProblem = 0;
constexpr int kProblemsFound = 1;
constexpr int kRefused = 2;

// The start file counts only if the start-file list would offer it.
bool IsListedStartFile(const QFileInfo& start)
{
    return StartFiles(start.absolutePath()).contains(start.fileName());
}

}  // namespace

int RunCheckCommand(const QStringList& arguments, QTextStream& output, QTextStream& errors, bool showProgress)
{
    const CheckOptions options = ParseCheckOptions(arguments);
    switch (options.action) {
    case CheckOptions::Action::Help:
        output << UsageText();
        return kNoProblem;
    case CheckOptions::Action::Version:
        output << "quillane-check (" << ProductName() << ") " << VersionText() << '\n';
        return kNoProblem;
    case CheckOptions::Action::Usage:
        errors << "quillane-check: " << options.usageError << "\n\n" << UsageText();
        return kRefused;
    case CheckOptions::Action::Check:
        break;
    }

    const QFileInfo start(options.startFile);
    const std::optional<Series> series =
        IsListedStartFile(start) ? RecognizeSeries(start.absolutePath(), start.fileName()) : std::nullopt;
    if (const auto refusal = SeqListRefusal(series ? series->SeqList : QStringList())) {
        errors << *refusal << Qt::endl;
        return kRefused;
    }
    std::optional<SfvTable> sfv;
    if (options.mode == CheckMode::SfvCheck) {
        auto read = SfvTable::Read(QFileInfo(options.sfvFile).absoluteFilePath());
        if (const QString* failure = std::get_if<QString>(&read)) {
            errors << WithReason(SfvOpenErrorMessage(), *failure) << Qt::endl;
            return kRefused;
        }
        sfv = std::move(std::get<SfvTable>(read));
    }

    ConsoleView view(output, errors, showProgress);
    clsCRC crc;
    CheckRun run(view, crc);
    const RunResult result = run.Run(*series, options.mode, sfv ? &*sfv : nullptr);
    view.ClearProgressLine();

    const QString report = ReportText(ComposeReport(result));
    output << '\n' << QString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
    output.flush();
    if (!options.reportFile.isEmpty()) {
        if (const QString failure = SaveReportFile(options.reportFile, report); !failure.isEmpty()) {
            errors << WithReason(SaveErrorMessage(), failure) << Qt::endl;
            return kRefused;
        }
    }
    return result.ProblemsFound() > 0 ? kProblemsFound : kNoProblem;
}

}  // namespace quil::cli
