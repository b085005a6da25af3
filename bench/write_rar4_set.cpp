// write_rar4_set.cpp - writes the stored RAR 4 volume set the archive check is timed on.
// SPDX-License-Identifier: MIT
#include "tests/support/Rar4Writer.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

// Usage: write_rar4_set FOLDER NAME VOLUMES MIB
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 5) {
        std::fputs("usage: write_rar4_set FOLDER NAME VOLUMES MIB\n", stderr);
        return 2;
    }
    try {
        // .rar/.r00 names, as the CRC mode's series beside it, and volumes of one size, so that a
        // CRC report of the set finds nothing to report either.
        quil::test::WriteRar4Set(
            {arguments[1], arguments[2], arguments[3].toInt(), arguments[4].toLongLong() << 20, false, false});
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "write_rar4_set: %s\n", failure.what());
        return 1;
    }
    return 0;
}
