// clsOpenSave.h - open and save file dialogs set up field by field; the chosen file is read back from the same object.
// SPDX-License-Identifier: MIT
#pragma once

#include "prompts/Prompts.h"

#include <QString>

namespace quil {

class clsOpenSave {
public:
    // Option bits of Flags that the dialogs honour.
    enum : qint32 { OverwritePrompt = 2, FileMustExist = 4096 };

    // Defaults: FilterIndex 1, Filter "All Files (*.*)|*.*", InitDir the file-system root,
    // MaxFileSize 260, every other number 0, every other text empty, CancelError false.
    clsOpenSave();

    bool CancelError() const { return cancelError_; }
    void setCancelError(bool value) { cancelError_ = value; }
    QString DefaultExt() const { return defaultExt_; }
    void setDefaultExt(const QString& value) { defaultExt_ = value; }
    QString DialogTitle() const { return dialogTitle_; }
    void setDialogTitle(const QString& value) { dialogTitle_ = value; }
    QString FileName() const { return fileName_; }
    void setFileName(const QString& value) { fileName_ = value; }
    QString FileTitle() const { return fileTitle_; }
    qint16 FilterIndex() const { return filterIndex_; }
    void setFilterIndex(qint16 value) { filterIndex_ = value; }
    QString Filter() const;               // the "|"-separated form, as written
    void setFilter(const QString& value);  // held in NUL-separated form
    qint32 Flags() const { return flags_; }
    void setFlags(qint32 value) { flags_ = value; }
    QString InitDir() const { return initDir_; }
    void setInitDir(const QString& value) { initDir_ = value; }
    qint16 MaxFileSize() const { return maxFileSize_; }
    void setMaxFileSize(qint16 value) { maxFileSize_ = value; }
    // Out: where the extension of FileName starts (just after its dot), counted from 0; 0 when none.
    qint16 FileExt() const { return fileExt_; }

    // The filter as held: descriptions and patterns separated by NUL, ended by two NULs.
    QString FilterSeparatorForm() const { return filter_; }

    // Show the dialog through `prompts` and, when a file was chosen, update FileName, FileTitle,
    // FileExt and FilterIndex. Return "" on success and on a cancel with CancelError false;
    // "Cancel was selected" on a cancel with CancelError true; otherwise why the dialog could not
    // be shown (a FileName longer than MaxFileSize + 1 characters).
    QString ShowOpen(Prompts& prompts);
    QString ShowSave(Prompts& prompts);

    // The dialog request these properties describe: the filter pairs up to the first empty part,
    // OverwritePrompt and FileMustExist taken from Flags.
    FileDialogRequest Request(bool save) const;

private:
    QString Show(Prompts& prompts, bool save);
    void TakeChoice(const FileDialogChoice& choice);

    bool cancelError_ = false;
    QString defaultExt_;
    QString dialogTitle_;
    QString fileName_;
    QString fileTitle_;
    qint16 filterIndex_ = 1;
    QString filter_;
    qint32 flags_ = 0;
    QString initDir_;
    qint16 maxFileSize_ = 260;
    qint16 fileExt_ = 0;
};

}  // namespace quil
