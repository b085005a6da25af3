// SfvLookup.h - reads an SFV file into a table and finds the CRC-32 it lists for a member.
#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <variant>

namespace quil {

// The entries of one SFV file. A line starting with ";" is a comment; any other line names a file
// by its text before the last space (spaces trimmed, letter case ignored) and gives its value after
// that space (spaces trimmed, upper-cased). When several lines name one file the last one wins.
// Lines end at CR, LF or CR LF; a line longer than 64 KiB (a binary file picked by mistake) is no
// entry.
class SfvTable {
public:
    // The entries of the SFV file at `path`, or why it could not be read to its end (the sentence
    // names the path). Only a regular file is opened, so a FIFO never blocks.
    static std::variant<SfvTable, QString> Read(const QString& path);
    static SfvTable Parse(const QByteArray& content);

    const QString& path() const { return path_; }

    // The value listed for `name`; "" when no line names it.
    QString Lookup(const QString& name) const;

private:
    void AddLine(const QByteArray& line);

    QString path_;
    QHash<QString, QString> values_;  // upper-cased name -> value
};

// The value the SFV file at `sfvPath` lists for `name`, read afresh; "" when the file has no such
// line or cannot be read.
QString LookupSfvCrc(const QString& sfvPath, const QString& name);

// Eight hexadecimal digits, upper case, zero-padded; no value (an empty file) counts as 0.
QString CrcText(std::optional<qint32> value);

}  // namespace quil
