// CheckCommand.cpp - quillane-check from parsed arguments to exit status.
#include "cli/CheckCommand.h"

#include "cli/CheckOptions.h"
#include "cli/ConsolePrompts.h"
#include "cli/ConsoleView.h"
#include "cli/DemoSeriesCommand.h"
#include "crc/clsCRC.h"
#include "report/Product.h"
#include "report/ReportFile.h"
#include "report/ScanReport.h"
#include "report/clsOpenSave.h"
#include "series/CheckRun.h"
#include "series/FolderListing.h"
#include "series/Recognition.h"

#include <QFileInfo>

namespace quil::cli {

namespace {

constexpr int kNoProblem = 0;
constexpr int kProblemsFound = 1;
constexpr int kRefused = 2;

// The start file counts only if the start-file list would offer it.
bool IsListedStartFile(const QFileInfo& start)
{
    return ListOrdinaryFiles(start.absolutePath(), kStartFilePatterns).contains(start.fileName());
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
    case CheckOptions::Action::DemoSeries:
        return RunDemoSeriesCommand(options.demoFolder, output, errors);
    case CheckOptions::Action::Check:
        break;
    }

    const QFileInfo start(options.startFile);
    if (!IsListedStartFile(start)) {
        errors << "Select an Archive File First!" << Qt::endl;
        return kRefused;
    }
    const QString folder = start.absolutePath();
    FileList_Click(folder, start.fileName(), {});

    ConsolePrompts prompts(options.mode, options.sfvFile, errors);
    ConsoleView view(output, errors, showProgress);
    clsCRC crc;
    clsOpenSave sfvDialog;
    CheckRun run(view, prompts, crc, sfvDialog);
    if (run.CheckSeq_Click(folder) != RunEnd::Finished)
        return kRefused;

    const QString report = ReportText(ComposeReport());
    output << '\n' << QString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
    output.flush();
    if (!options.reportFile.isEmpty() && !SaveReportFile(options.reportFile, report).isEmpty()) {
        errors << "Error While Saving Report File!" << Qt::endl;
        return kRefused;
    }
    return ProblemsFound() > 0 ? kProblemsFound : kNoProblem;
}

}  // namespace quil::cli
