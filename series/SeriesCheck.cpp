// SeriesCheck.cpp - the one check path of both front ends: start file, refusals, SFV table, run and report.
// SPDX-License-Identifier: MIT
#include "series/SeriesCheck.h"

#include "archive/ArchiveFormats.h"
#include "archive/ArchiveReasons.h"
#include "crc/clsCRC.h"
#include "os/NativeNames.h"
#include "prompts/Messages.h"
#include "report/ScanReport.h"
#include "series/CheckRun.h"
#include "series/FunctionModule.h"
#include "series/NameCase.h"
#include "series/Recognition.h"
#include "series/SfvDiscovery.h"
#include "series/StartFiles.h"

namespace quil {

QString SeriesOutcome::PrintedReport() const
{
    return QString(reportText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::optional<Series> RecognizeListedStartFile(const QString& startPath)
{
    const QString path = AbsolutePath(startPath);
    const QString name = TextAfterLast(path, QStringLiteral("/"));
    const SharedListing listing = FolderListing::Read(TextBeforeLast(path, QStringLiteral("/")));
    // A listing cut short is refused with its reason (ShortListRefusal), not taken for a folder
    // without the start file.
    if (!listing->failed() && !StartFiles(*listing).contains(name))
        return std::nullopt;
    return RecognizeSeries(listing, name);
}

std::optional<Series> RecognizeStartPath(const QString& startPath)
{
    const QString path = AbsolutePath(startPath);
    return RecognizeSeries(TextBeforeLast(path, QStringLiteral("/")), TextAfterLast(path, QStringLiteral("/")));
}

QString NoStartFileReason(const QString& startPath)
{
    const std::optional<struct stat> file = StatPath(startPath);
    if (!file)
        return NoSuchFileReason();
    if (S_ISDIR(file->st_mode))
        return IsFolderReason();
    if (NameEndsWith(startPath, u".sfv"))
        return IsSfvFileReason();
    return NoSeriesKindReason();
}

std::optional<Refusal> ShortListRefusal(const std::optional<Series>& series)
{
    // A listing cut short would pass for a shorter series.
    if (series && series->Listing && series->Listing->failed())
        return Refusal{RefusalCode::FolderUnreadable, series->Listing->Failure()};
    const QStringList seqList = series ? series->SeqList : QStringList();
    const std::optional<QString> text = SeqListRefusal(seqList);
    if (!text)
        return std::nullopt;
    return Refusal{seqList.isEmpty() ? RefusalCode::NoStartFile : RefusalCode::SingleVolume, *text};
}

std::variant<SfvTable, QString> ReadSfvFile(const QString& path)
{
    auto read = SfvTable::Read(path);
    if (const QString* failure = std::get_if<QString>(&read))
        return WithReason(SfvOpenErrorMessage(), *failure);
    return read;
}

std::variant<SfvTable, Refusal> SfvTableFor(const Series& series, const CheckRequest& request)
{
    if (request.findSfv)
        return FindListingSfv(series);
    auto read = ReadSfvFile(request.sfvPath);
    if (QString* failure = std::get_if<QString>(&read))
        return Refusal{RefusalCode::SfvUnreadable, std::move(*failure)};
    return std::move(std::get<SfvTable>(read));
}

SeriesOutcome CheckSeries(const QString& startPath, const std::optional<Series>& series, const CheckRequest& request,
                          RunView& view)
{
    SeriesOutcome outcome;
    outcome.startPath = startPath;
    outcome.series = series;
    if (std::optional<Refusal> refusal = ShortListRefusal(series)) {
        outcome.refusal = std::move(refusal);
        return outcome;
    }
    if (request.mode == CheckMode::SfvCheck) {
        auto found = SfvTableFor(*series, request);
        if (Refusal* failure = std::get_if<Refusal>(&found)) {
            outcome.refusal = std::move(*failure);
            return outcome;
        }
        outcome.sfv = std::move(std::get<SfvTable>(found));
    }
    if (request.mode == CheckMode::ArchiveCheck && !archive::FormatAt(series->Folder + u'/' + series->StartFile)) {
        outcome.refusal = Refusal{RefusalCode::NoArchiveMarker, archive::NoArchiveMarkerMessage(series->StartName)};
        return outcome;
    }
    clsCRC crc;
    CheckRun run(view, crc);
    run.ReadAheadAfterLast(request.readNext);
    outcome.run = run.Run(*series, request.mode, outcome.sfv ? &*outcome.sfv : nullptr);
    outcome.reportText = ReportText(ComposeReport(*outcome.run));
    return outcome;
}

}  // namespace quil
