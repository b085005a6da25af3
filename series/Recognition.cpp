// Recognition.cpp - decides the series a start file opens and gathers the members found beside it.
#include "series/Recognition.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/SeriesState.h"

#include <QFileInfo>

namespace quil {

bool ExtensionMatches(const QString& extension, const QString& pattern)
{
    const QString ext = extension.toLower();
    const QString pat = pattern.toLower();
    qsizetype p = 0;
    for (const QChar c : ext) {
        if (p >= pat.size())
            return false;
        if (pat[p] == u'[' && p + 4 < pat.size() && pat[p + 2] == u'-' && pat[p + 4] == u']') {
            if (c < pat[p + 1] || c > pat[p + 3])
                return false;
            p += 5;
        } else {
            if (c != pat[p])
                return false;
            ++p;
        }
    }
    return p == pat.size();
}

void AddFoundMembers(const QStringList& hidList, const QString& pattern)
{
    SeriesState& state = State();
    const QString base = state.BaseName.toLower();
    for (const QString& entry : hidList) {
        if (TextBeforeLast(entry, QStringLiteral(".")).toLower() == base
            && ExtensionMatches(TextAfterLast(entry, QStringLiteral(".")), pattern))
            state.SeqList.append(entry.toLower());
    }
}

void FileList_Click(const QString& folder, const QString& startFile, const ShowStatusFn& showStatus)
{
    SeriesState& state = State();
    state.SeqList.clear();
    const QStringList hidList = ListOrdinaryFiles(folder);
    state.BaseName = TextBeforeLast(startFile, QStringLiteral(".")).toLower();
    state.ReferenceSize = QFileInfo(JoinPath(folder, startFile)).size();

    const QString extension = TextAfterLast(startFile, QStringLiteral("."));
    const QString lower = extension.toLower();
    if (lower == u"rar") {
        state.SeriesKind = QStringLiteral("RAR");
        state.SeqList.append(startFile.toLower());
        AddFoundMembers(hidList, QStringLiteral("[r-z][0-9][0-9]"));
    } else if (extension == u"001") {
        state.SeriesKind = QStringLiteral("NUM");
        AddFoundMembers(hidList, QStringLiteral("[0-9][0-9][0-9]"));
    } else if (lower == u"ace") {
        state.SeriesKind = QStringLiteral("ACE");
        state.SeqList.append(startFile.toLower());
        AddFoundMembers(hidList, QStringLiteral("c[0-9][0-9]"));
        AddFoundMembers(hidList, QStringLiteral("[0-9][0-9][0-9]"));
    } else if (lower == u"arj") {
        state.SeriesKind = QStringLiteral("ARJ");
        state.SeqList.append(startFile.toLower());
        AddFoundMembers(hidList, QStringLiteral("a[0-9][0-9]"));
        AddFoundMembers(hidList, QStringLiteral("[0-9][0-9][0-9]"));
    }
    if (showStatus)
        showStatus(QStringLiteral("Ready To Scan Archive"));
}

}  // namespace quil
