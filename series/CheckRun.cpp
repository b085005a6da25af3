// CheckRun.cpp - one check of a series: the first member, the walk and every member's verdict.
// SPDX-License-Identifier: MIT
#include "series/CheckRun.h"

#include "archive/ArchiveFormats.h"
#include "archive/ArchiveReasons.h"
#include "archive/VolumeCheck.h"
#include "crc/clsCRC.h"
#include "series/MemberCrc.h"
#include "series/MemberDigest.h"
#include "series/MemberWalks.h"
#include "series/FunctionModule.h"
#include "series/RunView.h"
#include "series/SeriesKinds.h"
#include "series/SfvLookup.h"
#include "series/SizeText.h"
#include "series/VolumeNames.h"

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

CheckRun::~CheckRun() = default;

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
    if (sfv_) {
        result_.SfvPath = sfv_->path();
        result_.SfvKind = sfv_->kind();
    }
    progressMaximum_ = ProgressMaximum(series);
    result_.FileCounter = 1;

    format_ = mode == CheckMode::ArchiveCheck ? archive::FormatAt(series.Folder + u'/' + series.StartFile) : std::nullopt;
    expectsMore_ = false;
    carried_ = {};
    volumeCount_.reset();

    finder_.emplace(series.Folder, series.Listing);
    // An SFV check also looks for the volumes the SFV file lists after the last one found.
    walk_ = WalkNames(series, ListedNames());
    walked_ = -1;
    if (sfv_ && sfv_->kind() != HashKind::Crc32)
        digests_ = std::make_unique<DigestQueue>(sfv_->kind(), FilesToRead(walk_));
    // A Stop that came before the run ends it after its first member, which is read whole: only a
    // Stop during that read may abandon it.
    const bool stoppedBefore = stopRequested_.exchange(false);
    CheckFirstMember();
    if (stoppedBefore)
        stopRequested_ = true;
    view_.ShowStatus(KindRow(series.Kind).walkStatus);
    for (walked_ = 0; walked_ < walk_.size() && !stopRequested_; ++walked_)
        CheckMember(walk_[walked_]);
    digests_.reset();
    if (format_ && !stopRequested_)
        AddExpectedVolume();
    finder_.reset();
    walk_.clear();
    crc_.ReleaseBuffer();  // the reader threads and their memory go back to the system between runs
    result_.Cancelled = stopRequested_.exchange(false);  // the next run starts afresh
    return std::move(result_);
}

QStringList CheckRun::FilesToRead(const QStringList& walk)
{
    QStringList paths;
    const auto add = [&paths](const QList<MemberFile>& files) {
        for (const MemberFile& file : files)
            if (file.isRegularFile())
                paths.append(file.path);
    };
    add(finder_->Members(result_.CheckedSeries.FirstMember, result_.CheckedSeries.StartFile));
    for (const QString& name : walk)
        add(finder_->Members(name));
    return paths;
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
    const QString fileName = TextAfterLast(file.path, QStringLiteral("/"));
    // The reference file sets the size the others are compared with.
    const auto sizeVerdict = [this, reference](qint64 size) {
        if (reference)
            result_.ReferenceSize = size;
        return size != result_.ReferenceSize ? MemberStatus::BadSize : MemberStatus::OK;
    };
    const auto keepReading = [this] {
        view_.ShowBytesRead(digests_ ? digests_->BytesPastTaken() : crc_.BytesHashed());
        return !stopRequested_;
    };
    switch (result_.Mode) {
    case CheckMode::SfvCheck: {
        const MemberCrc crc = digests_ ? digests_->Take(file.path, ExpectedCrc(name), keepReading)
                                       : ComputeMemberCrc(crc_, file.path, ExpectedCrc(name), keepReading, FollowingPath());
        if (crc.cancelled)
            return;  // stopped midway: the member has no verdict
        AddRow(name, crc.readFailed() ? file.size : crc.bytes, crc.readFailed() ? kUnknown : crc.text,
               crc.ok ? MemberStatus::OK : MemberStatus::BadCrc, crc.error, fileName);
        break;
    }
    case CheckMode::SizeOnly:
        AddRow(name, file.size, kSkipped, sizeVerdict(file.size), {}, fileName);
        break;
    case CheckMode::ArchiveCheck:
        AddArchiveVerdict(name, file, fileName, reference, keepReading);
        break;
    case CheckMode::CrcReport: {
        // A volume that cannot be read has no CRC to report: it counts as missing.
        const MemberCrc crc = ComputeMemberCrc(crc_, file.path, std::nullopt, keepReading, FollowingPath());
        if (crc.cancelled)
            return;
        if (crc.readFailed())
            AddMissing(name, crc.error);
        else
            AddRow(name, crc.bytes, crc.text, sizeVerdict(crc.bytes), {}, fileName);  // size and CRC of one open file
        break;
    }
    }
}

void CheckRun::AddArchiveVerdict(const QString& name, const MemberFile& file, const QString& fileName, bool reference,
                                 const KeepReadingFn& keepReading)
{
    const archive::VolumeVerdict verdict =
        archive::CheckVolume(crc_, file.path, *format_, VolumeNumber(), carried_, keepReading, FollowingPath());
    if (verdict.cancelled)
        return;
    expectsMore_ = verdict.moreVolumes.value_or(false);
    if (verdict.volumeCount)
        volumeCount_ = verdict.volumeCount;
    if (!verdict.readFailure.isEmpty()) {
        AddMissing(name, verdict.readFailure);
        return;
    }
    if (reference)
        result_.ReferenceSize = verdict.bytes;
    archive::Finding finding = verdict.finding;
    // Volumes before the last are all as long as the first; the last one is judged by what it holds.
    const bool last = CheckedName() == result_.LastMemberName && !expectsMore_;
    if (Passed(finding.status) && !reference && !last && verdict.bytes != result_.ReferenceSize)
        finding = {MemberStatus::BadSize, {}};
    AddRow(name, verdict.bytes, verdict.crcText, finding.status, finding.reason, fileName, verdict.verifiedBytes);
}

void CheckRun::AddExpectedVolume()
{
    // Only a volume that passed is believed: a damaged or misplaced one may say anything.
    // Volumes counted but past the walk: a split zip's .zNN after the highest one found (the .zip
    // comes last), or a 7z archive's pieces after the last one. A damaged count names no more than
    // the older kinds' walks have.
    constexpr std::uint64_t kMostVolumes = 999;
    const Series& series = result_.CheckedSeries;
    QString name = CheckedName();
    for (std::uint64_t number = VolumeNumber() + 1; volumeCount_ && number < std::min(*volumeCount_, kMostVolumes); ++number) {
        const std::optional<QString> next =
            series.Kind == SeriesKind::Zip
                ? std::optional<QString>(series.BaseName.toLower() + u'.' + ZipPartExtension(static_cast<int>(number)))
                : NameAfter(series, name);
        if (!next)
            break;
        name = *next;
        AddMissing(name, archive::VolumeCountReason(*volumeCount_));
    }
    if (!expectsMore_ || result_.Rows.isEmpty() || !Passed(result_.Rows.last().status))
        return;
    if (const std::optional<QString> next = NameAfter(result_.CheckedSeries, CheckedName()))
        AddMissing(*next, archive::ExpectsMoreReason(result_.Rows.last().name));
}

void CheckRun::CountPresentMember()
{
    ++result_.FileCounter;
    // Members hidden from the listing can outnumber the found list; the bar never leaves its range.
    const int shown = std::min(result_.FileCounter, progressMaximum_);
    view_.SetProgress(shown, progressMaximum_);
    view_.SetProgressTip(QStringLiteral("Checking File Number %1 Of %2").arg(shown).arg(progressMaximum_));
}

QStringList CheckRun::ListedNames() const
{
    QStringList names;
    if (sfv_)
        for (const SfvEntry& entry : sfv_->entries())
            names.append(entry.name);
    return names;
}

qsizetype CheckRun::CheckedIndex() const
{
    return std::min(walked_, walk_.size() - 1);
}

QString CheckRun::CheckedName() const
{
    const qsizetype index = CheckedIndex();
    return index < 0 ? result_.CheckedSeries.FirstMember : walk_[index];
}

QString CheckRun::FollowingPath()
{
    if (walked_ + 1 >= walk_.size())
        return readAfterLast_;
    const MemberFile next = finder_->Members(walk_[walked_ + 1]).first();
    return next.isRegularFile() ? next.path : QString();
}

QString CheckRun::ExpectedCrc(const QString& name) const
{
    return sfv_ ? sfv_->Lookup(name) : QString();
}

void CheckRun::AddMissing(const QString& name, const QString& reason)
{
    carried_.part.reset();  // a split file's parts after a gap cannot be joined
    AddRow(name, std::nullopt, kUnknown, MemberStatus::Missing, reason);
}

void CheckRun::AddRow(const QString& name, std::optional<qint64> bytes, const QString& crcText, MemberStatus status,
                      const QString& reason, const QString& fileName, std::optional<qint64> verifiedBytes)
{
    switch (status) {
    case MemberStatus::Missing: result_.MissingList.append(name); break;
    case MemberStatus::BadSize: result_.SizeList.append(name); break;
    case MemberStatus::BadCrc: result_.CRCList.append(name); break;
    case MemberStatus::PartlyVerified: result_.PartlyList.append(name); break;
    case MemberStatus::OK: break;
    }
    const MemberRow row{name, bytes ? SizeText(*bytes) : kUnknown, crcText, status, reason, bytes, ExpectedCrc(name),
                        fileName, verifiedBytes};
    result_.Rows.append(row);
    view_.AddMemberRow(row);
}

}  // namespace quil
