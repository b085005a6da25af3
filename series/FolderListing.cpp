// FolderListing.cpp - the ordinary files of a folder, as the start-file list and the hidden listing show them.
#include "series/FolderListing.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace quil {

bool NameOrderLess(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

QStringList ListOrdinaryFiles(const QString& folder, const QString& patterns)
{
    if (folder.isEmpty())
        return {};
    QDir dir(folder);
    dir.setNameFilters(patterns.split(u';', Qt::SkipEmptyParts));
    // Without QDir::System, FIFOs, sockets, devices and dangling links stay out; without
    // QDir::Hidden, so do dot files.
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Unsorted);
    QStringList names;
    const QFileInfoList entries = dir.entryInfoList();
    for (const QFileInfo& entry : entries) {
        if (entry.isFile() && !entry.fileName().startsWith(u'.'))
            names.append(entry.fileName());
    }
    std::sort(names.begin(), names.end(), NameOrderLess);
    return names;
}

}  // namespace quil
