// test_demo_series.cpp - the demonstration series: its files, its questions, and a folder it cannot fill.
// SPDX-License-Identifier: MIT
#include "os/NativeNames.h"
#include "series/DemoSeries.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <dirent.h>
#include <sys/stat.h>

using namespace quil;

class DemoSeriesTest : public QObject {
    Q_OBJECT

    static QStringList QuiltestFiles(const QString& folder)
    {
        return QDir(folder).entryList({QStringLiteral("quiltest.*")}, QDir::Files | QDir::NoSymLinks, QDir::Name);
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

    // A name taken by anything but a regular file ends the command, saying which and why, before it
    // is opened: nothing is written through a link, a FIFO is never waited on.
    void aNameTakenByNoRegularFileEndsTheCommand_data()
    {
        QTest::addColumn<QString>("taken");  // what quiltest.r05 is
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a link to a file outside") << "link";
        QTest::newRow("a dangling link") << "dangling";
        QTest::newRow("a FIFO") << "fifo";
    }
    void aNameTakenByNoRegularFileEndsTheCommand()
    {
        QFETCH(QString, taken);
        test::TempSeries dir;
        test::TempSeries outside;
        const QString outsideFile = outside.write("kept.txt", "kept");
        const QString r05 = dir.path("quiltest.r05");
        if (taken == "folder")
            QVERIFY(QDir().mkdir(r05));
        if (taken == "link" || taken == "dangling")
            QVERIFY(QFile::link(taken == "link" ? outsideFile : outside.path("made.txt"), r05));
        if (taken == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(r05).constData(), 0600), 0);
        const QStringList outsideBefore = outside.snapshot();
        test::ScriptedPrompts prompts;
        prompts.queueAnswer(Answer::Yes);
        QCOMPARE(WriteDemoSeries(dir.folder(), prompts, {}), DemoSeriesEnd::Failed);
        QCOMPARE(prompts.messageTexts().value(1),
                 "Error While Creating Test Series!\r\n\r\n" + r05 + ": not a regular file");
        QCOMPARE(QuiltestFiles(dir.folder()).size(), 5);  // r00 to r04
        QCOMPARE(outside.snapshot(), outsideBefore);
    }

    // A folder whose name is not UTF-8 is written to by its bytes.
    void aFolderNamedInOtherBytesIsFilled()
    {
        test::TempSeries dir;
        const QByteArray folder = QFile::encodeName(dir.folder()) + "/d\xe9";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        test::ScriptedPrompts prompts;
        prompts.queueAnswer(Answer::Yes);
        QCOMPARE(WriteDemoSeries(NameFromNative(folder), prompts, {}), DemoSeriesEnd::Written);
        int files = 0;
        DIR* listing = ::opendir(folder.constData());
        QVERIFY(listing);
        while (const dirent* entry = ::readdir(listing))
            files += QByteArray(entry->d_name).startsWith("quiltest.");
        ::closedir(listing);
        QCOMPARE(files, 352);
    }
};

QTEST_GUILESS_MAIN(DemoSeriesTest)
#include "test_demo_series.moc"
