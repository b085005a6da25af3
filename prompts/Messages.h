// Messages.h - the messages a check shows, worded once for the windows and the command line.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

inline QString SelectArchiveFirstMessage() { return QStringLiteral("Select an Archive File First!"); }
inline QString OnlyOneFileMessage() { return QStringLiteral("List Contains Only 1 File!"); }
inline QString SfvOpenErrorMessage() { return QStringLiteral("Error While Opening SFV File!"); }
inline QString SaveErrorMessage() { return QStringLiteral("Error While Saving Report File!"); }
inline QString SfvSaveErrorMessage() { return QStringLiteral("Error While Saving SFV File!"); }
inline QString NoSfvListsMessage(const QString& startFile)
{
    return QStringLiteral("No SFV File Lists %1!").arg(startFile);
}
inline QString SeveralSfvListMessage(const QString& startFile)
{
    return QStringLiteral("Several SFV Files List %1!").arg(startFile);
}
inline QString NoListedStartFileMessage(const QString& sfvFile)
{
    return QStringLiteral("%1 Lists No Start File Beside It!").arg(sfvFile);
}
inline QString SeveralListedSeriesMessage(const QString& sfvFile)
{
    return QStringLiteral("%1 Lists Several Archive Series!").arg(sfvFile);
}
inline QString NoSeriesFoundMessage(const QString& folder)
{
    return QStringLiteral("No Archive Series Found In %1!").arg(folder);
}

// Why the split ZIP known by a volume is not checked: `missing`, which it cannot be without.
inline QString SplitZipIncompleteReason(const QString& missing)
{
    return QStringLiteral("split ZIP without its volume %1").arg(missing);
}

// Why a path given as a start file opens no series, said after its path.
inline QString NoSuchFileReason() { return QStringLiteral("no such file"); }
inline QString IsFolderReason() { return QStringLiteral("is a folder"); }
inline QString IsSfvFileReason() { return QStringLiteral("is an SFV file, not a start file"); }
inline QString NoSeriesKindReason() { return QStringLiteral("is not a start file of any series kind"); }

// What `program` says of `path` on standard error: "program: path: problem".
inline QString PathProblemMessage(const QString& program, const QString& path, const QString& problem)
{
    return QStringLiteral("%1: %2: %3").arg(program, path, problem);
}

// A refused command line of `program`, as the two lines for standard error: the problem, then where
// the usage is.
inline QString UsageErrorMessage(const QString& program, const QString& problem)
{
    return QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(program, problem);
}

// An option the command line does not know, by the name the parser reports (without its dashes).
inline QString UnknownOptionMessage(const QString& name)
{
    const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
    return QStringLiteral("unknown option %1%2").arg(dashes, name);
}

// A message followed, on the next line, by why it happened; the message alone without a reason.
inline QString WithReason(const QString& message, const QString& reason)
{
    return reason.isEmpty() ? message : message + u'\n' + reason;
}

}  // namespace quil
