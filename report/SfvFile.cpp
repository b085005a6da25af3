// SfvFile.cpp - the SFV file a CRC report run makes: each volume read and its CRC-32.
// SPDX-License-Identifier: MIT
#include "report/SfvFile.h"

#include "report/Product.h"
#include "report/ReportFile.h"
#include "series/RunResult.h"

namespace quil {

bool HasCrcValues(const RunResult& run)
{
    return run.Mode == CheckMode::CrcReport && !run.Cancelled;
}

QByteArray SfvFileBytes(const RunResult& run, QDate date)
{
    QString text = QStringLiteral("; Created By %1 Version %2 On %3\n")
                       .arg(ProductName(), VersionText(), date.toString(Qt::ISODate));
    for (const MemberRow& row : run.Rows)
        if (row.status != MemberStatus::Missing)
            text += row.fileName + u' ' + row.crcText + u'\n';
    return text.toUtf8();
}

QString SaveSfvFile(const QString& path, const RunResult& run)
{
    return SaveFileBesideRun(path, SfvFileBytes(run, QDate::currentDate()), run);
}

}  // namespace quil
