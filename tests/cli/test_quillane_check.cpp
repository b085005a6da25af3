// test_quillane_check.cpp - quillane-check as a user runs it: output, report file and exit status.
// SPDX-License-Identifier: MIT
#include "cli/CheckCommand.h"
#include "cli/ConsoleView.h"
#include "cli/ProgressText.h"
#include "os/SystemCalls.h"
#include "report/Product.h"
#include "tests/support/FailingCalls.h"
#include "series/MemberStatus.h"
#include "series/Refusal.h"
#include "series/SeriesKinds.h"
#include "series/SfvLookup.h"
#include "tests/cli/JsonSchema.h"
#include "tests/support/Rar4Writer.h"
#include "tests/support/TempSeries.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

// A JSON row as "status|code|name|size|crc|expectedCrc", null as "null", an absent field as "-".
QString RowText(const QJsonValue& row)
{
    QStringList fields;
    for (const char* key : {"status", "code", "name", "size", "crc", "expectedCrc"}) {
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
                                       RefusalCode::SfvNotFound, RefusalCode::SfvAmbiguous, RefusalCode::NoArchiveMarker,
                                       RefusalCode::FolderUnreadable, RefusalCode::SplitZipIncomplete})
            codes << RefusalCodeName(code);
        QCOMPARE(SchemaEnum({"$defs", "document", "properties", "code"}), codes);
        QStringList statuses;
        QStringList statusCodes;
        for (const MemberStatus status :
             {MemberStatus::OK, MemberStatus::Missing, MemberStatus::BadCrc, MemberStatus::BadSize,
              MemberStatus::PartlyVerified}) {
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
        series.addAll({"x.rar", "x.r00"}, 5);
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
        series.addAll({"test.rar", "test.r00", "test.r02"}, 1000);
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

    // The demonstration series, written where no key can reach the window (its files are its own test).
    void demoSeriesIsWritten()
    {
        TempSeries dir;
        const Outcome written = Run({"--demo-series", dir.folder()}, dir.folder());
        QCOMPARE(QStringList({QString::number(written.status), written.output, written.errors}),
                 QStringList({"0", "Test generation Complete\n", ""}));
        QVERIFY(QFileInfo::exists(dir.path("quiltest.u54")));
    }

    // Refusals, help and version. A refused command line gets the problem and a pointer to --help, never
    // the whole usage; a path that opens no series gets the product's message, then what the path is and
    // why it starts nothing.
    void refusalsHelpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");  // on standard error when refused, else on standard output
        QTest::addColumn<bool>("whole");    // all that standard error says; else a part of it
        const auto usage = [](const char* row, const QStringList& arguments, const QString& problem) {
            QTest::newRow(row) << arguments << 2 << "quillane-check: " + problem + "\nTry 'quillane-check --help'.\n"
                               << true;
        };
        const auto notStart = [](const char* row, const QString& start, const QString& why) {
            QTest::newRow(row) << QStringList{start} << 2
                               << "Select an Archive File First!\nquillane-check: " + start + ": " + why + "\n" << true;
        };
        QTest::newRow("one member") << QStringList{"lone.arj"} << 2 << "List Contains Only 1 File!\n" << false;
        QTest::newRow("report not writable") << QStringList{"--save", "/proc/none/r.txt", "x.rar"} << 2
                                             << "Error While Saving Report File!\nCannot write /proc/none/r.txt: " << false;
        QTest::newRow("sfv file absent") << QStringList{"--sfv", "none.sfv", "x.rar"} << 2
                                         << "Error While Opening SFV File!\nCannot read " << false;
        QTest::newRow("demo series not written") << QStringList{"--demo-series", "/proc/none"} << 2
                                                 << "Error While Creating Test Series!\n\n/proc/none/quiltest.r00: " << false;
        QTest::newRow("--all folder absent") << QStringList{"--all", "none"} << 2 << "Cannot read none: no such folder\n"
                                             << false;
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: quillane-check [--sfv SFV_FILE | --crc | --archive]" << false;
        QTest::newRow("version") << QStringList{"--version"} << 0 << "quillane-check (Quillane) " << false;
        notStart("absent", "nonexist.rar", "no such file");
        notStart("a folder", "d.rar", "is a folder");
        notStart("an SFV file", "x.SFV", "is an SFV file, not a start file");
        notStart("a later volume", "x.r00", "is not a start file of any series kind");
        notStart("zip without .z01", "y.zip", "is not a start file of any series kind");
        notStart("not an archive", "notes.txt", "is not a start file of any series kind");
        usage("both modes", {"--sfv", "a.sfv", "--crc", "x.rar"}, "--sfv and --crc cannot be used together");
        usage("archive and crc", {"--archive", "--crc", "x.rar"}, "--archive cannot be used with --sfv or --crc");
        QTest::newRow("archive, no marker") << QStringList{"--archive", "x.rar"} << 2
                                            << "Cannot Check x.rar Against The Archive's Own Checksums!\n"
                                               "it does not start with the marker of a RAR volume or 7z archive, nor end a split zip\n" << true;
        usage("unknown option", {"x.rar", "--fast"}, "unknown option --fast");
        usage("unknown short option", {"-rx", "--all", "."}, "unknown option -x");
        usage("no start file", {"--crc"}, "no START_FILE given");
        usage("two start files", {"x.rar", "x.r00"}, "only one START_FILE may be given");
        usage("value missing", {"x.rar", "--save"}, "option --save needs a file name");
        usage("value empty", {"--sfv=", "x.rar"}, "option --sfv needs a file name");
        usage("demo series folder missing", {"--demo-series"}, "option --demo-series needs a folder name");
        usage("value on a flag", {"--crc=yes", "x.rar"}, "Unexpected value after '--crc'.");
        usage("demo series and a start file", {"--demo-series", ".", "x.rar"},
              "--demo-series takes no other option and no START_FILE");
        usage("demo series and --json", {"--json", "--demo-series", "."},
              "--demo-series takes no other option and no START_FILE");
        usage("-r alone", {"-r", "x.rar"}, "-r goes with --all");
        usage("--all without a folder", {"-r", "--all"}, "option --all needs a folder name");
        usage("--all= without a folder", {"--all="}, "option --all needs a folder name");
        usage("--all and a start file", {"--all", ".", "x.rar"}, "START_FILE cannot be given with --all");
        usage("--all and --save", {"--all", ".", "--save", "r.txt"}, "--save cannot be used with --all");
        usage("--all and --write-sfv", {"--all", ".", "--write-sfv", "w.sfv"}, "--write-sfv cannot be used with --all");
        usage("--sfv and --write-sfv", {"--sfv", "a.sfv", "--write-sfv", "w.sfv", "x.rar"},
              "--sfv and --write-sfv cannot be used together");
        usage("--write-sfv without a file", {"x.rar", "--write-sfv"}, "option --write-sfv needs a file name");
        usage("--sfv - and --all", {"--sfv", "-", "--all", "."}, "--sfv - cannot be used with --all");
        usage("--sfv - without a start file", {"--sfv", "-"}, "no START_FILE given");
    }
    void refusalsHelpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(bool, whole);
        TempSeries series;
        series.addAll({"x.rar", "x.r00", "lone.arj", "y.zip", "x.SFV", "notes.txt"}, 5);
        QVERIFY(QDir(series.folder()).mkdir("d.rar"));
        const Outcome run = Run(arguments, series.folder());
        QCOMPARE(run.status, status);
        if (whole)
            QCOMPARE(QStringList({run.output, run.errors}), QStringList({"", says}));
        else
            QVERIFY2((status == 2 ? run.errors : run.output).contains(says), qPrintable(run.output + run.errors));
    }

    // Options, START_FILE and FOLDER in any order, and each value in either form, ask for one check.
    void optionsInAnyOrder_data()
    {
        QTest::addColumn<QList<QStringList>>("orders");
        QTest::addColumn<int>("status");
        QTest::newRow("--all and -r") << QList<QStringList>{{"--all", "-r", "."}, {"--all", ".", "-r"},
                                                           {"-r", "--all", "."}, {"--recursive", "--all=."}}
                                      << 0;
        QTest::newRow("--sfv FILE") << QList<QStringList>{{"--sfv", "X.SFV", "x.rar"}, {"x.rar", "--sfv=X.SFV"}}
                                    << 0;
        // auto takes X.SFV, the one .sfv file listing x.rar (in capitals); the file named auto lists wrong values.
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
        tree.addAll({"x.rar", "x.r00", "-x.rar", "-x.r00", "sub/c.part1.rar", "sub/c.part2.rar"}, 5);
        tree.write("X.SFV", (SfvLine("x.rar", 5, "X.RAR") + SfvLine("x.r00", 5)).toUtf8());
        tree.write("other.sfv", SfvLine("q.rar", 1).toUtf8());
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
        // Which reason a volume gets is the check run's test; here each form of output prints one.
        QTest::newRow("row lines, no access") << QStringList{"--crc"} << false << "Permission denied";
        QTest::newRow("json, a folder") << QStringList{"--json"} << true << "not a regular file";
    }
    void unreadableVolumeGivesItsReason()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, folder);
        QFETCH(QString, reason);
        TempSeries series;
        series.addAll({"x.rar", "x.r01"}, 5);
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
        series.addAll({"x.rar", "x.r00"}, 5);
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

    // Where the report must not go (the rest is the report file's own test), and standard output that
    // takes nothing: refused with the reason, and every file of the folder left as it was.
    void refusedTargetsLeaveTheFolderAsItWas_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("outputFile");
        QTest::addColumn<QString>("says");
        QTest::newRow("save over the SFV file") << QStringList{"--sfv", "x.sfv", "--save", "x.sfv", "x.rar"} << ""
                                                << "Cannot write x.sfv: it is the SFV file of the check\n";
        QTest::newRow("save over a volume") << QStringList{"--crc", "--save", "./x.r00", "x.rar"} << ""
                                            << "Cannot write ./x.r00: it is a volume of the series\n";
        QTest::newRow("sfv file over a volume") << QStringList{"--write-sfv", "x.r00", "x.rar"} << ""
                                                << "Error While Saving SFV File!\nCannot write x.r00: it is a volume of the series\n";
        QTest::newRow("sfv file into a folder") << QStringList{"--write-sfv", ".", "x.rar"} << ""
                                                << "Cannot write .: not a regular file\n";
        QTest::newRow("standard output full") << QStringList{"x.rar"} << "/dev/full"
                                              << "cannot write standard output: No space left on device\n";
    }
    void refusedTargetsLeaveTheFolderAsItWas()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outputFile);
        QFETCH(QString, says);
        if (!outputFile.isEmpty() && !QFileInfo(outputFile).isWritable())
            QSKIP("no /dev/full here");
        TempSeries series;
        series.addAll({"x.rar", "x.r00"}, 5);
        series.write("x.sfv", (SfvLine("x.rar", 5) + SfvLine("x.r00", 5)).toUtf8());
        const QStringList before = series.snapshot();
        const Outcome run = Run(arguments, series.folder(), {}, outputFile);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.errors.endsWith(says), qPrintable(run.errors));
        QCOMPARE(series.snapshot(), before);
    }

    // With standard output a pipe its reader has closed (`| head -1`) or closed itself (`>&-`), the
    // run says so and exits 2, and the report file asked for is saved all the same.
    void aClosedStandardOutputIsSaidAndTheReportStillSaved_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("a pipe nobody reads") << true << QByteArray("Broken pipe");
        QTest::newRow("closed") << false << QByteArray("Bad file descriptor");
    }
    void aClosedStandardOutputIsSaidAndTheReportStillSaved()
    {
        QFETCH(bool, pipe);
        QFETCH(QByteArray, reason);
        TempSeries series;
        series.addAll({"x.rar", "x.r00"}, 5);
        int output[2];
        QCOMPARE(::pipe(output), 0);
        ::close(output[0]);
        const QByteArray errorsPath = QFile::encodeName(series.path("errors.txt"));
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // As a shell starts a program: SIGPIPE not ignored.
            std::signal(SIGPIPE, SIG_DFL);
            ::dup2(::open(errorsPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
            if (pipe)
                ::dup2(output[1], STDOUT_FILENO);
            else
                ::close(STDOUT_FILENO);
            if (::chdir(QFile::encodeName(series.folder()).constData()) == 0)
                ::execl(QUILLANE_CHECK_PATH, QUILLANE_CHECK_PATH, "--save", "report.txt", "x.rar", nullptr);
            ::_exit(127);
        }
        ::close(output[1]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "ended by a signal");
        QCOMPARE(WEXITSTATUS(status), 2);
        QFile errors(series.path("errors.txt"));
        QVERIFY(errors.open(QIODevice::ReadOnly));
        QCOMPARE(errors.readAll(), "quillane-check: cannot write standard output: " + reason + '\n');
        QVERIFY(QFileInfo(series.path("report.txt")).size() > 0);
    }

    // --write-sfv lists what the CRC report read, in walk order, named as on disk, and the project's
    // own reader takes it back. A gap and a volume that cannot be read have no line; the reason goes
    // to standard error and the exit status is 1.
    void writtenSfvFileListsTheVolumesRead()
    {
        TempSeries series;
        series.addAll({"w.rar", "W.R00", "w.r02", "w.r03"}, 700);
        const QString written = series.path("w.sfv");
        NoAccessTo noAccess("w.r02");
        const crc::SystemCallsOverride installed(noAccess);
        const Outcome run = RunHere({"--write-sfv", written, series.path("w.rar")});
        QCOMPARE(run.status, 1);
        QVERIFY(run.output.contains("Cannot read " + series.path("w.r02") + ": Permission denied\n"));
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QCOMPARE(lines.first(), "; Created By Quillane Version " + VersionText() + " On "
                                    + QDate::currentDate().toString(Qt::ISODate));
        QStringList expected;
        for (const char* name : {"w.rar", "W.R00", "w.r03"})
            expected << name + (' ' + TempSeries::crcTextFor(name, 700));
        QCOMPARE(lines.mid(1), expected + QStringList{""});
        const auto table = SfvTable::Read(written);
        QCOMPARE(std::get<SfvTable>(table).entries().size(), 3);
        QCOMPARE(std::get<SfvTable>(table).Lookup("w.r00"), TempSeries::crcTextFor("W.R00", 700));
    }

    // The checksum tools people use take a written SFV file as it is: all good, then one volume changed.
    void writtenSfvFileIsReadByOtherTools_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("checkOption");
        QTest::newRow("cksfv") << "cksfv" << "-f";
        QTest::newRow("rhash") << "rhash" << "-c";
    }
    void writtenSfvFileIsReadByOtherTools()
    {
        QFETCH(QString, tool);
        QFETCH(QString, checkOption);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QSKIP(qPrintable(tool + " is not installed here: the written file is not tried with it"));
        TempSeries series;
        series.addAll({"t.part1.rar", "T.Part2.rar", "t.part3.rar"}, 900);
        QCOMPARE(Run({"--write-sfv", "t.sfv", "t.part1.rar"}, series.folder()).status, 0);
        const auto check = [&] {
            QProcess process;
            process.setWorkingDirectory(series.folder());
            process.start(program, {checkOption, "t.sfv"});
            return process.waitForFinished(60000) ? process.exitCode() : -1;
        };
        QCOMPARE(check(), 0);
        series.write("T.Part2.rar", QByteArray(900, 'x'));
        QVERIFY(check() != 0);
    }

    // --sfv SFV_FILE without START_FILE checks the one series whose start file SFV_FILE lists beside it,
    // wherever in the file that line is; none, several or an unreadable file are refused.
    void sfvFileAloneChecksTheSeriesItLists_data()
    {
        QTest::addColumn<QString>("sfv");
        QTest::addColumn<QStringList>("lines");  // names, each listed with its right CRC-32
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");  // the start of standard output, or all of standard error
        QTest::newRow("one series") << "a.sfv" << QStringList{"a.r00", "A.RAR", "a.r01", "notes.txt"} << 0
                                    << "OK\ta.rar\t0,005\t" + TempSeries::crcTextFor("a.rar", 5);
        QTest::newRow("no start file") << "n.sfv" << QStringList{"a.r00", "z.rar"} << 2
                                       << "n.sfv Lists No Start File Beside It!\nLooked in FOLDER\n";
        QTest::newRow("two series") << "t.sfv" << QStringList{"b.arj", "a.r00", "a.rar"} << 2
                                    << "t.sfv Lists Several Archive Series!\nb.arj, a.rar\n";
        QTest::newRow("unreadable") << "gone.sfv" << QStringList{} << 2
                                    << "Error While Opening SFV File!\nCannot read gone.sfv: no such file\n";
    }
    void sfvFileAloneChecksTheSeriesItLists()
    {
        QFETCH(QString, sfv);
        QFETCH(QStringList, lines);
        QFETCH(int, status);
        QFETCH(QString, says);
        TempSeries series;
        series.addAll({"a.rar", "a.r00", "a.r01", "b.arj", "b.a01", "notes.txt"}, 5);
        QString listing;
        for (const QString& name : lines)
            listing += SfvLine(name.toLower(), 5, name);
        if (!lines.isEmpty())
            series.write(sfv, listing.toUtf8());
        const Outcome run = Run({"--sfv", sfv}, series.folder());
        QCOMPARE(run.status, status);
        if (status == 0)
            QVERIFY2(run.output.startsWith(says), qPrintable(run.output));
        else
            QCOMPARE(run.errors, says.replace("FOLDER", series.folder()));
    }

    // A digest list checks as an SFV file does, in its own hash: a good, a bad and a missing volume,
    // judged as the GNU tool of that list judges them where it is installed.
    void digestListsCheckAsTheGnuToolsDo_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("algorithm");  // a QCryptographicHash::Algorithm
        QTest::addColumn<QString>("tool");
        QTest::newRow("md5") << "d.md5" << int(QCryptographicHash::Md5) << "md5sum";
        QTest::newRow("sha256") << "d.sha256" << int(QCryptographicHash::Sha256) << "sha256sum";
        QTest::newRow("sha512, known by its length") << "d.txt" << int(QCryptographicHash::Sha512) << "sha512sum";
    }
    void digestListsCheckAsTheGnuToolsDo()
    {
        QFETCH(QString, list);
        QFETCH(int, algorithm);
        QFETCH(QString, tool);
        TempSeries series;
        series.addAll({"d.rar", "d.r00", "d.r01"}, 3000);
        const auto digest = [&](const QString& name) {
            return QCryptographicHash::hash(TempSeries::contentFor(name, 3000), QCryptographicHash::Algorithm(algorithm))
                .toHex();
        };
        series.write(list, "# made by hand\n" + digest("d.rar") + "  d.rar\n" + digest("x") + " *d.r00\n"
                               + digest("d.r01") + "  d.r01\n" + digest("d.r02") + "  d.r02\n");
        const Outcome run = Run({"--sfv", list, "d.rar"}, series.folder());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.output.section("\n\n", 0, 0),
                 QStringList({"OK\td.rar\t3,000\t" + digest("d.rar"), "Bad CRC\td.r00\t3,000\t" + digest("d.r00"),
                              "OK\td.r01\t3,000\t" + digest("d.r01"), "Missing\td.r02\t?\t?"})
                     .join('\n'));
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QSKIP(qPrintable(tool + " is not installed here: the verdicts are not compared with it"));
        QProcess gnu;
        gnu.setWorkingDirectory(series.folder());
        gnu.start(program, {"-c", list});
        QVERIFY(gnu.waitForFinished(60000));
        QCOMPARE(gnu.exitCode(), 1);
        const QString said = QString::fromUtf8(gnu.readAllStandardOutput());
        QVERIFY2(said.startsWith("d.rar: OK\nd.r00: FAILED\nd.r01: OK\nd.r02: FAILED open or read\n"), qPrintable(said));
    }

    // "--sfv -" reads the list from standard input, an SFV file or a digest list known by its values'
    // length, and names it "standard input" in the JSON and in a failure.
    void listReadFromStandardInput_data()
    {
        QTest::addColumn<QString>("input");  // what standard input is, in the series folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");  // the JSON's "sfv", or the end of standard error
        QTest::newRow("an SFV file") << "x.sfv" << 0 << "standard input";
        QTest::newRow("an MD5 list") << "x.list" << 0 << "standard input";
        QTest::newRow("a folder") << "." << 2 << "Error While Opening SFV File!\nCannot read standard input: Is a directory\n";
    }
    void listReadFromStandardInput()
    {
        QFETCH(QString, input);
        QFETCH(int, status);
        QFETCH(QString, says);
        TempSeries series;
        series.addAll({"x.rar", "x.r00"}, 5);
        series.write("x.sfv", (SfvLine("x.rar", 5) + SfvLine("x.r00", 5)).toUtf8());
        QByteArray md5;
        for (const char* name : {"x.rar", "x.r00"})
            md5 += QCryptographicHash::hash(TempSeries::contentFor(name, 5), QCryptographicHash::Md5).toHex() + "  " + name + '\n';
        series.write("x.list", md5);
        const Outcome run = Run({"--json", "--sfv", "-", "x.rar"}, series.folder(), {"sh", "-c", "exec \"$0\" \"$@\" < " + input});
        QCOMPARE(run.status, status);
        if (status == 0)
            QCOMPARE(QJsonDocument::fromJson(run.output.toUtf8())["sfv"].toString(), says);
        else
            QVERIFY2(run.errors.endsWith(says), qPrintable(run.errors));
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
        series.addAll({"x.rar", "X.R00"}, 50);
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

    void allChecksEachSeriesOnceAndExitsAsTheWorst_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("summary");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("extra");  // files laid out besides the common ones
        QTest::addColumn<QString>("failing");    // the folder whose opening fails with EACCES
        // A lone volume is no refusal: it does not raise the status.
        const QStringList top{"OK\t./a.rar\t0", "Problems\t./b.zip\t1", "Single\t./lone.arj"};
        QTest::newRow("the folder alone") << QStringList{"--all", "."} << top << 1 << QStringList() << "";
        QTest::newRow("and its subfolders")
            << QStringList{"-r", "--all", "."}
            << top + QStringList{"OK\t./sub/c.part1.rar\t0", "Problems\t./sub/deeper/d.7z.001\t2"} << 1
            << QStringList() << "";
        QTest::newRow("a refusal is the worst")
            << QStringList{"--all", "sub", "--sfv", "none.sfv"}
            << QStringList{"Refused\tsub/c.part1.rar\tError While Opening SFV File!"} << 2 << QStringList() << "";
        QTest::newRow("worst a problem") << QStringList{"--all=sub", "--recursive"}
                                         << QStringList{"OK\tsub/c.part1.rar\t0", "Problems\tsub/deeper/d.7z.001\t2"}
                                         << 1 << QStringList() << "";
        QTest::newRow("all OK") << QStringList{"--all", "sub"} << QStringList{"OK\tsub/c.part1.rar\t0"} << 0
                                << QStringList() << "";
        // Skipped work is said, never passed over with a clean exit.
        QTest::newRow("a subfolder unreadable") << QStringList{"--all", "sub", "-r"}
                                                << QStringList{"OK\tsub/c.part1.rar\t0",
                                                               "Unreadable\tsub/deeper\tPermission denied"}
                                                << 1 << QStringList() << "/sub/deeper";
        QTest::newRow("the folder given unreadable") << QStringList{"--all", "sub"}
                                                     << QStringList{"Unreadable\tsub\tPermission denied"} << 2
                                                     << QStringList() << "/sub";
        QTest::newRow("split zips without a volume")
            << QStringList{"--all", "zips"}
            << QStringList{"OK\tzips/v.zip\t0", "Refused\tzips/w.zip\tsplit ZIP without its volume w.z01",
                           "Refused\tzips/y.z02\tsplit ZIP without its volume y.zip"}
            << 2 << QStringList{"zips/v.z01", "zips/v.zip", "zips/w.zip", "zips/w.z02", "zips/y.z03", "zips/y.z02"}
            << "";
        // The walk goes on to .1000: .002 and .004 … .999 missing, .003 of another size.
        QTest::newRow("numbered past .999")
            << QStringList{"--all", "sub/deeper"} << QStringList{"Problems\tsub/deeper/d.7z.001\t998"} << 1
            << QStringList{"sub/deeper/d.7z.1000"} << "";
    }
    void allChecksEachSeriesOnceAndExitsAsTheWorst()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, summary);
        QFETCH(int, status);
        QFETCH(QStringList, extra);
        QFETCH(QString, failing);
        TempSeries tree;
        for (const char* folder : {"sub/deeper", ".hidden", "zips"})
            QVERIFY(QDir(tree.folder()).mkpath(folder));
        tree.addAll({"a.rar", "a.r00", "b.z01", "lone.arj", "sub/c.part1.rar", "sub/C.PART2.RAR",
                    "sub/deeper/d.7z.001", ".hidden/e.rar", ".hidden/e.r00"}, 10);
        tree.addAll(extra, 10);
        tree.addAll({"b.zip", "sub/deeper/d.7z.003"}, 4);
        test::FailingFolder calls(failing.toUtf8(), failing.isEmpty() ? 0 : EACCES);
        const crc::SystemCallsOverride installed(calls);
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tree.folder()));
        const Outcome run = RunHere(arguments);
        QVERIFY(QDir::setCurrent(before));
        QCOMPARE(run.status, status);
        QCOMPARE(run.output.split('\n').mid(run.output.count('\n') - summary.size()), summary + QStringList{""});
        QCOMPARE(run.output.count("==> "), summary.filter(QRegularExpression("^(?!Unreadable)")).size());
        QCOMPARE(run.output.contains("lone.arj: "), false);
        // Each series' block opens with its path; the part set's found its capitalised part 2.
        for (const QString& line : summary) {
            const QString header = "==> " + line.section('\t', 1, 1) + " <==\n";
            const QString partRows = "OK\tc.part1.rar\t0,010\tSkipped\nOK\tc.part2.rar\t";
            const bool partRowsShown = line.startsWith("OK\t") && line.contains("c.part1");
            QVERIFY(run.output.contains(partRowsShown ? header + partRows : header) || line.startsWith("Unreadable"));
            // Whatever was not checked says why on standard error too.
            if (line.startsWith("Refused") || line.startsWith("Unreadable"))
                QVERIFY(run.output.contains(line.section('\t', 1, 1) + ": " + line.section('\t', 2)));
        }
    }

    // A folder read only partly is a refusal with the system's reason, never a shorter series.
    void listingCutShortRefusesTheSeries()
    {
        TempSeries series;
        series.addAll({"x.rar", "x.r00", "x.r01", "x.r02", "x.r03"}, 10);
        test::FailingFolder calls(QFile::encodeName(series.folder()), 0, EIO, 4);
        const crc::SystemCallsOverride installed(calls);
        const Outcome run = RunHere({series.path("x.rar")});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.output.contains("Cannot read " + series.folder() + ": Input/output error"), qPrintable(run.output));
    }

    // A folder deeper than a path can name is a finding of its own, not a silent gap.
    void folderBeyondThePathLengthIsUnreadable()
    {
        TempSeries tree;
        const QString level(200, u'd');
        int fd = ::open(QFile::encodeName(tree.folder()).constData(), O_DIRECTORY | O_RDONLY);
        QString relative = ".";
        for (int depth = 0; depth < 24; ++depth) {
            QCOMPARE(::mkdirat(fd, level.toUtf8().constData(), 0700), 0);
            const int next = ::openat(fd, level.toUtf8().constData(), O_DIRECTORY | O_RDONLY);
            ::close(fd);
            fd = next;
            relative += '/' + level;
        }
        ::close(fd);
        const Outcome run = Run({"--all", ".", "-r"}, tree.folder());
        QCOMPARE(QProcess::execute("rm", {"-rf", tree.path(level)}), 0);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.output.contains(QRegularExpression("^Unreadable\t\\./(d{200}/)+d{200}\tFile name too long\n$")),
                 qPrintable(run.output.right(200)));
    }

    // Scale: --all lists each folder once, however many series it holds; each series' recognition and
    // member lookup share that listing.
    void allListsEachFolderOnce()
    {
        TempSeries tree;
        QVERIFY(QDir(tree.folder()).mkdir("sub"));
        tree.addAll({"a.rar", "a.r00", "b.001", "b.002", "c.part1.rar", "c.part2.rar", "d.z01", "d.zip",
                    "sub/e.arj", "sub/e.a01"}, 10);
        test::FailingFolder calls;
        const crc::SystemCallsOverride installed(calls);
        QCOMPARE(RunHere({"--all", tree.folder(), "-r"}).status, 0);
        QCOMPARE(calls.opens, 2);
    }

    // Every display text has its machine code beside it: "status|code" in each row, the refusal and its code.
    void jsonReadsBackFieldByField()
    {
        TempSeries series;
        series.addAll({"j.z01", "j.z03"}, 10);
        series.add("J.ZIP", 4);
        series.write("j.sfv", ("; made by hand\r\n" + SfvLine("j.z01", 10) + "j.z03 00000000\r\n"
                               + SfvLine("J.ZIP", 4, "j.zip") + "k.z04 11111111\r\ngarbage\r\n")
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
        QCOMPARE(rows, QStringList({"OK|ok|j.z01|10|" + z01 + '|' + z01, "Missing|missing|j.z02|null|null|null",
                                    "Bad CRC|bad_crc|j.z03|10|" + z03 + "|00000000", "OK|ok|j.zip|4|" + zip + '|' + zip}));
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
                 QStringList({"5", "k.z04", "11111111"}));
        QCOMPARE(document.value("unreadableSfvLines").toArray(), QJsonArray({6}));

        // With --all, an array: a refused series has its refusal; --errors-only keeps only problem rows.
        series.add("lone.arj", 1);
        const Outcome all = Run({"--all", ".", "--json", "--errors-only"}, series.folder());
        QCOMPARE(all.status, 1);
        const QJsonArray documents = QJsonDocument::fromJson(all.output.toUtf8()).array();
        QCOMPARE(documents.size(), 2);
        QCOMPARE(documents.at(0)["startPath"].toString(), QString("./J.ZIP"));
        QCOMPARE(documents.at(0)["sfv"], QJsonValue());
        QCOMPARE(RowText(documents.at(0)["rows"].toArray().last()), "Bad Size|bad_size|j.zip|4|null|-");
        QCOMPARE(documents.at(0)["rows"].toArray().size(), 2);
        QCOMPARE(documents.at(1)["refusal"].toString(), QString("List Contains Only 1 File!"));
        QCOMPARE(documents.at(1)["code"].toString(), QString("single_volume"));
        QCOMPARE(documents.at(1)["series"]["endFile"], QJsonValue());
    }

    // An archive check: rows with the bytes vouched for and the reason, and the volume the last one
    // says follows as a Missing row, in JSON and in the report's extra line alike.
    void archiveCheckNamesTheVolumeExpected()
    {
        TempSeries series;
        const QStringList volumes = test::WriteRar4Set({series.folder(), "a", 3, 1000, false});
        QFile::remove(volumes.last());
        const Outcome text = Run({"--archive", "a.rar"}, series.folder());
        QCOMPARE(text.status, 1);
        QVERIFY(text.output.contains("Number Of Files With Bad CRC Values: 0\nNumber Of Partly Verified Files: 0\n"));
        QCOMPARE(text.errors, "The archive expects more volumes: a.r00 says another follows\n");
        const Outcome run = Run({"--json", "--archive", "a.rar"}, series.folder());
        const QJsonObject document = QJsonDocument::fromJson(run.output.toUtf8()).object();
        QCOMPARE(document.value("mode").toString(), QString("archive"));
        QStringList rows;
        for (const QJsonValue& row : document.value("rows").toArray())
            rows << RowText(row) + '|' + row["verifiedBytes"].toVariant().toString() + '|' + row["reason"].toString();
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[0].startsWith("OK|ok|a.rar|1073|") && rows[0].endsWith("|-|1073|"), qPrintable(rows[0]));
        QCOMPARE(rows[2], "Missing|missing|a.r01|null|null|-||The archive expects more volumes: a.r00 says another follows");
        QCOMPARE(document.value("counts")["partlyVerified"].toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(QuillaneCheckTest)
#include "test_quillane_check.moc"
