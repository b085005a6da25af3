// MemberWalks.cpp - names every member a series should have, in order, up to the last one found.
#include "series/MemberWalks.h"

namespace quil {

namespace {

void AppendNumbers(QStringList& out, const QString& prefix, int first, int last, int width)
{
    for (int n = first; n <= last; ++n)
        out.append(prefix + QString::number(n).rightJustified(width, u'0'));
}

}  // namespace

QStringList WalkExtensions(SeriesKind kind, const QStringList& seqList)
{
    QStringList out;
    switch (kind) {
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
    for (const QString& extension : WalkExtensions(series.kind, series.SeqList)) {
        names.append(stem + extension);
        if (names.last() == lastMemberName)
            break;
    }
    return names;
}

}  // namespace quil
