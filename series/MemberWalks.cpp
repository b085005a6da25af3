// MemberWalks.cpp - names every member a series should have, in order, up to the last one found or listed.
// SPDX-License-Identifier: MIT
#include "series/MemberWalks.h"

#include "series/FunctionModule.h"
#include "series/NameCase.h"
#include "series/SeriesKinds.h"
#include "series/VolumeNames.h"

#include <QSet>

#include <algorithm>

namespace quil {

namespace {

void AppendNumbers(QStringList& out, const QString& prefix, int first, int last, int width)
{
    for (int n = first; n <= last; ++n)
        out.append(prefix + QString::number(n).rightJustified(width, u'0'));
}

// The highest volume number `numberOf` finds among the names of `seqList`; 0 for none.
template <typename NumberFn>
int HighestNumber(const QStringList& seqList, NumberFn numberOf)
{
    int highest = 0;
    for (const QString& name : seqList)
        highest = std::max(highest, numberOf(name).value_or(0));
    return highest;
}

// The .a01 and .c00 kinds: two digits after their letter up to 99, then the three-digit names.
QStringList LetterThenNumbers(const QString& letter, int first)
{
    QStringList names;
    AppendNumbers(names, letter, first, 99, 2);
    AppendNumbers(names, QString(), 100, 999, 3);
    return names;
}

}  // namespace

// The older kinds' walks do not depend on the series: each is made once and shared, so a folder of
// thousands of series does not build its hundreds of names for every one.
QStringList WalkRar(const Series&)
{
    static const QStringList out = [] {
        QStringList names;
        for (char16_t letter = u'r'; letter <= u'z'; ++letter)
            AppendNumbers(names, QString(QChar(letter)), 0, 99, 2);
        return names;
    }();
    return out;
}

QStringList WalkArj(const Series&)
{
    static const QStringList out = LetterThenNumbers(QStringLiteral("a"), 1);
    return out;
}

QStringList WalkAce(const Series&)
{
    static const QStringList out = LetterThenNumbers(QStringLiteral("c"), 0);
    return out;
}

QStringList WalkNumbered(const Series& series)
{
    const bool fromZero = !series.SeqList.isEmpty() && series.SeqList.front().endsWith(u".000");
    QStringList out;
    AppendNumbers(out, QString(), fromZero ? 1 : 2, 999, 3);
    // Past .999 the archivers go on unpadded: .1000, .1001 …
    const int last = HighestNumber(series.SeqList, [](const QString& name) {
        return NumberedVolumeNumber(TextAfterLast(name, QStringLiteral(".")));
    });
    AppendNumbers(out, QString(), 1000, last, 4);
    return out;
}

QStringList WalkRarParts(const Series& series)
{
    // Part 1's name holds the set's width.
    const std::optional<RarPartName> first = ParseRarPartName(series.FirstMember);
    const int width = first ? int(first->digits.size()) : 1;
    const int last = HighestNumber(series.SeqList, [](const QString& name) {
        const std::optional<RarPartName> part = ParseRarPartName(name);
        return part ? std::optional<int>(part->number) : std::nullopt;
    });
    QStringList out;
    for (int number = 2; number <= last; ++number)
        out.append(RarPartExtension(number, width));
    return out;
}

QStringList WalkSplitZip(const Series& series)
{
    const int last = HighestNumber(series.SeqList, [](const QString& name) {
        return ZipPartNumber(TextAfterLast(name, QStringLiteral(".")));
    });
    QStringList out;
    for (int number = 2; number <= last; ++number)
        out.append(ZipPartExtension(number));
    out.append(QStringLiteral("zip"));
    return out;
}

QStringList WalkExtensions(const Series& series)
{
    return KindRow(series.Kind).walk(series);
}

QStringList WalkNames(const Series& series, const QStringList& listed)
{
    if (series.SeqList.isEmpty())
        return {};
    const QString lastMemberKey = NameKey(series.SeqList.last());
    // Walked names show in lower case, as the found list does.
    const QString stem = series.BaseName.toLower() + u'.';
    // Listed volumes stretch the walks that count up to the highest number they see; a name of
    // another series that slips in only lengthens the list cut back below.
    Series reach = series;
    QSet<QString> listedKeys;
    for (const QString& name : listed) {
        if (NameKey(name).startsWith(NameKey(stem))) {
            reach.SeqList.append(name.toLower());
            listedKeys.insert(NameKey(name));
        }
    }
    QStringList names;
    qsizetype kept = -1;  // the names up to the last found member, or to the last listed one after it
    for (const QString& extension : WalkExtensions(reach)) {
        names.append(stem + extension);
        const QString key = NameKey(names.last());
        if (key == lastMemberKey && kept < 0) {
            kept = names.size();
            if (listedKeys.isEmpty())
                break;
        } else if (kept >= 0 && listedKeys.contains(key)) {
            kept = names.size();
        }
    }
    return kept < 0 ? names : names.first(kept);
}

std::optional<QString> NameAfter(const Series& series, const QString& name)
{
    const QString stem = series.BaseName.toLower() + u'.';
    if (series.Kind == SeriesKind::RarParts) {
        const std::optional<RarPartName> part = ParseRarPartName(name);
        const std::optional<RarPartName> first = ParseRarPartName(series.FirstMember);
        if (!part || !first)
            return std::nullopt;
        return stem + RarPartExtension(part->number + 1, int(first->digits.size()));
    }
    if (series.Kind != SeriesKind::Rar && series.Kind != SeriesKind::Num)
        return std::nullopt;
    const QStringList extensions = KindRow(series.Kind).walk(series);
    const qsizetype at = extensions.indexOf(TextAfterLast(name, QStringLiteral(".")).toLower());
    if (at + 1 >= extensions.size())
        return std::nullopt;
    return stem + extensions[at + 1];
}

}  // namespace quil
