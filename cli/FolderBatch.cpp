// FolderBatch.cpp - quillane-check --all: every series of a folder (and the folders below it), then a summary.
// SPDX-License-Identifier: MIT
#include "cli/FolderBatch.h"

#include "cli/ExitStatus.h"
#include "cli/JsonOutput.h"
#include "cli/SeriesCheck.h"
#include "os/ReadFailure.h"
#include "series/FunctionModule.h"
#include "series/NameEscapes.h"
#include "prompts/Messages.h"
#include "os/NativeNames.h"
#include "series/StartFiles.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace quil::cli {

namespace {

QString SummaryLine(const SeriesOutcome& outcome)
{
    if (IsSingleVolume(outcome))
        return EscapedLine({QStringLiteral("Single"), outcome.startPath});
    if (!outcome.run)
        return EscapedLine({QStringLiteral("Refused"), outcome.startPath, outcome.refusal->text.section(u'\n', 0, 0)});
    const qsizetype problems = outcome.run->ProblemsFound();
    return EscapedLine({problems > 0 ? QStringLiteral("Problems") : QStringLiteral("OK"), outcome.startPath,
                        QString::number(problems)});
}

}  // namespace

int RunFolderBatch(const CheckOptions& options, QTextStream& output, QTextStream& errors, bool showProgress)
{
    const std::optional<struct stat> folder = StatPath(options.allFolder);
    if (!folder || !S_ISDIR(folder->st_mode)) {
        errors << ReadFailure(options.allFolder, folder ? QStringLiteral("not a folder") : QStringLiteral("no such folder"))
               << Qt::endl;
        return kRefused;
    }
    const QStringList starts = StartFilesUnder(options.allFolder, options.recursive);
    if (starts.isEmpty())
        errors << NoSeriesFoundMessage(options.allFolder) << Qt::endl;
    QJsonArray documents;
    QStringList summary;
    int worst = kNoProblem;
    for (const QString& relative : starts) {
        const QString startPath = JoinPath(options.allFolder, relative);
        if (!options.json)
            output << EscapedLine({"==> " + startPath + " <=="}) << '\n';
        ConsoleView view(output, errors, showProgress, RowLinesFor(options));
        const SeriesOutcome outcome = CheckSeries(startPath, RecognizeStartPath(startPath), options, view);
        // A lone volume is a finding of the listing, not a refused check.
        const bool single = IsSingleVolume(outcome);
        worst = std::max(worst, single ? kNoProblem : ExitStatusOf(outcome));
        summary.append(SummaryLine(outcome));
        if (options.json)
            documents.append(SeriesDocument(outcome, options));
        else
            output << (outcome.run ? u'\n' + PrintedReportLines(outcome) + u'\n' : QString()) << '\n';
        output.flush();
        if (!outcome.run && !single)
            errors << startPath << ": " << outcome.refusal->text << Qt::endl;
    }
    if (options.json)
        output << QJsonDocument(documents).toJson();
    else
        for (const QString& line : summary)
            output << line << '\n';
    return worst;
}

}  // namespace quil::cli
