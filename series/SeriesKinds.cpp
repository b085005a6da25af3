// SeriesKinds.cpp - one row per series kind: its start files, recognition, walk and texts.
// SPDX-License-Identifier: MIT
#include "series/SeriesKinds.h"

#include "series/MemberWalks.h"
#include "series/PartSets.h"
#include "series/Recognition.h"

#include <algorithm>
#include <array>

namespace quil {

namespace {

// The start-file rule of a kind whose start files are told by their names alone.
template <bool (*IsStart)(const QString&)>
QStringList NamesThat(const QStringList& names)
{
    QStringList starts;
    std::copy_if(names.cbegin(), names.cend(), std::back_inserter(starts), IsStart);
    return starts;
}

// The older RAR rule sees parts and older members too: a part with members beside it can be its start file.
bool LooksAtRar(const QString& name)
{
    return IsRarStart(name) || IsRarPart(name) || IsRarMemberName(name);
}

QStringList RarStartsAmong(const QStringList& names)
{
    return NamesThat<IsRarStart>(names) + OldStyleRarParts(names);
}

using L = QLatin1StringView;

constexpr std::array kRows{
    SeriesKindRow{SeriesKind::Rar, LooksAtRar, RarStartsAmong, RecognizeRar, WalkRar,
                  L("Checking RAR Archive Members"), L("rar"), L(".rar")},
    SeriesKindRow{SeriesKind::RarParts, IsRarPart, LowestRarParts, RecognizeRarParts, WalkRarParts,
                  L("Checking RAR Archive Members"), L("rar-parts"), L(".partN.rar")},
    SeriesKindRow{SeriesKind::Zip, IsSplitZipName, ZipsBesideFirstParts, RecognizeSplitZip, WalkSplitZip,
                  L("Checking ZIP Archive Members"), L("zip"), L(".zip beside a .z01")},
    SeriesKindRow{SeriesKind::Arj, IsArjStart, NamesThat<IsArjStart>, RecognizeArj, WalkArj,
                  L("Checking ARJ Archive Members"), L("arj"), L(".arj")},
    SeriesKindRow{SeriesKind::Ace, IsAceStart, NamesThat<IsAceStart>, RecognizeAce, WalkAce,
                  L("Checking ACE Archive Members"), L("ace"), L(".ace")},
    SeriesKindRow{SeriesKind::Num, IsNumberedStart, NamesThat<IsNumberedStart>, RecognizeNumbered, WalkNumbered,
                  L("Checking Archive Members"), L("numbered"), L(".001")},
};

}  // namespace

std::span<const SeriesKindRow> SeriesKinds()
{
    return kRows;
}

const SeriesKindRow& KindRow(SeriesKind kind)
{
    // Every kind has its row; the table test holds each kind to one.
    return *std::find_if(kRows.cbegin(), kRows.cend(), [kind](const SeriesKindRow& row) { return row.kind == kind; });
}

QString StartFileKindsPhrase(QStringView beforeLast)
{
    QString phrase;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (i > 0)
            phrase += i + 1 == kRows.size() ? beforeLast.toString() : QStringLiteral(", ");
        phrase += kRows[i].usage;
    }
    return phrase;
}

}  // namespace quil
