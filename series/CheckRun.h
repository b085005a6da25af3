// CheckRun.h - one check of a series: the first member, the walk and every member's verdict.
// SPDX-License-Identifier: MIT
#pragma once

#include "archive/VolumeCheck.h"
#include "series/CheckMode.h"
#include "series/MemberFile.h"
#include "series/RunResult.h"

#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>

namespace quil {

class clsCRC;
class DigestQueue;
class RunView;
class SfvTable;

// A run only reads the series folder; it asks nothing, so whoever starts it has chosen the mode
// and, for an SFV check, read the SFV file already.
class CheckRun {
public:
    CheckRun(RunView& view, clsCRC& crc);
    ~CheckRun();

    // Checks `series` (a found list of at least two members) in `mode`; `sfv` is the SFV file's
    // table for an SFV check and ignored otherwise. Rows reach the view as they are decided.
    RunResult Run(const Series& series, CheckMode mode, const SfvTable* sfv = nullptr);

    // Ends the walk before its next member and abandons a volume being read; the result then says
    // it was cancelled. Any thread may call it; a Stop before Run ends that run after its first
    // member, so a run started on another thread cannot miss it.
    void Stop() { stopRequested_ = true; }

    // `path` (or none, "") is the file read after this run's last volume: its start is read into the
    // page cache while that volume is hashed, so a batch of series keeps the disk streaming.
    void ReadAheadAfterLast(const QString& path) { readAfterLast_ = path; }

    // The progress bar's maximum for a series: its number of found members.
    static int ProgressMaximum(const Series& series);

private:
    // The regular files the first member and `walk` name, in the order the run reads them.
    QStringList FilesToRead(const QStringList& walk);
    void CheckFirstMember();
    void CheckMember(const QString& name);
    // Verdicts on the files found for `name`; the first member's first file is the reference, and
    // was counted as present already.
    void AddVerdicts(const QString& name, const QList<MemberFile>& files, bool firstMember);
    void AddVerdictFor(const QString& name, const MemberFile& file, bool reference);
    void AddArchiveVerdict(const QString& name, const MemberFile& file, const QString& fileName, bool reference,
                           const KeepReadingFn& keepReading);
    // After the walk: a Missing row for the volume the last one present says follows it, or for each
    // the set's count of volumes has and the walk did not reach.
    void AddExpectedVolume();
    void AddRow(const QString& name, std::optional<qint64> bytes, const QString& crcText, MemberStatus status,
                const QString& reason = {}, const QString& fileName = {},
                std::optional<qint64> verifiedBytes = std::nullopt);
    void AddMissing(const QString& name, const QString& reason = {});
    void CountPresentMember();
    // The names the SFV file lists; none outside SFV checks.
    QStringList ListedNames() const;
    // What the SFV file lists for `name`; "" outside SFV checks.
    QString ExpectedCrc(const QString& name) const;
    // The file of the member the walk checks after the current one, read ahead while the current
    // one's end is hashed; "" when there is none.
    QString FollowingPath();
    // The walk's member being checked, or once the walk is over its last one: -1 for the first member.
    qsizetype CheckedIndex() const;
    QString CheckedName() const;
    // The checked member's volume number in the set, counted from 0.
    std::uint64_t VolumeNumber() const { return static_cast<std::uint64_t>(CheckedIndex() + 1); }

    RunView& view_;
    clsCRC& crc_;
    // The run under way.
    RunResult result_;
    const SfvTable* sfv_ = nullptr;
    std::optional<MemberFinder> finder_;
    std::unique_ptr<DigestQueue> digests_;  // the volumes of a digest list's check, read ahead
    // Archive checks: the start file's format, and whether the last volume examined says another follows.
    std::optional<archive::ArchiveFormat> format_;
    bool expectsMore_ = false;
    archive::Carried carried_;
    // How many volumes a split zip's .zip or a split 7z archive's first piece says the set has.
    std::optional<std::uint64_t> volumeCount_;
    QString readAfterLast_;
    QStringList walk_;
    qsizetype walked_ = -1;  // the index in walk_ of the member being checked; -1 for the first member
    int progressMaximum_ = 0;
    std::atomic<bool> stopRequested_ = false;
};

}  // namespace quil
