// test_save_report_command.cpp - the report window's save command: dialog set-up, saving, cancel and failure.
#include "report/SaveReportCommand.h"
#include "report/clsOpenSave.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QtTest>

using namespace quil;

namespace {

// One report window's save command with scripted answers, recording the busy cursor.
struct Window {
    test::TempSeries dir;
    clsOpenSave dialog;
    test::ScriptedPrompts prompts;
    QStringList busy;

    SaveEnd Save(const QString& text = "report")
    {
        return SaveFile_Click(dialog, prompts, dir.folder(), text, [this](bool on) { busy << (on ? "on" : "off"); });
    }
    QByteArray Read(const QString& name) const
    {
        QFile file(dir.path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

}  // namespace

class SaveReportCommandTest : public QObject {
    Q_OBJECT
private slots:
    void savesThenCancelsAskingForATextFileInTheListFolderEachTime()
    {
        Window w;
        w.dir.write("old.txt", "a much longer older content that must go entirely");
        w.prompts.queueFile(w.dir.path("old.txt"));
        QCOMPARE(w.Save("line\r\nAvailable At x"), SaveEnd::Saved);
        QCOMPARE(w.Save(), SaveEnd::Cancelled);
        QCOMPARE(w.Read("old.txt"), QByteArray("line\r\nAvailable At x\r\n"));
        QCOMPARE(QDir(w.dir.folder()).entryList(QDir::Files), QStringList{"old.txt"});
        // One message for the save, none for the cancel; the busy cursor comes back both times.
        QCOMPARE(w.prompts.messageTexts(), QStringList({"File Saved As " + w.dir.path("old.txt")}));
        QCOMPARE(w.prompts.messages[0].icon, MessageIcon::None);
        QCOMPARE(w.prompts.messages[0].title, QString("Quillane"));
        QCOMPARE(w.busy, QStringList({"on", "off", "on", "off"}));
        QCOMPARE(w.prompts.dialogs.size(), 2);
        const FileDialogRequest& second = w.prompts.dialogs[1];
        QVERIFY(second.save && second.overwritePrompt);
        QCOMPARE(second.title, QString("Specify The Filename To Save To..."));
        QCOMPARE(second.initialFolder, w.dir.folder() + "/");
        QCOMPARE(second.fileName, QString());  // not the previous save's name
        QCOMPARE(second.defaultExtension, QString("txt"));
        QCOMPARE(second.filters, (QList<QPair<QString, QString>>{{"TXT Files (*.txt)", "*.txt"}}));
    }

    void aFailedWriteSaysSoAndTheNextSaveWorks()
    {
        Window w;
        QVERIFY(QDir(w.dir.folder()).mkdir("taken.txt"));
        w.prompts.queueFile(w.dir.path("taken.txt"));
        w.prompts.queueFile(w.dir.path("fine.txt"));
        QCOMPARE(w.Save(), SaveEnd::Failed);
        QCOMPARE(w.Save(), SaveEnd::Saved);
        QCOMPARE(w.prompts.messageTexts(),
                 QStringList({"Error While Saving Report File!", "File Saved As " + w.dir.path("fine.txt")}));
        QCOMPARE(w.prompts.messages[0].icon, MessageIcon::Critical);
        QCOMPARE(w.busy, QStringList({"on", "off", "on", "off"}));
        QCOMPARE(w.Read("fine.txt"), QByteArray("report\r\n"));
    }
};

QTEST_GUILESS_MAIN(SaveReportCommandTest)
#include "test_save_report_command.moc"
