// test_demo_series.cpp - the demonstration series: its files, its questions, and a folder it cannot fill.
// SPDX-License-Identifier: MIT
#include "series/DemoSeries.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace quil;

class DemoSeriesTest : public QObject {
    Q_OBJECT

    static QStringList QuiltestFiles(const QString& folder)
    {
        return QDir(folder).entryList({QStringLiteral("quiltest.*")}, QDir::Files, QDir::Name);
    }

private slots:
    void rootFolderGivesNamesFromTheRoot() { QCOMPARE(DemoSeriesFolder("/"), QString()); }

    void answeringNoWritesNothing()
    {
        test::TempSeries dir;
        test::ScriptedPrompts prompts;  // answers No
        QCOMPARE(WriteDemoSeries(dir.folder(), prompts, {}), DemoSeriesEnd::Declined);
        QCOMPARE(prompts.messageTexts(), QStringList({"Generate A Test?"}));
        QVERIFY(QuiltestFiles(dir.folder()).isEmpty());
    }

    void writesTheSeriesWithItsFaultsTwiceTheSame()
    {
        test::TempSeries dir;
        for (int run = 0; run < 2; ++run) {
            test::ScriptedPrompts prompts;
            prompts.queueAnswer(Answer::Yes);
            QStringList statuses;
            QCOMPARE(WriteDemoSeries(dir.folder() + "/", prompts, [&](const QString& s) { statuses << s; }),
                     DemoSeriesEnd::Written);
            QCOMPARE(prompts.messageTexts().last(), QString("Test generation Complete"));
            QCOMPARE(statuses.size(), 354);  // one per file of the r, s, t and u runs
            QCOMPARE(statuses.last(), "Creating " + dir.folder() + "/quiltest.u53");
            QCOMPARE(QuiltestFiles(dir.folder()).size(), 352);
            for (const QString letter : {"r", "s", "t", "u"}) {
                QVERIFY(!QFileInfo::exists(dir.path("quiltest." + letter + "10")));
                QCOMPARE(QFileInfo(dir.path("quiltest." + letter + "20")).size(), 15002);
            }
            QCOMPARE(QFileInfo(dir.path("quiltest.u54")).size(), 1702);
            QFile first(dir.path("quiltest.rar"));
            QVERIFY(first.open(QIODevice::ReadOnly));
            QCOMPARE(first.readAll(), QByteArray(20000, '!') + "\r\n");
        }
    }

    void aFileThatCannotBeWrittenEndsTheCommandAndSaysWhich()
    {
        test::TempSeries dir;
        QVERIFY(QDir(dir.folder()).mkdir("quiltest.r05"));
        test::ScriptedPrompts prompts;
        prompts.queueAnswer(Answer::Yes);
        QCOMPARE(WriteDemoSeries(dir.folder(), prompts, {}), DemoSeriesEnd::Failed);
        QCOMPARE(prompts.messages.size(), 2);
        QVERIFY(prompts.messages[1].text.startsWith("Error While Creating Test Series!\r\n\r\n" + dir.folder()
                                                    + "/quiltest.r05: "));
        QCOMPARE(QuiltestFiles(dir.folder()).size(), 5);  // r00 to r04
    }
};

QTEST_GUILESS_MAIN(DemoSeriesTest)
#include "test_demo_series.moc"
