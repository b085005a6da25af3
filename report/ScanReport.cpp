// ScanReport.cpp - the scan report of a finished check run: its lines and its text with the footer.
#include "report/ScanReport.h"

#include "report/Product.h"
#include "series/SeriesState.h"
#include "series/FunctionModule.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace quil {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// One problem section: none, one named member, or a count followed by every member.
struct SectionWording {
    QString none;
    QString oneSuffix;   // after the member's name
    QString manySuffix;  // after the count
};

void AddSection(QStringList& lines, const QStringList& members, const SectionWording& wording)
{
    if (members.isEmpty()) {
        lines.append(wording.none);
    } else if (members.size() == 1) {
        lines.append(members.first() + wording.oneSuffix);
    } else {
        lines.append(QString::number(members.size()) + wording.manySuffix);
        lines.append(members);
    }
}

}  // namespace

QString StartName(const QString& seriesKind, const QString& baseName)
{
    static const QHash<QString, QString> startExtensions{
        {u"RAR"_s, u".rar"_s}, {u"ARJ"_s, u".arj"_s}, {u"ACE"_s, u".ace"_s}, {u"NUM"_s, u".001"_s}};
    const auto found = startExtensions.constFind(seriesKind);
    return found == startExtensions.cend() ? QString() : baseName + *found;
}

qsizetype ProblemsFound()
{
    // A list the run did not fill is empty, so every list can count.
    const SeriesState& state = State();
    return state.MissingList.size() + state.SizeList.size() + state.CRCList.size();
}

QStringList ComposeReport()
{
    const SeriesState& state = State();
    const QString start = StartName(state.SeriesKind, state.BaseName);
    const bool sfvMode = state.CheckWithSfv;

    QStringList lines;
    lines << u"For The Archive Sequence Starting With "_s + start + u"..."_s << QString();
    AddSection(lines, state.MissingList,
               {u"No Files Are Missing From The Sequence"_s, u" Is Missing From The Sequence:"_s,
                u" Files Are Missing From The Sequence:"_s});
    lines << QString();
    if (sfvMode) {
        AddSection(lines, state.CRCList,
                   {u"No Files Have Bad CRC Values"_s, u" Has A Bad CRC Value."_s,
                    u" Files Have A Bad CRC Value:"_s});
    } else {
        AddSection(lines, state.SizeList,
                   {u"All File Sizes Match"_s, u" Has A Different Byte Size Than "_s + start,
                    u" Files Have A Different Byte Size Than "_s + start});
    }
    lines << QString();

    lines << u"SUMMARY"_s << u"Starting Archive Filename: "_s + start
          << u"Ending Archive Filename: "_s + state.LastMemberName << QString();
    lines << u"Number Of Missing Files: "_s + QString::number(state.MissingList.size());
    if (sfvMode)
        lines << u"Number Of Files With Bad CRC Values: "_s + QString::number(state.CRCList.size());
    else
        lines << u"Number Of Files With Differing Sizes: "_s + QString::number(state.SizeList.size());
    lines << u"Total Number Of Files: "_s + QString::number(state.SeqList.size()) << QString();
    lines << u"Total Errors/Differences Found: "_s + QString::number(ProblemsFound())
          << QString();
    return lines;
}

QString ReportText(const QStringList& reportList)
{
    QString text;
    for (const QString& line : reportList) {
        if (!TrimSpaces(line).isEmpty())
            text += line;
        text += kLineEnd;
    }
    text += u"Report Created By "_s + ProductName() + u" Version "_s + VersionText();
    text += kLineEnd + u"Available At "_s + ProductWebPage();
    return text;
}

}  // namespace quil
