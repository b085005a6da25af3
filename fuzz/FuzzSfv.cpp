// FuzzSfv.cpp - fuzz target: any bytes read as an SFV file, its entries looked up by their own names.
// SPDX-License-Identifier: MIT
#include "fuzz/FuzzCheck.h"
#include "series/SfvLookup.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const quil::SfvTable table = quil::SfvTable::Parse(bytes);
    QStringList names;
    int previous = 0;
    for (const quil::SfvEntry& entry : table.entries()) {
        FUZZ_EXPECT(entry.line > previous);
        FUZZ_EXPECT(!table.unreadableLines().contains(entry.line));
        FUZZ_EXPECT(quil::IsCrcText(entry.crc));
        // An entry's name finds a value in any letter case: its own or a later line's.
        FUZZ_EXPECT(table.Lists(entry.name) && !table.Lookup(entry.name).isEmpty());
        FUZZ_EXPECT(table.Lookup(entry.name.toCaseFolded()) == table.Lookup(entry.name));
        previous = entry.line;
        names << entry.name;
    }
    FUZZ_EXPECT(table.EntriesNamingNone(names).isEmpty());
    for (qsizetype i = 1; i < table.unreadableLines().size(); ++i)
        FUZZ_EXPECT(table.unreadableLines()[i] > table.unreadableLines()[i - 1]);
    table.Lookup(QStringLiteral("movie.r00"));
    return 0;
}
