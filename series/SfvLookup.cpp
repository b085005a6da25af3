// SfvLookup.cpp - reads an SFV file or a digest list into a table and finds the value it lists for a member.
// SPDX-License-Identifier: MIT
#include "series/SfvLookup.h"

#include "os/ReadFailure.h"
#include "os/SystemCalls.h"
#include "prompts/Messages.h"
#include "series/FunctionModule.h"
#include "series/NameCase.h"

#include "os/NativeNames.h"

#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace quil {

namespace {

// A name with its spaces trimmed, compared as every file name is (NameCase.h).
QString Key(const QString& name)
{
    return NameKey(TrimSpaces(name));
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A line split into the name before its last run of blanks and the value after it, trailing blanks
// ignored; both empty for a line without a blank.
std::pair<QString, QString> SplitEntry(const QString& line)
{
    qsizetype end = line.size();
    while (end > 0 && IsBlank(line[end - 1]))
        --end;
    qsizetype valueStart = end;
    while (valueStart > 0 && !IsBlank(line[valueStart - 1]))
        --valueStart;
    if (valueStart == 0)
        return {};
    qsizetype nameEnd = valueStart;
    while (nameEnd > 0 && IsBlank(line[nameEnd - 1]))
        --nameEnd;
    return {line.left(nameEnd), line.mid(valueStart, end - valueStart)};
}

// No real SFV line is this long; a longer one (a binary file picked by mistake) matches nothing.
constexpr qsizetype kLongestLine = 64 * 1024;

// Calls `onLine` with every line of what `read(buffer, size)` gives (a byte count, 0 at the end, -1
// on failure), ended by CR, LF or CR LF, and whether it was too long to keep (its text is then cut
// short). False when a read fails before the end.
template <typename ReadFn, typename LineFn>
bool ForEachLine(ReadFn read, LineFn onLine)
{
    QByteArray line;
    bool overlong = false;
    bool afterCr = false;
    char chunk[64 * 1024];
    qint64 got;
    while ((got = read(chunk, qint64(sizeof chunk))) > 0) {
        for (qint64 i = 0; i < got; ++i) {
            const char c = chunk[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\r' || c == '\n') {
                onLine(line, overlong);
                line.clear();
                overlong = false;
            } else if (line.size() < kLongestLine) {
                line.append(c);
            } else {
                overlong = true;
            }
        }
    }
    if (!line.isEmpty() || overlong)
        onLine(line, overlong);
    return got == 0;
}

// Every line of what `read` gives, as ForEachLine splits it; `whole` tells whether it was read to its end.
template <typename ReadFn>
QList<SfvTable::Line> CollectLines(ReadFn read, bool& whole)
{
    QList<SfvTable::Line> lines;
    whole = ForEachLine(read, [&lines](const QByteArray& line, bool overlong) { lines.append({line, overlong}); });
    return lines;
}

// The kind of a list whose name says nothing, by its first entry: a digest when the entry starts with
// a digest's hexadecimal text and a space, otherwise an SFV file's CRC-32.
HashKind KindByFirstEntry(const QList<SfvTable::Line>& lines)
{
    for (const auto& [line, overlong] : lines) {
        if (overlong || line.startsWith(';') || line.startsWith('#') || line.trimmed().isEmpty())
            continue;
        const QString value = QString::fromLatin1(line.left(line.indexOf(' ')));
        const std::optional<HashKind> digest = DigestOfLength(value.size());
        return digest && line.contains(' ') && IsHexText(value, value.size()) ? *digest : HashKind::Crc32;
    }
    return HashKind::Crc32;
}

}  // namespace

std::variant<SfvTable, QString> SfvTable::Read(const QString& path)
{
    if (NamesStandardInput(path))
        return ReadStandardInput();
    const std::optional<struct stat> info = StatPath(path);
    if (!info || !S_ISREG(info->st_mode))
        return ReadFailure(path, info ? NotRegularReason() : NoSuchFileReason());
    crc::SystemCalls& system = crc::System();
    // O_NONBLOCK: should a FIFO take the file's place after the look, the open still returns.
    const int fd = system.open(NativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0)
        return ReadFailure(path, SystemReason(errno));
    struct stat opened {};
    QString refusal;
    if (system.fstat(fd, &opened) != 0)
        refusal = SystemReason(errno);
    else if (!S_ISREG(opened.st_mode))
        refusal = NotRegularReason();
    off_t offset = 0;
    int error = 0;
    const auto read = [&](char* buffer, qint64 size) -> qint64 {
        ssize_t got;
        while ((got = system.pread(fd, buffer, size_t(size), offset)) < 0 && errno == EINTR) {
        }
        error = got < 0 ? errno : 0;
        offset += got > 0 ? got : 0;
        return got;
    };
    // A read that fails halfway must not pass for the end of the file: the entries after it would
    // be lost and their members judged against nothing.
    bool whole = false;
    const QList<Line> lines = refusal.isEmpty() ? CollectLines(read, whole) : QList<Line>();
    system.close(fd);
    if (!refusal.isEmpty())
        return ReadFailure(path, refusal);
    if (!whole)
        return ReadFailure(path, SystemReason(error));
    SfvTable table = FromLines(lines, path);
    table.path_ = path;
    return table;
}

std::variant<SfvTable, QString> SfvTable::ReadStandardInput()
{
    const QString name = QStringLiteral("standard input");
    int error = 0;
    const auto read = [&error](char* buffer, qint64 size) -> qint64 {
        ssize_t got;
        while ((got = crc::System().read(STDIN_FILENO, buffer, size_t(size))) < 0 && errno == EINTR) {
        }
        error = got < 0 ? errno : 0;
        return got;
    };
    bool whole = false;
    const QList<Line> lines = CollectLines(read, whole);
    if (!whole)
        return ReadFailure(name, SystemReason(error));
    SfvTable table = FromLines(lines, {});
    table.path_ = name;
    return table;
}

SfvTable SfvTable::Parse(const QByteArray& content, const QString& name)
{
    qsizetype offset = 0;
    const auto read = [&](char* buffer, qint64 size) -> qint64 {
        const qint64 got = std::min<qint64>(size, content.size() - offset);
        std::memcpy(buffer, content.constData() + offset, size_t(got));
        offset += got;
        return got;
    };
    bool whole = false;
    return FromLines(CollectLines(read, whole), name);
}

SfvTable SfvTable::FromLines(const QList<Line>& lines, const QString& name)
{
    SfvTable table;
    table.kind_ = HashKindOfName(name).value_or(KindByFirstEntry(lines));
    for (const auto& [line, overlong] : lines) {
        if (table.kind_ == HashKind::Crc32)
            table.AddLine(line, overlong);
        else
            table.AddDigestLine(line, overlong);
    }
    return table;
}

void SfvTable::AddLine(const QByteArray& bytes, bool overlong)
{
    ++lineCount_;
    if (overlong) {
        unreadableLines_.append(lineCount_);
        return;
    }
    if (bytes.startsWith(';'))
        return;
    // Decoded as the folder listing decodes names, so a name that is not UTF-8 still matches its file.
    const QString line = NameFromNative(bytes);
    const auto [name, written] = SplitEntry(line);
    const QString value = written.toUpper();
    values_.insert(Key(name), value);
    if (line.trimmed().isEmpty())
        return;
    if (!TrimSpaces(name).isEmpty() && IsCrcText(value))
        entries_.append({lineCount_, TrimSpaces(name), value});
    else
        unreadableLines_.append(lineCount_);
}

void SfvTable::AddDigestLine(const QByteArray& bytes, bool overlong)
{
    ++lineCount_;
    if (!overlong && (bytes.startsWith('#') || bytes.trimmed().isEmpty()))
        return;
    // "VALUE  NAME", or "VALUE *NAME" for a file read in binary mode.
    const QString line = QString::fromUtf8(bytes);
    const qsizetype blank = line.indexOf(u' ');
    const QString value = line.left(blank).toLower();
    QString name = blank < 0 ? QString() : line.mid(blank + 1);
    if (name.startsWith(u' ') || name.startsWith(u'*'))
        name.remove(0, 1);
    if (overlong || TrimSpaces(name).isEmpty() || !IsHexText(value, HexDigits(kind_))) {
        unreadableLines_.append(lineCount_);
        return;
    }
    values_.insert(Key(name), value);
    entries_.append({lineCount_, TrimSpaces(name), value});
}

QString SfvTable::Lookup(const QString& name) const
{
    return values_.value(Key(name));
}

bool SfvTable::Lists(const QString& name) const
{
    return values_.contains(Key(name));
}

QList<SfvEntry> SfvTable::EntriesNamingNone(const QStringList& names) const
{
    QSet<QString> named;
    for (const QString& name : names)
        named.insert(Key(name));
    QList<SfvEntry> none;
    for (const SfvEntry& entry : entries_)
        if (!named.contains(Key(entry.name)))
            none.append(entry);
    return none;
}

QString CrcText(std::optional<qint32> value)
{
    const auto bits = static_cast<quint32>(value.value_or(0));
    return QString::number(bits, 16).toUpper().rightJustified(8, u'0');
}

bool IsCrcText(const QString& text)
{
    return IsHexText(text, 8);
}

bool IsHexText(const QString& text, qsizetype digits)
{
    return text.size() == digits && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
               const char16_t u = c.unicode();
               return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
           });
}

}  // namespace quil
