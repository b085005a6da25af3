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

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace quil;

namespace {

QStringList Texts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Which of the four status pictures a row shows; 0 for none of them.
int ShownIcon(const QIcon& icon)
{
    const auto argb = [](const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); };
    for (int index = 1; index <= 4; ++index)
        if (argb(icon.pixmap(16, 16)) == argb(StatusIcon(index)))
            return index;
    return 0;
}

}  // namespace

class CheckSequenceTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder;
    test::ScriptedPrompts prompts;
    std::unique_ptr<CheckSequence> window;

    template <typename Control = QWidget>
    Control* Find(const char* name)
    {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }

    void Open(const QString& folder = {})
    {
        window.reset();  // as at a restart: the old window is gone before the new one starts
        window = std::make_unique<CheckSequence>(prompts);
        StartUp(*window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (!folder.isEmpty())
            Find<FolderTree>("FTV")->setSelectedFolder(folder);
    }

    QString Status() { return Find<QStatusBar>("SB")->currentMessage(); }
    QStringList StartFiles() { return Texts(Find<QListWidget>("FileList")); }

    // Each row as "name size crc icon".
    QStringList Rows()
    {
        QStringList rows;
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        for (int i = 0; i < grid->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = grid->topLevelItem(i);
            rows << QStringLiteral("%1 %2 %3 %4").arg(item->text(0), item->text(1), item->text(2)).arg(ShownIcon(item->icon(0)));
        }
        return rows;
    }

    static void DoubleClick(QAbstractItemView* view, QRect place)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, place.center());
    }
    void DoubleClickRow(int row)
    {
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        DoubleClick(grid, grid->visualItemRect(grid->topLevelItem(row)));
    }

    // Presses "&Check Sequence"; returns the report window's lines. Its text and the clipboard are the
    // report window's own test.
    QStringList CheckAndReadReport()
    {
        QStringList shown;
        test::ModalDriver driver([&](QDialog& report) {
            shown = Texts(report.findChild<QListWidget*>("ReportList"));
            QTest::mouseClick(report.findChild<QPushButton*>("ExitButton"), Qt::LeftButton);
        });
        QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);
        return shown;
    }

    // long.rar and long.r00 to long.r39 with a CRC report: the run looks at events around every
    // member, so a click or a close acts in the middle of it. `midway` runs once three rows show.
    void RunALongCrcReport(test::TempSeries& dir, std::function<void()> midway)
    {
        dir.add("long.rar", 4096);
        for (int i = 0; i < 40; ++i)
            dir.add(QStringLiteral("long.r%1").arg(i, 2, 10, QChar(u'0')), 4096);
        prompts.queueAnswer(Answer::No);
        prompts.queueAnswer(Answer::Yes);
        Open(dir.folder());
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        connect(grid->model(), &QAbstractItemModel::rowsInserted, this, [grid, midway] {
            if (grid->topLevelItemCount() == 3)
                midway();
        });
        test::ModalDriver report([](QDialog&) {});
        QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);
        QVERIFY(!report.opened());
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

    void foldersListTheirStartFilesAndTheLastOneIsSelectedNextTime()
    {
        Open();
        QCOMPARE(Find<FolderTree>("FTV")->selectedFolder(), QString("/"));
        QCOMPARE(Status(), QString("Ready"));
        QVERIFY(!Find("StopButton")->isVisible());

        test::TempSeries dir;
        for (const char* name : {"d.arj", "b.001", "a.RAR", "c.ace", "e.r00", "f.zip", "a.r00"})
            dir.add(name, 5);
        const QStringList startFiles{"a.RAR", "b.001", "c.ace", "d.arj"};
        Find<FolderTree>("FTV")->setSelectedFolder(dir.folder());
        QCOMPARE(StartFiles(), startFiles);
        QCOMPARE(Find<QListWidget>("FileList")->currentRow(), 0);
        QCOMPARE(State().SeqList, QStringList({"a.rar", "a.r00"}));
        QCOMPARE(Status(), QString("Ready To Scan Archive"));
        auto* list = Find<QListWidget>("FileList");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
        QCOMPARE(State().SeriesKind, QString("ARJ"));
        window->close();
        QCOMPARE(ReadLastDir(), dir.folder());

        ResetState();
        Open();
        QCOMPARE(Find<FolderTree>("FTV")->selectedFolder(), dir.folder());
        QCOMPARE(StartFiles(), startFiles);
        QCOMPARE(Find<QListWidget>("FileList")->currentRow(), 0);
        QCOMPARE(State().SeqList, QStringList({"a.rar", "a.r00"}));
        QCOMPARE(Status(), QString("Ready"));

        test::TempSeries empty;
        Find<FolderTree>("FTV")->setSelectedFolder(empty.folder());
        QCOMPARE(StartFiles(), QStringList());
        QVERIFY(State().SeqList.isEmpty());
    }

    void checksTheSeriesInEachMode_data()
    {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("rows");
        // Icons: 1 tick, 2 cross, 3 C (CRC differs from the SFV file), 4 S (size differs). Each mode's
        // texts are the check run's test; these two modes show all four pictures between them.
        QTest::newRow("size only") << QList<Answer>{Answer::No, Answer::No}
                                   << QStringList{"x.rar 0,009 Skipped 1", "x.r00 0,009 Skipped 1", "x.r01 0,003 Skipped 4",
                                                  "x.r02 ? ? 2", "x.r03 0,009 Skipped 1"};
        QTest::newRow("SFV check") << QList<Answer>{Answer::Yes}
                                   << QStringList{"x.rar 0,009 CBF43926 1", "x.r00 0,009 CBF43926 1",
                                                  "x.r01 0,003 352441C2 3", "x.r02 ? ? 2", "x.r03 0,009 CBF43926 3"};
    }

    void checksTheSeriesInEachMode()
    {
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, rows);
        test::TempSeries dir;
        WriteMixedSeries(dir);
        for (Answer answer : answers)
            prompts.queueAnswer(answer);
        if (answers.first() == Answer::Yes)
            prompts.queueFile(dir.path("x.sfv"));
        Open(dir.folder());

        const QStringList report = CheckAndReadReport();
        QCOMPARE(Rows(), rows);
        QCOMPARE(Status(), QString("Ready"));
        auto* bar = Find<QProgressBar>("PB");
        QCOMPARE(QList<int>({bar->maximum(), bar->value()}), QList<int>({4, 4}));
        QCOMPARE(bar->toolTip(), QString("Checking File Number 4 Of 4"));
        QVERIFY(Find("CheckSeq")->isEnabled());
        QVERIFY(!Find("StopButton")->isVisible());
        QVERIFY(report.contains("For The Archive Sequence Starting With x.rar..."));
    }

    void doubleClickingAStartFileChecksAndARowExplainsIt()
    {
        test::TempSeries dir;
        WriteMixedSeries(dir);
        Open(dir.folder());
        auto* list = Find<QListWidget>("FileList");
        test::ModalDriver report([](QDialog&) {});
        DoubleClick(list, list->visualItemRect(list->item(0)));  // size only
        QVERIFY(report.opened());
        QCOMPARE(Rows().size(), 5);

        const qsizetype before = prompts.messages.size();
        DoubleClickRow(2);
        QCOMPARE(prompts.messageTexts().mid(before),
                 QStringList({"Status For: x.r01\r\n\r\nFile Has A Different Byte Size Than x.rar.\r\n"
                              "Has 0,003, Should Be 0,009"}));
    }

    void stopEndsACrcRunMidway()
    {
        test::TempSeries dir;
        QPushButton* stop = nullptr;
        bool stopShown = false;
        qsizetype popupsDuringRun = -1;
        RunALongCrcReport(dir, [&] {
            stop = Find<QPushButton>("StopButton");
            stopShown = stop->isVisible() && !Find("CheckSeq")->isEnabled();
            const qsizetype before = prompts.messages.size();
            DoubleClickRow(0);
            popupsDuringRun = prompts.messages.size() - before;
            // Clicked as the person would: the click is acted on when the run next looks at events.
            QTimer::singleShot(0, stop, [stop] { QTest::mouseClick(stop, Qt::LeftButton); });
        });
        QVERIFY(stopShown);
        QCOMPARE(popupsDuringRun, 0);
        QCOMPARE(Status(), QString("Checking Cancelled"));
        QVERIFY(Rows().size() >= 3 && Rows().size() < 41);
        QCOMPARE(Find<QProgressBar>("PB")->value(), 41);
        QVERIFY(Find("CheckSeq")->isEnabled());
        QVERIFY(!stop->isVisible());
    }

    void closingDuringARunStopsItAndNeverBringsTheWindowBack()
    {
        test::TempSeries dir;
        RunALongCrcReport(dir, [this] { QTimer::singleShot(0, window.get(), [this] { window->close(); }); });
        QVERIFY(!window->isVisible());
        QVERIFY(!State().KeepWalking);
        QCOMPARE(ReadLastDir(), dir.folder());
    }

    void showSequenceListsTheFoundMembers()
    {
        test::TempSeries empty;
        Open(empty.folder());
        QTest::mouseClick(Find<QPushButton>("ShowSequence"), Qt::LeftButton);
        QCOMPARE(prompts.messageTexts(), QStringList({"Select an Archive File First!"}));

        test::TempSeries dir;
        WriteMixedSeries(dir);
        Find<FolderTree>("FTV")->setSelectedFolder(dir.folder());
        QStringList shown;
        test::ModalDriver driver([&](QDialog& sequence) {
            shown = QStringList(sequence.windowTitle()) + Texts(sequence.findChild<QListWidget*>("SeqList"));
            QTest::mouseClick(sequence.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        QTest::mouseClick(Find<QPushButton>("ShowSequence"), Qt::LeftButton);
        QCOMPARE(shown, QStringList({"Sequence List", "x.rar", "x.r00", "x.r01", "x.r03"}));
    }

    // Each control's move is checked by the layout tests in twips; here the window must apply them.
    void resizingMovesEachControlByItsCode()
    {
        Open();
        const QSize first = window->size();
        QCOMPARE(first, QSize(591, 533));
        QHash<QString, QRect> before;
        for (auto* control : window->findChildren<QWidget*>())
            before.insert(control->objectName(), control->geometry());

        window->resize(first + QSize(20, 10));  // 300 twips wider and 150 twips higher
        QTRY_COMPARE(window->size(), first + QSize(20, 10));
        for (const auto& [name, dx, dy, dw, dh] : std::initializer_list<std::tuple<const char*, int, int, int, int>>{
                 {"Frame4", 0, 0, 20, 10}, {"ErrorGrid", 0, 0, 20, 10}, {"Exit_Button", 20, 10, 0, 0},
                 {"PB", 0, 10, 20, 0}, {"Banner", 0, 10, 0, 0}, {"FTV", 0, 0, 10, 0}, {"FileList", 10, 0, 10, 0}}) {
            const QRect was = before.value(QString::fromLatin1(name));
            QCOMPARE(Find(name)->geometry(), was.adjusted(dx, dy, dx + dw, dy + dh));
        }
        // The list is 8475 twips wide: unit 694, columns 3470, 2429 and 2429.
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        QCOMPARE(QList<int>({grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)}),
                 QList<int>({TwipsToPixels(3470), TwipsToPixels(2429), TwipsToPixels(2429)}));
        QCOMPARE(Find("SB")->geometry().bottom(), window->height() - 1);

        window->resize(300, 200);
        QTRY_COMPARE(window->size(), first);
    }

    void ctrlAltF10WritesTheTestSeriesThatTheCheckThenFaults()
    {
        test::TempSeries dir;
        Open(dir.folder());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
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

        Find<FolderTree>("FTV")->setSelectedFolder(dir.folder());
        QCOMPARE(StartFiles(), QStringList({"quiltest.rar"}));
        CheckAndReadReport();  // size only
        QCOMPARE(Rows().size(), 356);
        // Which members are faulted is the generator's test; here one of each shows its icon.
        QVERIFY(Rows().contains("quiltest.r10 ? ? 2"));
        QVERIFY(Rows().contains(QRegularExpression("^quiltest\\.u54 .* Skipped 4$")));
    }

    void helpAboutAndTheWebPage()
    {
        Open();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::mouseClick(Find<QPushButton>("HelpButton"), Qt::LeftButton);
        QTest::keyClick(Find<QListWidget>("FileList"), Qt::Key_F1);
        QCOMPARE(prompts.helpShown, 2);
        QTest::mouseDClick(Find("Banner"), Qt::LeftButton);
        QTest::mouseDClick(Find("Stretcher"), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(prompts.webPages, QStringList({ProductWebPage(), ProductWebPage()}));
        QString version;
        test::ModalDriver about([&](QDialog& box) { version = box.findChild<QLabel*>("Version")->text(); });
        QTest::mouseClick(Find<QPushButton>("About"), Qt::LeftButton);
        QCOMPARE(version, QString("Version 3.1.005"));
    }
};

QTEST_MAIN(CheckSequenceTest)
#include "test_check_sequence.moc"
