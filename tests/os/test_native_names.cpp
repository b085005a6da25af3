// test_native_names.cpp - file names that are not valid UTF-8 survive the trip through QString.
// SPDX-License-Identifier: MIT
#include "os/NativeNames.h"

#include <QtTest>

using namespace quil;

class NativeNamesTest : public QObject {
    Q_OBJECT
private slots:
    void bytesComeBackAsTheyWere_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ascii") << QByteArray("movie.r00") << "movie.r00";
        QTest::newRow("utf-8") << QByteArray("\xc3\xa9t\xc3\xa9.rar") << QString::fromUtf8("été.rar");
        QTest::newRow("latin-1") << QByteArray("\xe9t\xe9.rar") << QString::fromUtf8("\uFFFDt\uFFFD.rar");
        QTest::newRow("four-byte utf-8") << QByteArray("\xf0\x9f\x93\xa6.001") << QString::fromUtf8("📦.001");
        QTest::newRow("cut-off sequence") << QByteArray("a\xe2\x82") << QString::fromUtf8("a\uFFFD\uFFFD");
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QString::fromUtf8("\uFFFD\uFFFD");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xb3\xa9") << QString::fromUtf8("\uFFFD\uFFFD\uFFFD");
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << QString::fromUtf8("\uFFFD\uFFFD\uFFFD\uFFFD");
    }
    void bytesComeBackAsTheyWere()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const QString name = NameFromNative(bytes);
        QCOMPARE(NativePath(name), bytes);
        QCOMPARE(ShownText(name), shown);
        QCOMPARE(NativePath("/folder/" + name + "/x"), "/folder/" + bytes + "/x");
    }
};

QTEST_GUILESS_MAIN(NativeNamesTest)
#include "test_native_names.moc"
