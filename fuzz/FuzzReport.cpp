// FuzzReport.cpp - fuzz target: the scan report of any run result, and row names escaped for one line.
// SPDX-License-Identifier: MIT
#include "fuzz/FuzzCheck.h"
#include "os/NativeNames.h"
#include "report/ScanReport.h"
#include "series/NameEscapes.h"
#include "series/RunResult.h"

#include <cstddef>
#include <cstdint>

namespace {

// The name an escaped one stands for: "\\", "\n", "\r", "\t" and "\xHH" (a kept byte) read back.
QString Unescaped(const QString& text)
{
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            name += text[i];
            continue;
        }
        const QChar next = text[++i];
        if (next == u'x' && i + 2 < text.size()) {
            name += QChar(char16_t(0xDC00 + text.mid(i + 1, 2).toUInt(nullptr, 16)));
            i += 2;
            continue;
        }
        name += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next == u't' ? QChar(u'\t') : next;
    }
    return name;
}

}  // namespace

// The input: a byte for the mode, then names separated by NUL bytes; each name's first byte puts it
// in the missing, differing-size or bad-CRC list, or among the found members only.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    quil::RunResult run;
    run.Mode = quil::CheckMode(data[0] % 3);
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)).split('\0');
    for (const QByteArray& part : parts) {
        const QString name = quil::NameFromNative(part);
        const std::optional<QString> escaped = quil::EscapedName(name);
        FUZZ_EXPECT(!escaped || (Unescaped(*escaped) == name && !escaped->contains(u'\n') && !escaped->contains(u'\t')));
        run.CheckedSeries.SeqList << name;
        switch (part.isEmpty() ? 0 : uchar(part[0]) % 4) {
        case 1: run.MissingList << name; break;
        case 2: run.SizeList << name; break;
        case 3: run.CRCList << name; break;
        default: break;
        }
    }
    run.CheckedSeries.StartName = run.CheckedSeries.SeqList.first();
    run.LastMemberName = run.CheckedSeries.SeqList.last();
    const QStringList lines = quil::ComposeReport(run);
    const QString text = quil::ReportText(lines);
    FUZZ_EXPECT(lines.contains(QStringLiteral("Total Number Of Files: %1").arg(run.CheckedSeries.SeqList.size())));
    FUZZ_EXPECT(text.contains(QStringLiteral("Report Created By ")));
    return 0;
}
