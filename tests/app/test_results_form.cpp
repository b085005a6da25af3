// test_results_form.cpp - the report window: its text and the clipboard, saving, cancelling, resizing.
#include "app/QUILResultsForm.h"
#include "report/ScanReport.h"
#include "series/SeriesState.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QClipboard>
#include <QLabel>
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

    // A label's or button's text, or a list's lines one a line.
    static QString Text(const QWidget& form, const char* name)
    {
        auto* list = form.findChild<QListWidget*>(name);
        if (!list)
            return form.findChild<QWidget*>(name)->property("text").toString();
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines.join(u'\n');
    }

private slots:
    void init()
    {
        ResetState();
        SeriesState& state = State();
        state.SeriesKind = "RAR";
        state.BaseName = "movie";
        state.ReferenceSize = 100;
        state.SeqList = QStringList{"movie.rar", "movie.r00", "movie.r02"};
        state.LastMemberName = "movie.r02";
        state.MissingList = QStringList{"movie.r01"};
        state.SizeList = QStringList{"movie.r02"};
        prompts = test::ScriptedPrompts();
    }

    void showsTheReportAlreadyOnTheClipboard()
    {
        QGuiApplication::clipboard()->setText("something older");
        test::TempSeries dir;
        QUILResultsForm form(nullptr, prompts, dir.folder());
        const QStringList lines = ComposeReport();
        QCOMPARE(Text(form, "ReportList"), lines.join(u'\n'));
        QCOMPARE(QGuiApplication::clipboard()->text(), ReportText(lines));
        QCOMPARE(QStringList({form.windowTitle(), Text(form, "Label1"), Text(form, "SaveFile"), Text(form, "ExitButton")}),
                 QStringList({"Quillane - Scan Report", "-= This Report Has Been Copied To The Windows Clipboard =-",
                              "&Save To File", "E&xit"}));
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
        QCOMPARE(prompts.dialogs.size(), 3);
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files), QStringList({"one.txt", "two.txt"}));
        QCOMPARE(Read(dir.path("one.txt")), (form.ReportText() + "\r\n").toLocal8Bit());
        QCOMPARE(Read(dir.path("one.txt")), Read(dir.path("two.txt")));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(form.isVisible());
        QTest::mouseClick(form.findChild<QPushButton*>("ExitButton"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    // How each control moves is checked by the layout tests; here the window must apply it.
    void growsWithItsWindowAndOpensAtItsFirstSizeAgain()
    {
        test::TempSeries dir;
        const QSize first(520, 429);
        {
            QUILResultsForm form(nullptr, prompts, dir.folder());
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QCOMPARE(form.size(), first);
            const QRect list = form.findChild<QWidget*>("ReportList")->geometry();
            const QRect exit = form.findChild<QWidget*>("ExitButton")->geometry();
            form.resize(first + QSize(30, 45));
            QTRY_COMPARE(form.size(), first + QSize(30, 45));
            QCOMPARE(form.findChild<QWidget*>("ReportList")->geometry(), list.adjusted(0, 0, 30, 45));
            QCOMPARE(form.findChild<QWidget*>("ExitButton")->geometry(), exit.translated(30, 45));
            form.resize(100, 100);
            QTRY_COMPARE(form.size(), first);
            form.resize(first + QSize(60, 60));
            QTRY_COMPARE(form.size(), first + QSize(60, 60));
        }
        QUILResultsForm again(nullptr, prompts, dir.folder());
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.size(), first);
        QCOMPARE(again.minimumSize(), first);
    }
};

QTEST_MAIN(ResultsFormTest)
#include "test_results_form.moc"
