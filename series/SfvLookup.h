// SfvLookup.h - reads an SFV file or a digest list into a table and finds the value it lists for a member.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/HashKind.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <variant>

namespace quil {

// One line of an SFV file read as an entry.
struct SfvEntry {
    int line = 0;  // counted from 1
    QString name;  // as written, spaces trimmed
    QString crc;   // the value: an SFV file's eight hexadecimal digits in upper case, a digest's in lower case

    bool operator==(const SfvEntry&) const = default;
};

// The entries of one SFV file. A line starting with ";" is a comment; any other line names a file
// by its text before its last run of spaces and tabs (spaces trimmed, letter case ignored as
// NameKey ignores it) and gives its value after that run (upper-cased); trailing spaces
// and tabs are ignored. When several lines name one file the last one wins.
// Lines end at CR, LF or CR LF; a line longer than 64 KiB (a binary file picked by mistake) is no
// entry.
// A digest list (.md5, .sha1, .sha256, .sha512) is read the way the GNU tools write it instead: a
// line starting with "#" is a comment; any other gives a value (lower-cased) of its kind's length,
// one space, then the name, after a second space or a "*". A list whose name ends otherwise is a
// digest list when its first entry starts with a digest's hexadecimal text and a space.
class SfvTable {
public:
    // One line as read, and whether it was too long to keep whole.
    using Line = std::pair<QByteArray, bool>;

    // The entries of the SFV file at `path`, or why it could not be read to its end (the sentence
    // names the path). Only a regular file is opened, so a FIFO never blocks. The path "-" reads
    // standard input to its end instead, and the table and its failures name it "standard input".
    static std::variant<SfvTable, QString> Read(const QString& path);
    // The entries of `content`, read as a list called `name` would be.
    static SfvTable Parse(const QByteArray& content, const QString& name = {});

    const QString& path() const { return path_; }
    // CRC-32 for an SFV file, otherwise the digest the list gives.
    HashKind kind() const { return kind_; }

    // The value listed for `name`; "" when no line names it.
    QString Lookup(const QString& name) const;
    // True when a line names `name`, matched as Lookup matches.
    bool Lists(const QString& name) const;

    // The lines that are entries in the strict sense, a name, a space and eight hexadecimal digits,
    // in file order. Lookup still matches the other lines as described above.
    const QList<SfvEntry>& entries() const { return entries_; }
    // The numbers of the lines that are neither comments, blank (spaces and tabs only) nor entries.
    const QList<int>& unreadableLines() const { return unreadableLines_; }
    // The entries that name none of `names`, matched as Lookup matches, in file order.
    QList<SfvEntry> EntriesNamingNone(const QStringList& names) const;

private:
    static std::variant<SfvTable, QString> ReadStandardInput();
    static SfvTable FromLines(const QList<Line>& lines, const QString& name);
    void AddLine(const QByteArray& line, bool overlong);
    void AddDigestLine(const QByteArray& line, bool overlong);

    QString path_;
    HashKind kind_ = HashKind::Crc32;
    QHash<QString, QString> values_;  // NameKey of the trimmed name -> value
    QList<SfvEntry> entries_;
    QList<int> unreadableLines_;
    int lineCount_ = 0;
};

// True for "-", the SFV file read from standard input.
inline bool NamesStandardInput(const QString& path)
{
    return path == u"-";
}

// Eight hexadecimal digits, upper case, zero-padded; no value (an empty file) counts as 0.
QString CrcText(std::optional<qint32> value);

// True for eight hexadecimal digits in either case: a CRC-32 as CrcText writes it or an SFV lists it.
bool IsCrcText(const QString& text);

// True for `digits` hexadecimal digits in either case.
bool IsHexText(const QString& text, qsizetype digits);

}  // namespace quil
