// test_completions.cpp - what the bash completion of both programs offers, in a folder of every kind of file.
// SPDX-License-Identifier: MIT
#include "tests/support/TempSeries.h"

#include <QProcess>
#include <QtTest>

using quil::test::TempSeries;

namespace {

// What bash offers for `words` (the last one being completed) typed after `program`, sorted.
QStringList Offered(const QString& folder, const QString& program, const QStringList& words)
{
    const QString function = program == "quillane" ? "_quillane" : "_quillane_check";
    const QString script = QStringLiteral(
        "source " QUILLANE_COMPLETIONS "/quillane-check; source " QUILLANE_COMPLETIONS "/quillane;"
        "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); %1;"
        "[[ ${#COMPREPLY[@]} -gt 0 ]] && printf '%s\\n' \"${COMPREPLY[@]}\"").arg(function);
    QProcess bash;
    bash.setWorkingDirectory(folder);
    bash.start("bash", QStringList{"-c", script, "bash", program} + words);
    if (!bash.waitForFinished(10000))
        qFatal("bash did not finish");
    QStringList offered = QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    offered.sort();
    return offered;
}

}  // namespace

class CompletionsTest : public QObject {
    Q_OBJECT
private slots:
    void offersWhatTheWordTakes_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("offered");
        const QStringList startFiles{"B.ZIP", "a.rar", "c.7z.001", "d.arj", "e.ace", "my folder", "sub"};
        QTest::newRow("an option") << "quillane-check" << QStringList{"--e"} << QStringList{"--errors-only"};
        QTest::newRow("options alike") << "quillane-check" << QStringList{"--s"} << QStringList{"--save", "--sfv"};
        QTest::newRow("start files and folders") << "quillane-check" << QStringList{"--crc", ""} << startFiles;
        QTest::newRow("a start file begun") << "quillane-check" << QStringList{"a"} << QStringList{"a.rar"};
        QTest::newRow("SFV files") << "quillane-check" << QStringList{"--sfv", ""}
                                   << QStringList{"X.SFV", "auto", "my folder", "sub", "y.sha256"};
        QTest::newRow("SFV file after =") << "quillane-check" << QStringList{"--sfv", "=", "X"}
                                          << QStringList{"X.SFV"};
        QTest::newRow("SFV file in one word") << "quillane-check" << QStringList{"--sfv=au"} << QStringList{"auto"};
        QTest::newRow("report file") << "quillane-check" << QStringList{"--save", "n"} << QStringList{"notes.txt"};
        QTest::newRow("--all folder") << "quillane-check" << QStringList{"--all", ""} << QStringList{"my folder", "sub"};
        QTest::newRow("--all, then its folder") << "quillane-check" << QStringList{"--all", "-r", ""}
                                                << QStringList{"my folder", "sub"};
        QTest::newRow("--demo-series folder") << "quillane-check" << QStringList{"--demo-series", "s"}
                                              << QStringList{"sub"};
        QTest::newRow("the window's options") << "quillane" << QStringList{"--"} << QStringList{"--help", "--version"};
        QTest::newRow("the window's start and SFV files")
            << "quillane" << QStringList{""}
            << QStringList{"B.ZIP", "X.SFV", "a.rar", "c.7z.001", "d.arj", "e.ace", "my folder", "sub", "y.sha256"};
    }
    void offersWhatTheWordTakes()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, words);
        QFETCH(QStringList, offered);
        TempSeries folder;
        for (const char* sub : {"sub", "my folder"})
            QVERIFY(QDir(folder.folder()).mkpath(sub));
        folder.addAll({"a.rar", "a.r00", "B.ZIP", "b.z01", "c.7z.001", "c.7z.002", "d.arj", "e.ace",
                      "X.SFV", "y.sha256", "notes.txt", "sub/f.rar", "my folder/g.rar"}, 1);
        QCOMPARE(Offered(folder.folder(), program, words), offered);
    }
};

QTEST_GUILESS_MAIN(CompletionsTest)
#include "test_completions.moc"
