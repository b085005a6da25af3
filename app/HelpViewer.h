// HelpViewer.h - the help window: shows the help document shipped beside the program.
#pragma once

#include <QStringList>
#include <QTextBrowser>

namespace quil {

// The name of the help document, installed beside the program.
inline constexpr char kHelpDocumentName[] = "quil.html";

// Where the help document is looked for: the program's own folder (the build and the install
// both put it there).
QStringList HelpFolders();

// The first `folders` entry that holds the help document, as a full path; "" when none does.
QString FindHelpDocument(const QStringList& folders);

// What the person is told when no help document is found in `folders`.
QString MissingHelpNotice(const QStringList& folders);

class HelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    HelpViewer();

    // Shows `documentPath` at its top and brings the window forward.
    void showDocument(const QString& documentPath);
};

}  // namespace quil
