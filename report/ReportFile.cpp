// ReportFile.cpp - writes a scan report to a text file.
#include "report/ReportFile.h"

#include <QFile>

namespace quil {

QString SaveReportFile(const QString& path, const QString& reportText)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    const QByteArray bytes = (reportText + QStringLiteral("\r\n")).toLocal8Bit();
    // Buffered bytes can still fail on their way out (a full disk), so the flush is checked too.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}

}  // namespace quil
