// Recognition.cpp - decides the series a start file opens and gathers the members found beside it.
#include "series/Recognition.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/MemberFile.h"
#include "prompts/Messages.h"
#include "series/PartSets.h"


namespace quil {

bool ExtensionMatches(const QString& extension, const QString& pattern)
{
    const QString ext = extension.toLower();
    const QString pat = pattern.toLower();
    qsizetype p = 0;
    for (const QChar c : ext) {
        if (p >= pat.size())
            return false;
        if (pat[p] == u'[' && p + 4 < pat.size() && pat[p + 2] == u'-' && pat[p + 4] == u']') {
            if (c < pat[p + 1] || c > pat[p + 3])
                return false;
            p += 5;
        } else {
            if (c != pat[p])
                return false;
            ++p;
        }
    }
    return p == pat.size();
}

void AddFoundMembers(QStringList& seqList, const QStringList& hidList, const QString& baseName,
                     const QString& pattern)
{
    const QString base = baseName.toLower();
    for (const QString& entry : hidList) {
        if (TextBeforeLast(entry, QStringLiteral(".")).toLower() == base
            && ExtensionMatches(TextAfterLast(entry, QStringLiteral(".")), pattern))
            seqList.append(entry.toLower());
    }
}

void AppendSameNames(QStringList& seqList, const QStringList& listing, const QString& name)
{
    seqList.append(name.toLower());
    for (const QString& entry : listing)
        if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0)
            seqList.append(entry.toLower());
}

std::optional<Series> RecognizeSeries(const QString& folder, const QString& startFile)
{
    // A NAME.partN.rar is never an older RAR start file.
    if (std::optional<Series> set = RecognizeNewStyleSet(folder, startFile))
        return set;
    const QString extension = TextAfterLast(startFile, QStringLiteral("."));
    const QString lower = extension.toLower();
    // Each kind: whether the start file heads the list itself, then the found-list patterns in order.
    struct Rule {
        SeriesKind kind;
        bool startFileFirst;
        QStringList patterns;
    };
    std::optional<Rule> rule;
    if (lower == u"rar")
        rule = Rule{SeriesKind::Rar, true, {QStringLiteral("[r-z][0-9][0-9]")}};
    else if (extension == u"001")  // compared as written: the digits have no case
        rule = Rule{SeriesKind::Num, false, {QStringLiteral("[0-9][0-9][0-9]")}};
    else if (lower == u"ace")
        rule = Rule{SeriesKind::Ace, true, {QStringLiteral("c[0-9][0-9]"), QStringLiteral("[0-9][0-9][0-9]")}};
    else if (lower == u"arj")
        rule = Rule{SeriesKind::Arj, true, {QStringLiteral("a[0-9][0-9]"), QStringLiteral("[0-9][0-9][0-9]")}};
    if (!rule)
        return std::nullopt;

    Series series;
    series.kind = rule->kind;
    series.folder = folder;
    series.startFile = startFile;
    series.BaseName = TextBeforeLast(startFile, QStringLiteral(".")).toLower();
    series.ReferenceSize = DescribeFile(JoinPath(folder, startFile)).size;
    // Only names of this series can be members; the rest of a large folder need not be sorted.
    const QStringList hidList = ListOrdinaryFiles(folder, [&series](const QString& name) {
        return TextBeforeLast(name, QStringLiteral(".")).toLower() == series.BaseName;
    });
    if (rule->startFileFirst)
        AppendSameNames(series.SeqList, hidList, startFile);
    for (const QString& pattern : rule->patterns)
        AddFoundMembers(series.SeqList, hidList, series.BaseName, pattern);
    series.firstMember = series.SeqList.value(0);
    // A numbered series is named by its .001 even when a .000 leads it.
    series.startName = series.BaseName + StartExtension(series.kind);
    series.referenceName = startFile;
    return series;
}

std::optional<QString> SeqListRefusal(const QStringList& seqList)
{
    if (seqList.size() >= 2)
        return std::nullopt;
    return seqList.isEmpty() ? SelectArchiveFirstMessage() : OnlyOneFileMessage();
}

}  // namespace quil
