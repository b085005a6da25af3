// JsonOutput.cpp - a checked series as the JSON document that --json prints.
// SPDX-License-Identifier: MIT
#include "cli/JsonOutput.h"

#include "series/SeriesKinds.h"

#include <QJsonArray>

namespace quil::cli {

namespace {

QString ModeName(CheckMode mode)
{
    switch (mode) {
    case CheckMode::SizeOnly: return QStringLiteral("size");
    case CheckMode::CrcReport: return QStringLiteral("crc");
    case CheckMode::SfvCheck: return QStringLiteral("sfv");
    case CheckMode::ArchiveCheck: return QStringLiteral("archive");
    }
    return {};
}

QJsonValue TextOrNull(bool present, const QString& text)
{
    return present ? QJsonValue(text) : QJsonValue();
}

QJsonObject SeriesObject(const SeriesOutcome& outcome)
{
    const Series& series = *outcome.series;
    const QJsonValue endFile = outcome.run ? QJsonValue(outcome.run->LastMemberName) : QJsonValue();
    return {{QStringLiteral("kind"), QString(KindRow(series.Kind).jsonName)},
            {QStringLiteral("folder"), series.Folder},
            {QStringLiteral("startFile"), series.StartFile},
            {QStringLiteral("endFile"), endFile}};
}

QJsonObject RowObject(const MemberRow& row, CheckMode mode)
{
    QJsonObject object{{QStringLiteral("status"), StatusWord(row.status)},
                       {QStringLiteral("code"), StatusCode(row.status)},
                       {QStringLiteral("name"), row.name},
                       {QStringLiteral("size"), row.bytes ? QJsonValue(*row.bytes) : QJsonValue()},
                       {QStringLiteral("crc"), TextOrNull(IsCrcText(row.crcText), row.crcText)}};
    if (mode == CheckMode::SfvCheck)
        object.insert(QStringLiteral("expectedCrc"), TextOrNull(!row.expectedCrc.isEmpty(), row.expectedCrc));
    if (mode == CheckMode::ArchiveCheck)
        object.insert(QStringLiteral("verifiedBytes"), row.verifiedBytes ? QJsonValue(*row.verifiedBytes) : QJsonValue());
    if (!row.reason.isEmpty() || mode == CheckMode::ArchiveCheck)
        object.insert(QStringLiteral("reason"), row.reason);
    return object;
}

QJsonObject Counts(const RunResult& run)
{
    QJsonObject counts{{QStringLiteral("missing"), int(run.MissingList.size())},
            {QStringLiteral("differingSizes"), int(run.SizeList.size())},
            {QStringLiteral("badCrc"), int(run.CRCList.size())},
            {QStringLiteral("files"), int(run.CheckedSeries.SeqList.size())},
            {QStringLiteral("problems"), int(run.ProblemsFound())}};
    if (run.Mode == CheckMode::ArchiveCheck)
        counts.insert(QStringLiteral("partlyVerified"), int(run.PartlyList.size()));
    return counts;
}

void AddSfvFindings(QJsonObject& document, const SfvTable& sfv, const RunResult& run)
{
    QStringList volumes;
    for (const MemberRow& row : run.Rows)
        volumes.append(row.name);
    QJsonArray unnamed;
    for (const SfvEntry& entry : sfv.EntriesNamingNone(volumes))
        unnamed.append(QJsonObject{{QStringLiteral("line"), entry.line},
                                   {QStringLiteral("name"), entry.name},
                                   {QStringLiteral("crc"), entry.crc}});
    QJsonArray unreadable;
    for (const int line : sfv.unreadableLines())
        unreadable.append(line);
    document.insert(QStringLiteral("sfvEntriesNamingNoVolume"), unnamed);
    document.insert(QStringLiteral("unreadableSfvLines"), unreadable);
}

}  // namespace

QJsonObject SeriesDocument(const SeriesOutcome& outcome, const CheckOptions& options)
{
    const QJsonValue sfvPath = outcome.sfv ? QJsonValue(outcome.sfv->path()) : QJsonValue();
    QJsonObject document{{QStringLiteral("version"), kJsonVersion},
                         {QStringLiteral("startPath"), outcome.startPath},
                         {QStringLiteral("series"), outcome.series ? QJsonValue(SeriesObject(outcome)) : QJsonValue()},
                         {QStringLiteral("mode"), ModeName(options.mode)},
                         {QStringLiteral("sfv"), sfvPath}};
    if (!outcome.run) {
        document.insert(QStringLiteral("refusal"), outcome.refusal->text);
        document.insert(QStringLiteral("code"), RefusalCodeName(outcome.refusal->code));
        return document;
    }
    const RunResult& run = *outcome.run;
    const SfvTable* sfv = outcome.sfv ? &*outcome.sfv : nullptr;
    QJsonArray rows;
    for (const MemberRow& row : run.Rows)
        if (Keeps(RowsKept(options), row))
            rows.append(RowObject(row, run.Mode));
    document.insert(QStringLiteral("rows"), rows);
    document.insert(QStringLiteral("counts"), Counts(run));
    document.insert(QStringLiteral("report"), outcome.PrintedReport());
    if (sfv)
        AddSfvFindings(document, *sfv, run);
    return document;
}

}  // namespace quil::cli
