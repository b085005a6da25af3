// StartPath.cpp - opens a start file or folder in the main window as if the person had clicked it.
// SPDX-License-Identifier: MIT
#include "app/StartPath.h"

#include "app/CheckSequence.h"
#include "app/FolderTree.h"
#include "series/HashKind.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>

namespace quil {

void OpenStartPath(CheckSequence& window, const QString& path)
{
    auto* tree = window.findChild<FolderTree*>(QStringLiteral("FTV"));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("FileList"));
    if (!tree || !list || !tree->isEnabled())
        return;
    const QFileInfo target(path);
    // An SFV file or digest list opens the series it lists, checked against it.
    if (target.isFile() && HashKindOfName(path)) {
        window.CheckWithSfvFile(path);
        return;
    }
    const QString folder = QDir::cleanPath(target.isDir() ? target.absoluteFilePath() : target.absolutePath());
    tree->setSelectedFolder(folder);
    if (target.isDir() || QDir::cleanPath(QDir::fromNativeSeparators(window.FileListFolder())) != folder)
        return;
    const QList<QListWidgetItem*> shown = list->findItems(target.fileName(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    list->setCurrentRow(shown.isEmpty() ? -1 : list->row(shown.front()));
}

}  // namespace quil
