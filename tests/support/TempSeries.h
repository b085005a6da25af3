// TempSeries.h - a temporary folder to lay out series files in, for tests that work on real files.
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace quil::test {

class TempSeries {
public:
    TempSeries();

    QString folder() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Writes `name` with `size` bytes of a pattern that differs per file; returns its path.
    QString add(const QString& name, qint64 size) { return write(name, contentFor(name, size)); }
    void addAll(const QStringList& names, qint64 size)
    {
        for (const QString& name : names)
            add(name, size);
    }
    // Writes `name` with exactly these bytes.
    QString write(const QString& name, const QByteArray& bytes);

    // The folder as a test compares it before and after: each entry (the folder itself as ".") with
    // its type, size and bytes (a FIFO is never opened), and with `times` its modification and
    // change times.
    QStringList snapshot(bool times = false) const;

    // The bytes `add` writes for this name and size, and their CRC-32 text.
    static QByteArray contentFor(const QString& name, qint64 size);
    static QString crcTextFor(const QString& name, qint64 size) { return crcTextOf(contentFor(name, size)); }
    static QString crcTextOf(const QByteArray& bytes);

private:
    QTemporaryDir dir_;
};

}  // namespace quil::test
