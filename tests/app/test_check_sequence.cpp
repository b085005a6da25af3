// test_check_sequence.cpp - the main window driven as a person would: folders, checks, rows, stop, keys, resize;
// and the real help its scripted prompts stand in for.
// SPDX-License-Identifier: MIT
#include "app/CheckSequence.h"
#include "app/FolderTree.h"
#include "app/HelpViewer.h"
#include "app/LastDirSetting.h"
#include "app/Pictures.h"
#include "app/StartUp.h"
#include "app/WidgetPrompts.h"
#include "layout/TwipUnits.h"
#include "os/NativeNames.h"
#include "report/Product.h"
#include "tests/app/ModalDriver.h"
#include "tests/support/Rar4Writer.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QAbstractFileIconProvider>
#include <QFile>
#include <QFileSystemModel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const QImage shown = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int index = 1; index <= 5; ++index)
        if (shown == StatusIcon(index).toImage().convertToFormat(QImage::Format_ARGB32))
            return index;
    return 0;
}

// Drags `paths` over the window and, when the window takes them, drops them; whether it took them.
bool DragAndDrop(QWidget* window, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPoint middle = window->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

void DoubleClick(QAbstractItemView* view, int row)
{
    const QPoint place = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, place);
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
        return control ? control : (qFatal("no control %s", name), nullptr);
    }

    void Open(const QString& folder = {}, const QString& startPath = {})
    {
        window.reset();  // as at a restart: the old window is gone before the new one starts
        window = std::make_unique<CheckSequence>(prompts);
        StartUp(*window, startPath);
        window->activateWindow();  // the keys reach only the active window
        // A check a start path begins may show its report first, which then holds the focus.
        QVERIFY(startPath.isEmpty() ? QTest::qWaitForWindowActive(window.get()) : QTest::qWaitForWindowExposed(window.get()));
        if (!folder.isEmpty())
            Select(folder);
    }

    void Select(const QString& folder) { Find<FolderTree>("FTV")->setSelectedFolder(folder); }
    QString Status() { return Find<QStatusBar>("SB")->currentMessage(); }

    // Each row as "name size crc icon".
    QStringList Rows()
    {
        QStringList rows;
        for (QTreeWidgetItemIterator row(Find<QTreeWidget>("ErrorGrid")); *row; ++row)
            rows << QStringList({(*row)->text(0), (*row)->text(1), (*row)->text(2),
                                 QString::number(ShownIcon((*row)->icon(0)))}).join(' ');
        return rows;
    }

    // Starts a check with `start` and waits until it has ended; false when it never did.
    bool RunsToItsEnd(const std::function<void()>& start)
    {
        QSignalSpy ended(window.get(), &CheckSequence::checkEnded);
        start();
        return !ended.isEmpty() || ended.wait(20000);
    }

    // Opens long.rar, long.r00 and long.r01 of 4 KiB, long.r02 of 4 GiB (sparse: no disk, yet reading it
    // lasts far longer than a Stop or a close takes to act) and long.r03 to long.r39, with a CRC report
    // to come. `midway` runs once three rows show, while long.r02 is read.
    void OpenALongSeries(test::TempSeries& dir, std::function<void()> midway)
    {
        dir.add("long.rar", 4096);
        for (int i = 0; i < 40; ++i)
            dir.add(QStringLiteral("long.r%1").arg(i, 2, 10, QChar(u'0')), 4096);
        QFile large(dir.path("long.r02"));
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.resize(qint64{4} << 30));
        large.close();
        prompts.queueAnswer(Answer::No);
        prompts.queueAnswer(Answer::Yes);
        Open(dir.folder());
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        connect(grid->model(), &QAbstractItemModel::rowsInserted, this, [grid, midway] {
            if (grid->topLevelItemCount() == 3)
                midway();
        });
    }

    // x.rar, x.r00 and x.r03 hold "123456789" (CRC-32 CBF43926); x.r01 holds "abc" (352441C2);
    // x.r02 is missing. The SFV file lists x.r03 wrongly and x.r01 not at all.
    static void WriteMixedSeries(test::TempSeries& dir, const QString& base = "x")
    {
        for (const char* extension : {".rar", ".r00", ".r03"})
            dir.write(base + extension, "123456789");
        dir.write(base + ".r01", "abc");
        dir.write("x.sfv", "; made by hand\r\nx.rar cbf43926\r\nx.r00 CBF43926\r\nx.r03 00000000\r\n");
    }

private slots:
    void initTestCase()
    {
        // Before the first use of the settings, which fixes their folder for the process.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init()
    {
        QSettings(ProductName(), ProductName()).clear();
        prompts = test::ScriptedPrompts();
    }

    void cleanup() { window.reset(); }

    // The folder remembered at close and its start files; volumes written since a start file was taken
    // count once it is clicked again, already taken or not.
    void startFilesAndTheFolderRememberedAtClose()
    {
        test::TempSeries dir;
        WriteLastDir(dir.path("gone"));
        Open();
        QCOMPARE(Find<FolderTree>("FTV")->selectedFolder(), QString("/"));  // a vanished folder falls back

        dir.addAll({"d.arj", "a.RAR", "a.r00", "c.part2.rar", "c.part1.rar"}, 5);
        Select(dir.folder());
        const auto click = [this](int row) {
            auto* list = Find<QListWidget>("FileList");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        };
        click(1);
        QVERIFY(window->SelectedSeries());
        QCOMPARE(window->SelectedSeries()->Kind, SeriesKind::RarParts);
        window->close();
        // The key stays the same across versions, or an upgrade forgets the folder.
        QCOMPARE(QSettings("Quillane", "Quillane").value("Settings/LastDir").toString(), dir.folder());

        // Reopened, as picked by hand: the folder, its start files, the first selected, the series it gives.
        Open();
        QCOMPARE(Find<FolderTree>("FTV")->selectedFolder(), dir.folder());
        QCOMPARE(Texts(Find<QListWidget>("FileList")), QStringList({"a.RAR", "c.part1.rar", "d.arj"}));
        QCOMPARE(Find<QListWidget>("FileList")->currentRow(), 0);
        QVERIFY(window->SelectedSeries());
        QCOMPARE(window->SelectedSeries()->SeqList, QStringList({"a.rar", "a.r00"}));
        QCOMPARE(Status(), QString("Ready"));
        dir.add("a.r01", 5);
        click(0);
        QCOMPARE(window->SelectedSeries()->SeqList, QStringList({"a.rar", "a.r00", "a.r01"}));
        click(1);
        dir.add("c.part3.rar", 5);
        click(1);
        QCOMPARE(window->SelectedSeries()->SeqList, QStringList({"c.part1.rar", "c.part2.rar", "c.part3.rar"}));
    }

    // A start file whose path is not UTF-8 opens by its bytes, though the tree cannot name its folder.
    void aStartFileNamedInOtherBytesOpens()
    {
        test::TempSeries dir;
        const QByteArray folder = QFile::encodeName(dir.folder()) + "/d\xe9";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        for (const char* name : {"/\xe9t\xe9.rar", "/\xe9t\xe9.r00"}) {
            const int fd = ::open(folder + name, O_WRONLY | O_CREAT, 0600);
            QCOMPARE(::write(fd, "12345", 5), ssize_t(5));
            ::close(fd);
        }
        Open({}, NameFromNative(folder + "/\xe9t\xe9.rar"));
        QCOMPARE(window->FileListFolder(), NameFromNative(folder));
        QCOMPARE(Find<QListWidget>("FileList")->currentRow(), 0);
        QVERIFY(window->SelectedSeries());
        QCOMPARE(window->SelectedSeries()->SeqList.size(), 2);
    }

    // Nothing the window lists is read when reading could wait for ever: a settings file that is a
    // FIFO is neither read nor written, and the folder tree types its entries without reading them.
    void neverReadsWhatCouldBlock()
    {
        const QString settings = settingsFolder.path() + "/Quillane/Quillane.conf";
        QVERIFY(QDir().mkpath(settingsFolder.path() + "/Quillane"));
        QFile::remove(settings);
        QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
        test::TempSeries dir;
        Open(dir.folder());
        window->close();
        QVERIFY(QFileInfo(settings).exists() && !QFileInfo(settings).isFile());
        QVERIFY(QFile::remove(settings));
        dir.write("kmsg", "%PDF-1.4\n");
        const auto* model = qobject_cast<const QFileSystemModel*>(Find<FolderTree>("FTV")->model());
        QCOMPARE(model->iconProvider()->type(QFileInfo(dir.path("kmsg"))), QString("File"));
    }

    void opensAPathGivenAtStartOrDropped_data()
    {
        QTest::addColumn<QString>("name");  // in the series folder; "" for the folder itself
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<int>("row");  // taken in the start-file list; -1 for none
        QTest::addColumn<QStringList>("seqList");
        for (const bool dropped : {false, true}) {
            const char* how = dropped ? "dropped" : "at start";
            QTest::addRow("folder %s", how) << "" << dropped << 0 << QStringList{"a.rar", "a.r00"};
            QTest::addRow("start file %s", how) << "b.arj" << dropped << 1 << QStringList{"b.arj", "b.a01"};
            QTest::addRow("other file %s", how) << "b.a01" << dropped << -1 << QStringList{};
        }
    }
    void opensAPathGivenAtStartOrDropped()
    {
        QFETCH(QString, name);
        QFETCH(bool, dropped);
        QFETCH(int, row);
        QFETCH(QStringList, seqList);
        test::TempSeries dir, remembered;
        dir.addAll({"a.rar", "a.r00", "b.arj", "b.a01"}, 5);
        remembered.add("z.rar", 5);
        WriteLastDir(remembered.folder());
        const QString path = name.isEmpty() ? dir.folder() : dir.path(name);
        Open({}, dropped ? QString() : path);
        if (dropped) {
            QVERIFY(!DragAndDrop(window.get(), {path, dir.path("a.rar")}));  // one path at a time
            QCOMPARE(Find<FolderTree>("FTV")->selectedFolder(), remembered.folder());
            QVERIFY(DragAndDrop(window.get(), {path}));
        }
        auto* list = Find<QListWidget>("FileList");
        QCOMPARE(Find<FolderTree>("FTV")->selectedFolder(), dir.folder());
        QCOMPARE(list->currentRow(), row);
        QCOMPARE(list->selectedItems().size(), row < 0 ? 0 : 1);
        QCOMPARE(window->SelectedSeries() ? window->SelectedSeries()->SeqList : QStringList(), seqList);
        if (row < 0) {
            QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);
            QCOMPARE(prompts.messageTexts(), QStringList({"Select an Archive File First!"}));
        }
    }

    void checksTheSeriesAndARowExplainsItself_data()
    {
        QTest::addColumn<QString>("base");  // the series' name before its extensions
        QTest::addColumn<bool>("sfv");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("faulty");
        QTest::addColumn<QString>("explanation");
        // Icons: 1 tick, 2 cross, 3 C (CRC differs from the SFV file), 4 S (size differs). Each mode's
        // texts are the check run's test; these two modes show all four pictures between them.
        QTest::newRow("size only, by double-click")
            << "x" << false
            << QStringList{"x.rar 0,009 Skipped 1", "x.r00 0,009 Skipped 1", "x.r01 0,003 Skipped 4", "x.r02 ? ? 2",
                           "x.r03 0,009 Skipped 1"}
            << 2 << "Status For: x.r01\r\n\r\nFile Has A Different Byte Size Than x.rar.\r\nHas 0,003, Should Be 0,009";
        QTest::newRow("SFV check, by button")
            << "x" << true
            << QStringList{"x.rar 0,009 CBF43926 1", "x.r00 0,009 CBF43926 1", "x.r01 0,003 352441C2 3", "x.r02 ? ? 2",
                           "x.r03 0,009 CBF43926 3"}
            << 4 << "Status For: x.r03\r\n\r\nFile Has A Bad CRC Value.\r\nHas CBF43926, Should Be 00000000";
        // A newline and a backslash in the names: each shown escaped on one line.
        QTest::newRow("names escaped on one line")
            << "n\nb\\x" << false
            << QStringList{"n\\nb\\\\x.rar 0,009 Skipped 1", "n\\nb\\\\x.r00 0,009 Skipped 1",
                           "n\\nb\\\\x.r01 0,003 Skipped 4", "n\\nb\\\\x.r02 ? ? 2", "n\\nb\\\\x.r03 0,009 Skipped 1"}
            << 2
            << "Status For: n\\nb\\\\x.r01\r\n\r\nFile Has A Different Byte Size Than n\\nb\\\\x.rar.\r\nHas 0,003, "
               "Should Be 0,009";
    }

    void checksTheSeriesAndARowExplainsItself()
    {
        QFETCH(QString, base);
        QFETCH(bool, sfv);
        QFETCH(QStringList, rows);
        QFETCH(int, faulty);
        QFETCH(QString, explanation);
        test::TempSeries dir;
        WriteMixedSeries(dir, base);
        prompts.queueAnswer(sfv ? Answer::Yes : Answer::No);  // "compare with an SFV file?"; later questions get No
        if (sfv)
            prompts.queueFile(dir.path("x.sfv"));
        Open(dir.folder());

        test::ModalDriver report([](QDialog&) {});  // what it says is the report window's own test
        QVERIFY(RunsToItsEnd([&] {
            if (sfv)
                QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);
            else
                DoubleClick(Find<QListWidget>("FileList"), 0);
        }));
        QVERIFY(report.opened);
        QCOMPARE(Rows(), rows);
        // Enter says Yes to either question.
        for (const test::ShownMessage& question : prompts.messages)
            QCOMPARE(question.defaultAnswer, Answer::Yes);
        QCOMPARE(prompts.messages.size(), sfv ? 1 : 2);
        auto* bar = Find<QProgressBar>("PB");
        QCOMPARE(QStringList({Status(), QString::number(bar->value()), QString::number(bar->maximum()), bar->toolTip()}),
                 QStringList({"Ready", "4", "4", "Checking File Number 4 Of 4"}));

        // "Should Be" is what the run read: the SFV file changed or deleted since changes nothing.
        const qsizetype before = prompts.messages.size();
        DoubleClick(Find<QTreeWidget>("ErrorGrid"), faulty);
        if (sfv) {
            dir.write("x.sfv", "x.r03 11111111\r\n");
            DoubleClick(Find<QTreeWidget>("ErrorGrid"), faulty);
            QVERIFY(QFile::remove(dir.path("x.sfv")));
            DoubleClick(Find<QTreeWidget>("ErrorGrid"), faulty);
        }
        QCOMPARE(prompts.messageTexts().mid(before), QStringList(sfv ? 3 : 1, explanation));
    }

    // An SFV file given at start or dropped checks the series it lists against it, asking nothing; one
    // that lists no series says so.
    void anSfvFileChecksTheSeriesItLists_data()
    {
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QString>("sfv");
        QTest::newRow("at start") << false << "x.sfv";
        QTest::newRow("dropped") << true << "x.sfv";
        QTest::newRow("listing no series") << true << "none.sfv";
    }
    void anSfvFileChecksTheSeriesItLists()
    {
        QFETCH(bool, dropped);
        QFETCH(QString, sfv);
        test::TempSeries dir;
        WriteMixedSeries(dir);
        dir.write("none.sfv", "y.rar 00000000\r\n");
        test::ModalDriver report([](QDialog&) {});
        Open({}, dropped ? QString() : dir.path(sfv));
        if (dropped)
            QVERIFY(DragAndDrop(window.get(), {dir.path(sfv)}));
        if (sfv == "none.sfv") {
            QCOMPARE(prompts.messageTexts(),
                     QStringList{"none.sfv Lists No Start File Beside It!\nLooked in " + dir.folder()});
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(report.opened, 20000);
        QCOMPARE(Rows(), QStringList({"x.rar 0,009 CBF43926 1", "x.r00 0,009 CBF43926 1", "x.r01 0,003 352441C2 3",
                                      "x.r02 ? ? 2", "x.r03 0,009 CBF43926 3"}));
        QCOMPARE(prompts.messages.size(), 0);
        QCOMPARE(Find<QListWidget>("FileList")->currentItem()->text(), QString("x.rar"));
    }

    // The member list's menu offers the values of a CRC report as an SFV file, and after no other run.
    void aCrcReportSavesItsValuesAsAnSfvFile()
    {
        test::TempSeries dir;
        WriteMixedSeries(dir);
        Open(dir.folder());
        auto* grid = Find<QTreeWidget>("ErrorGrid");
        const auto menu = [grid] {
            emit grid->customContextMenuRequested({1, 1});
            return grid->findChild<QMenu*>("MemberListMenu");
        };
        const auto check = [this] {
            test::ModalDriver report([](QDialog&) {});
            return RunsToItsEnd([this] { QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton); });
        };
        QVERIFY(check());  // sizes only: No to both questions
        QVERIFY(!menu());
        prompts.queueAnswer(Answer::No);
        prompts.queueAnswer(Answer::Yes);
        QVERIFY(check());
        QMenu* offered = menu();
        QVERIFY(offered);
        QCOMPARE(offered->actions().size(), 1);
        QCOMPARE(offered->actions().first()->text(), QString("Save CRC-32 Values As SFV File..."));
        prompts.queueFile(dir.path("made.sfv"));
        offered->actions().first()->trigger();
        QCOMPARE(prompts.messageTexts().last(), "File Saved As " + dir.path("made.sfv"));
        QCOMPARE(prompts.dialogs.last().title, QString("Save CRC-32 Values As SFV File..."));
        QFile made(dir.path("made.sfv"));
        QVERIFY(made.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(made.readAll()).section('\n', 1),
                 "x.rar CBF43926\nx.r00 CBF43926\nx.r01 352441C2\nx.r03 CBF43926\n");
    }

    // A RAR set is offered the archive's own checksums after No to the SFV question; Yes checks it so,
    // and a row explains the reason the check found.
    void archiveCheckIsOfferedForARarSet()
    {
        test::TempSeries dir;
        const QStringList volumes = test::WriteRar4Set({dir.folder(), "m", 3, 2000, false});
        QVERIFY(QFile::resize(volumes[1], 1000));
        prompts.queueAnswer(Answer::No);
        prompts.queueAnswer(Answer::Yes);
        Open(dir.folder());
        test::ModalDriver report([](QDialog&) {});
        QVERIFY(RunsToItsEnd([&] { DoubleClick(Find<QListWidget>("FileList"), 0); }));
        QCOMPARE(prompts.messages.size(), 2);
        QCOMPARE(prompts.messages[1].text,
                 "Would You Like To Check Each Volume Against The Checksums Stored In The Archive Itself?");
        QCOMPARE(prompts.messages[1].defaultAnswer, Answer::Yes);
        const QStringList rows = Rows();
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[1].startsWith("m.r00 1,000 ") && rows[1].endsWith(" 4"), qPrintable(rows[1]));
        DoubleClick(Find<QTreeWidget>("ErrorGrid"), 1);
        QCOMPARE(prompts.messageTexts().last(), "Status For: m.r00\r\n\r\nFile Has A Bad Size.\r\nThe volume is cut short: "
                                                "a header or its data runs past the end of the file");
    }

    // What a stopped run keeps is the check run's test; here the run goes on beside a live window. The
    // click has returned before the first rows show, a timer fires while a large volume is read, and the
    // Stop it clicks ends the run there: "Checking Cancelled", the rows so far, no report.
    void stopEndsARunMidwayWithTheRowsSoFar()
    {
        test::TempSeries dir;
        bool clickReturned = false;
        QStringList duringRun;
        OpenALongSeries(dir, [&] {
            auto* stop = Find<QPushButton>("StopButton");
            const qsizetype before = prompts.messages.size();
            duringRun << QString::number(clickReturned) << QString::number(stop->isVisible())
                      << QString::number(Find("CheckSeq")->isEnabled());
            // While the run goes on: rows explain themselves only after it, the demonstration series is not
            // written into the folder it walks, and a second click starts nothing.
            DoubleClick(Find<QTreeWidget>("ErrorGrid"), 0);
            QTest::keyClick(window.get(), Qt::Key_F10, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
            QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);
            DoubleClick(Find<QListWidget>("FileList"), 0);
            duringRun << QString::number(prompts.messages.size() - before);
            QTimer::singleShot(20, stop, [stop] { QTest::mouseClick(stop, Qt::LeftButton); });
        });
        test::ModalDriver report([](QDialog&) {});
        QVERIFY(RunsToItsEnd([&] {
            QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);
            clickReturned = true;
        }));
        QCOMPARE(duringRun, QStringList({"1", "1", "0", "0"}));  // returned, Stop shown, Check disabled, no popup
        QCOMPARE(Rows(), QStringList({"long.rar 4,096 " + test::TempSeries::crcTextFor("long.rar", 4096) + " 1",
                                      "long.r00 4,096 " + test::TempSeries::crcTextFor("long.r00", 4096) + " 1",
                                      "long.r01 4,096 " + test::TempSeries::crcTextFor("long.r01", 4096) + " 1"}));
        QCOMPARE(Status(), QString("Checking Cancelled"));
        QVERIFY(!report.opened);
        QVERIFY(Find("CheckSeq")->isEnabled());
        QVERIFY(!Find("StopButton")->isVisible());
        // The rows of the stopped run explain themselves now.
        DoubleClick(Find<QTreeWidget>("ErrorGrid"), 0);
        QCOMPARE(prompts.messages.size(), 3);
    }

    // Exit during a run stops it and waits for its thread; its report never brings the window back. A window
    // destroyed during a run (no close) waits for the thread too, before anything the run shows into is gone.
    void exitOrDestroyDuringARunEndsIt()
    {
        test::TempSeries closed, destroyed;
        OpenALongSeries(closed, [this] {
            QTimer::singleShot(0, this, [this] { QTest::mouseClick(Find<QPushButton>("Exit_Button"), Qt::LeftButton); });
        });
        test::ModalDriver report([](QDialog&) {});
        QVERIFY(RunsToItsEnd([this] { QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton); }));
        QVERIFY(!window->isVisible());
        QVERIFY(!report.opened);
        QCOMPARE(Status(), QString("Checking Cancelled"));
        QCOMPARE(ReadLastDir(), closed.folder());

        OpenALongSeries(destroyed, [this] { QTimer::singleShot(0, this, [this] { window.reset(); }); });
        QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);
        QTRY_VERIFY(!window);
        QTest::qWait(20);  // what the run had queued for the window went with it
    }

    // Cancelling the SFV dialog ends the check silently; a file that cannot be read says why.
    void sfvFileNotChosenOrUnreadableEndsTheCheckEarly()
    {
        test::TempSeries dir;
        WriteMixedSeries(dir);
        Open(dir.folder());
        prompts.queueAnswer(Answer::Yes);
        prompts.queueFile(std::nullopt);
        prompts.queueAnswer(Answer::Yes);
        prompts.queueFile(dir.folder());
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(Find<QPushButton>("CheckSeq"), Qt::LeftButton);
        QCOMPARE(prompts.messages.size(), 3);  // two questions, one error
        QCOMPARE(prompts.messages.last().text,
                 "Error While Opening SFV File!\nCannot read " + dir.folder() + ": not a regular file");
        QCOMPARE(prompts.messages.last().icon, MessageIcon::Critical);
        QCOMPARE(prompts.dialogs.first().initialFolder, dir.folder() + "/");
        QCOMPARE(Rows(), QStringList());
        QVERIFY(Find("CheckSeq")->isEnabled());
    }

    void showSequenceListsTheFoundMembersOfTheSelectedFolderOnly()
    {
        test::TempSeries dir, empty;
        WriteMixedSeries(dir);
        Open(dir.folder());
        QStringList shown;
        test::ModalDriver driver([&](QDialog& sequence) { shown = Texts(sequence.findChild<QListWidget*>("SeqList")); });
        Select(empty.folder());  // the series found before must not linger
        QTest::mouseClick(Find<QPushButton>("ShowSequence"), Qt::LeftButton);
        QCOMPARE(prompts.messageTexts(), QStringList({"Select an Archive File First!"}));

        Select(dir.folder());
        QTest::mouseClick(Find<QPushButton>("ShowSequence"), Qt::LeftButton);
        QCOMPARE(shown, QStringList({"x.rar", "x.r00", "x.r01", "x.r03"}));
    }

    // Each control's move is checked by the layout tests in twips; here the window must apply them.
    void resizingMovesEachControlByItsCode()
    {
        Open();
        const QSize first = window->size();
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
        QHash<const QWidget*, QRect> placed;
        for (const auto* control : window->findChildren<QWidget*>())
            placed.insert(control, control->geometry());
        // Without a window manager to hold it, the window sets itself back to its minimum size, controls
        // where they were.
        window->windowHandle()->resize(300, 200);
        QTest::qWait(50);  // the window system's resize arrives
        QTRY_COMPARE(window->size(), first);
        for (auto [control, geometry] : placed.asKeyValueRange())
            QCOMPARE(control->geometry(), geometry);
    }

    void ctrlAltF10WritesTheDemoSeriesIntoTheShownFolder()
    {
        test::TempSeries dir;
        Open(dir.folder());
        using Keys = std::initializer_list<Qt::KeyboardModifiers>;
        for (const auto modifiers :
             Keys{Qt::ControlModifier, Qt::AltModifier, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier})
            QTest::keyClick(window.get(), Qt::Key_F10, modifiers);
        QCOMPARE(prompts.messageTexts(), QStringList({"Generate A Test?"}));  // Shift is ignored; the answer is No
        prompts.queueAnswer(Answer::Yes);
        QTest::keyClick(Find<QListWidget>("FileList"), Qt::Key_F10, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(QStringList({prompts.messageTexts().last(), Status()}),
                 QStringList({"Test generation Complete", "Creating " + dir.folder() + "/quiltest.u53"}));
    }

    void helpAndBannerAreWired()
    {
        Open();
        QTest::mouseClick(Find<QPushButton>("HelpButton"), Qt::LeftButton);
        QTest::keyClick(Find<QListWidget>("FileList"), Qt::Key_F1);
        QCOMPARE(prompts.helpShown, 2);
        QTest::mouseDClick(Find("Banner"), Qt::LeftButton);
        QTest::mouseDClick(Find("Stretcher"), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(prompts.webPages, QStringList({ProductWebPage(), ProductWebPage()}));
    }

    // The scripted prompts stand in for the real ones, which must find the help the build places beside the
    // program. The help belongs to the main window: Esc closes it, and it keeps no program running without
    // the main window.
    void theRealHelpIsFoundAndGoesWithTheMainWindow()
    {
        Open();
        const QString builtFolder = QStringLiteral(QUILLANE_BUILT_APP_FOLDER);
        QTemporaryDir empty;
        WidgetPrompts real({empty.path(), builtFolder});  // the first folder has no help: the next is looked in
        real.SetHelpOwner(window.get());
        real.showHelp();
        auto* viewer = window->findChild<HelpViewer*>();
        QVERIFY(viewer);
        QVERIFY(viewer->isWindow());
        QCOMPARE(viewer->source(), QUrl::fromLocalFile(builtFolder + "/quil.html"));
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(viewer, Qt::Key_Escape);
        QVERIFY(!viewer->isVisible());

        real.showHelp();
        QVERIFY(viewer->isVisible());
        // Closed as the program runs: the program ends, rather than running on until given up on.
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        giveUp.start(5000);
        QTimer::singleShot(0, window.get(), [this] { window->close(); });
        QCOMPARE(QApplication::exec(), 0);
        window.reset();
        for (const QWidget* shown : QApplication::topLevelWidgets())
            QVERIFY2(!shown->isVisible(), qPrintable(shown->objectName()));
    }
};

QTEST_MAIN(CheckSequenceTest)
#include "test_check_sequence.moc"
