// test_open_save.cpp - the dialog wrapper's properties, the request it builds and the choice it takes back.
#include "report/clsOpenSave.h"
#include "tests/support/ScriptedPrompts.h"

#include <QtTest>

using namespace quil;
using Filters = QList<QPair<QString, QString>>;

namespace {

// A separator form written with "~" standing for each NUL.
QString Held(QString text)
{
    return text.replace(u'~', QChar(u'\0'));
}

}  // namespace

class OpenSaveTest : public QObject {
    Q_OBJECT
private slots:
    void newObjectDefaults()
    {
        const clsOpenSave dialog;
        QCOMPARE(dialog.Filter(), QString("All Files (*.*)|*.*"));
        QCOMPARE(dialog.FilterSeparatorForm(), Held("All Files (*.*)~*.*~~"));
        QCOMPARE(dialog.FilterIndex(), 1);
        QCOMPARE(dialog.InitDir(), QDir::rootPath());
        QCOMPARE(dialog.MaxFileSize(), 260);
        QVERIFY(dialog.Flags() == 0 && dialog.hwnd() == 0 && dialog.FileExt() == 0 && !dialog.CancelError());
        QVERIFY(dialog.DefaultExt().isEmpty() && dialog.DialogTitle().isEmpty() && dialog.FileName().isEmpty());
    }

    void filterSeparatorForm_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<Filters>("pairs");
        const auto row = [](const char* name, const char* written, const char* held, const char* readBack, Filters pairs) {
            QTest::newRow(name) << QString(written) << Held(held) << QString(readBack) << pairs;
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

    void flagsBecomeDialogOptions()
    {
        clsOpenSave dialog;
        test::ScriptedPrompts prompts;
        dialog.setFlags(clsOpenSave::OverwritePrompt);
        dialog.ShowSave(prompts);
        dialog.setFlags(clsOpenSave::FileMustExist | 1);
        dialog.ShowOpen(prompts);
        const FileDialogRequest &save = prompts.dialogs.at(0), &open = prompts.dialogs.at(1);
        QVERIFY(save.save && save.overwritePrompt && !save.fileMustExist);
        QVERIFY(!open.save && !open.overwritePrompt && open.fileMustExist);
    }

    void cancelLeavesFieldsAndRaisesOnlyWhenAsked()
    {
        for (const bool save : {false, true}) {
            for (const bool cancelError : {false, true}) {
                clsOpenSave dialog;
                dialog.setCancelError(cancelError);
                dialog.setFileName("kept.txt");
                dialog.setFilterIndex(3);
                test::ScriptedPrompts prompts;
                prompts.queueFile(std::nullopt);
                const QString result = save ? dialog.ShowSave(prompts) : dialog.ShowOpen(prompts);
                QCOMPARE(result, cancelError ? QString("Cancel was selected") : QString());
                QCOMPARE(dialog.FileName(), QString("kept.txt"));
                QCOMPARE(dialog.FilterIndex(), 3);
            }
        }
    }

    void choiceIsTakenBack_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("fileTitle");
        QTest::addColumn<int>("fileExt");
        QTest::newRow("plain") << "/data/report.txt" << "/data/report.txt" << "report.txt" << 13;
        QTest::newRow("spaces trimmed") << "  /data/a b.sfv " << "/data/a b.sfv" << "a b.sfv" << 10;
        QTest::newRow("no extension") << "/data/report" << "/data/report" << "report" << 0;
        QTest::newRow("dot only in folder") << "/my.data/report" << "/my.data/report" << "report" << 0;
        QTest::newRow("two dots") << "/d/movie.part.sfv" << "/d/movie.part.sfv" << "movie.part.sfv" << 14;
    }
    void choiceIsTakenBack()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, fileName);
        QFETCH(QString, fileTitle);
        QFETCH(int, fileExt);
        clsOpenSave dialog;
        test::ScriptedPrompts prompts;
        prompts.queueFile(chosen, 2);
        QCOMPARE(dialog.ShowOpen(prompts), QString());
        QCOMPARE(dialog.FileName(), fileName);
        QCOMPARE(dialog.FileTitle(), fileTitle);
        QCOMPARE(int(dialog.FileExt()), fileExt);
        QCOMPARE(dialog.FilterIndex(), 2);
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
