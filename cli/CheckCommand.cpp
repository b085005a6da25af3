// CheckCommand.cpp - quillane-check from parsed arguments to exit status.
// SPDX-License-Identifier: MIT
#include "cli/CheckCommand.h"

#include "cli/CheckOptions.h"
#include "cli/DemoSeriesCommand.h"
#include "cli/ExitStatus.h"
#include "cli/FolderBatch.h"
#include "cli/JsonOutput.h"
#include "cli/SeriesCheck.h"
#include "os/NativeNames.h"
#include "report/Product.h"
#include "report/ReportFile.h"
#include "report/SfvFile.h"
#include "prompts/Messages.h"
#include "series/SfvStartFile.h"

#include <QJsonDocument>

namespace quil::cli {

int RunCheckCommand(const QStringList& arguments, QTextStream& output, QTextStream& errors, bool showProgress)
{
    CheckOptions options = ParseCheckOptions(arguments);
    switch (options.action) {
    case CheckOptions::Action::Help:
        output << UsageText();
        return kNoProblem;
    case CheckOptions::Action::Version:
        output << "quillane-check (" << ProductName() << ") " << VersionText() << '\n';
        return kNoProblem;
    case CheckOptions::Action::Usage:
        errors << UsageErrorMessage(QStringLiteral("quillane-check"), options.usageError);
        return kRefused;
    case CheckOptions::Action::DemoSeries:
        return RunDemoSeriesCommand(options.demoFolder, output, errors);
    case CheckOptions::Action::Check:
        break;
    }

    if (!options.allFolder.isEmpty())
        return RunFolderBatch(options, output, errors, showProgress);

    if (options.startFile.isEmpty()) {
        const ListedStart listed = StartFileListedBy(options.sfvFile);
        if (!listed.failure.isEmpty()) {
            errors << listed.failure << Qt::endl;
            return kRefused;
        }
        options.startFile = listed.startPath;
    }
    ConsoleView view(output, errors, showProgress, RowLinesFor(options));
    const SeriesOutcome outcome =
        CheckSeries(options.startFile, RecognizeListedStartFile(options.startFile), options, view);
    if (options.json)
        output << QJsonDocument(SeriesDocument(outcome, options)).toJson();
    else if (outcome.run)
        output << '\n' << PrintedReportLines(outcome) << '\n';
    output.flush();
    if (!outcome.run) {
        errors << outcome.refusal->text << Qt::endl;
        if (outcome.refusal->code == RefusalCode::NoStartFile)
            errors << PathProblemMessage(QStringLiteral("quillane-check"), ShownText(options.startFile),
                                         NoStartFileReason(options.startFile))
                   << Qt::endl;
        return kRefused;
    }
    if (!options.reportFile.isEmpty()) {
        if (const QString failure = SaveReportFile(options.reportFile, outcome.reportText, *outcome.run);
            !failure.isEmpty()) {
            errors << WithReason(SaveErrorMessage(), failure) << Qt::endl;
            return kRefused;
        }
    }
    if (!options.sfvWriteFile.isEmpty()) {
        if (const QString failure = SaveSfvFile(options.sfvWriteFile, *outcome.run); !failure.isEmpty()) {
            errors << WithReason(SfvSaveErrorMessage(), failure) << Qt::endl;
            return kRefused;
        }
    }
    return ExitStatusOf(outcome);
}

}  // namespace quil::cli
