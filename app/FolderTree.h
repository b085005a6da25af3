// FolderTree.h - the folder tree FTV: every folder of the file system under "/", folders only.
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractFileIconProvider>
#include <QTreeView>

class QFileSystemModel;

namespace quil {

// Icons and type names from what an entry is (a folder or not), never from its contents: the tree's
// model asks for every entry of a folder it lists, files included, and reading a file such as
// /proc/kmsg waits for ever.
class KindOnlyIcons : public QAbstractFileIconProvider {
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

class FolderTree : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTree(QWidget* parent = nullptr);
    ~FolderTree() override;

    // The selected folder as a full path; "" when none is selected.
    QString selectedFolder() const;

    // Selects `folder`, opening its ancestors and scrolling it into view, and raises folderSelected
    // as a click would. A folder the tree does not know leaves the selection alone.
    void setSelectedFolder(const QString& folder);

signals:
    void folderSelected();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FollowSelection();

    KindOnlyIcons icons_;
    QFileSystemModel* model_;
    bool followSelection_ = false;
};

}  // namespace quil
