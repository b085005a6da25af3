// StartPath.cpp - opens a start file or folder in the main window as if the person had clicked it.
// SPDX-License-Identifier: MIT
#include "app/StartPath.h"

#include "app/CheckSequence.h"
#include "app/FolderTree.h"
#include "os/NativeNames.h"
#include "series/HashKind.h"

#include <QDir>
#include <QListWidget>

namespace quil {

void OpenStartPath(CheckSequence& window, const QString& path)
{
    auto* tree = window.findChild<FolderTree*>(QStringLiteral("FTV"));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("FileList"));
    if (!tree || !list || !tree->isEnabled())
        return;
    // By the path's bytes: QFileInfo would read a name that is not UTF-8 as another.
    const QString target = AbsolutePath(path);
    const std::optional<struct stat> info = StatPath(target);
    // An SFV file or digest list opens the series it lists, checked against it.
    if (info && S_ISREG(info->st_mode) && HashKindOfName(target)) {
        window.CheckWithSfvFile(target);
        return;
    }
    const bool isFolder = info && S_ISDIR(info->st_mode);
    const qsizetype slash = target.lastIndexOf(u'/');
    const QString folder = isFolder ? target : slash == 0 ? QStringLiteral("/") : target.left(slash);
    window.OpenFolder(folder);
    if (isFolder || QDir::cleanPath(QDir::fromNativeSeparators(window.FileListFolder())) != folder)
        return;
    const QList<QListWidgetItem*> shown = list->findItems(target.mid(slash + 1), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    list->setCurrentRow(shown.isEmpty() ? -1 : list->row(shown.front()));
}

}  // namespace quil
