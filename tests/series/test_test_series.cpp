// test_test_series.cpp - the demonstration series: its files, its questions, and a folder it cannot fill.
#include "series/FolderListing.h"
#include "series/TestSeries.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace quil;

class TestSeriesTest : public QObject {
    Q_OBJECT

    static QStringList QuiltestFiles(const QString& folder)
    {
        return QDir(folder).entryList({QStringLiteral("quiltest.*")}, QDir::Files, QDir::Name);
    }

private slots:
    void targetFolderLosesOneTrailingSeparator_data()
    {
        QTest::addColumn<QString>("fileListFolder");
        QTest::addColumn<QString>("target");
        QTest::newRow("plain folder") << "/data" << "/data";
        QTest::newRow("trailing separator") << "/data/" << "/data";
        QTest::newRow("root") << "/" << "";
    }

    void targetFolderLosesOneTrailingSeparator()
    {
        QFETCH(QString, fileListFolder);
        QFETCH(QString, target);
        QCOMPARE(TestSeriesFolder(fileListFolder), target);
    }

    void answeringNoWritesNothing()
    {
        test::TempSeries dir;
        test::ScriptedPrompts prompts;
        prompts.queueAnswer(Answer::No);
        QStringList statuses;
        QCOMPARE(GenerateTestSeries(dir.folder(), prompts, [&](const QString& s) { statuses << s; }),
                 TestSeriesEnd::Declined);
        QCOMPARE(prompts.messageTexts(), QStringList({"Generate A Test?"}));
        QCOMPARE(prompts.messages[0].title, QString("Brenvale - Test"));
        QVERIFY(statuses.isEmpty());
        QVERIFY(QuiltestFiles(dir.folder()).isEmpty());
    }

    void writesTheSeriesWithItsFaultsTwiceTheSame()
    {
        test::TempSeries dir;
        for (int run = 0; run < 2; ++run) {
            test::ScriptedPrompts prompts;
            prompts.queueAnswer(Answer::Yes);
            QStringList statuses;
            QCOMPARE(GenerateTestSeries(dir.folder() + "/", prompts, [&](const QString& s) { statuses << s; }),
                     TestSeriesEnd::Written);
            QCOMPARE(prompts.messageTexts(), QStringList({"Generate A Test?", "Test generation Complete"}));
            QCOMPARE(statuses.size(), 354);
            QCOMPARE(statuses.first(), "Creating " + dir.folder() + "/quiltest.r00");
            QCOMPARE(statuses.last(), "Creating " + dir.folder() + "/quiltest.u53");

            const QStringList files = QuiltestFiles(dir.folder());
            QCOMPARE(files.size(), 352);
            for (const QString& number : {"10", "20"}) {
                for (const QString& letter : {"r", "s", "t", "u"}) {
                    const QFileInfo member(dir.path("quiltest." + letter + number));
                    QCOMPARE(member.exists(), number == QString("20"));
                    if (member.exists())
                        QCOMPARE(member.size(), 15002);
                }
            }
            QCOMPARE(QFileInfo(dir.path("quiltest.u54")).size(), 1702);
            QFile first(dir.path("quiltest.rar"));
            QVERIFY(first.open(QIODevice::ReadOnly));
            QCOMPARE(first.readAll(), QByteArray(20000, '!') + "\r\n");
            QCOMPARE(ListOrdinaryFiles(dir.folder(), kStartFilePatterns), QStringList({"quiltest.rar"}));
        }
    }

    void aFileThatCannotBeWrittenEndsTheCommandAndSaysWhich()
    {
        test::TempSeries dir;
        QVERIFY(QDir(dir.folder()).mkdir("quiltest.r05"));
        test::ScriptedPrompts prompts;
        prompts.queueAnswer(Answer::Yes);
        QCOMPARE(GenerateTestSeries(dir.folder(), prompts, {}), TestSeriesEnd::Failed);
        QCOMPARE(prompts.messages.size(), 2);
        QVERIFY(prompts.messages[1].text.startsWith("Error While Creating Test Series!\r\n\r\n" + dir.folder()
                                                    + "/quiltest.r05: "));
        QCOMPARE(QuiltestFiles(dir.folder()).size(), 5);  // r00 to r04
    }
};

QTEST_GUILESS_MAIN(TestSeriesTest)
#include "test_test_series.moc"
