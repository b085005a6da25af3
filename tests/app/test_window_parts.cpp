// test_window_parts.cpp - the pieces the windows are made of: pictures, help, dialogs, the remembered folder.
#include "app/HelpViewer.h"
#include "app/LastDirSetting.h"
#include "app/Pictures.h"
#include "app/WidgetPrompts.h"
#include "report/Product.h"
#include "tests/app/ModalDriver.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace quil;

class WindowPartsTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder;

private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path()); }

    // That the four differ is seen in the main window's rows; here each is of its size and colour.
    void statusIconsAreSmallAndOfTheirColour()
    {
        for (int index = 1; index <= 4; ++index) {
            const QImage icon = StatusIcon(index).toImage();
            QCOMPARE(icon.size(), QSize(16, 16));
            QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
            // The tick is blue; the cross, the C and the S are red: most opaque pixels lean that way.
            int opaque = 0, leaning = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const QColor c = icon.pixelColor(x, y);
                    const int strongest = std::max({c.red(), c.green(), c.blue()});
                    opaque += c.alpha() >= 200;
                    leaning += c.alpha() >= 200 && strongest > 100 && (index == 1 ? c.blue() : c.red()) == strongest;
                }
            QVERIFY2(leaning * 2 > opaque, qPrintable(QString::number(index)));
        }
        QVERIFY(StatusIcon(0).isNull() && StatusIcon(5).isNull());
    }

    void theLastFolderIsStoredUnderSettings()
    {
        QTemporaryDir folder;
        WriteLastDir(folder.path());
        QCOMPARE(ReadLastDir(), folder.path());
        QCOMPARE(QSettings("Quillane", "Quillane").value("Settings/LastDir").toString(), folder.path());
        QCOMPARE(StartFolder(folder.path()), folder.path());
        QCOMPARE(StartFolder(folder.path() + "/gone"), QString("/"));
        QCOMPARE(StartFolder(""), QString("/"));
    }

    void theFileDialogTakesTheRequestedSettings()
    {
        QCOMPARE(NameFilters({{"SFV Files (*.sfv)", "*.sfv"}, {"Archives", "*.rar;*.001"}}),
                 QStringList({"SFV Files (*.sfv)", "Archives (*.rar *.001)"}));
        QTemporaryDir folder;
        FileDialogRequest request;
        request.save = true;
        request.title = "Specify The Filename To Save To...";
        request.initialFolder = folder.path();
        request.filters = {{"TXT Files (*.txt)", "*.txt"}};
        request.defaultExtension = "txt";
        request.overwritePrompt = true;
        QStringList shown;
        test::ModalDriver driver([&](QDialog& dialog) {
            auto& files = static_cast<QFileDialog&>(dialog);
            shown << files.windowTitle() << files.defaultSuffix();
            QVERIFY(!files.testOption(QFileDialog::DontConfirmOverwrite));
            QTest::keyClicks(files.findChild<QLineEdit*>("fileNameEdit"), "report");
            dialog.accept();
        });
        const std::optional<FileDialogChoice> choice = WidgetPrompts{QStringList()}.fileDialog(request);
        QCOMPARE(shown, QStringList({request.title, "txt"}));
        QVERIFY(choice);
        QCOMPARE(choice->filePath, folder.path() + "/report.txt");
        QCOMPARE(choice->filterIndex, 1);
    }

    void theHelpDocumentIsFoundBesideTheProgramOrItsAbsenceExplained()
    {
        const QString built = FindHelpDocument({QStringLiteral(QUILLANE_BUILT_APP_FOLDER)});
        QCOMPARE(built, QStringLiteral(QUILLANE_BUILT_APP_FOLDER "/quil.html"));
        QTemporaryDir empty;
        QCOMPARE(FindHelpDocument({empty.path(), QStringLiteral(QUILLANE_BUILT_APP_FOLDER)}), built);
        QCOMPARE(FindHelpDocument({empty.path()}), QString());

        HelpViewer viewer;
        viewer.showDocument(built);
        QCOMPARE(viewer.documentTitle(), QString("Quillane Help"));
        for (const char* topic : {"Check Sequence", "SFV", "Bad Size", "Missing", "Save To File", "Ctrl+Alt+F10", "F1"})
            QVERIFY2(viewer.toPlainText().contains(topic), topic);

        QString text;
        test::ModalDriver driver([&](QDialog& box) { text = static_cast<QMessageBox&>(box).text(); });
        WidgetPrompts({empty.path()}).showHelp();
        QVERIFY(text.contains("quil.html") && text.contains(empty.path()));
    }

    void messageBoxesShowTheirIconAndButtons()
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        test::ModalDriver driver([&](QDialog& shown) {
            auto& box = static_cast<QMessageBox&>(shown);
            icon = box.icon();
            QCOMPARE(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::Yes));
            box.button(QMessageBox::No)->click();
        });
        QCOMPARE(WidgetPrompts{QStringList()}.message(ProductName(), "Generate A Test?", MessageIcon::Question,
                                                      MessageButtons::YesNo, Answer::Yes),
                 Answer::No);
        QCOMPARE(icon, QMessageBox::Question);
    }
};

QTEST_MAIN(WindowPartsTest)
#include "test_window_parts.moc"
