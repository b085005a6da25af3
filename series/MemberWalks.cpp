// MemberWalks.cpp - names every member a series should have, in order, up to the last one found.
#include "series/MemberWalks.h"

#include "series/FunctionModule.h"
#include "series/VolumeNames.h"

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

}  // namespace

QStringList WalkExtensions(const Series& series)
{
    const QStringList& seqList = series.SeqList;
    QStringList out;
    switch (series.kind) {
    case SeriesKind::Rar:
        for (char16_t letter = u'r'; letter <= u'z'; ++letter)
            AppendNumbers(out, QString(QChar(letter)), 0, 99, 2);
        break;
    case SeriesKind::Arj:
        AppendNumbers(out, QStringLiteral("a"), 1, 99, 2);
        AppendNumbers(out, QString(), 100, 999, 3);
        break;
    case SeriesKind::Ace:
        AppendNumbers(out, QStringLiteral("c"), 0, 99, 2);
        AppendNumbers(out, QString(), 100, 999, 3);
        break;
    case SeriesKind::Num: {
        const bool fromZero = !seqList.isEmpty() && seqList.front().endsWith(u".000");
        AppendNumbers(out, QString(), fromZero ? 1 : 2, 999, 3);
        break;
    }
    case SeriesKind::RarParts: {
        // Part 1's name holds the set's width.
        const std::optional<RarPartName> first = ParseRarPartName(series.firstMember);
        const int width = first ? int(first->digits.size()) : 1;
        const int last = HighestNumber(seqList, [](const QString& name) {
            const std::optional<RarPartName> part = ParseRarPartName(name);
            return part ? std::optional<int>(part->number) : std::nullopt;
        });
        for (int number = 2; number <= last; ++number)
            out.append(RarPartExtension(number, width));
        break;
    }
    case SeriesKind::Zip: {
        const int last = HighestNumber(seqList, [](const QString& name) {
            return ZipPartNumber(TextAfterLast(name, QStringLiteral(".")));
        });
        for (int number = 2; number <= last; ++number)
            out.append(ZipPartExtension(number));
        out.append(QStringLiteral("zip"));
        break;
    }
    }
    return out;
}

QStringList WalkNames(const Series& series)
{
    if (series.SeqList.isEmpty())
        return {};
    const QString lastMemberName = series.SeqList.last().toLower();
    const QString stem = series.BaseName.toLower() + u'.';
    QStringList names;
    for (const QString& extension : WalkExtensions(series)) {
        names.append(stem + extension);
        if (names.last() == lastMemberName)
            break;
    }
    return names;
}

}  // namespace quil
