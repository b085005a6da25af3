// QUILSeqList.h - the small window that lists the found members of the current series.
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace quil {

class Prompts;

class QUILSeqList : public QDialog {
    Q_OBJECT
public:
    // Lists `members` from the first to the last.
    QUILSeqList(QWidget* parent, const QStringList& members, Prompts& prompts);
};

}  // namespace quil
