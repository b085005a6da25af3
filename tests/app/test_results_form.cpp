// test_results_form.cpp - the report window: its text and the clipboard, saving, cancelling, failing, resizing.
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

    static QStringList Lines(const QUILResultsForm& form)
    {
        QStringList lines;
        auto* list = form.findChild<QListWidget*>("ReportList");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
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
        QCOMPARE(Lines(form), lines);
        QCOMPARE(QGuiApplication::clipboard()->text(), ReportText(lines));
        QCOMPARE(form.windowTitle(), QString("Quillane - Scan Report"));
        QCOMPARE(form.findChild<QLabel*>("Label1")->text(),
                 QString("-= This Report Has Been Copied To The Windows Clipboard =-"));
        QCOMPARE(form.findChild<QPushButton*>("SaveFile")->text(), QString("&Save To File"));
        QCOMPARE(form.findChild<QPushButton*>("ExitButton")->text(), QString("E&xit"));
    }

    void cancelSavesNothingAndSavingTwiceGivesTheSameBytes()
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
        QCOMPARE(prompts.messageTexts(),
                 QStringList({"File Saved As " + dir.path("one.txt"), "File Saved As " + dir.path("two.txt")}));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(form.isVisible());
    }

    void growsWithItsWindowAndOpensAtItsFirstSizeAgain()
    {
        test::TempSeries dir;
        QSize first;
        {
            QUILResultsForm form(nullptr, prompts, dir.folder());
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            first = form.size();
            QCOMPARE(first, QSize(520, 429));
            QHash<QString, QRect> before;
            for (auto* control : form.findChildren<QWidget*>())
                before.insert(control->objectName(), control->geometry());
            form.resize(first + QSize(30, 45));
            QTRY_COMPARE(form.size(), first + QSize(30, 45));
            const auto shift = [&](const char* name) {
                const QRect now = form.findChild<QWidget*>(name)->geometry();
                const QRect was = before.value(QString::fromLatin1(name));
                return QList<int>{now.x() - was.x(), now.y() - was.y(), now.width() - was.width(),
                                  now.height() - was.height()};
            };
            QCOMPARE(shift("ReportList"), QList<int>({0, 0, 30, 45}));
            QCOMPARE(shift("Label1"), QList<int>({0, 45, 30, 0}));
            QCOMPARE(shift("SaveFile"), QList<int>({30, 45, 0, 0}));
            QCOMPARE(shift("ExitButton"), QList<int>({30, 45, 0, 0}));
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

    void exitClosesTheWindow()
    {
        test::TempSeries dir;
        QUILResultsForm form(nullptr, prompts, dir.folder());
        form.show();
        QTest::mouseClick(form.findChild<QPushButton*>("ExitButton"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(ResultsFormTest)
#include "test_results_form.moc"
