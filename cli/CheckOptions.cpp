// CheckOptions.cpp - the command line of quillane-check, parsed.
#include "cli/CheckOptions.h"

namespace quil::cli {

namespace {

CheckOptions Refuse(const QString& why)
{
    CheckOptions refused;
    refused.action = CheckOptions::Action::Usage;
    refused.usageError = why;
    return refused;
}

}  // namespace

QString UsageText()
{
    return QStringLiteral(
        "Usage: quillane-check [--sfv SFV_FILE | --crc] [--save REPORT_FILE] START_FILE\n"
        "       quillane-check --demo-series FOLDER\n"
        "Checks the archive series that START_FILE (.rar, .arj, .ace or .001) opens.\n"
        "\n"
        "  --sfv SFV_FILE      compare each volume's CRC-32 with SFV_FILE\n"
        "  --crc               report each volume's CRC-32 and compare sizes\n"
        "                      (neither: compare sizes only)\n"
        "  --save REPORT_FILE  also write the scan report to REPORT_FILE\n"
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
    CheckOptions options;
    bool sfvGiven = false;
    bool crcGiven = false;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            positional += arguments.mid(i + 1);
            break;
        }
        if (!argument.startsWith(u'-') || argument == u"-") {
            positional.append(argument);
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        const bool takesValue = name == u"--sfv" || name == u"--save" || name == u"--demo-series";
        if (!takesValue && equals >= 0)
            return Refuse(QStringLiteral("option %1 takes no value").arg(name));
        QString value;
        if (takesValue) {
            if (equals >= 0)
                value = argument.mid(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (value.isEmpty())
                return Refuse(QStringLiteral("option %1 needs a file name").arg(name));
        }
        if (name == u"--help" || name == u"-h") {
            options.action = CheckOptions::Action::Help;
            return options;
        } else if (name == u"--version") {
            options.action = CheckOptions::Action::Version;
            return options;
        } else if (name == u"--sfv") {
            sfvGiven = true;
            options.sfvFile = value;
        } else if (name == u"--crc") {
            crcGiven = true;
        } else if (name == u"--save") {
            options.reportFile = value;
        } else if (name == u"--demo-series") {
            options.demoFolder = value;
        } else {
            return Refuse(QStringLiteral("unknown option %1").arg(argument));
        }
    }
    if (!options.demoFolder.isEmpty()) {
        if (sfvGiven || crcGiven || !options.reportFile.isEmpty() || !positional.isEmpty())
            return Refuse(QStringLiteral("--demo-series takes no other option and no START_FILE"));
        options.action = CheckOptions::Action::DemoSeries;
        return options;
    }
    if (sfvGiven && crcGiven)
        return Refuse(QStringLiteral("--sfv and --crc cannot be used together"));
    if (positional.size() != 1)
        return Refuse(positional.isEmpty() ? QStringLiteral("no START_FILE given")
                                           : QStringLiteral("only one START_FILE may be given"));
    options.startFile = positional.front();
    options.mode = sfvGiven ? CheckMode::SfvCheck : crcGiven ? CheckMode::CrcReport : CheckMode::SizeOnly;
    return options;
}

}  // namespace quil::cli
