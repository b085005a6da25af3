// HelpViewer.cpp - the help window: shows the help document shipped with the program.
// SPDX-License-Identifier: MIT
#include "app/HelpViewer.h"

#include "report/Product.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

namespace quil {

QStringList HelpFolders(const QString& programFolder)
{
    return {programFolder, QDir::cleanPath(programFolder + u'/' + QStringLiteral(QUILLANE_HELP_FROM_PROGRAM))};
}

QString FindHelpDocument(const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QFileInfo document(QDir(folder).filePath(QString::fromLatin1(kHelpDocumentName)));
        if (document.isFile())
            return document.absoluteFilePath();
    }
    return {};
}

QString MissingHelpNotice(const QStringList& folders)
{
    return QStringLiteral("The help document %1 was not found. These folders were searched:\r\n\r\n%2")
        .arg(QString::fromLatin1(kHelpDocumentName), folders.join(QStringLiteral("\r\n")));
}

HelpViewer::HelpViewer(QWidget* owner) : QTextBrowser(owner)
{
    // An owner would make a plain browser a control inside it; the flag keeps it a window of its own.
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(ProductName() + QStringLiteral(" Help"));
    setOpenExternalLinks(true);
    document()->setDocumentMargin(12);
    resize(680, 600);
}

void HelpViewer::keyPressEvent(QKeyEvent* event)
{
    // Esc closes it as it closes a dialog; the browser itself has no use for the key.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QTextBrowser::keyPressEvent(event);
}

void HelpViewer::showDocument(const QString& documentPath)
{
    setSource(QUrl::fromLocalFile(documentPath));
    show();
    raise();
    activateWindow();
}

}  // namespace quil
