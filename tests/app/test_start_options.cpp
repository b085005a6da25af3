// test_start_options.cpp - quillane's command line as a user types it, with no display to open a window on.
// SPDX-License-Identifier: MIT
#include <QProcess>
#include <QtTest>

class StartOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void answersOnTheTerminal_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        // The start of standard output; when refused, the problem on the first of standard error's two lines.
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: quillane [START_FILE | FOLDER]\n";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "Usage: quillane [START_FILE | FOLDER]\n";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "quillane (Quillane) 3.1.005\n";
        QTest::newRow("version after a path") << QStringList{".", "--version"} << 0 << "quillane (Quillane) 3.1.005\n";
        QTest::newRow("unknown option") << QStringList{"--fast"} << 2 << "unknown option --fast";
        QTest::newRow("unknown short option") << QStringList{".", "-x"} << 2 << "unknown option -x";
        QTest::newRow("two paths") << QStringList{".", ".."} << 2 << "only one START_FILE or FOLDER may be given";
        QTest::newRow("no such path") << QStringList{"none/x.rar"} << 2 << "none/x.rar: no such file or folder";
        QTest::newRow("a name after --") << QStringList{"--", "--help"} << 2 << "--help: no such file or folder";
    }
    void answersOnTheTerminal()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(display);
        process.setProcessEnvironment(environment);
        process.start(QUILLANE_PATH, arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        const QString output = QString::fromUtf8(process.readAllStandardOutput());
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        if (status == 2) {
            QCOMPARE(output, QString());
            QCOMPARE(errors, "quillane: " + says + "\nTry 'quillane --help'.\n");
            return;
        }
        QVERIFY2(output.startsWith(says), qPrintable(output + errors));
        // The usage names the help document the build placed beside the program.
        if (arguments == QStringList{"--help"})
            QVERIFY(output.endsWith("The help (F1 in the window): " QUILLANE_BUILT_APP_FOLDER "/quil.html\n"));
    }
};

QTEST_GUILESS_MAIN(StartOptionsTest)
#include "test_start_options.moc"
