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
#include "series/Recognition.h"
#include "series/StartFiles.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace quil::cli {

namespace {

QString SummaryLine(const SeriesOutcome& outcome, const FolderFinding& finding)
{
    if (finding.kind == FolderFinding::Kind::Unreadable)
        return EscapedLine({QStringLiteral("Unreadable"), outcome.startPath, finding.reason});
    if (IsSingleVolume(outcome))
        return EscapedLine({QStringLiteral("Single"), outcome.startPath});
    if (!outcome.run)
        return EscapedLine({QStringLiteral("Refused"), outcome.startPath, outcome.refusal->text.section(u'\n', 0, 0)});
    const qsizetype problems = outcome.run->ProblemsFound();
    return EscapedLine({problems > 0 ? QStringLiteral("Problems") : QStringLiteral("OK"), outcome.startPath,
                        QString::number(problems)});
}

// A finding that is no series to check, as the refused outcome it is reported as.
SeriesOutcome RefusedFinding(const QString& path, const FolderFinding& finding)
{
    SeriesOutcome outcome;
    outcome.startPath = path;
    outcome.refusal = finding.kind == FolderFinding::Kind::Unreadable
                        ? Refusal{RefusalCode::FolderUnreadable, finding.reason}
                        : Refusal{RefusalCode::SplitZipIncomplete, SplitZipIncompleteReason(finding.reason)};
    return outcome;
}

// The exit status a finding's outcome asks for: a folder below the one given that cannot be read
// is a problem found; the folder given itself unreadable, a refusal.
int StatusOf(const SeriesOutcome& outcome, const FolderFinding& finding)
{
    if (finding.kind == FolderFinding::Kind::Unreadable)
        return finding.relative.isEmpty() ? kRefused : kProblemsFound;
    // A lone volume is a finding of the listing, not a refused check.
    return IsSingleVolume(outcome) ? kNoProblem : ExitStatusOf(outcome);
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
    const QList<FolderFinding> findings = FindingsUnder(options.allFolder, options.recursive);
    if (findings.isEmpty())
        errors << NoSeriesFoundMessage(options.allFolder) << Qt::endl;
    QJsonArray documents;
    QStringList summary;
    int worst = kNoProblem;
    const auto pathOf = [&options](const FolderFinding& finding) {
        return finding.relative.isEmpty() ? options.allFolder : JoinPath(options.allFolder, finding.relative);
    };
    for (auto at = findings.begin(); at != findings.end(); ++at) {
        const FolderFinding& finding = *at;
        const QString path = pathOf(finding);
        // A folder has no block of its own; a series, checked or refused, has.
        const bool block = !options.json && finding.kind != FolderFinding::Kind::Unreadable;
        if (block)
            output << EscapedLine({"==> " + path + " <=="}) << '\n';
        SeriesOutcome outcome;
        if (finding.kind == FolderFinding::Kind::StartFile) {
            ConsoleView view(output, errors, showProgress, RowLinesFor(options));
            // The next series' start file is read ahead while this one's last volume is hashed.
            const auto next = std::find_if(at + 1, findings.end(), [](const FolderFinding& later) {
                return later.kind == FolderFinding::Kind::StartFile;
            });
            outcome = CheckSeries(path, RecognizeSeries(finding.listing, TextAfterLast(path, QStringLiteral("/"))),
                                  options, view, next != findings.end() ? pathOf(*next) : QString());
        } else {
            outcome = RefusedFinding(path, finding);
        }
        worst = std::max(worst, StatusOf(outcome, finding));
        summary.append(SummaryLine(outcome, finding));
        if (options.json)
            documents.append(SeriesDocument(outcome, options));
        else if (block)
            output << (outcome.run ? u'\n' + PrintedReportLines(outcome) + u'\n' : QString()) << '\n';
        output.flush();
        if (!outcome.run && !IsSingleVolume(outcome))
            errors << path << ": " << outcome.refusal->text << Qt::endl;
    }
    if (options.json)
        output << QJsonDocument(documents).toJson();
    else
        for (const QString& line : summary)
            output << line << '\n';
    return worst;
}

}  // namespace quil::cli
