// ScanReport.cpp - the scan report of a finished check run: its lines and its text with the footer.
// SPDX-License-Identifier: MIT
#include "report/ScanReport.h"

#include "report/Product.h"
#include "series/FunctionModule.h"
#include "os/NativeNames.h"
#include "series/RunResult.h"

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

QStringList ComposeReport(const RunResult& run)
{
    const QString& start = run.CheckedSeries.StartName;
    const bool sfvMode = run.Mode == CheckMode::SfvCheck;
    // An archive check compares sizes and CRC values both, and counts the partly verified apart.
    const bool archiveMode = run.Mode == CheckMode::ArchiveCheck;
    const SectionWording crcWording{u"No Files Have Bad CRC Values"_s, u" Has A Bad CRC Value."_s,
                                    u" Files Have A Bad CRC Value:"_s};
    const QString crcCount = u"Number Of Files With Bad CRC Values: "_s + QString::number(run.CRCList.size());

    QStringList lines;
    lines << u"For The Archive Sequence Starting With "_s + start + u"..."_s << QString();
    AddSection(lines, run.MissingList,
               {u"No Files Are Missing From The Sequence"_s, u" Is Missing From The Sequence:"_s,
                u" Files Are Missing From The Sequence:"_s});
    lines << QString();
    if (sfvMode) {
        AddSection(lines, run.CRCList, crcWording);
    } else {
        AddSection(lines, run.SizeList,
                   {u"All File Sizes Match"_s, u" Has A Different Byte Size Than "_s + start,
                    u" Files Have A Different Byte Size Than "_s + start});
    }
    lines << QString();
    if (archiveMode) {
        AddSection(lines, run.CRCList, crcWording);
        lines << QString();
    }

    lines << u"SUMMARY"_s << u"Starting Archive Filename: "_s + start
          << u"Ending Archive Filename: "_s + run.LastMemberName << QString();
    lines << u"Number Of Missing Files: "_s + QString::number(run.MissingList.size());
    if (sfvMode)
        lines << crcCount;
    else
        lines << u"Number Of Files With Differing Sizes: "_s + QString::number(run.SizeList.size());
    if (archiveMode)
        lines << crcCount << u"Number Of Partly Verified Files: "_s + QString::number(run.PartlyList.size());
    lines << u"Total Number Of Files: "_s + QString::number(run.CheckedSeries.SeqList.size()) << QString();
    lines << u"Total Errors/Differences Found: "_s + QString::number(run.ProblemsFound())
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
    // A name that is not valid UTF-8 shows its odd bytes as replacement characters.
    return ShownText(text);
}

}  // namespace quil
