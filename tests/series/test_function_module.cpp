// test_function_module.cpp - the text and path helpers.
#include "series/FunctionModule.h"
#include "tests/support/TempSeries.h"

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
        QTest::newRow("space splits name and value") << "my file.r00 0A1B2C3D" << " " << "my file.r00" << "0A1B2C3D";
        QTest::newRow("mark of two characters never matches") << "a..b" << ".." << "" << "";
        QTest::newRow("empty mark") << "a.b" << "" << "" << "";
        QTest::newRow("letter case counts") << "aXbxc" << "X" << "a" << "bxc";
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

    void trailingSeparatorIsAddedOnce()
    {
        QCOMPARE(WithTrailingBackslash("/data"), QString("/data/"));
        QCOMPARE(WithTrailingBackslash("/"), QString("/"));
        QCOMPARE(WithTrailingBackslash(""), QString("/"));
        QCOMPARE(JoinPath("/", "x.rar"), QString("/x.rar"));
        QCOMPARE(JoinPath("/data/", "x.rar"), QString("/data/x.rar"));
    }

    void onlySpacesAreTrimmed()
    {
        QCOMPARE(TrimSpaces("  a b  "), QString("a b"));
        QCOMPARE(TrimSpaces("\ta \t"), QString("\ta \t"));
        QCOMPARE(TrimSpaces("   "), QString());
    }

    void pathIsPresentForFilesAndFolders()
    {
        test::TempSeries dir;
        const QString file = dir.add("x.rar", 3);
        QVERIFY(PathIsPresent(file));
        QVERIFY(PathIsPresent(dir.folder()));
        QVERIFY(!PathIsPresent(dir.path("absent.rar")));
        QVERIFY(!PathIsPresent(""));
    }
};

QTEST_GUILESS_MAIN(FunctionModuleTest)
#include "test_function_module.moc"
