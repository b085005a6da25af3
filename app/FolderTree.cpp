// FolderTree.cpp - the folder tree FTV: every folder of the file system under "/", folders only.
#include "app/FolderTree.h"

#include <QDir>
#include <QFileSystemModel>

namespace quil {

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent), model_(new QFileSystemModel(this))
{
    model_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    model_->setRootPath(QDir::rootPath());
    setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        hideColumn(column);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderTree::folderSelected);
    // The model reads folders in the background; the selected folder's row exists only once its
    // parent has been read, so it is scrolled into view again then.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this] {
        if (currentIndex().isValid())
            scrollTo(currentIndex());
    });
}

QString FolderTree::selectedFolder() const
{
    return currentIndex().isValid() ? QDir::toNativeSeparators(model_->filePath(currentIndex())) : QString();
}

void FolderTree::setSelectedFolder(const QString& folder)
{
    const QModelIndex index = model_->index(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
    if (!index.isValid())
        return;
    for (QModelIndex ancestor = index.parent(); ancestor.isValid(); ancestor = ancestor.parent())
        expand(ancestor);
    const bool alreadyCurrent = index == currentIndex();
    setCurrentIndex(index);
    scrollTo(index);
    if (alreadyCurrent)
        emit folderSelected();
}

}  // namespace quil
