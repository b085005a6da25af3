// SfvLookup.cpp - reads an SFV file into a table and finds the CRC-32 it lists for a member.
#include "series/SfvLookup.h"

#include "crc/ReadFailure.h"
#include "series/FunctionModule.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace quil {

namespace {

// No real SFV line is this long; a longer one (a binary file picked by mistake) matches nothing.
constexpr qsizetype kLongestLine = 64 * 1024;

// Calls `onLine` for every line of what `device` gives, ended by CR, LF or CR LF. False when a
// read fails before the end.
template <typename LineFn>
bool ForEachLine(QIODevice& device, LineFn onLine)
{
    QByteArray line;
    bool overlong = false;
    bool afterCr = false;
    char chunk[64 * 1024];
    qint64 got;
    while ((got = device.read(chunk, sizeof chunk)) > 0) {
        for (qint64 i = 0; i < got; ++i) {
            const char c = chunk[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\r' || c == '\n') {
                if (!overlong)
                    onLine(line);
                line.clear();
                overlong = false;
            } else if (line.size() < kLongestLine) {
                line.append(c);
            } else {
                overlong = true;
            }
        }
    }
    if (!line.isEmpty() && !overlong)
        onLine(line);
    return got == 0;
}

}  // namespace

std::variant<SfvTable, QString> SfvTable::Read(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return ReadFailure(path, QFileInfo::exists(path) ? QStringLiteral("not a regular file")
                                                         : QStringLiteral("no such file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadFailure(path, file.errorString());
    SfvTable table;
    table.path_ = path;
    // A read that fails halfway must not pass for the end of the file: the entries after it would
    // be lost and their members judged against nothing.
    if (!ForEachLine(file, [&table](const QByteArray& line) { table.AddLine(line); }))
        return ReadFailure(path, file.errorString());
    return table;
}

SfvTable SfvTable::Parse(const QByteArray& content)
{
    QByteArray bytes = content;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    SfvTable table;
    ForEachLine(buffer, [&table](const QByteArray& line) { table.AddLine(line); });
    return table;
}

void SfvTable::AddLine(const QByteArray& bytes)
{
    if (bytes.startsWith(';'))
        return;
    const QString line = QString::fromUtf8(bytes);
    const QString space = QStringLiteral(" ");
    values_.insert(TrimSpaces(TextBeforeLast(line, space)).toUpper(), TrimSpaces(TextAfterLast(line, space).toUpper()));
}

QString SfvTable::Lookup(const QString& name) const
{
    return values_.value(TrimSpaces(name).toUpper());
}

QString LookupSfvCrc(const QString& sfvPath, const QString& name)
{
    const auto read = SfvTable::Read(sfvPath);
    const SfvTable* table = std::get_if<SfvTable>(&read);
    return table ? table->Lookup(name) : QString();
}

QString CrcText(std::optional<qint32> value)
{
    const auto bits = static_cast<quint32>(value.value_or(0));
    return QString::number(bits, 16).toUpper().rightJustified(8, u'0');
}

}  // namespace quil
