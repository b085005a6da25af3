// test_open_save.cpp - the dialog wrapper's properties, the request it builds and the choice it takes back.
// SPDX-License-Identifier: MIT
#include "prompts/clsOpenSave.h"
#include "tests/support/ScriptedPrompts.h"

#include <QtTest>

using namespace quil;
using Filters = QList<QPair<QString, QString>>;

class OpenSaveTest : public QObject {
    Q_OBJECT
private slots:
    void newObjectDefaults()
    {
        const clsOpenSave d;
        QCOMPARE(QVariantList({d.Filter(), d.FilterIndex(), d.InitDir(), d.MaxFileSize(), d.CancelError()}),
                 QVariantList({"All Files (*.*)|*.*", 1, QDir::rootPath(), 260, false}));
        QCOMPARE(d.Flags(), 0);
        QCOMPARE(d.FileExt(), 0);
        QCOMPARE(QStringList({d.DefaultExt(), d.DialogTitle(), d.FileName()}), QStringList({"", "", ""}));
    }

    void filterSeparatorForm_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("held");  // "~" stands for each NUL
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<Filters>("pairs");
        const auto row = [](const char* name, const char* written, const char* held, const char* readBack, Filters pairs) {
            QTest::newRow(name) << QString(written) << QString(held).replace(u'~', QChar(u'\0')) << QString(readBack) << pairs;
        };
        row("trailing bar gives one of the two ends", "SFV Files (*.sfv)|*.sfv|", "SFV Files (*.sfv)~*.sfv~~",
            "SFV Files (*.sfv)|*.sfv", {{"SFV Files (*.sfv)", "*.sfv"}});
        row("two pairs", "Text|*.txt|All|*.*", "Text~*.txt~All~*.*~~", "Text|*.txt|All|*.*", {{"Text", "*.txt"}, {"All", "*.*"}});
        row("lone description is dropped", "Text|*.txt|All", "Text~*.txt~All~~", "Text|*.txt|All", {{"Text", "*.txt"}});
        row("empty part ends the list", "Text|*.txt||All|*.*", "Text~*.txt~~All~*.*~~", "Text|*.txt||All|*.*",
            {{"Text", "*.txt"}});
        row("empty", "", "~~", "", {});
    }
    void filterSeparatorForm()
    {
        QFETCH(QString, written);
        QFETCH(QString, held);
        QFETCH(QString, readBack);
        QFETCH(Filters, pairs);
        clsOpenSave dialog;
        dialog.setFilter(written);
        QCOMPARE(dialog.FilterSeparatorForm(), held);
        QCOMPARE(dialog.Filter(), readBack);
        QCOMPARE(dialog.Request(false).filters, pairs);
    }

    void flagsReachTheDialogAndCancelLeavesFieldsRaisingOnlyWhenAsked()
    {
        for (const bool save : {false, true}) {
            for (const bool cancelError : {false, true}) {
                clsOpenSave dialog;
                dialog.setFlags((save ? clsOpenSave::OverwritePrompt : clsOpenSave::FileMustExist) | 1);
                dialog.setCancelError(cancelError);
                dialog.setFileName("kept.txt");
                dialog.setFilterIndex(3);
                test::ScriptedPrompts prompts;
                prompts.queueFile(std::nullopt);
                QCOMPARE(save ? dialog.ShowSave(prompts) : dialog.ShowOpen(prompts),
                         cancelError ? QString("Cancel was selected") : QString());
                QCOMPARE(dialog.FileName() + QString::number(dialog.FilterIndex()), QString("kept.txt3"));
                const FileDialogRequest& asked = prompts.dialogs.at(0);
                QCOMPARE(asked.save, save);
                QCOMPARE(asked.overwritePrompt, save);
                QCOMPARE(asked.fileMustExist, !save);
            }
        }
    }

    void choiceIsTakenBack()
    {
        // The path trimmed, its name, and where its extension starts: 0 when only a folder has a dot.
        using Choice = std::tuple<QString, QString, QString, int>;
        for (const auto& [chosen, fileName, fileTitle, fileExt] : std::initializer_list<Choice>{
                 {"  /data/a b.sfv ", "/data/a b.sfv", "a b.sfv", 10},
                 {"/my.data/report", "/my.data/report", "report", 0},
                 {"/d/movie.part.sfv", "/d/movie.part.sfv", "movie.part.sfv", 14}}) {
            clsOpenSave dialog;
            test::ScriptedPrompts prompts;
            prompts.queueFile(chosen, 2);
            QCOMPARE(dialog.ShowOpen(prompts), QString());
            QCOMPARE(QVariantList({dialog.FileName(), dialog.FileTitle(), dialog.FileExt(), dialog.FilterIndex()}),
                     QVariantList({fileName, fileTitle, fileExt, 2}));
        }
    }

    void overlongFileNameFailsBeforeTheDialog()
    {
        clsOpenSave dialog;
        dialog.setMaxFileSize(4);
        dialog.setFileName("12345");
        test::ScriptedPrompts prompts;
        QCOMPARE(dialog.ShowOpen(prompts), QString());
        dialog.setFileName("123456");
        QVERIFY(!dialog.ShowSave(prompts).isEmpty());
        QCOMPARE(prompts.dialogs.size(), 1);
    }
};

QTEST_GUILESS_MAIN(OpenSaveTest)
#include "test_open_save.moc"
