// clsOpenSave.cpp - open and save file dialogs set up field by field; the chosen file is read back from the same object.
// SPDX-License-Identifier: MIT
#include "prompts/clsOpenSave.h"

#include "series/FunctionModule.h"

#include <QDir>

namespace quil {

namespace {

const QChar kNul(u'\0');
const QChar kBar(u'|');

}  // namespace

clsOpenSave::clsOpenSave()
    : initDir_(QDir::rootPath())
{
    setFilter(QStringLiteral("All Files (*.*)|*.*"));
}

void clsOpenSave::setFilter(const QString& value)
{
    filter_ = value;
    filter_.replace(kBar, kNul);
    // The list ends with two NULs; a trailing "|" already gave one of them.
    const QString end(2, kNul);
    while (!filter_.endsWith(end))
        filter_.append(kNul);
}

QString clsOpenSave::Filter() const
{
    QString text = filter_;
    text.replace(kNul, kBar);
    for (int i = 0; i < 2 && text.endsWith(kBar); ++i)
        text.chop(1);
    return text;
}

FileDialogRequest clsOpenSave::Request(bool save) const
{
    FileDialogRequest request;
    request.save = save;
    request.title = dialogTitle_;
    request.initialFolder = initDir_;
    request.fileName = fileName_;
    // Pairs run up to the first empty part, as the dialogs read the list; a lone description is dropped.
    const QStringList parts = filter_.split(kNul);
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty() && !parts[i + 1].isEmpty(); i += 2)
        request.filters.append({parts[i], parts[i + 1]});
    request.filterIndex = filterIndex_;
    request.defaultExtension = defaultExt_;
    request.overwritePrompt = (flags_ & OverwritePrompt) != 0;
    request.fileMustExist = (flags_ & FileMustExist) != 0;
    return request;
}

QString clsOpenSave::ShowOpen(Prompts& prompts)
{
    return Show(prompts, false);
}

QString clsOpenSave::ShowSave(Prompts& prompts)
{
    return Show(prompts, true);
}

QString clsOpenSave::Show(Prompts& prompts, bool save)
{
    if (fileName_.size() > qsizetype(maxFileSize_) + 1)
        return QStringLiteral("The file name is longer than MaxFileSize allows.");
    const std::optional<FileDialogChoice> choice = prompts.fileDialog(Request(save));
    if (!choice)
        return cancelError_ ? QStringLiteral("Cancel was selected") : QString();
    TakeChoice(*choice);
    return {};
}

void clsOpenSave::TakeChoice(const FileDialogChoice& choice)
{
    fileName_ = TrimSpaces(choice.filePath);
    const qsizetype nameStart = fileName_.lastIndexOf(u'/') + 1;
    fileTitle_ = TrimSpaces(fileName_.mid(nameStart));
    const qsizetype dot = fileName_.lastIndexOf(u'.');
    fileExt_ = dot >= nameStart ? qint16(dot + 1) : qint16(0);
    filterIndex_ = qint16(choice.filterIndex);
}

}  // namespace quil
