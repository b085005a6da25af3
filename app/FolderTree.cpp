// FolderTree.cpp - the folder tree FTV: every folder of the file system under "/", folders only.
// SPDX-License-Identifier: MIT
#include "app/FolderTree.h"

#include <QDir>
#include <QFileSystemModel>
#include <QTimer>

namespace quil {

QIcon KindOnlyIcons::icon(const QFileInfo& info) const
{
    return icon(info.isDir() ? Folder : File);
}

QString KindOnlyIcons::type(const QFileInfo& info) const
{
    return info.isDir() ? QStringLiteral("Folder") : QStringLiteral("File");
}

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent), model_(new QFileSystemModel(this))
{
    model_->setIconProvider(&icons_);
    model_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    model_->setRootPath(QDir::rootPath());
    setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        hideColumn(column);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderTree::folderSelected);
    // The model reads and sorts folders in the background, so the selected folder's row moves until
    // its parents are settled; it is scrolled into view after each move until the person takes over.
    connect(model_, &QFileSystemModel::directoryLoaded, this, &FolderTree::FollowSelection);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &FolderTree::FollowSelection);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &FolderTree::FollowSelection);
}

FolderTree::~FolderTree()
{
    // Before the icons it uses go: its reading thread may be asking for one.
    delete model_;
}

QString FolderTree::selectedFolder() const
{
    return currentIndex().isValid() ? QDir::toNativeSeparators(model_->filePath(currentIndex())) : QString();
}

void FolderTree::FollowSelection()
{
    QTimer::singleShot(0, this, [this] {
        if (followSelection_ && currentIndex().isValid())
            scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
    });
}

void FolderTree::mousePressEvent(QMouseEvent* event)
{
    followSelection_ = false;
    QTreeView::mousePressEvent(event);
}

void FolderTree::wheelEvent(QWheelEvent* event)
{
    followSelection_ = false;
    QTreeView::wheelEvent(event);
}

void FolderTree::keyPressEvent(QKeyEvent* event)
{
    followSelection_ = false;
    QTreeView::keyPressEvent(event);
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
    followSelection_ = true;
    FollowSelection();
    if (alreadyCurrent)
        emit folderSelected();
}

}  // namespace quil
