// TempSeries.cpp - a temporary folder to lay out series files in, for tests that work on real files.
// SPDX-License-Identifier: MIT
#include "tests/support/TempSeries.h"

#include "crc/clsCRC.h"
#include "series/SfvLookup.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>

namespace quil::test {

TempSeries::TempSeries()
{
    // A check in a constructor cannot end the test function, so a missing folder ends the test run.
    if (!dir_.isValid())
        qFatal("cannot make a temporary folder: %s", qPrintable(dir_.errorString()));
}

QByteArray TempSeries::contentFor(const QString& name, qint64 size)
{
    QByteArray bytes(size, '\0');
    const QByteArray seed = name.toUtf8();
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(seed[i % seed.size()] + i * 7 + (i >> 8));
    return bytes;
}

QString TempSeries::crcTextOf(const QByteArray& bytes)
{
    clsCRC crc;
    return CrcText(crc.CalculateBytes(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())}));
}

QString TempSeries::write(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

QStringList TempSeries::snapshot(bool times) const
{
    QStringList state;
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : QStringList{"."} + QDir(folder()).entryList(all)) {
        struct stat info {};
        ::lstat(QFile::encodeName(path(name)).constData(), &info);
        QFile file(path(name));
        const bool regular = S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly);
        QString entry = QStringLiteral("%1 %2 %3").arg(name).arg(info.st_mode & S_IFMT, 0, 8).arg(info.st_size);
        if (times)
            entry += QStringLiteral(" %1.%2 %3.%4")
                         .arg(info.st_mtim.tv_sec).arg(info.st_mtim.tv_nsec).arg(info.st_ctim.tv_sec).arg(info.st_ctim.tv_nsec);
        state << entry + ' ' + (regular ? file.readAll().toHex() : QByteArray());
    }
    return state;
}

}  // namespace quil::test
