// test_quillane_check.cpp - quillane-check as a user runs it: output, report file and exit status.
// SPDX-License-Identifier: MIT
#include "cli/CheckCommand.h"
#include "cli/ConsoleView.h"
#include "cli/ProgressText.h"
#include "os/SystemCalls.h"
#include "series/MemberStatus.h"
#include "series/Refusal.h"
#include "series/SeriesKinds.h"
#include "tests/cli/JsonSchema.h"
#include "tests/support/TempSeries.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quil;
using test::TempSeries;

namespace {

struct Outcome {
    int status = -1;
    QString output;
    QString errors;
};

// The standard output of every --json run of this test, each checked against the schema at the end.
QStringList& JsonOutputs()
{
    static QStringList outputs;
    return outputs;
}

Outcome Recorded(const QStringList& arguments, const Outcome& outcome)
{
    if (arguments.contains("--json") && !outcome.output.isEmpty())
        JsonOutputs().append(outcome.output);
    return outcome;
}

QJsonObject Schema()
{
    QFile file(QUILLANE_JSON_SCHEMA);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the schema");
    return QJsonDocument::fromJson(file.readAll()).object();
}

// The strings of the enum at `path` ("$defs", "row", "properties", "code", ...) in the schema.
QStringList SchemaEnum(const QStringList& path)
{
    QJsonValue at = Schema();
    for (const QString& key : path)
        at = at[key];
    QStringList names;
    for (const QJsonValue& name : at["enum"].toArray())
        names << name.toString();
    return names;
}

// Runs quillane-check in `folder`, behind the `wrapper` command when one is given, its standard
// output going to `outputFile` when one is given.
Outcome Run(const QStringList& arguments, const QString& folder, const QStringList& wrapper = {},
            const QString& outputFile = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    if (wrapper.isEmpty())
        process.start(QUILLANE_CHECK_PATH, arguments);
    else
        process.start(wrapper.first(), wrapper.mid(1) + QStringList{QUILLANE_CHECK_PATH} + arguments);
    if (!process.waitForFinished(60000))
        qFatal("quillane-check did not finish");
    return Recorded(arguments, {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                                QString::fromUtf8(process.readAllStandardError())});
}

// Runs quillane-check's command in this process, as on a terminal when `showProgress`; standard
// output and standard error go to one transcript, in the order they were written.
Outcome RunHere(const QStringList& arguments, bool showProgress = false)
{
    QBuffer terminal;
    terminal.open(QIODevice::WriteOnly);
    QTextStream output(&terminal);
    QTextStream errors(&terminal);
    const int status = cli::RunCheckCommand(arguments, output, errors, showProgress);
    output.flush();
    errors.flush();
    return Recorded(arguments, {status, QString::fromUtf8(terminal.data()), {}});
}

// Every open of a file named `name` is refused, as for a volume its owner keeps to himself: the
// tests run as root, who reads a file whatever its mode says.
struct NoAccessTo : crc::SystemCalls {
    explicit NoAccessTo(const QByteArray& name) : name_('/' + name) {}
    int open(const char* path, int flags, mode_t mode) override
    {
        if (QByteArray(path).endsWith(name_)) {
            errno = EACCES;
            return -1;
        }
        return SystemCalls::open(path, flags, mode);
    }

private:
    QByteArray name_;
};

// Everything from the report on, after the rows and their blank line.
QString ReportPart(const QString& output)
{
    return output.mid(output.indexOf("\n\n") + 2);
}

// The SFV line for the file `add` wrote as `name`, the name written as `written` (or as it is).
QString SfvLine(const QString& name, qint64 size, const QString& written = {})
{
    return (written.isEmpty() ? name : written) + ' ' + TempSeries::crcTextFor(name, size) + "\r\n";
}

// A JSON row as "status|name|size|crc|expectedCrc", null as "null", an absent field as "-".
QString RowText(const QJsonValue& row)
{
    QStringList fields;
    for (const char* key : {"status", "name", "size", "crc", "expectedCrc"}) {
        const QJsonValue value = row.toObject().value(key);
        fields << (value.isUndefined() ? "-" : value.isNull() ? "null" : value.toVariant().toString());
    }
    return fields.join('|');
}

}  // namespace

class QuillaneCheckTest : public QObject {
    Q_OBJECT
private slots:
    // Every JSON document this test's runs printed fits the schema written down for scripts.
    void cleanupTestCase()
    {
        QVERIFY(JsonOutputs().size() >= 10);
        const QJsonObject schema = Schema();
        for (const QString& output : JsonOutputs()) {
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(output.toUtf8(), &error);
            QCOMPARE(error.error, QJsonParseError::NoError);
            const QJsonValue value = document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
            const QStringList breaks = test::SchemaBreaks(value, schema, schema);
            QVERIFY2(breaks.isEmpty(), qPrintable(breaks.join('\n') + '\n' + output));
        }
    }

    // The schema's lists of names are the program's own, and a document that breaks it is caught.
    void schemaNamesAreTheProgramsOwn()
    {
        QStringList kinds;
        for (const SeriesKindRow& row : SeriesKinds())
            kinds << QString(row.jsonName);
        QCOMPARE(SchemaEnum({"$defs", "series", "properties", "kind"}), kinds);
        QStringList codes;
        for (const RefusalCode code : {RefusalCode::NoStartFile, RefusalCode::SingleVolume, RefusalCode::SfvUnreadable,
                                       RefusalCode::SfvNotFound, RefusalCode::SfvAmbiguous})
            codes << RefusalCodeName(code);
        QCOMPARE(SchemaEnum({"$defs", "document", "properties", "code"}), codes);
        QStringList statuses;
        QStringList statusCodes;
        for (const MemberStatus status :
             {MemberStatus::OK, MemberStatus::Missing, MemberStatus::BadCrc, MemberStatus::BadSize}) {
            statuses << StatusWord(status);
            statusCodes << StatusCode(status);
        }
        QCOMPARE(SchemaEnum({"$defs", "row", "properties", "status"}), statuses);
        QCOMPARE(SchemaEnum({"$defs", "row", "properties", "code"}), statusCodes);
    }
    void schemaCatchesBrokenDocuments_data()
    {
        // A key of the checked document, or of its first row ("rows" for that row's code); a
        // refusal comes with a code.
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");  // undefined: the key taken out
        QTest::addColumn<QString>("breaks");
        QTest::newRow("no version") << "version" << QJsonValue(QJsonValue::Undefined) << "$: lacks version";
        QTest::newRow("another version") << "version" << QJsonValue(2) << "$.version: not the constant";
        QTest::newRow("a refusal beside rows") << "refusal" << QJsonValue("x") << "$: fits not exactly one of oneOf";
        QTest::newRow("a refusal code unknown") << "code" << QJsonValue("nope") << "$.code: nope is none of the enum";
        QTest::newRow("an unknown key") << "extra" << QJsonValue(1) << "$: has extra";
        QTest::newRow("a row code unknown") << "rows" << QJsonValue("fine")
                                            << "$.rows[0].code: fine is none of the enum";
        QTest::newRow("a size as text") << "size" << QJsonValue("5") << "$.rows[0].size: not of type";
    }
    void schemaCatchesBrokenDocuments()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(QString, breaks);
        TempSeries series;
        series.add("x.rar", 5);
        series.add("x.r00", 5);
        QJsonObject document =
            QJsonDocument::fromJson(Run({"--json", "x.rar"}, series.folder()).output.toUtf8()).object();
        const QJsonObject schema = Schema();
        const QJsonObject documentSchema = schema["$defs"]["document"].toObject();
        QCOMPARE(test::SchemaBreaks(document, documentSchema, schema), QStringList());
        if (key == "refusal")
            document.insert("code", "no_start_file");
        if (key == "rows" || key == "size") {
            QJsonArray rows = document["rows"].toArray();
            QJsonObject row = rows[0].toObject();
            row.insert(key == "rows" ? "code" : key, value);
            rows[0] = row;
            document.insert("rows", rows);
        } else if (value.isUndefined()) {
            document.remove(key);
        } else {
            document.insert(key, value);
        }
        const QStringList found = test::SchemaBreaks(document, documentSchema, schema);
        QVERIFY2(!found.isEmpty() && found.first().startsWith(breaks), qPrintable(found.join('\n')));
    }

    void sizeOnlyPrintsRowsThenTheReport()
    {
        TempSeries series;
        for (const char* name : {"test.rar", "test.r00", "test.r02"})
            series.add(name, 1000);
        const Outcome run = Run({"test.rar"}, series.folder());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.errors, QString());  // not a terminal: no progress
        QCOMPARE(run.output.split('\n').mid(0, 6),
                 QStringList({"OK\ttest.rar\t1,000\tSkipped", "OK\ttest.r00\t1,000\tSkipped", "Missing\ttest.r01\t?\t?",
                              "OK\ttest.r02\t1,000\tSkipped", "", "For The Archive Sequence Starting With test.rar..."}));
        QVERIFY(!run.output.contains('\r'));
        const Outcome errorsOnly = Run({"--errors-only", "test.rar"}, series.folder());
        QCOMPARE(errorsOnly.status, 1);
        QCOMPARE(errorsOnly.output, "Missing\ttest.r01\t?\t?\n\n" + ReportPart(run.output));
    }

    void crcReportShowsEachCrcAndComparesSizes()
    {
        TempSeries series;
        series.add("m.ace", 50);
        series.add("m.c00", 40);
        const Outcome run = Run({"--crc", "m.ace"}, series.folder());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.output.split('\n').mid(0, 2),
                 QStringList({"OK\tm.ace\t0,050\t" + TempSeries::crcTextFor("m.ace", 50),
                              "Bad Size\tm.c00\t0,040\t" + TempSeries::crcTextFor("m.c00", 40)}));
        QVERIFY(run.output.contains("\nm.c00 Has A Different Byte Size Than m.ace\n"));
    }

    void cleanSfvCheckExitsZeroAndSavesTheReport()
    {
        TempSeries series;
        QByteArray sfv;
        for (const char* name : {"a.001", "a.002", "a.003"}) {
            series.add(name, 300);
            sfv += QByteArray(name) + ' ' + TempSeries::crcTextFor(name, 300).toLatin1() + "\r\n";
        }
        series.write("a.sfv", sfv);
        const Outcome run = Run({"--sfv", "a.sfv", "--save", "report.txt", "a.001"}, series.folder());
        QCOMPARE(run.status, 0);
        QVERIFY(run.output.startsWith("OK\ta.001\t0,300\t" + TempSeries::crcTextFor("a.001", 300) + "\n"));
        QFile saved(series.path("report.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QVERIFY(bytes.startsWith("For The Archive Sequence Starting With a.001...\r\n"));  // CR LF in the file
        QCOMPARE(QString::fromUtf8(bytes).replace("\r\n", "\n"), run.output.mid(run.output.indexOf("\n\n") + 2));
    }

    // The demonstration series, written where no key can reach the window, shows its faults when checked.
    void demoSeriesIsWrittenAndChecksWithItsFaults()
    {
        TempSeries dir;
        const Outcome written = Run({"--demo-series", dir.folder()}, dir.folder());
        QCOMPARE(QStringList({QString::number(written.status), written.output, written.errors}),
                 QStringList({"0", "Test generation Complete\n", ""}));
        const Outcome checked = Run({"quiltest.rar"}, dir.folder());
        QCOMPARE(checked.status, 1);
        QVERIFY(checked.output.contains("Missing\tquiltest.r10\t?\t?\n"));
        QVERIFY(checked.output.contains("Bad Size\tquiltest.u54\t1,702\tSkipped\n"));
        QVERIFY(checked.output.contains("Total Errors/Differences Found: 9\n"));  // four missing, five short
    }

    void refusalsHelpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");  // on standard error when refused, else on standard output
        QTest::newRow("one member") << QStringList{"lone.arj"} << 2 << "List Contains Only 1 File!\n";
        QTest::newRow("report not writable") << QStringList{"--save", "/proc/none/r.txt", "x.rar"} << 2
                                             << "Error While Saving Report File!\nCannot write /proc/none/r.txt: ";
        QTest::newRow("sfv file absent") << QStringList{"--sfv", "none.sfv", "x.rar"} << 2
                                         << "Error While Opening SFV File!\nCannot read ";
        QTest::newRow("demo series not written") << QStringList{"--demo-series", "/proc/none"} << 2
                                                 << "Error While Creating Test Series!\n\n/proc/none/quiltest.r00: ";
        QTest::newRow("--all folder absent") << QStringList{"--all", "none"} << 2
                                             << "Cannot read none: no such folder\n";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: quillane-check [--sfv SFV_FILE | --crc]";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "quillane-check (Quillane) ";
    }
    void refusalsHelpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        TempSeries series;
        for (const char* name : {"x.rar", "x.r00", "lone.arj", "y.zip"})
            series.add(name, 5);
        const Outcome run = Run(arguments, series.folder());
        QCOMPARE(run.status, status);
        QVERIFY2((status == 2 ? run.errors : run.output).contains(says), qPrintable(run.output + run.errors));
    }

    // A path that opens no series gets the product's message, then what the path is and why it
    // starts nothing, with the status of every refusal.
    void refusedStartFilesSayWhy_data()
    {
        QTest::addColumn<QString>("startFile");
        QTest::addColumn<QString>("why");
        QTest::newRow("absent") << "nonexist.rar" << "no such file";
        QTest::newRow("a folder") << "d.rar" << "is a folder";
        QTest::newRow("an SFV file") << "x.SFV" << "is an SFV file, not a start file";
        QTest::newRow("a later volume") << "x.r00" << "is not a start file of any series kind";
        QTest::newRow("zip without .z01") << "y.zip" << "is not a start file of any series kind";
        QTest::newRow("not an archive") << "notes.txt" << "is not a start file of any series kind";
    }
    void refusedStartFilesSayWhy()
    {
        QFETCH(QString, startFile);
        QFETCH(QString, why);
        TempSeries series;
        for (const char* name : {"x.rar", "x.r00", "x.SFV", "y.zip", "notes.txt"})
            series.add(name, 5);
        QVERIFY(QDir(series.folder()).mkdir("d.rar"));
        const Outcome run = Run({startFile}, series.folder());
        QCOMPARE(QStringList({QString::number(run.status), run.output, run.errors}),
                 QStringList({"2", "",
                              "Select an Archive File First!\nquillane-check: " + startFile + ": " + why + "\n"}));
    }

    // A refused command line gets the problem and a pointer to --help, never the whole usage.
    void usageErrorsAreTwoLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        QTest::newRow("both modes") << QStringList{"--sfv", "a.sfv", "--crc", "x.rar"}
                                    << "--sfv and --crc cannot be used together";
        QTest::newRow("unknown option") << QStringList{"x.rar", "--fast"} << "unknown option --fast";
        QTest::newRow("unknown short option") << QStringList{"-rx", "--all", "."} << "unknown option -x";
        QTest::newRow("no start file") << QStringList{"--crc"} << "no START_FILE given";
        QTest::newRow("two start files") << QStringList{"x.rar", "x.r00"} << "only one START_FILE may be given";
        QTest::newRow("value missing") << QStringList{"x.rar", "--save"} << "option --save needs a file name";
        QTest::newRow("value empty") << QStringList{"--sfv=", "x.rar"} << "option --sfv needs a file name";
        QTest::newRow("demo series folder missing") << QStringList{"--demo-series"}
                                                    << "option --demo-series needs a folder name";
        QTest::newRow("value on a flag") << QStringList{"--crc=yes", "x.rar"} << "Unexpected value after '--crc'.";
        QTest::newRow("demo series and a start file") << QStringList{"--demo-series", ".", "x.rar"}
                                                      << "--demo-series takes no other option and no START_FILE";
        QTest::newRow("demo series and --json") << QStringList{"--json", "--demo-series", "."}
                                                << "--demo-series takes no other option and no START_FILE";
        QTest::newRow("-r alone") << QStringList{"-r", "x.rar"} << "-r goes with --all";
        QTest::newRow("--all without a folder") << QStringList{"-r", "--all"} << "option --all needs a folder name";
        QTest::newRow("--all= without a folder") << QStringList{"--all="} << "option --all needs a folder name";
        QTest::newRow("--all and a start file") << QStringList{"--all", ".", "x.rar"}
                                                << "START_FILE cannot be given with --all";
        QTest::newRow("--all and --save") << QStringList{"--all", ".", "--save", "r.txt"}
                                          << "--save cannot be used with --all";
    }
    void usageErrorsAreTwoLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        TempSeries series;
        series.add("x.rar", 5);
        series.add("x.r00", 5);
        const Outcome run = Run(arguments, series.folder());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.output, QString());
        QCOMPARE(run.errors, "quillane-check: " + problem + "\nTry 'quillane-check --help'.\n");
    }

    // Options, START_FILE and FOLDER in any order, and each value in either form, ask for one check.
    void optionsInAnyOrder_data()
    {
        QTest::addColumn<QList<QStringList>>("orders");
        QTest::addColumn<int>("status");
        QTest::newRow("--all and -r") << QList<QStringList>{{"--all", "-r", "."}, {"--all", ".", "-r"},
                                                           {"-r", "--all", "."}, {"--recursive", "--all=."}}
                                      << 0;
        QTest::newRow("--sfv FILE") << QList<QStringList>{{"--sfv", "x.sfv", "x.rar"}, {"x.rar", "--sfv=x.sfv"}}
                                    << 0;
        // auto finds x.sfv; the file named auto lists wrong values.
        QTest::newRow("--sfv auto") << QList<QStringList>{{"--sfv", "auto", "x.rar"}, {"x.rar", "--sfv=auto"}} << 0;
        QTest::newRow("the file auto") << QList<QStringList>{{"--sfv", "./auto", "x.rar"}, {"x.rar", "--sfv=./auto"}}
                                       << 1;
        QTest::newRow("flags") << QList<QStringList>{{"--json", "--errors-only", "--crc", "x.rar"},
                                                     {"x.rar", "--crc", "--errors-only", "--json"}}
                               << 0;
        QTest::newRow("a start file named like an option")
            << QList<QStringList>{{"--crc", "--", "-x.rar"}, {"--crc", "./-x.rar"}} << 0;
    }
    void optionsInAnyOrder()
    {
        QFETCH(QList<QStringList>, orders);
        QFETCH(int, status);
        TempSeries tree;
        QVERIFY(QDir(tree.folder()).mkpath("sub"));
        for (const char* name : {"x.rar", "x.r00", "-x.rar", "-x.r00", "sub/c.part1.rar", "sub/c.part2.rar"})
            tree.add(name, 5);
        tree.write("x.sfv", (SfvLine("x.rar", 5) + SfvLine("x.r00", 5)).toUtf8());
        tree.write("auto", "x.rar 00000000\r\nx.r00 00000000\r\n");
        const Outcome first = Run(orders.front(), tree.folder());
        QCOMPARE(first.status, status);
        QVERIFY2(!first.output.isEmpty(), qPrintable(first.errors));
        for (const QStringList& arguments : orders.mid(1)) {
            const Outcome run = Run(arguments, tree.folder());
            QCOMPARE(QStringList({QString::number(run.status), run.output, run.errors}),
                     QStringList({QString::number(first.status), first.output, first.errors}));
        }
    }

    // A volume that is there but cannot be read says why: in its JSON row, or on standard error
    // right after its row line.
    void unreadableVolumeGivesItsReason_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("folder");  // x.r00 is a folder; else a file nobody may open
        QTest::addColumn<QString>("reason");
        for (const bool json : {false, true}) {
            const QStringList format = json ? QStringList{"--json"} : QStringList{};
            const QString name = json ? "json, " : "row lines, ";
            QTest::newRow(qPrintable(name + "no access")) << format + QStringList{"--crc"} << false
                                                          << "Permission denied";
            QTest::newRow(qPrintable(name + "a folder")) << format << true << "not a regular file";
        }
    }
    void unreadableVolumeGivesItsReason()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, folder);
        QFETCH(QString, reason);
        TempSeries series;
        for (const char* name : {"x.rar", "x.r01"})
            series.add(name, 5);
        if (folder)
            QVERIFY(QDir(series.folder()).mkdir("x.r00"));
        else
            series.add("x.r00", 5);
        NoAccessTo noAccess("x.r00");
        const crc::SystemCallsOverride installed(noAccess);
        const QString because = "Cannot read " + series.path("x.r00") + ": " + reason;
        const Outcome run = RunHere(arguments + QStringList{series.path("x.rar")});
        QCOMPARE(run.status, 1);
        if (!arguments.contains("--json")) {
            QVERIFY2(run.output.contains("\tx.r00\t?\t?\n" + because + "\nOK\tx.r01\t"), qPrintable(run.output));
            return;
        }
        const QJsonArray rows = QJsonDocument::fromJson(run.output.toUtf8())["rows"].toArray();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(1)["reason"].toString(), because);
        QCOMPARE(rows.at(0)["reason"], QJsonValue(QJsonValue::Undefined));
    }

    // On a terminal the progress line stands on standard error while a volume is read, counts the
    // series' bytes from the start, and is taken off before each row, so that no row line starts
    // behind it.
    void progressLineIsClearedBeforeEachRow()
    {
        TempSeries series;
        for (const char* name : {"x.rar", "x.r00"})
            series.add(name, 5);
        const Outcome run = RunHere({"--crc", series.path("x.rar")}, true);
        QCOMPARE(run.status, 0);
        const QString clear = "\r\x1b[K";
        const QString rows = run.output.left(run.output.indexOf("\n\n") + 2);
        const QRegularExpression progress("\\r\\x1b\\[KChecking x\\.r(ar|00)\\.\\.\\. \\d+ bytes of 10 bytes, \\d+%"
                                          "(, [^,]+/s, \\d+:\\d\\d left)?\\r\\x1b\\[K");
        QVERIFY2(rows.startsWith(clear + "Checking x.rar... 0 bytes of 10 bytes, 0%" + clear), qPrintable(rows));
        const QString row0 = "OK\tx.rar\t0,005\t" + TempSeries::crcTextFor("x.rar", 5) + "\n";
        const QString row1 = "OK\tx.r00\t0,005\t" + TempSeries::crcTextFor("x.r00", 5) + "\n";
        QCOMPARE(QString(rows).remove(progress), row0 + row1 + "\n");
    }

    // The progress line: bytes done of the series, the share, and once there is a speed, the
    // speed and the time left at it; redrawn at most ten times a second.
    void progressTextSaysBytesShareSpeedAndTimeLeft_data()
    {
        QTest::addColumn<qint64>("done");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QString>("text");
        const qint64 mib = 1 << 20;
        QTest::newRow("at the start") << qint64(0) << 10 * mib << qint64(0) << "0 bytes of 10.0 MiB, 0%";
        QTest::newRow("no time yet") << mib << 10 * mib << qint64(0) << "1.0 MiB of 10.0 MiB, 10%";
        QTest::newRow("a quarter in a second") << 5 * mib / 2 << 10 * mib << qint64(1000)
                                               << "2.5 MiB of 10.0 MiB, 25%, 2.5 MiB/s, 0:03 left";
        QTest::newRow("hours left") << mib << 4000 * mib << qint64(1000)
                                    << "1.0 MiB of 3.9 GiB, 0%, 1.0 MiB/s, 1:06:39 left";
        QTest::newRow("done") << 10 * mib << 10 * mib << qint64(2000)
                              << "10.0 MiB of 10.0 MiB, 100%, 5.0 MiB/s, 0:00 left";
        QTest::newRow("empty volumes") << qint64(0) << qint64(0) << qint64(5) << "0 bytes of 0 bytes";
    }
    void progressTextSaysBytesShareSpeedAndTimeLeft()
    {
        QFETCH(qint64, done);
        QFETCH(qint64, total);
        QFETCH(qint64, elapsedMs);
        QFETCH(QString, text);
        QCOMPARE(cli::ProgressText(done, total, elapsedMs), text);
    }
    void progressIsRedrawnAtMostTenTimesASecond()
    {
        QString transcript;
        QTextStream output(&transcript);
        QTextStream errors(&transcript);
        cli::ConsoleView view(output, errors, true);
        view.SetSeriesBytes(10);
        view.ShowMemberStatus("Checking a...");
        view.ShowMemberStatus("Checking b...");  // too soon: not drawn
        QTest::qWait(120);
        view.ShowMemberStatus("Checking c...");
        errors.flush();
        QCOMPARE(transcript.count("Checking "), 2);
        QVERIFY(transcript.contains("Checking c..."));
        // Inside a volume the line moves with the bytes read of it.
        QTest::qWait(120);
        view.ShowBytesRead(5);
        errors.flush();
        QCOMPARE(transcript.count("Checking c..."), 2);
        QVERIFY(transcript.section("Checking c...", -1).contains("50%"));
    }

    // Where the report must not go, and standard output that takes nothing: refused with the reason,
    // never a hang, and every file of the folder left as it was, with nothing half written beside it.
    void refusedTargetsLeaveTheFolderAsItWas_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("wrapper");
        QTest::addColumn<QString>("outputFile");
        QTest::addColumn<QString>("says");
        QTest::newRow("save onto a FIFO") << QStringList{"--save", "fifo.txt", "x.rar"} << QStringList{} << ""
                                          << "Error While Saving Report File!\nCannot write fifo.txt: not a regular file\n";
        QTest::newRow("save over the SFV file") << QStringList{"--sfv", "x.sfv", "--save", "x.sfv", "x.rar"}
                                                << QStringList{} << ""
                                                << "Cannot write x.sfv: it is the SFV file of the check\n";
        QTest::newRow("save over a volume") << QStringList{"--crc", "--save", "./x.r00", "x.rar"} << QStringList{}
                                            << "" << "Cannot write ./x.r00: it is a volume of the series\n";
        QTest::newRow("save beyond the file size limit")
            << QStringList{"--save", "report.txt", "x.rar"} << QStringList{"prlimit", "--fsize=10"} << ""
            << "Cannot write report.txt: File too large\n";
        // The SFV file's second read fails: the bad entry at its end must not go unread.
        QTest::newRow("sfv file unreadable halfway")
            << QStringList{"--sfv", "x.sfv", "x.rar"}
            << QStringList{"strace", "-f", "-o", "/dev/null", "-P", "x.sfv", "-e", "trace=pread64", "-e",
                           "inject=pread64:error=EIO:when=2"}
            << "" << "Error While Opening SFV File!\nCannot read %1/x.sfv: Input/output error\n";
        QTest::newRow("standard output full") << QStringList{"x.rar"} << QStringList{} << "/dev/full"
                                              << "cannot write standard output: No space left on device\n";
    }
    void refusedTargetsLeaveTheFolderAsItWas()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, wrapper);
        QFETCH(QString, outputFile);
        QFETCH(QString, says);
        if (!wrapper.isEmpty() && QStandardPaths::findExecutable(wrapper.first()).isEmpty())
            QSKIP(qPrintable("no " + wrapper.first() + " here"));
        if (!outputFile.isEmpty() && !QFileInfo(outputFile).isWritable())
            QSKIP("no /dev/full here");
        TempSeries series;
        series.add("x.rar", 5);
        series.add("x.r00", 5);
        // Past the first read's 64 KiB, a wrong value for x.r00.
        QString sfv = SfvLine("x.rar", 5);
        for (int i = 0; i < 5000; ++i)
            sfv += QStringLiteral("pad%1.r99 00000000\r\n").arg(i);
        series.write("x.sfv", (sfv + "x.r00 00000000\r\n").toUtf8());
        QCOMPARE(::mkfifo(QFile::encodeName(series.path("fifo.txt")).constData(), 0600), 0);
        const QStringList before = series.snapshot();
        const Outcome run = Run(arguments, series.folder(), wrapper, outputFile);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.errors.endsWith(says.arg(series.folder())), qPrintable(run.errors));
        QCOMPARE(series.snapshot(), before);
    }

    // A name holding a backslash, newline, CR or tab is escaped alike in every line of text output
    // that holds it (rows, the "==>" line, report lines, the summary line), each then starting with
    // "\"; JSON and the saved report keep the name as it is.
    void textOutputEscapesNamesThatWouldBreakTheLine_data()
    {
        QTest::addColumn<QString>("start");  // the start file; its series has a second volume ".r00"/".a01"
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("written");  // the start file's name as the lines write it
        QTest::newRow("newline and backslash") << "a\nb\\c.rar" << "a\nb\\c.r00" << "a\\nb\\\\c.rar";
        QTest::newRow("tab and CR") << "tab\tcr\r.arj" << "tab\tcr\r.a01" << "tab\\tcr\\r.arj";
        QTest::newRow("plain") << "plain.rar" << "plain.r00" << "plain.rar";
    }
    void textOutputEscapesNamesThatWouldBreakTheLine()
    {
        QFETCH(QString, start);
        QFETCH(QString, member);
        QFETCH(QString, written);
        TempSeries series;
        series.add(start, 5);
        series.add(member, 5);
        const QString mark = written == start ? "" : "\\";
        const Outcome one = Run({"--save", "r.txt", start}, series.folder());
        QCOMPARE(one.output.section('\n', 0, 0), mark + "OK\t" + written + "\t0,005\tSkipped");
        QCOMPARE(one.output.section('\n', 2, 2), QString());  // two rows, then the blank line
        QVERIFY(one.output.contains("\n" + mark + "Starting Archive Filename: " + written + "\n"));
        QFile saved(series.path("r.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(saved.readAll()).contains("\r\nStarting Archive Filename: " + start + "\r\n"));
        const Outcome all = Run({"--all", "."}, series.folder());
        QVERIFY(all.output.startsWith(mark + "==> ./" + written + " <==\n" + mark + "OK\t" + written + '\t'));
        QVERIFY(all.output.endsWith("\n" + mark + "OK\t./" + written + "\t0\n"));
        const Outcome json = Run({"--json", start}, series.folder());
        QCOMPARE(QJsonDocument::fromJson(json.output.toUtf8())["rows"][0]["name"].toString(), start);
    }

    // Names that are not valid UTF-8, in a folder so named: listed, opened by their own bytes and
    // written with each odd byte as "\xHH" in lines that start with "\".
    void namesThatAreNotUtf8AreChecked()
    {
        TempSeries series;
        const QByteArray folder = QFile::encodeName(series.folder()) + "/d\xe9";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        for (const char* name : {"/\xe9t\xe9.rar", "/\xe9t\xe9.r00", "/\xe9t\xe9.r02"}) {
            const int fd = ::open(folder + name, O_WRONLY | O_CREAT, 0600);
            QCOMPARE(::write(fd, "12345", 5), ssize_t(5));
            ::close(fd);
        }
        const QString written = "\\xE9t\\xE9";
        const Outcome all = Run({"--all", ".", "-r", "--crc"}, series.folder());
        QCOMPARE(all.output.section('\n', -2, -2), "\\Problems\t./d\\xE9/" + written + ".rar\t1");
        QVERIFY(all.output.contains("\\OK\t" + written + ".r00\t0,005\tCBF53A1C\n\\Missing\t" + written
                                    + ".r01\t?\t?\n"));
        QVERIFY(all.output.contains("\\Starting Archive Filename: " + written + ".rar\n"));
        // Named on the command line by its bytes, which a shell passes on as they are.
        const QStringList byBytes{"sh", "-c", "exec \"$0\" \"$(printf 'd\\351/\\351t\\351.rar')\""};
        const Outcome named = Run({}, series.folder(), byBytes);
        QCOMPARE(named.status, 1);
        QVERIFY2(named.output.startsWith("\\OK\t" + written + ".rar\t0,005\tSkipped\n"), qPrintable(named.errors));
    }

    // The read-only promise: every mode, with the report saved elsewhere, leaves each byte, size and
    // change time of the series folder, its SFV file and the folder itself as they were. (Access
    // times follow the mount's own policy.)
    void everyModeLeavesTheSeriesFolderUntouched()
    {
        TempSeries series;
        TempSeries elsewhere;
        series.add("x.rar", 50);
        series.add("X.R00", 50);
        series.add("x.r01", 20);
        series.write("x.sfv", (SfvLine("x.rar", 50) + SfvLine("X.R00", 50) + "x.r01 00000000\r\n").toUtf8());
        QCOMPARE(::mkfifo(QFile::encodeName(series.path("x.r02")).constData(), 0600), 0);
        const QStringList before = series.snapshot(true);
        const QString report = elsewhere.path("r.txt");
        const QList<QStringList> runs{{"--save", report, "x.rar"},
                                      {"--crc", "--save", report, "x.rar"},
                                      {"--sfv", "x.sfv", "--save", report, "x.rar"},
                                      {"--sfv", "auto", "--json", "x.rar"},
                                      {"--all", ".", "--crc"}};
        for (const QStringList& arguments : runs) {
            const Outcome run = Run(arguments, series.folder());
            QVERIFY2(run.status == 1, qPrintable(arguments.join(' ') + ": " + run.errors));
        }
        QVERIFY(QFileInfo(report).size() > 0);
        QCOMPARE(series.snapshot(true), before);
    }

    void sfvAutoTakesTheOneSfvFileListingTheStartFile_data()
    {
        QTest::addColumn<QStringList>("sfvFiles");  // names of .sfv files that list p.part1.rar, or "other.sfv"
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");  // %1 stands for the folder
        QTest::newRow("no .sfv file") << QStringList{} << 2 << "No SFV File Lists p.part1.rar!\nNo .sfv file in %1\n";
        QTest::newRow("none lists it") << QStringList{"other.sfv"} << 2
                                       << "No SFV File Lists p.part1.rar!\nLooked at: %1/other.sfv\n";
        QTest::newRow("one lists it") << QStringList{"other.sfv", "P.SFV"} << 0 << "OK\tp.part1.rar\t0,010\t";
        QTest::newRow("two list it") << QStringList{"a.sfv", "other.sfv", "b.SFV"} << 2
                                     << "Several SFV Files List p.part1.rar!\n%1/a.sfv, %1/b.SFV\n";
    }
    void sfvAutoTakesTheOneSfvFileListingTheStartFile()
    {
        QFETCH(QStringList, sfvFiles);
        QFETCH(int, status);
        QFETCH(QString, says);
        TempSeries series;
        series.add("p.part1.rar", 10);
        series.add("p.part2.rar", 10);
        const QString listing = SfvLine("p.part1.rar", 10, "P.PART1.RAR") + SfvLine("p.part2.rar", 10);
        for (const QString& name : sfvFiles)
            series.write(name, (name == "other.sfv" ? SfvLine("q.rar", 1) : listing).toUtf8());
        const Outcome run = Run({"--sfv", "auto", "p.part1.rar"}, series.folder());
        QCOMPARE(run.status, status);
        QVERIFY2((status == 2 ? run.errors : run.output).contains(says.arg(series.folder())),
                 qPrintable(run.output + run.errors));
    }

    void allChecksEachSeriesOnceAndExitsAsTheWorst_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("summary");
        QTest::addColumn<int>("status");
        // A lone volume is no refusal: it does not raise the status.
        const QStringList top{"OK\t./a.rar\t0", "Problems\t./b.zip\t1", "Single\t./lone.arj"};
        QTest::newRow("the folder alone") << QStringList{"--all", "."} << top << 1;
        QTest::newRow("and its subfolders")
            << QStringList{"-r", "--all", "."}
            << top + QStringList{"OK\t./sub/c.part1.rar\t0", "Problems\t./sub/deeper/d.7z.001\t2"} << 1;
        QTest::newRow("a refusal is the worst")
            << QStringList{"--all", "sub", "--sfv", "none.sfv"}
            << QStringList{"Refused\tsub/c.part1.rar\tError While Opening SFV File!"} << 2;
        QTest::newRow("worst a problem") << QStringList{"--all=sub", "--recursive"}
                                         << QStringList{"OK\tsub/c.part1.rar\t0", "Problems\tsub/deeper/d.7z.001\t2"}
                                         << 1;
        QTest::newRow("all OK") << QStringList{"--all", "sub"} << QStringList{"OK\tsub/c.part1.rar\t0"} << 0;
    }
    void allChecksEachSeriesOnceAndExitsAsTheWorst()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, summary);
        QFETCH(int, status);
        TempSeries tree;
        for (const char* folder : {"sub/deeper", ".hidden"})
            QVERIFY(QDir(tree.folder()).mkpath(folder));
        for (const char* name : {"a.rar", "a.r00", "b.z01", "lone.arj", "sub/c.part1.rar", "sub/C.PART2.RAR",
                                 "sub/deeper/d.7z.001", ".hidden/e.rar", ".hidden/e.r00"})
            tree.add(name, 10);
        for (const char* name : {"b.zip", "sub/deeper/d.7z.003"})
            tree.add(name, 4);
        const Outcome run = Run(arguments, tree.folder());
        QCOMPARE(run.status, status);
        QCOMPARE(run.output.split('\n').mid(run.output.count('\n') - summary.size()), summary + QStringList{""});
        QCOMPARE(run.output.count("==> "), summary.size());
        QCOMPARE(run.errors.contains("lone.arj"), false);
        // Each series' block opens with its path; the part set's found its capitalised part 2.
        for (const QString& line : summary) {
            const QString header = "==> " + line.section('\t', 1, 1) + " <==\n";
            const QString partRows = "OK\tc.part1.rar\t0,010\tSkipped\nOK\tc.part2.rar\t";
            const bool partRowsShown = line.startsWith("OK\t") && line.contains("c.part1");
            QVERIFY(run.output.contains(partRowsShown ? header + partRows : header));
        }
    }

    // Named as a part, with older volumes beside it and no other part: checked, listed and counted as an older
    // RAR series, never refused as a one-part set.
    void aLonePartWithOlderVolumesIsAnOlderRarSeries()
    {
        TempSeries series;
        for (const char* name : {"v.part1.rar", "v.part1.r00", "v.part1.r02"})
            series.add(name, 10);
        const Outcome run = Run({"v.part1.rar"}, series.folder());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.output.split('\n').mid(0, 5),
                 QStringList({"OK\tv.part1.rar\t0,010\tSkipped", "OK\tv.part1.r00\t0,010\tSkipped",
                              "Missing\tv.part1.r01\t?\t?", "OK\tv.part1.r02\t0,010\tSkipped", ""}));
        const Outcome all = Run({"--all", "."}, series.folder());
        QVERIFY(all.output.endsWith("Problems\t./v.part1.rar\t1\n"));
    }

    // Every document says its layout version, every display text has its machine code beside it:
    // "status=code" per row, or the refusal's first line and its code.
    void jsonGivesACodeBesideEachText_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("sizes and CRC-32") << QStringList{"--crc", "x.rar"}
                                          << QStringList{"OK=ok", "OK=ok", "Missing=missing", "Bad Size=bad_size"};
        QTest::newRow("SFV check") << QStringList{"--sfv", "x.sfv", "x.rar"}
                                   << QStringList{"OK=ok", "Bad CRC=bad_crc", "Missing=missing", "OK=ok"};
        QTest::newRow("no start file") << QStringList{"nonexist.rar"}
                                       << QStringList{"Select an Archive File First!=no_start_file"};
        QTest::newRow("one volume") << QStringList{"lone.arj"}
                                    << QStringList{"List Contains Only 1 File!=single_volume"};
        QTest::newRow("SFV file unreadable") << QStringList{"--sfv", "none.sfv", "x.rar"}
                                             << QStringList{"Error While Opening SFV File!=sfv_unreadable"};
        QTest::newRow("no SFV file lists it") << QStringList{"--sfv", "auto", "y.rar"}
                                              << QStringList{"No SFV File Lists y.rar!=sfv_not_found"};
        QTest::newRow("several list it") << QStringList{"--sfv", "auto", "z.rar"}
                                         << QStringList{"Several SFV Files List z.rar!=sfv_ambiguous"};
    }
    void jsonGivesACodeBesideEachText()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, codes);
        TempSeries series;
        for (const char* name : {"x.rar", "x.r00", "y.rar", "y.r00", "z.rar", "z.r00", "lone.arj"})
            series.add(name, 10);
        series.add("x.r02", 4);
        series.write("x.sfv", (SfvLine("x.rar", 10) + "x.r00 00000000\r\n" + SfvLine("x.r02", 4)
                               + SfvLine("z.rar", 10)).toUtf8());
        series.write("z.sfv", SfvLine("z.rar", 10).toUtf8());
        const Outcome run = Run(QStringList{"--json"} + arguments, series.folder());
        const QJsonObject document = QJsonDocument::fromJson(run.output.toUtf8()).object();
        QCOMPARE(document["version"], QJsonValue(1));
        QStringList found;
        for (const QJsonValue& row : document["rows"].toArray())
            found << row["status"].toString() + '=' + row["code"].toString();
        if (document.contains("refusal"))
            found << document["refusal"].toString().section('\n', 0, 0) + '=' + document["code"].toString();
        QCOMPARE(found, codes);
    }

    void jsonReadsBackFieldByField()
    {
        TempSeries series;
        for (const char* name : {"j.z01", "j.z03"})
            series.add(name, 10);
        series.add("J.ZIP", 4);
        series.write("j.sfv", ("; made by hand\r\n" + SfvLine("j.z01", 10) + "j.z03 00000000\r\n"
                               + SfvLine("J.ZIP", 4, "j.zip") + "j.z04 11111111\r\ngarbage\r\n")
                                  .toUtf8());
        const Outcome text = Run({"--sfv", "j.sfv", "J.ZIP"}, series.folder());
        const Outcome run = Run({"--json", "--sfv=j.sfv", "J.ZIP"}, series.folder());
        QCOMPARE(run.status, 1);
        QJsonParseError error;
        const QJsonObject document = QJsonDocument::fromJson(run.output.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(document.value("startPath").toString(), QString("J.ZIP"));
        const QJsonObject kind = document.value("series").toObject();
        QCOMPARE(QStringList({kind.value("kind").toString(), kind.value("folder").toString(),
                              kind.value("startFile").toString(), kind.value("endFile").toString()}),
                 QStringList({"zip", series.folder(), "J.ZIP", "j.zip"}));
        QCOMPARE(document.value("mode").toString(), QString("sfv"));
        QCOMPARE(document.value("sfv").toString(), series.path("j.sfv"));
        QStringList rows;
        for (const QJsonValue& row : document.value("rows").toArray())
            rows << RowText(row);
        const QString z01 = TempSeries::crcTextFor("j.z01", 10);
        const QString z03 = TempSeries::crcTextFor("j.z03", 10);
        const QString zip = TempSeries::crcTextFor("J.ZIP", 4);
        QCOMPARE(rows, QStringList({"OK|j.z01|10|" + z01 + '|' + z01, "Missing|j.z02|null|null|null",
                                    "Bad CRC|j.z03|10|" + z03 + "|00000000", "OK|j.zip|4|" + zip + '|' + zip}));
        const QJsonObject counts = document.value("counts").toObject();
        QCOMPARE(QList<int>({counts.value("missing").toInt(), counts.value("badCrc").toInt(),
                             counts.value("differingSizes").toInt(), counts.value("files").toInt(),
                             counts.value("problems").toInt()}),
                 QList<int>({1, 1, 0, 3, 2}));
        QCOMPARE(document.value("report").toString() + '\n', ReportPart(text.output));
        const QJsonArray unnamed = document.value("sfvEntriesNamingNoVolume").toArray();
        QCOMPARE(unnamed.size(), 1);
        QCOMPARE(QStringList({QString::number(unnamed.at(0)["line"].toInt()), unnamed.at(0)["name"].toString(),
                              unnamed.at(0)["crc"].toString()}),
                 QStringList({"5", "j.z04", "11111111"}));
        QCOMPARE(document.value("unreadableSfvLines").toArray(), QJsonArray({6}));

        // With --all, an array: a refused series has its refusal; --errors-only keeps only problem rows.
        series.add("lone.arj", 1);
        const Outcome all = Run({"--all", ".", "--json", "--errors-only"}, series.folder());
        QCOMPARE(all.status, 1);
        const QJsonArray documents = QJsonDocument::fromJson(all.output.toUtf8()).array();
        QCOMPARE(documents.size(), 2);
        QCOMPARE(documents.at(0)["startPath"].toString(), QString("./J.ZIP"));
        QCOMPARE(documents.at(0)["sfv"], QJsonValue());
        QCOMPARE(RowText(documents.at(0)["rows"].toArray().last()), "Bad Size|j.zip|4|null|-");
        QCOMPARE(documents.at(0)["rows"].toArray().size(), 2);
        QCOMPARE(documents.at(1)["refusal"].toString(), QString("List Contains Only 1 File!"));
        QCOMPARE(documents.at(1)["code"].toString(), QString("single_volume"));
        QCOMPARE(documents.at(1)["series"]["endFile"], QJsonValue());
    }
};

QTEST_GUILESS_MAIN(QuillaneCheckTest)
#include "test_quillane_check.moc"
