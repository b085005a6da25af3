// test_save_report_command.cpp - the report window's save command: dialog set-up, saving, cancel and failure.
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
};

QTEST_GUILESS_MAIN(SaveReportCommandTest)
#include "test_save_report_command.moc"
