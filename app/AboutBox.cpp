// AboutBox.cpp - the about box (product, version, what it does) and the warranty disclaimer it leads to.
// SPDX-License-Identifier: MIT
#include "app/AboutBox.h"

#include "app/HelpKey.h"
#include "app/Pictures.h"
#include "report/Product.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quil {

QString DisclaimerText()
{
    return QStringLiteral(
        "WARRANTY DISCLAIMER\n\n"
        "Quillane is provided \"as is\", without warranty of any kind, express or implied, including "
        "but not limited to the warranties of merchantability, fitness for a particular purpose and "
        "non-infringement.\n\n"
        "Quillane only reads the files it checks. A series it reports as OK can still fail to "
        "extract: a size check cannot see damaged bytes, and a CRC check is only as good as the SFV "
        "file it compares with. Keep the originals until the extracted data has been verified.\n\n"
        "In no event shall the authors or copyright holders be liable for any claim, damages or "
        "other liability, whether in an action of contract, tort or otherwise, arising from, out "
        "of or in connection with the software or the use of or other dealings in the software.");
}

AboutBox::AboutBox(QWidget* parent, Prompts& prompts) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About ") + ProductName());

    auto* picture = new QLabel;
    picture->setPixmap(WindowIcon().pixmap(64, 64));
    auto* title = new QLabel(ProductName());
    title->setObjectName(QStringLiteral("ProductTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = new QLabel(QStringLiteral("Version ") + VersionText());
    version->setObjectName(QStringLiteral("Version"));
    auto* description = new QLabel(QStringLiteral(
        "Checks multi-volume archive series for missing, wrongly sized and damaged volumes."));
    description->setObjectName(QStringLiteral("Description"));
    description->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addWidget(description);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    QPushButton* disclaimer = buttons->addButton(QStringLiteral("&Disclaimer..."), QDialogButtonBox::ActionRole);
    disclaimer->setObjectName(QStringLiteral("DisclaimerButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(disclaimer, &QPushButton::clicked, this, &AboutBox::Disclaimer_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setFixedWidth(420);
    AddHelpKey(*this, prompts);
}

void AboutBox::Disclaimer_Click()
{
    DisclaimerBox box(this);
    box.exec();
}

DisclaimerBox::DisclaimerBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DisclaimerBox"));
    setWindowTitle(ProductName() + QStringLiteral(" - Disclaimer"));
    auto* text = new QPlainTextEdit(DisclaimerText());
    text->setObjectName(QStringLiteral("DisclaimerText"));
    text->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(460, 340);
}

}  // namespace quil
