// test_results_form.cpp - the report window: its text and the clipboard, saving, cancelling, the save dialog.
#include "app/QUILResultsForm.h"
#include "app/WidgetPrompts.h"
#include "report/ScanReport.h"
#include "series/SeriesState.h"
#include "tests/app/ModalDriver.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace quil;

class ResultsFormTest : public QObject {
    Q_OBJECT

    test::ScriptedPrompts prompts;

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        ResetState();  // any state makes a report: what it says is the report's own test
        State().SeriesKind = "RAR";
        State().BaseName = "movie";
        State().MissingList = QStringList{"movie.r01", "movie.r02"};
        prompts = test::ScriptedPrompts();
    }

    void showsTheReportAlreadyOnTheClipboard()
    {
        QGuiApplication::clipboard()->setText("something older");
        test::TempSeries dir;
        QUILResultsForm form(nullptr, prompts, dir.folder());
        QStringList shown{form.windowTitle()};
        for (const char* name : {"Label1", "SaveFile", "ExitButton"})
            shown << form.findChild<QWidget*>(name)->property("text").toString();
        const auto* list = form.findChild<QListWidget*>("ReportList");
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
        const QStringList lines = ComposeReport();
        QCOMPARE(shown, QStringList({"Quillane - Scan Report",
                                     "-= This Report Has Been Copied To The Windows Clipboard =-", "&Save To File",
                                     "E&xit"}) + lines);
        QCOMPARE(QGuiApplication::clipboard()->text(), ReportText(lines));
    }

    // What a save writes and says is the save command's test; here the window's button drives it.
    void cancelSavesNothingSavingTwiceGivesTheSameBytesAndExitCloses()
    {
        test::TempSeries dir;
        prompts.queueFile(std::nullopt);
        prompts.queueFile(dir.path("one.txt"));
        prompts.queueFile(dir.path("two.txt"));
        QUILResultsForm form(nullptr, prompts, dir.folder());
        form.show();
        for (int click = 0; click < 3; ++click)
            QTest::mouseClick(form.findChild<QPushButton*>("SaveFile"), Qt::LeftButton);
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files), QStringList({"one.txt", "two.txt"}));
        QCOMPARE(Read(dir.path("one.txt")), (form.ReportText() + "\r\n").toLocal8Bit());
        QCOMPARE(Read(dir.path("one.txt")), Read(dir.path("two.txt")));
        QVERIFY(form.isVisible() && !QApplication::overrideCursor());
        QTest::mouseClick(form.findChild<QPushButton*>("ExitButton"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    // The button above goes through a scripted dialog; this is the real one a save opens.
    void theRealSaveDialogAsksBeforeOverwritingAndAddsTheExtension()
    {
        test::TempSeries dir;
        const FileDialogRequest request{.save = true, .title = "Specify The Filename To Save To...",
                                        .initialFolder = dir.folder(), .filters = {{"TXT Files (*.txt)", "*.txt"}},
                                        .defaultExtension = "txt", .overwritePrompt = true};
        QStringList shown;
        test::ModalDriver driver([&](QDialog& dialog) {
            auto& files = static_cast<QFileDialog&>(dialog);
            shown << files.windowTitle() << files.nameFilters() << files.defaultSuffix();
            QVERIFY(!files.testOption(QFileDialog::DontConfirmOverwrite));
            QTest::keyClicks(files.findChild<QLineEdit*>("fileNameEdit"), "report");
            dialog.accept();
        });
        const std::optional<FileDialogChoice> choice = WidgetPrompts{QStringList()}.fileDialog(request);
        QCOMPARE(shown, QStringList({request.title, "TXT Files (*.txt)", "txt"}));
        QCOMPARE(choice.value_or(FileDialogChoice{}).filePath, dir.path("report.txt"));
    }
};

QTEST_MAIN(ResultsFormTest)
#include "test_results_form.moc"
