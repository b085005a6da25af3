// test_save_report_command.cpp - the report window's save command: dialog set-up, saving, cancel and failure.
#include "report/SaveReportCommand.h"
#include "report/clsOpenSave.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QtTest>

using namespace quil;

class SaveReportCommandTest : public QObject {
    Q_OBJECT

    QStringList busy;
    std::function<void(bool)> recordBusy()
    {
        return [this](bool on) { busy << (on ? "on" : "off"); };
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() { busy.clear(); }

    void asksForATextFileInTheListFolderEveryTime()
    {
        test::TempSeries dir;
        clsOpenSave dialog;
        test::ScriptedPrompts prompts;
        prompts.queueFile(dir.path("first.txt"), 1);
        QCOMPARE(SaveFile_Click(dialog, prompts, dir.folder(), "report", recordBusy()), SaveEnd::Saved);
        QCOMPARE(SaveFile_Click(dialog, prompts, dir.folder(), "report", recordBusy()), SaveEnd::Cancelled);
        QCOMPARE(prompts.dialogs.size(), 2);
        const FileDialogRequest& second = prompts.dialogs[1];
        QVERIFY(second.save);
        QCOMPARE(second.title, QString("Specify The Filename To Save To..."));
        QCOMPARE(second.initialFolder, dir.folder() + "/");
        QCOMPARE(second.fileName, QString());  // not the previous save's name
        QCOMPARE(second.defaultExtension, QString("txt"));
        QCOMPARE(second.filters.size(), 1);
        QCOMPARE(second.filters[0].second, QString("*.txt"));
        QVERIFY(second.overwritePrompt);
    }

    void savesTheReportWithALineEndAndSaysWhere()
    {
        test::TempSeries dir;
        dir.write("old.txt", "a much longer older content that must go entirely");
        clsOpenSave dialog;
        test::ScriptedPrompts prompts;
        prompts.queueFile(dir.path("old.txt"));
        QCOMPARE(SaveFile_Click(dialog, prompts, dir.folder(), "line\r\nAvailable At x", recordBusy()),
                 SaveEnd::Saved);
        QCOMPARE(Read(dir.path("old.txt")), QByteArray("line\r\nAvailable At x\r\n"));
        QCOMPARE(prompts.messageTexts(), QStringList({"File Saved As " + dir.path("old.txt")}));
        QCOMPARE(prompts.messages[0].icon, MessageIcon::None);
        QCOMPARE(prompts.messages[0].title, QString("Quillane"));
        QCOMPARE(busy, QStringList({"on", "off"}));
    }

    void cancelWritesNothingAndSaysNothing()
    {
        test::TempSeries dir;
        clsOpenSave dialog;
        test::ScriptedPrompts prompts;
        prompts.queueFile(std::nullopt);
        QCOMPARE(SaveFile_Click(dialog, prompts, dir.folder(), "report", recordBusy()), SaveEnd::Cancelled);
        QVERIFY(prompts.messages.isEmpty());
        QCOMPARE(busy, QStringList({"on", "off"}));
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files), QStringList());
    }

    void aFailedWriteSaysSoAndTheNextSaveWorks()
    {
        test::TempSeries dir;
        QVERIFY(QDir(dir.folder()).mkdir("taken.txt"));
        clsOpenSave dialog;
        test::ScriptedPrompts prompts;
        prompts.queueFile(dir.path("taken.txt"));
        prompts.queueFile(dir.path("fine.txt"));
        QCOMPARE(SaveFile_Click(dialog, prompts, dir.folder(), "report", recordBusy()), SaveEnd::Failed);
        QCOMPARE(SaveFile_Click(dialog, prompts, dir.folder(), "report", recordBusy()), SaveEnd::Saved);
        QCOMPARE(prompts.messageTexts(),
                 QStringList({"Error While Saving Report File!", "File Saved As " + dir.path("fine.txt")}));
        QCOMPARE(prompts.messages[0].icon, MessageIcon::Critical);
        QCOMPARE(busy, QStringList({"on", "off", "on", "off"}));
        QCOMPARE(Read(dir.path("fine.txt")), QByteArray("report\r\n"));
    }
};

QTEST_GUILESS_MAIN(SaveReportCommandTest)
#include "test_save_report_command.moc"
