// StartOptions.cpp - the command line of quillane: a start file or folder to open, or --help and --version.
// SPDX-License-Identifier: MIT
#include "app/StartOptions.h"

#include "app/HelpViewer.h"
#include "os/NativeNames.h"
#include "prompts/Messages.h"
#include "report/Product.h"
#include "series/SeriesKinds.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace quil {

namespace {

StartOptions Refuse(const QString& why)
{
    return {StartOptions::Action::Usage, {}, why};
}

QString UsageText(const QString& programFolder)
{
    const QString help = FindHelpDocument(HelpFolders(programFolder));
    return QStringLiteral(
               "Usage: quillane [START_FILE | FOLDER]\n"
               "Opens the window with FOLDER, or the folder of START_FILE, selected in the folder tree and\n"
               "START_FILE (") + StartFileKindsPhrase(u"\nor ") + QStringLiteral(
               ") selected in the start-file list; without either, with\n"
               "the folder selected when the window last closed.\n"
               "\n"
               "  --help     show this text\n"
               "  --version  show the version\n"
               "\n"
               "Exit status: 0 when the window closed, 2 for bad usage.\n")
        + (help.isEmpty() ? QString() : QStringLiteral("The help (F1 in the window): ") + help + u'\n');
}

}  // namespace

StartOptions ParseStartOptions(const QStringList& arguments)
{
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    const QCommandLineOption version{QStringLiteral("version")};
    QCommandLineParser parser;
    parser.addOptions({help, version});
    const bool parsed = parser.parse(QStringList{QStringLiteral("quillane")} + arguments);
    if (parser.isSet(help))
        return {StartOptions::Action::Help, {}, {}};
    if (parser.isSet(version))
        return {StartOptions::Action::Version, {}, {}};
    if (!parser.unknownOptionNames().isEmpty())
        return Refuse(UnknownOptionMessage(parser.unknownOptionNames().front()));
    if (!parsed)
        return Refuse(parser.errorText());  // a value given to a flag, in the parser's words
    const QStringList paths = parser.positionalArguments();
    if (paths.size() > 1)
        return Refuse(QStringLiteral("only one START_FILE or FOLDER may be given"));
    if (!paths.isEmpty() && !StatPath(paths.front()))
        return Refuse(QStringLiteral("%1: no such file or folder").arg(ShownText(paths.front())));
    return {StartOptions::Action::Open, paths.value(0), {}};
}

int AnswerOnTerminal(const StartOptions& options, const QString& programFolder, QTextStream& output,
                     QTextStream& errors)
{
    if (options.action == StartOptions::Action::Help) {
        output << UsageText(programFolder);
        return 0;
    }
    if (options.action == StartOptions::Action::Version) {
        output << "quillane (" << ProductName() << ") " << VersionText() << '\n';
        return 0;
    }
    errors << UsageErrorMessage(QStringLiteral("quillane"), options.usageError);
    return 2;
}

}  // namespace quil
