// QUILSeqList.cpp - the small window that lists the found members of the current series.
// SPDX-License-Identifier: MIT
#include "app/QUILSeqList.h"

#include "app/HelpKey.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quil {

QUILSeqList::QUILSeqList(QWidget* parent, const QStringList& members, Prompts& prompts) : QDialog(parent)
{
    setObjectName(QStringLiteral("QUILSeqList"));
    setWindowTitle(QStringLiteral("Sequence List"));
    auto* seqList = new QListWidget;
    seqList->setObjectName(QStringLiteral("SeqList"));
    seqList->addItems(members);
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(seqList);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    resize(240, 320);
    AddHelpKey(*this, prompts);
}

}  // namespace quil
