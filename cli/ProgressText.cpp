// ProgressText.cpp - the words of the progress line a terminal shows while a series is read.
// SPDX-License-Identifier: MIT
#include "cli/ProgressText.h"

#include <QLocale>

#include <algorithm>

namespace quil::cli {

namespace {

QString Bytes(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1);
}

// "m:ss", or "h:mm:ss" from an hour on.
QString Duration(qint64 seconds)
{
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2").arg(seconds / 60 % 60).arg(seconds % 60, 2, 10, QChar(u'0'));
    if (seconds < 3600)
        return minutesAndSeconds;
    return QStringLiteral("%1:%2").arg(seconds / 3600).arg(minutesAndSeconds.rightJustified(5, u'0'));
}

}  // namespace

QString ProgressText(qint64 done, qint64 total, qint64 elapsedMs)
{
    QString text = Bytes(done) + QStringLiteral(" of ") + Bytes(total);
    if (total > 0)
        text += QStringLiteral(", %1%").arg(done * 100 / total);
    if (done <= 0 || elapsedMs <= 0)
        return text;
    const double perSecond = double(done) * 1000 / double(elapsedMs);
    const auto secondsLeft = std::max<qint64>(qint64(double(total - done) / perSecond + 0.5), 0);
    return text + QStringLiteral(", %1/s, %2 left").arg(Bytes(qint64(perSecond)), Duration(secondsLeft));
}

}  // namespace quil::cli
