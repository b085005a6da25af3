// FolderTree.h - the folder tree FTV: every folder of the file system under "/", folders only.
// SPDX-License-Identifier: MIT
#pragma once

#include <QTreeView>

class QFileSystemModel;

namespace quil {

class FolderTree : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTree(QWidget* parent = nullptr);

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

    QFileSystemModel* model_;
    bool followSelection_ = false;
};

}  // namespace quil
