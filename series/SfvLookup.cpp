// SfvLookup.cpp - finds the CRC-32 an SFV file lists for a member, and computes a member's CRC-32 text.
#include "series/SfvLookup.h"

#include "crc/clsCRC.h"
#include "series/FunctionModule.h"

#include <QFile>
#include <QFileInfo>

namespace quil {

namespace {

// No real SFV line is this long; a longer one (a binary file picked by mistake) matches nothing.
constexpr qsizetype kLongestLine = 64 * 1024;

// Calls `onLine` for every line of the file, ended by CR, LF or CR LF.
template <typename LineFn>
void ForEachLine(QFile& file, LineFn onLine)
{
    QByteArray line;
    bool overlong = false;
    bool afterCr = false;
    char chunk[64 * 1024];
    for (qint64 got; (got = file.read(chunk, sizeof chunk)) > 0;) {
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
}

}  // namespace

QString LookupSfvCrc(const QString& sfvPath, const QString& name)
{
    // Only a regular file is opened: a FIFO picked as the SFV file must not hang the run.
    if (!QFileInfo(sfvPath).isFile())
        return {};
    QFile file(sfvPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString wanted = TrimSpaces(name).toUpper();
    const QString space = QStringLiteral(" ");
    QString result;
    ForEachLine(file, [&](const QByteArray& bytes) {
        if (bytes.startsWith(';'))
            return;
        const QString line = QString::fromUtf8(bytes);
        if (TrimSpaces(TextBeforeLast(line, space)).toUpper() == wanted)
            result = TrimSpaces(TextAfterLast(line, space).toUpper());
    });
    return result;
}

QString CrcText(std::optional<qint32> value)
{
    const auto bits = static_cast<quint32>(value.value_or(0));
    return QString::number(bits, 16).toUpper().rightJustified(8, u'0');
}

MemberCrc ComputeMemberCrc(clsCRC& crc, const QString& memberPath, const QString& name, bool compare,
                           const QString& sfvPath, const ProcessEventsFn& processEvents)
{
    const QString expected = compare ? LookupSfvCrc(sfvPath, name) : QString();
    if (processEvents)
        processEvents();
    const FileCrc value = crc.CalculateFile(memberPath);
    if (processEvents)
        processEvents();
    MemberCrc result;
    if (value.failed()) {
        result.error = value.error;
        return result;
    }
    result.text = CrcText(value.value);
    result.ok = compare && result.text == expected.toUpper();
    return result;
}

}  // namespace quil
