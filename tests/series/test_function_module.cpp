// test_function_module.cpp - the text and path helpers.
// SPDX-License-Identifier: MIT
#include "series/FunctionModule.h"

#include <QtTest>

using namespace quil;

class FunctionModuleTest : public QObject {
    Q_OBJECT
private slots:
    void textAroundLastMark_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("two dots") << "movie.part.r00" << "." << "movie.part" << "r00";
        QTest::newRow("no mark gives empty, not the text") << "readme" << "." << "" << "";
        QTest::newRow("ends with the mark") << "name." << "." << "name" << "";
        QTest::newRow("starts with its only mark") << ".hidden" << "." << "" << "hidden";
        QTest::newRow("mark of two characters never matches") << "a..b" << ".." << "" << "";
    }
    void textAroundLastMark()
    {
        QFETCH(QString, text);
        QFETCH(QString, mark);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QCOMPARE(TextBeforeLast(text, mark), before);
        QCOMPARE(TextAfterLast(text, mark), after);
    }

    void joinsWithOneSeparatorAndTrimsOnlySpaces()
    {
        QCOMPARE(WithTrailingBackslash(""), QString("/"));
        QCOMPARE(JoinPath("/data", "x.rar"), QString("/data/x.rar"));
        QCOMPARE(JoinPath("/data/", "x.rar"), QString("/data/x.rar"));
        QCOMPARE(JoinPath("/", "x.rar"), QString("/x.rar"));
        QCOMPARE(TrimSpaces("  a b  "), QString("a b"));
        QCOMPARE(TrimSpaces("\ta \t"), QString("\ta \t"));
    }
};

QTEST_GUILESS_MAIN(FunctionModuleTest)
#include "test_function_module.moc"
