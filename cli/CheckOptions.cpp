// CheckOptions.cpp - the command line of quillane-check, parsed.
// SPDX-License-Identifier: MIT
#include "cli/CheckOptions.h"

#include "prompts/Messages.h"
#include "series/SeriesKinds.h"
#include "series/SfvLookup.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>

namespace quil::cli {

namespace {

CheckOptions Refuse(const QString& why)
{
    CheckOptions refused;
    refused.action = CheckOptions::Action::Usage;
    refused.usageError = why;
    return refused;
}

// Every option, declared once; UsageText describes them. --all is a flag and FOLDER the one
// positional argument, so that "--all -r FOLDER" does not take -r for the folder.
struct DeclaredOptions {
    QCommandLineOption sfv{QStringLiteral("sfv"), {}, QStringLiteral("SFV_FILE")};
    QCommandLineOption crc{QStringLiteral("crc")};
    QCommandLineOption archive{QStringLiteral("archive")};
    QCommandLineOption save{QStringLiteral("save"), {}, QStringLiteral("REPORT_FILE")};
    QCommandLineOption writeSfv{QStringLiteral("write-sfv"), {}, QStringLiteral("SFV_FILE")};
    QCommandLineOption folder{QStringLiteral("all")};
    QCommandLineOption recursive{{QStringLiteral("r"), QStringLiteral("recursive")}};
    QCommandLineOption errorsOnly{QStringLiteral("errors-only")};
    QCommandLineOption json{QStringLiteral("json")};
    QCommandLineOption demoSeries{QStringLiteral("demo-series"), {}, QStringLiteral("FOLDER")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};

    QList<QCommandLineOption> all() const
    {
        return {sfv, crc, archive, save, writeSfv, folder, recursive, errorsOnly, json, demoSeries, help, version};
    }
};

// `arguments` with each "--all=FOLDER" written "--all" and its FOLDER appended to `folders`: the
// parser refuses a value on a flag. An argument that an option before it takes as its value, and
// anything after "--", is left as it is.
QStringList WithAllFolderApart(const QStringList& arguments, const QList<QCommandLineOption>& declared,
                               QStringList& folders)
{
    const QString allWithValue = QStringLiteral("--all=");
    QStringList apart;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            apart += arguments.mid(i);
            break;
        }
        if (argument.startsWith(allWithValue)) {
            apart.append(QStringLiteral("--all"));
            folders.append(argument.mid(allWithValue.size()));
            continue;
        }
        apart.append(argument);
        const bool takesNext = argument.startsWith(u"--") && !argument.contains(u'=')
                            && std::ranges::any_of(declared, [&argument](const QCommandLineOption& option) {
                                   return !option.valueName().isEmpty() && option.names().contains(argument.mid(2));
                               });
        if (takesNext && i + 1 < arguments.size())
            apart.append(arguments[++i]);
    }
    return apart;
}

}  // namespace

QString UsageText()
{
    return QStringLiteral(
        "Usage: quillane-check [--sfv SFV_FILE | --crc | --archive] [--save REPORT_FILE] [--errors-only] [--json]\n"
        "                      START_FILE\n"
        "       quillane-check --sfv SFV_FILE [--save REPORT_FILE] [--errors-only] [--json]\n"
        "       quillane-check --write-sfv SFV_FILE [--save REPORT_FILE] [--errors-only] [--json]\n"
        "                      START_FILE\n"
        "       quillane-check [--sfv SFV_FILE | --crc | --archive] [--errors-only] [--json] --all FOLDER [-r]\n"
        "       quillane-check --demo-series FOLDER\n"
        "Checks the archive series that START_FILE (") + StartFileKindsPhrase(u"\nor ") + QStringLiteral(
        ") opens, or every series in FOLDER.\n"
        "\n"
        "  --sfv SFV_FILE      compare each volume's CRC-32 with SFV_FILE (or its MD5, SHA-1,\n"
        "                      SHA-256 or SHA-512 with a .md5, .sha1, .sha256 or .sha512 list)\n"
        "  --sfv -             the same with the list read from standard input\n"
        "  --sfv auto          the same with the one .sfv file beside the series that lists\n"
        "                      its start file\n"
        "                      (--sfv SFV_FILE without START_FILE: the series whose start\n"
        "                      file SFV_FILE lists beside it)\n"
        "  --crc               report each volume's CRC-32 and compare sizes\n"
        "  --archive           check each RAR volume against the checksums its own headers\n"
        "                      store, and find volumes the set says follow (RAR, split zip)\n"
        "                      (none of these: compare sizes only)\n"
        "  --save REPORT_FILE  also write the scan report to REPORT_FILE\n"
        "  --write-sfv SFV_FILE\n"
        "                      report each volume's CRC-32 as --crc does and write the\n"
        "                      values of the volumes read to SFV_FILE\n"
        "  --all FOLDER        check every series whose start file is in FOLDER, then print\n"
        "                      one summary line per series\n"
        "  -r, --recursive     with --all: in the folders below FOLDER too\n"
        "  --errors-only       no row lines for volumes that are OK\n"
        "  --json              one JSON document per check (with --all, an array of them)\n"
        "                      instead of row lines and report\n"
        "  --demo-series FOLDER\n"
        "                      write the demonstration series with known faults into FOLDER\n"
        "  --help              show this text\n"
        "  --version           show the version\n"
        "\n"
        "Exit status: 0 no problem found (or the series written), 1 problems found,\n"
        "2 refused, not written or bad usage.\n");
}

CheckOptions ParseCheckOptions(const QStringList& arguments)
{
    const DeclaredOptions declared;
    QCommandLineParser parser;
    parser.addOptions(declared.all());
    QStringList positional;  // the folders of "--all=FOLDER", then the parser's positional arguments
    const bool parsed = parser.parse(QStringList{QStringLiteral("quillane-check")}
                                     + WithAllFolderApart(arguments, declared.all(), positional));
    positional += parser.positionalArguments();
    if (parser.isSet(declared.help) || parser.isSet(declared.version)) {
        CheckOptions answer;
        answer.action = parser.isSet(declared.help) ? CheckOptions::Action::Help : CheckOptions::Action::Version;
        return answer;
    }
    if (!parser.unknownOptionNames().isEmpty())
        return Refuse(UnknownOptionMessage(parser.unknownOptionNames().front()));
    // A value option last on the line gets no value at all; one written "--sfv=" an empty one.
    for (const QCommandLineOption& option : {declared.sfv, declared.save, declared.writeSfv, declared.demoSeries}) {
        const QString name = option.names().front();
        const QStringList values = parser.values(option);
        const QString what = option.valueName() == u"FOLDER" ? QStringLiteral("folder") : QStringLiteral("file");
        if (values.size() < parser.optionNames().count(name) || values.contains(QString()))
            return Refuse(QStringLiteral("option --%1 needs a %2 name").arg(name, what));
    }
    if (!parsed)
        return Refuse(parser.errorText());  // what is left is a value given to a flag, in the parser's words

    CheckOptions options;
    const bool sfvGiven = parser.isSet(declared.sfv);
    const bool crcGiven = parser.isSet(declared.crc);
    options.sfvFile = parser.value(declared.sfv);
    options.reportFile = parser.value(declared.save);
    options.sfvWriteFile = parser.value(declared.writeSfv);
    options.recursive = parser.isSet(declared.recursive);
    options.json = parser.isSet(declared.json);
    options.errorsOnly = parser.isSet(declared.errorsOnly);
    if (parser.isSet(declared.demoSeries)) {
        const QStringList given = parser.optionNames();
        if (!positional.isEmpty() || given.count(QStringLiteral("demo-series")) != given.size())
            return Refuse(QStringLiteral("--demo-series takes no other option and no START_FILE"));
        options.demoFolder = parser.value(declared.demoSeries);
        options.action = CheckOptions::Action::DemoSeries;
        return options;
    }
    if (sfvGiven && crcGiven)
        return Refuse(QStringLiteral("--sfv and --crc cannot be used together"));
    if (sfvGiven && !options.sfvWriteFile.isEmpty())
        return Refuse(QStringLiteral("--sfv and --write-sfv cannot be used together"));
    const bool archiveGiven = parser.isSet(declared.archive);
    if (archiveGiven && (sfvGiven || crcGiven))
        return Refuse(QStringLiteral("--archive cannot be used with --sfv or --crc"));
    if (archiveGiven && !options.sfvWriteFile.isEmpty())
        return Refuse(QStringLiteral("--archive and --write-sfv cannot be used together"));
    if (parser.isSet(declared.folder)) {
        if (positional.size() > 1)
            return Refuse(QStringLiteral("START_FILE cannot be given with --all"));
        if (positional.value(0).isEmpty())
            return Refuse(QStringLiteral("option --all needs a folder name"));
        if (!options.reportFile.isEmpty())
            return Refuse(QStringLiteral("--save cannot be used with --all"));
        if (!options.sfvWriteFile.isEmpty())
            return Refuse(QStringLiteral("--write-sfv cannot be used with --all"));
        if (NamesStandardInput(options.sfvFile))
            return Refuse(QStringLiteral("--sfv - cannot be used with --all"));
        options.allFolder = positional.front();
    } else if (options.recursive) {
        return Refuse(QStringLiteral("-r goes with --all"));
    } else if (positional.isEmpty() && sfvGiven && options.sfvFile != u"auto" && !NamesStandardInput(options.sfvFile)) {
        // No START_FILE: the check takes the series the SFV file lists.
    } else if (positional.size() != 1) {
        return Refuse(positional.isEmpty() ? QStringLiteral("no START_FILE given")
                                           : QStringLiteral("only one START_FILE may be given"));
    } else {
        options.startFile = positional.front();
    }
    options.sfvAuto = sfvGiven && options.sfvFile == u"auto";
    // Writing an SFV file is a CRC report whose values are kept.
    const bool crcReport = crcGiven || !options.sfvWriteFile.isEmpty();
    options.mode = sfvGiven       ? CheckMode::SfvCheck
                 : crcReport    ? CheckMode::CrcReport
                 : archiveGiven ? CheckMode::ArchiveCheck
                                : CheckMode::SizeOnly;
    return options;
}

}  // namespace quil::cli
