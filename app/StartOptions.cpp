// StartOptions.cpp - the command line of quillane: a start file or folder to open, or --help and --version.
#include "app/StartOptions.h"

#include "app/HelpViewer.h"
#include "report/Product.h"
#include "series/SeriesKinds.h"

#include <QFileInfo>

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
    QStringList paths;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            paths += arguments.mid(i + 1);
            break;
        }
        if (argument == u"--help" || argument == u"-h")
            return {StartOptions::Action::Help, {}, {}};
        if (argument == u"--version")
            return {StartOptions::Action::Version, {}, {}};
        if (argument.startsWith(u'-') && argument != u"-")
            return Refuse(QStringLiteral("unknown option %1").arg(argument));
        paths.append(argument);
    }
    if (paths.size() > 1)
        return Refuse(QStringLiteral("only one START_FILE or FOLDER may be given"));
    if (!paths.isEmpty() && !QFileInfo::exists(paths.front()))
        return Refuse(QStringLiteral("%1: no such file or folder").arg(paths.front()));
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
    errors << "quillane: " << options.usageError << "\n\n" << UsageText(programFolder);
    return 2;
}

}  // namespace quil
