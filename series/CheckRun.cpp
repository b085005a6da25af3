// CheckRun.cpp - one check of a series: the first member, the walk and every member's verdict.
// SPDX-License-Identifier: MIT
#include "series/CheckRun.h"

#include "crc/clsCRC.h"
#include "series/MemberCrc.h"
#include "series/MemberWalks.h"
#include "series/FunctionModule.h"
#include "series/RunView.h"
#include "series/SeriesKinds.h"
#include "series/SfvLookup.h"
#include "series/SizeText.h"

#include <algorithm>
#include <climits>

namespace quil {

namespace {

const QString kUnknown = QStringLiteral("?");
const QString kSkipped = QStringLiteral("Skipped");

// The row name of `files[i]`, found for the walked `name`: that name, or the file's own name when
// several files differ from it only in letter case, so their rows tell them apart.
QString RowName(const QString& name, const QList<MemberFile>& files, qsizetype i)
{
    return files.size() == 1 ? name : TextAfterLast(files[i].path, QStringLiteral("/"));
}

}  // namespace

CheckRun::CheckRun(RunView& view, clsCRC& crc) : view_(view), crc_(crc)
{
}

int CheckRun::ProgressMaximum(const Series& series)
{
    return static_cast<int>(std::min<qsizetype>(series.SeqList.size(), INT_MAX));
}

RunResult CheckRun::Run(const Series& series, CheckMode mode, const SfvTable* sfv)
{
    result_ = RunResult{};
    result_.CheckedSeries = series;
    result_.Mode = mode;
    result_.LastMemberName = series.SeqList.last().toLower();
    sfv_ = mode == CheckMode::SfvCheck ? sfv : nullptr;
    if (sfv_)
        result_.SfvPath = sfv_->path();
    progressMaximum_ = ProgressMaximum(series);
    result_.FileCounter = 1;

    finder_.emplace(series.Folder, series.Listing);
    CheckFirstMember();
    view_.ShowStatus(KindRow(series.Kind).walkStatus);
    for (const QString& name : WalkNames(series)) {
        if (stopRequested_)
            break;
        CheckMember(name);
    }
    finder_.reset();
    crc_.ReleaseBuffer();  // the reader threads and their memory go back to the system between runs
    result_.Cancelled = stopRequested_.exchange(false);  // the next run starts afresh
    return std::move(result_);
}

void CheckRun::CheckFirstMember()
{
    const QString first = result_.CheckedSeries.FirstMember;
    view_.ShowMemberStatus(QStringLiteral("Checking %1...").arg(first));
    // The start file as picked is examined first, before a file named like it but for case.
    const QList<MemberFile> files = finder_->Members(first, result_.CheckedSeries.StartFile);
    if (!files.first().isRegularFile()) {
        // Gone since it was listed, or part 1 of a set that lacks it: the size recorded then stays the reference.
        result_.ReferenceSize = result_.CheckedSeries.ReferenceSize;
        result_.ReferenceName = result_.CheckedSeries.ReferenceName;
        result_.FileCounter = 0;
        AddMissing(first, files.first().problem);
        return;
    }
    // The first member sets the reference size, so it is never compared by size.
    result_.ReferenceSize = files.first().size;
    // Not always the start file: a .000 leads its .001, part 1 any other part, a .z01 its .zip.
    result_.ReferenceName = TextAfterLast(files.first().path, QStringLiteral("/"));
    AddVerdicts(first, files, true);
}

void CheckRun::CheckMember(const QString& name)
{
    view_.ShowMemberStatus(QStringLiteral("Checking %1...").arg(name));
    // Only a regular file is a volume: a folder, FIFO or device of that name is never opened.
    const QList<MemberFile> files = finder_->Members(name);
    if (!files.first().isRegularFile()) {
        AddMissing(name, files.first().problem);
        return;
    }
    AddVerdicts(name, files, false);
}

void CheckRun::AddVerdicts(const QString& name, const QList<MemberFile>& files, bool firstMember)
{
    for (qsizetype i = 0; i < files.size(); ++i) {
        const bool reference = firstMember && i == 0;
        if (!reference)
            CountPresentMember();
        AddVerdictFor(RowName(name, files, i), files[i], reference);
    }
}

void CheckRun::AddVerdictFor(const QString& name, const MemberFile& file, bool reference)
{
    result_.ExaminedPaths.append(file.path);
    // The reference file sets the size the others are compared with.
    const auto sizeVerdict = [this, reference](qint64 size) {
        if (reference)
            result_.ReferenceSize = size;
        return size != result_.ReferenceSize ? MemberStatus::BadSize : MemberStatus::OK;
    };
    const auto keepReading = [this] {
        view_.ShowBytesRead(crc_.BytesHashed());
        return !stopRequested_;
    };
    switch (result_.Mode) {
    case CheckMode::SfvCheck: {
        const MemberCrc crc = ComputeMemberCrc(crc_, file.path, ExpectedCrc(name), keepReading);
        if (crc.cancelled)
            return;  // stopped midway: the member has no verdict
        AddRow(name, crc.readFailed() ? file.size : crc.bytes, crc.readFailed() ? kUnknown : crc.text,
               crc.ok ? MemberStatus::OK : MemberStatus::BadCrc, crc.error);
        break;
    }
    case CheckMode::SizeOnly:
        AddRow(name, file.size, kSkipped, sizeVerdict(file.size));
        break;
    case CheckMode::CrcReport: {
        // A volume that cannot be read has no CRC to report: it counts as missing.
        const MemberCrc crc = ComputeMemberCrc(crc_, file.path, std::nullopt, keepReading);
        if (crc.cancelled)
            return;
        if (crc.readFailed())
            AddMissing(name, crc.error);
        else
            AddRow(name, crc.bytes, crc.text, sizeVerdict(crc.bytes));  // size and CRC of one open file
        break;
    }
    }
}

void CheckRun::CountPresentMember()
{
    ++result_.FileCounter;
    // Members hidden from the listing can outnumber the found list; the bar never leaves its range.
    const int shown = std::min(result_.FileCounter, progressMaximum_);
    view_.SetProgress(shown, progressMaximum_);
    view_.SetProgressTip(QStringLiteral("Checking File Number %1 Of %2").arg(shown).arg(progressMaximum_));
}

QString CheckRun::ExpectedCrc(const QString& name) const
{
    return sfv_ ? sfv_->Lookup(name) : QString();
}

void CheckRun::AddMissing(const QString& name, const QString& reason)
{
    AddRow(name, std::nullopt, kUnknown, MemberStatus::Missing, reason);
}

void CheckRun::AddRow(const QString& name, std::optional<qint64> bytes, const QString& crcText, MemberStatus status,
                      const QString& reason)
{
    switch (status) {
    case MemberStatus::Missing: result_.MissingList.append(name); break;
    case MemberStatus::BadSize: result_.SizeList.append(name); break;
    case MemberStatus::BadCrc: result_.CRCList.append(name); break;
    case MemberStatus::OK: break;
    }
    const MemberRow row{name, bytes ? SizeText(*bytes) : kUnknown, crcText, status, reason, bytes, ExpectedCrc(name)};
    result_.Rows.append(row);
    view_.AddMemberRow(row);
}

}  // namespace quil
