// HelpViewer.h - the help window: shows the help document shipped with the program.
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextBrowser>

namespace quil {

inline constexpr char kHelpDocumentName[] = "quil.html";

// Where the help document is looked for: `programFolder`, where the build puts it, then the data
// folder an install puts it in, found from `programFolder` (bin/../share/quillane).
QStringList HelpFolders(const QString& programFolder = QCoreApplication::applicationDirPath());

// The first `folders` entry that holds the help document, as a full path; "" when none does.
QString FindHelpDocument(const QStringList& folders);

// What the person is told when no help document is found in `folders`.
QString MissingHelpNotice(const QStringList& folders);

class HelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    // A window of its own; with an `owner` it belongs to it (Esc closes it either way).
    explicit HelpViewer(QWidget* owner = nullptr);

    // Shows `documentPath` at its top and brings the window forward.
    void showDocument(const QString& documentPath);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quil
