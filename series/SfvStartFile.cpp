// SfvStartFile.cpp - finds the start file of the series an SFV file opened by itself lists.
// SPDX-License-Identifier: MIT
#include "series/SfvStartFile.h"

#include "os/NativeNames.h"
#include "prompts/Messages.h"
#include "series/FunctionModule.h"
#include "series/NameCase.h"
#include "series/SeriesCheck.h"
#include "series/StartFiles.h"

#include <QHash>

namespace quil {

ListedStart StartFileListedBy(const QString& sfvPath)
{
    auto read = ReadSfvFile(sfvPath);
    if (const QString* failure = std::get_if<QString>(&read))
        return {{}, *failure};
    const QString path = AbsolutePath(sfvPath);
    const QString folder = TextBeforeLast(path, QStringLiteral("/"));
    QHash<QString, QString> startFiles;  // NameKey -> the name as listed
    for (const QString& name : StartFiles(folder))
        startFiles.insert(NameKey(name), name);
    QStringList named;  // the start files the entries name, in entry order, once each
    for (const SfvEntry& entry : std::get<SfvTable>(read).entries()) {
        const QString name = startFiles.value(NameKey(entry.name));
        if (!name.isEmpty() && !named.contains(name))
            named.append(name);
    }
    const QString sfvName = TextAfterLast(path, QStringLiteral("/"));
    if (named.isEmpty())
        return {{}, WithReason(NoListedStartFileMessage(sfvName), QStringLiteral("Looked in ") + folder)};
    if (named.size() > 1)
        return {{}, WithReason(SeveralListedSeriesMessage(sfvName), named.join(QStringLiteral(", ")))};
    return {JoinPath(folder, named.first()), {}};
}

}  // namespace quil
