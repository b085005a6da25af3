// test_check_sequence.cpp - the main window driven as a person would: folders, checks, rows, stop, keys, resize.
#include "app/CheckSequence.h"
#include "app/FolderTree.h"
#include "app/LastDirSetting.h"
#include "app/Pictures.h"
#include "app/StartUp.h"
#include "layout/TwipUnits.h"
#include "report/Product.h"
#include "series/SeriesState.h"
#include "tests/app/ModalDriver.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace quil;

namespace {

struct Row {
    QString name;
    QString size;
    QString crc;
    int icon = 0;
    friend bool operator==(const Row&, const Row&) = default;
};

char* toString(const Row& row)
{
    return QTest::toString(QStringLiteral("%1 %2 %3 icon %4").arg(row.name, row.size, row.crc).arg(row.icon));
}

// Which of the four status pictures a row shows; 0 for none of them.
int ShownIcon(const QIcon& icon)
{
    const QImage shown = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int index = 1; index <= 4; ++index) {
        if (shown == StatusIcon(index).toImage().convertToFormat(QImage::Format_ARGB32))
            return index;
    }
    return 0;
}

// What the report window showed before the test closed it.
struct ShownReport {
    QStringList lines;
    QString clipboard;
};

}  // namespace

class CheckSequenceTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder;
    test::ScriptedPrompts prompts;
    std::unique_ptr<CheckSequence> window;

    template <typename Control>
    Control* Find(const char* name)
    {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }

    void Open()
    {
        window = std::make_unique<CheckSequence>(prompts);
        StartUp(*window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void SelectFolder(const QString& folder) { Find<FolderTree>("FTV")->setSelectedFolder(folder); }
    QString Status() { return Find<QStatusBar>("SB")->currentMessage(); }
    QStringList StartFiles()
    {
        QStringList names;
        auto* list = Find<QListWidget>("FileList");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }

    QList<Row> Rows()
    {
        QList<Row> rows;
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        for (int i = 0; i < grid->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = grid->topLevelItem(i);
            rows.append({item->text(0), item->text(1), item->text(2), ShownIcon(item->icon(0))});
        }
        return rows;
    }

    void DoubleClickRow(int row)
    {
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        const QRect place = grid->visualItemRect(grid->topLevelItem(row));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, place.center());
    }

    // Presses "&Check Sequence" and reads the report window when it opens.
    ShownReport CheckAndReadReport()
    {
        ShownReport shown;
        test::ModalDriver driver([&](QDialog& report) {
            if (report.objectName() != u"QUILResultsForm")
                return;
            auto* list = report.findChild<QListWidget*>("ReportList");
            for (int i = 0; i < list->count(); ++i)
                shown.lines << list->item(i)->text();
            shown.clipboard = QGuiApplication::clipboard()->text();
            QTest::mouseClick(report.findChild<QPushButton*>("ExitButton"), Qt::LeftButton);
        });
        QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);
        return shown;
    }

    // long.rar and long.r00 to long.r39, checked with each CRC-32 reported: the run looks at events
    // before and after every member, so a click or a close acts in the middle of it.
    void OpenOnALongSeriesForACrcReport(test::TempSeries& dir)
    {
        dir.add("long.rar", 4096);
        for (int i = 0; i < 40; ++i)
            dir.add(QStringLiteral("long.r%1").arg(i, 2, 10, QChar(u'0')), 4096);
        prompts.queueAnswer(Answer::No);
        prompts.queueAnswer(Answer::Yes);
        Open();
        SelectFolder(dir.folder());
    }

    // x.rar, x.r00 and x.r03 hold "123456789" (CRC-32 CBF43926); x.r01 holds "abc" (352441C2);
    // x.r02 is missing. The SFV file lists x.r03 wrongly and x.r01 not at all.
    static void WriteMixedSeries(test::TempSeries& dir)
    {
        for (const char* name : {"x.rar", "x.r00", "x.r03"})
            dir.write(name, "123456789");
        dir.write("x.r01", "abc");
        dir.write("x.sfv", "; made by hand\r\nx.rar cbf43926\r\nx.r00 CBF43926\r\nx.r03 00000000\r\n");
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init()
    {
        ResetState();
        QSettings(ProductName(), ProductName()).clear();
        prompts = test::ScriptedPrompts();
    }

    void cleanup() { window.reset(); }

    void controlsCarryTheirCaptionsAndTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("CheckSeq") << "CheckSeq" << "&Check Sequence" << "Process The File Sequence";
        QTest::newRow("ShowSequence") << "ShowSequence" << "&Show File Sequence" << "Show The File Sequence";
        QTest::newRow("StopButton") << "StopButton" << "&Stop Checking!" << "";
        QTest::newRow("About") << "About" << "&About" << "About This Application";
        QTest::newRow("Exit_Button") << "Exit_Button" << "E&xit" << "Exit This Application";
        QTest::newRow("HelpButton") << "HelpButton" << "" << "View the Help File";
        QTest::newRow("Label1") << "Label1" << "Starting Archive Files Found:" << "";
        QTest::newRow("Frame1") << "Frame1" << "Find Start File" << "";
        QTest::newRow("Frame4") << "Frame4" << "Archive Member File Status..." << "";
        QTest::newRow("FTV") << "FTV" << "" << "Select The Folder Containing Archive Series";
        QTest::newRow("FileList") << "FileList" << "" << "Starting Archive Files";
        QTest::newRow("ErrorGrid") << "ErrorGrid" << ""
                                   << "Archive Member File List.  Double Click An Entry For Its Status.";
        QTest::newRow("PB") << "PB" << "" << "Progress...";
        QTest::newRow("Banner") << "Banner" << "" << "Double-Click For Homepage!";
        QTest::newRow("Stretcher") << "Stretcher" << "" << "Double-Click For Homepage!";
    }

    void controlsCarryTheirCaptionsAndTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        Open();
        auto* control = window->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->toolTip(), tip);
        if (auto* button = qobject_cast<QPushButton*>(control))
            QCOMPARE(button->text(), caption);
        else if (auto* label = qobject_cast<QLabel*>(control); label && !caption.isEmpty())
            QCOMPARE(label->text(), caption);
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            QCOMPARE(frame->title(), caption);
    }

    void firstRunStartsAtTheRootReady()
    {
        auto loading = std::make_unique<CheckSequence>(prompts);
        QCOMPARE(loading->windowTitle(), QString("Quillane (V3.1)"));
        window = std::move(loading);
        StartUp(*window);
        QCOMPARE(window->windowTitle(), QString("Quillane (V3.1.005)"));
        QCOMPARE(Find<FolderTree>("FTV")->selectedFolder(), QString("/"));
        QCOMPARE(window->FileListFolder(), QString("/"));
        QCOMPARE(Status(), QString("Ready"));
        QVERIFY(!Find<QPushButton>("StopButton")->isVisible());
        auto* header = Find<QTreeWidget>("ErrorGrid")->headerItem();
        QCOMPARE(QStringList({header->text(0), header->text(1), header->text(2)}),
                 QStringList({"Filename", "Byte Size", "CRC-32"}));
        QCOMPARE(Find<QProgressBar>("PB")->maximum(), 100);
    }

    void theLastFolderIsSelectedAgainNextTime()
    {
        test::TempSeries dir;
        dir.add("movie.rar", 10);
        Open();
        SelectFolder(dir.folder());
        window->close();
        QCOMPARE(ReadLastDir(), dir.folder());
        window.reset();

        Open();
        QCOMPARE(Find<FolderTree>("FTV")->selectedFolder(), dir.folder());
        QCOMPARE(window->FileListFolder(), dir.folder());
        QCOMPARE(StartFiles(), QStringList({"movie.rar"}));
        QCOMPARE(Find<QListWidget>("FileList")->currentRow(), 0);
        QCOMPARE(State().SeqList, QStringList({"movie.rar"}));
        QCOMPARE(Status(), QString("Ready"));
    }

    void selectingAFolderListsItsStartFilesAndTakesTheFirst()
    {
        test::TempSeries dir;
        for (const char* name : {"d.arj", "b.001", "a.RAR", "c.ace", "e.r00", "f.zip", "a.r00"})
            dir.add(name, 5);
        test::TempSeries empty;
        Open();
        SelectFolder(dir.folder());
        QCOMPARE(StartFiles(), QStringList({"a.RAR", "b.001", "c.ace", "d.arj"}));
        QCOMPARE(Find<QListWidget>("FileList")->currentRow(), 0);
        QCOMPARE(State().SeqList, QStringList({"a.rar", "a.r00"}));
        QCOMPARE(Status(), QString("Ready To Scan Archive"));

        QTest::mouseClick(Find<QListWidget>("FileList")->viewport(), Qt::LeftButton, {},
                          Find<QListWidget>("FileList")->visualItemRect(Find<QListWidget>("FileList")->item(3)).center());
        QCOMPARE(State().SeriesKind, QString("ARJ"));

        SelectFolder(empty.folder());
        QCOMPARE(StartFiles(), QStringList());
        QVERIFY(State().SeqList.isEmpty());
    }

    void checksTheSeriesInEachMode_data()
    {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("pickSfv");
        QTest::addColumn<QList<Row>>("rows");
        QTest::newRow("size only") << QList<Answer>{Answer::No, Answer::No} << false
                                   << QList<Row>{{"x.rar", "0,009", "Skipped", 1},
                                                 {"x.r00", "0,009", "Skipped", 1},
                                                 {"x.r01", "0,003", "Skipped", 4},
                                                 {"x.r02", "?", "?", 2},
                                                 {"x.r03", "0,009", "Skipped", 1}};
        QTest::newRow("CRC report") << QList<Answer>{Answer::No, Answer::Yes} << false
                                    << QList<Row>{{"x.rar", "0,009", "CBF43926", 1},
                                                  {"x.r00", "0,009", "CBF43926", 1},
                                                  {"x.r01", "0,003", "352441C2", 4},
                                                  {"x.r02", "?", "?", 2},
                                                  {"x.r03", "0,009", "CBF43926", 1}};
        QTest::newRow("SFV check") << QList<Answer>{Answer::Yes} << true
                                   << QList<Row>{{"x.rar", "0,009", "CBF43926", 1},
                                                 {"x.r00", "0,009", "CBF43926", 1},
                                                 {"x.r01", "0,003", "352441C2", 3},
                                                 {"x.r02", "?", "?", 2},
                                                 {"x.r03", "0,009", "CBF43926", 3}};
    }

    void checksTheSeriesInEachMode()
    {
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, pickSfv);
        QFETCH(QList<Row>, rows);
        test::TempSeries dir;
        WriteMixedSeries(dir);
        for (Answer answer : answers)
            prompts.queueAnswer(answer);
        if (pickSfv)
            prompts.queueFile(dir.path("x.sfv"));
        Open();
        SelectFolder(dir.folder());

        const ShownReport report = CheckAndReadReport();
        QCOMPARE(Rows(), rows);
        QCOMPARE(Status(), QString("Ready"));
        auto* bar = Find<QProgressBar>("PB");
        QCOMPARE(bar->maximum(), 4);
        QCOMPARE(bar->value(), 4);
        QCOMPARE(bar->toolTip(), QString("Checking File Number 4 Of 4"));
        QVERIFY(Find<QPushButton>("CheckSeq")->isEnabled());
        QVERIFY(!Find<QPushButton>("StopButton")->isVisible());
        QVERIFY(report.lines.contains("For The Archive Sequence Starting With x.rar..."));
        QVERIFY(report.clipboard.startsWith(report.lines.first() + "\r\n"));
        QVERIFY(report.clipboard.contains(ProductWebPage()));
        if (pickSfv)
            QCOMPARE(prompts.dialogs.first().title, QString("Find The SFV File To Use..."));
    }

    void doubleClickingARowExplainsIt()
    {
        test::TempSeries dir;
        WriteMixedSeries(dir);
        Open();
        SelectFolder(dir.folder());
        CheckAndReadReport();  // size only
        const qsizetype before = prompts.messages.size();
        DoubleClickRow(2);
        QCOMPARE(prompts.messageTexts().mid(before),
                 QStringList({"Status For: x.r01\r\n\r\nFile Has A Different Byte Size Than x.rar.\r\n"
                              "Has 0,003, Should Be 0,009"}));
    }

    void doubleClickingAStartFileRunsTheCheck()
    {
        test::TempSeries dir;
        WriteMixedSeries(dir);
        Open();
        SelectFolder(dir.folder());
        auto* list = Find<QListWidget>("FileList");
        test::ModalDriver driver([](QDialog&) {});
        const QPoint first = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        QVERIFY(driver.opened());
        QCOMPARE(Rows().size(), 5);
    }

    void stopEndsACrcRunMidway()
    {
        test::TempSeries dir;
        OpenOnALongSeriesForACrcReport(dir);
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        auto* stop = Find<QPushButton>("StopButton");
        bool stopShown = false;
        qsizetype popupsDuringRun = -1;
        connect(grid->model(), &QAbstractItemModel::rowsInserted, this, [&] {
            if (grid->topLevelItemCount() != 3)
                return;
            stopShown = stop->isVisible() && !Find<QPushButton>("CheckSeq")->isEnabled();
            const qsizetype before = prompts.messages.size();
            DoubleClickRow(0);
            popupsDuringRun = prompts.messages.size() - before;
            // Clicked as the person would: the click is acted on when the run next looks at events.
            QTimer::singleShot(0, stop, [stop] { QTest::mouseClick(stop, Qt::LeftButton); });
        });
        test::ModalDriver report([](QDialog&) {});
        QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);

        QVERIFY(stopShown);
        QCOMPARE(popupsDuringRun, 0);
        QVERIFY(!report.opened());
        QCOMPARE(Status(), QString("Checking Cancelled"));
        QVERIFY(grid->topLevelItemCount() >= 3 && grid->topLevelItemCount() < 41);
        QCOMPARE(Find<QProgressBar>("PB")->value(), 41);
        QVERIFY(Find<QPushButton>("CheckSeq")->isEnabled());
        QVERIFY(!stop->isVisible());
    }

    void closingDuringARunStopsItAndNeverBringsTheWindowBack()
    {
        test::TempSeries dir;
        OpenOnALongSeriesForACrcReport(dir);
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        connect(grid->model(), &QAbstractItemModel::rowsInserted, this, [&] {
            if (grid->topLevelItemCount() == 3)
                QTimer::singleShot(0, window.get(), [this] { window->close(); });
        });
        test::ModalDriver report([](QDialog&) {});
        QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);

        QVERIFY(!report.opened());
        QVERIFY(!window->isVisible());
        QVERIFY(!State().KeepWalking);
        QCOMPARE(ReadLastDir(), dir.folder());
    }

    void showSequenceListsTheFoundMembers()
    {
        test::TempSeries dir;
        WriteMixedSeries(dir);
        test::TempSeries empty;
        Open();
        SelectFolder(empty.folder());
        QTest::mouseClick(Find<QPushButton>("ShowSequence"), Qt::LeftButton);
        QCOMPARE(prompts.messageTexts(), QStringList({"Select an Archive File First!"}));

        SelectFolder(dir.folder());
        QStringList listed;
        QString title;
        test::ModalDriver driver([&](QDialog& sequence) {
            title = sequence.windowTitle();
            auto* list = sequence.findChild<QListWidget*>("SeqList");
            for (int i = 0; i < list->count(); ++i)
                listed << list->item(i)->text();
            QTest::mouseClick(sequence.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        QTest::mouseClick(Find<QPushButton>("ShowSequence"), Qt::LeftButton);
        QCOMPARE(title, QString("Sequence List"));
        QCOMPARE(listed, QStringList({"x.rar", "x.r00", "x.r01", "x.r03"}));
    }

    void resizingMovesEachControlByItsCode()
    {
        Open();
        const QSize first = window->size();
        QCOMPARE(first, QSize(591, 533));
        QHash<QString, QRect> before;
        for (auto* control : window->findChildren<QWidget*>())
            before.insert(control->objectName(), control->geometry());

        // 300 twips wider and 150 twips higher.
        window->resize(first + QSize(20, 10));
        QTRY_COMPARE(window->size(), first + QSize(20, 10));
        const auto moved = [&](const char* name, int dx, int dy, int dw, int dh) {
            const QRect was = before.value(QString::fromLatin1(name));
            return Find<QWidget>(name)->geometry() == QRect(was.x() + dx, was.y() + dy, was.width() + dw, was.height() + dh);
        };
        for (const char* grows : {"Frame1", "Frame4", "ErrorGrid", "Stretcher"})
            QVERIFY2(moved(grows, 0, 0, 20, 10), grows);
        for (const char* follows : {"HelpButton", "About", "Exit_Button"})
            QVERIFY2(moved(follows, 20, 10, 0, 0), follows);
        QVERIFY(moved("PB", 0, 10, 20, 0));
        QVERIFY(moved("Banner", 0, 10, 0, 0));
        QVERIFY(moved("FTV", 0, 0, 10, 0));
        QVERIFY(moved("FileList", 10, 0, 10, 0));
        QVERIFY(moved("StopButton", 10, 0, 10, 0));
        QVERIFY(moved("Label1", 10, 0, 0, 0));
        // The buttons split the list's 4125 twips: 1987.5 each, 150 apart.
        QCOMPARE(Find<QWidget>("CheckSeq")->geometry(),
                 QRect(TwipsToPixels(4710), TwipsToPixels(2400), TwipsToPixels(1987.5), TwipsToPixels(615)));
        QCOMPARE(Find<QWidget>("ShowSequence")->x(), TwipsToPixels(4710 + 1987.5 + 150));
        // The list is 8475 twips wide: unit 694, columns 3470, 2429 and 2429.
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        QCOMPARE(QList<int>({grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)}),
                 QList<int>({TwipsToPixels(3470), TwipsToPixels(2429), TwipsToPixels(2429)}));
        QCOMPARE(Find<QWidget>("SB")->geometry().bottom(), window->height() - 1);

        window->resize(300, 200);
        QTRY_COMPARE(window->size(), first);
    }

    void ctrlAltF10WritesTheTestSeriesThatTheCheckThenFaults()
    {
        test::TempSeries dir;
        Open();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        SelectFolder(dir.folder());
        for (const Qt::KeyboardModifiers other : {Qt::NoModifier, Qt::ControlModifier, Qt::AltModifier})
            QTest::keyClick(window.get(), Qt::Key_F10, other);
        QVERIFY(prompts.messages.isEmpty());

        QTest::keyClick(window.get(), Qt::Key_F10, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(prompts.messageTexts(), QStringList({"Generate A Test?"}));
        prompts.queueAnswer(Answer::Yes);
        QTest::keyClick(Find<QListWidget>("FileList"), Qt::Key_F10, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(prompts.messageTexts().last(), QString("Test generation Complete"));
        QCOMPARE(Status(), "Creating " + dir.folder() + "/quiltest.u53");
        QCOMPARE(StartFiles(), QStringList());  // the list shows the new files only once asked again

        SelectFolder(dir.folder());
        QCOMPARE(StartFiles(), QStringList({"quiltest.rar"}));
        CheckAndReadReport();  // size only
        QCOMPARE(Rows().size(), 356);
        QCOMPARE(State().MissingList, QStringList({"quiltest.r10", "quiltest.s10", "quiltest.t10", "quiltest.u10"}));
        QCOMPARE(State().SizeList,
                 QStringList({"quiltest.r20", "quiltest.s20", "quiltest.t20", "quiltest.u20", "quiltest.u54"}));
    }

    void helpAboutAndTheWebPage()
    {
        Open();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::mouseClick(Find<QPushButton>("HelpButton"), Qt::LeftButton);
        QTest::keyClick(Find<QListWidget>("FileList"), Qt::Key_F1);
        QCOMPARE(prompts.helpShown, 2);

        QTest::mouseDClick(Find<QWidget>("Banner"), Qt::LeftButton);
        QTest::mouseDClick(Find<QWidget>("Stretcher"), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(prompts.webPages, QStringList({ProductWebPage(), ProductWebPage()}));

        QString version;
        QString disclaimer;
        test::ModalDriver about([&](QDialog& box) {
            version = box.findChild<QLabel*>("Version")->text();
            test::ModalDriver nested([&](QDialog& shown) {
                disclaimer = shown.findChild<QPlainTextEdit*>("DisclaimerText")->toPlainText();
            });
            QTest::mouseClick(box.findChild<QPushButton*>("DisclaimerButton"), Qt::LeftButton);
        });
        QTest::mouseClick(Find<QPushButton>("About"), Qt::LeftButton);
        QCOMPARE(version, QString("Version 3.1.005"));
        QVERIFY(disclaimer.contains("without warranty of any kind"));
    }
};

QTEST_MAIN(CheckSequenceTest)
#include "test_check_sequence.moc"
