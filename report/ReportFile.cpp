// ReportFile.cpp - writes a scan report to a text file.
#include "report/ReportFile.h"

#include <QFile>

namespace quil {

namespace {

QString WriteFailure(const QFile& file)
{
    return QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString());
}

}  // namespace

QString SaveReportFile(const QString& path, const QString& reportText)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return WriteFailure(file);
    const QByteArray bytes = (reportText + QStringLiteral("\r\n")).toLocal8Bit();
    // Buffered bytes can still fail on their way out (a full disk), so the flush is checked too.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return WriteFailure(file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return WriteFailure(file);
    return {};
}

}  // namespace quil
