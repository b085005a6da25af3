// test_name_escapes.cpp - names written on one line of text output and read back byte for byte.
// SPDX-License-Identifier: MIT
#include "os/NativeNames.h"
#include "series/NameEscapes.h"

#include <QtTest>

using namespace quil;

namespace {

// The bytes an escaped field stands for, as a script reading the output would decode them.
QByteArray Unescaped(const QString& field)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            bytes += QString(field[i]).toUtf8();
            continue;
        }
        const QChar next = field[++i];
        if (next == u'x') {
            bytes += char(field.mid(i + 1, 2).toUInt(nullptr, 16));
            i += 2;
        } else {
            bytes += next == u'n' ? '\n' : next == u'r' ? '\r' : next == u't' ? '\t' : char(next.unicode());
        }
    }
    return bytes;
}

}  // namespace

class NameEscapesTest : public QObject {
    Q_OBJECT
private slots:
    // Each name as its bytes on disk, and the row line written for it.
    void linesGiveEveryNameBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << QByteArray("movie.r00") << "OK\tmovie.r00\t1";
        QTest::newRow("utf-8 stays") << QByteArray("\xc3\xa9t\xc3\xa9.rar") << QString::fromUtf8("OK\tété.rar\t1");
        QTest::newRow("backslash") << QByteArray("a\\b.rar") << "\\OK\ta\\\\b.rar\t1";
        QTest::newRow("line breaks and tab") << QByteArray("a\nb\rc\td") << "\\OK\ta\\nb\\rc\\td\t1";
        QTest::newRow("latin-1 bytes") << QByteArray("\xe9t\xe9.rar") << "\\OK\t\\xE9t\\xE9.rar\t1";
        QTest::newRow("cut-off sequence") << QByteArray("a\xe2\x82") << "\\OK\ta\\xE2\\x82\t1";
        QTest::newRow("text that looks escaped") << QByteArray("\\x41.rar") << "\\OK\t\\\\x41.rar\t1";
    }
    void linesGiveEveryNameBack()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        const QString name = NameFromNative(bytes);
        QCOMPARE(EscapedLine({"OK", name, "1"}), line);
        const QString field = line.split(u'\t')[1];
        QCOMPARE(line.startsWith(u'\\') ? Unescaped(field) : field.toUtf8(), bytes);
    }

    // The window's rows show odd bytes as replacement characters and escape only line breakers.
    void oneLineNamesForTheWindow()
    {
        QCOMPARE(OneLineName(NameFromNative("\xe9\n.rar")), QString::fromUtf8("\uFFFD\\n.rar"));
        QCOMPARE(OneLineName("plain.rar"), QString("plain.rar"));
    }
};

QTEST_GUILESS_MAIN(NameEscapesTest)
#include "test_name_escapes.moc"
