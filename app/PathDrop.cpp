// PathDrop.cpp - a file or folder dropped on the main window from a file manager opens there.
// SPDX-License-Identifier: MIT
#include "app/PathDrop.h"

#include "app/CheckSequence.h"
#include "app/StartPath.h"

#include <QDropEvent>
#include <QMimeData>

namespace quil {

namespace {

// The window's controls take no drops, so whatever is dropped anywhere on it arrives here.
class PathDropFilter : public QObject {
public:
    explicit PathDropFilter(CheckSequence& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DroppedPath(*drop->mimeData());
        if (path.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            OpenStartPath(window_, path);
        return true;
    }

private:
    CheckSequence& window_;
};

}  // namespace

QString DroppedPath(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

void AcceptDroppedPaths(CheckSequence& window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(new PathDropFilter(window));
}

}  // namespace quil
