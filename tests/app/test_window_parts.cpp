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

    // The share of the opaque pixels of `picture` whose colour is mostly `channel`.
    static double ShareOf(const QPixmap& picture, int (QColor::*channel)() const)
    {
        const QImage image = picture.toImage();
        int opaque = 0;
        int matching = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = image.pixelColor(x, y);
                if (colour.alpha() < 200)
                    continue;
                ++opaque;
                const int strongest = std::max({colour.red(), colour.green(), colour.blue()});
                matching += (colour.*channel)() == strongest && strongest > 100 ? 1 : 0;
            }
        }
        return opaque ? double(matching) / opaque : 0;
    }

private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path()); }

    void statusIconsAreSmallAndOfTheirColour()
    {
        for (int index = 1; index <= 4; ++index) {
            const QPixmap icon = StatusIcon(index);
            QCOMPARE(icon.size(), QSize(16, 16));
            QVERIFY(icon.toImage().hasAlphaChannel());
            QCOMPARE(icon.toImage().pixelColor(0, 0).alpha(), 0);
            // The tick is blue; the cross, the C and the S are red.
            QVERIFY(ShareOf(icon, index == 1 ? &QColor::blue : &QColor::red) > 0.5);
        }
        QVERIFY(StatusIcon(0).isNull());
        QVERIFY(StatusIcon(5).isNull());
        QVERIFY(StatusIcon(1).toImage() != StatusIcon(2).toImage());
        QVERIFY(StatusIcon(3).toImage() != StatusIcon(4).toImage());
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

    void fileDialogFiltersNameTheirPatterns()
    {
        QCOMPARE(NameFilters({{"SFV Files (*.sfv)", "*.sfv"}, {"Archives", "*.rar;*.001"}}),
                 QStringList({"SFV Files (*.sfv)", "Archives (*.rar *.001)"}));
    }

    void theFileDialogTakesTheRequestedSettings()
    {
        QTemporaryDir folder;
        FileDialogRequest request;
        request.save = true;
        request.title = "Specify The Filename To Save To...";
        request.initialFolder = folder.path();
        request.filters = {{"TXT Files (*.txt)", "*.txt"}};
        request.defaultExtension = "txt";
        request.overwritePrompt = true;
        WidgetPrompts prompts{QStringList()};
        QString title;
        QString suffix;
        bool confirms = false;
        test::ModalDriver driver([&](QDialog& shown) {
            auto& dialog = static_cast<QFileDialog&>(shown);
            title = dialog.windowTitle();
            suffix = dialog.defaultSuffix();
            confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            QTest::keyClicks(dialog.findChild<QLineEdit*>("fileNameEdit"), "report");
            shown.accept();
        });
        const std::optional<FileDialogChoice> choice = prompts.fileDialog(request);
        QCOMPARE(title, request.title);
        QCOMPARE(suffix, QString("txt"));
        QVERIFY(confirms);
        QVERIFY(choice);
        QCOMPARE(choice->filePath, folder.path() + "/report.txt");
        QCOMPARE(choice->filterIndex, 1);
    }

    void theHelpDocumentIsFoundBesideTheProgram()
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
    }

    void aMissingHelpDocumentIsExplained()
    {
        QTemporaryDir empty;
        WidgetPrompts prompts({empty.path()});
        QString text;
        test::ModalDriver driver([&](QDialog& box) { text = static_cast<QMessageBox&>(box).text(); });
        prompts.showHelp();
        QCOMPARE(text, MissingHelpNotice({empty.path()}));
        QVERIFY(text.contains("quil.html"));
        QVERIFY(text.contains(empty.path()));
    }

    void messageBoxesShowTheirIconAndButtons()
    {
        WidgetPrompts prompts{QStringList()};
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        test::ModalDriver driver([&](QDialog& shown) {
            auto& box = static_cast<QMessageBox&>(shown);
            icon = box.icon();
            QCOMPARE(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::Yes));
            box.button(QMessageBox::No)->click();
        });
        QCOMPARE(prompts.message(ProductName(), "Generate A Test?", MessageIcon::Question, MessageButtons::YesNo,
                                 Answer::Yes),
                 Answer::No);
        QCOMPARE(icon, QMessageBox::Question);
    }
};

QTEST_MAIN(WindowPartsTest)
#include "test_window_parts.moc"
