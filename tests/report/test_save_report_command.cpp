// test_save_report_command.cpp - the save commands: dialog set-up, saving, cancel and failure.
// SPDX-License-Identifier: MIT
#include "report/SaveReportCommand.h"
#include "prompts/clsOpenSave.h"
#include "series/RunResult.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QtTest>

using namespace quil;

class SaveReportCommandTest : public QObject {
    Q_OBJECT
private slots:
    // One report window's save command used three times: into a folder's name, over an older file, cancelled.
    void failsSavesThenCancelsAskingForATextFileInTheListFolderEachTime()
    {
        test::TempSeries dir;
        clsOpenSave dialog;
        test::ScriptedPrompts prompts;
        QStringList busy;
        const auto save = [&](const QString& text) {
            return SaveFile_Click(dialog, prompts, dir.folder(), text, RunResult(),
                                  [&](bool on) { busy << (on ? "on" : "off"); });
        };
        QVERIFY(QDir(dir.folder()).mkdir("taken.txt"));
        dir.write("old.txt", "a much longer older content that must go entirely");
        prompts.queueFile(dir.path("taken.txt"));
        prompts.queueFile(dir.path("old.txt"));
        QCOMPARE(save("report"), SaveEnd::Failed);
        QCOMPARE(save("line\r\nAvailable At x"), SaveEnd::Saved);
        QCOMPARE(save("report"), SaveEnd::Cancelled);
        QFile file(dir.path("old.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("line\r\nAvailable At x\r\n"));
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files), QStringList{"old.txt"});
        // A message for the failure and the save, none for the cancel; the busy cursor comes back each time.
        QCOMPARE(prompts.messages.size(), 2);
        QVERIFY(prompts.messages[0].text.startsWith("Error While Saving Report File!\nCannot write " + dir.path("taken.txt")
                                                    + ": "));
        QCOMPARE(prompts.messages[1].text, "File Saved As " + dir.path("old.txt"));
        QCOMPARE(prompts.messages[0].icon, MessageIcon::Critical);
        QCOMPARE(prompts.messages[1].icon, MessageIcon::None);
        QCOMPARE(busy, QStringList({"on", "off", "on", "off", "on", "off"}));
        // The last dialog is set up afresh: it does not offer the previous save's name.
        const FileDialogRequest& last = prompts.dialogs.at(2);
        QVERIFY(last.save);
        QVERIFY(last.overwritePrompt);
        QVERIFY(last.fileName.isEmpty());
        QCOMPARE(QStringList({last.title, last.initialFolder, last.defaultExtension}),
                 QStringList({"Specify The Filename To Save To...", dir.folder() + "/", "txt"}));
        QCOMPARE(last.filters, (QList<QPair<QString, QString>>{{"TXT Files (*.txt)", "*.txt"}}));
    }

    // The SFV command writes the values of the volumes a CRC report read, never over one of them.
    void sfvCommandWritesTheValuesReadAndSparesTheVolumes()
    {
        test::TempSeries dir;
        RunResult run;
        run.Mode = CheckMode::CrcReport;
        run.ExaminedPaths = {dir.add("X.RAR", 5)};
        run.Rows = {{"x.rar", "0,005", "0000ABCD", MemberStatus::OK, "", 5, "", "X.RAR"},
                    {"x.r00", "?", "?", MemberStatus::Missing}};
        clsOpenSave dialog;
        test::ScriptedPrompts prompts;
        prompts.queueFile(dir.path("X.RAR"));
        prompts.queueFile(dir.path("x.sfv"));
        const auto save = [&] { return SaveSfvFile_Click(dialog, prompts, dir.folder(), run, [](bool) {}); };
        QCOMPARE(save(), SaveEnd::Failed);
        QCOMPARE(save(), SaveEnd::Saved);
        QCOMPARE(prompts.messages[0].text, "Error While Saving SFV File!\nCannot write " + dir.path("X.RAR")
                                               + ": it is a volume of the series");
        QFile file(dir.path("x.sfv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().split('\n').mid(1), QList<QByteArray>({"X.RAR 0000ABCD", ""}));
        const FileDialogRequest& last = prompts.dialogs.last();
        QCOMPARE(last.defaultExtension, QString("sfv"));
        QCOMPARE(last.filters, (QList<QPair<QString, QString>>{{"SFV Files (*.sfv)", "*.sfv"}}));
    }
};

QTEST_GUILESS_MAIN(SaveReportCommandTest)
#include "test_save_report_command.moc"
