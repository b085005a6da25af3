// StatusPopup.cpp - the explanation of one member row, shown when the row is double-clicked.
#include "series/StatusPopup.h"

#include "report/Product.h"
#include "series/Prompts.h"
#include "series/SeriesState.h"
#include "series/SfvLookup.h"
#include "series/SizeText.h"

namespace quil {

void ShowMemberStatus(Prompts& prompts, const MemberRow& row, const QString& startFile)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString text = QStringLiteral("Status For: ") + row.name + lineBreak + lineBreak;
    MessageIcon icon = MessageIcon::Exclamation;
    switch (row.iconIndex) {
    case 1:
        text += QStringLiteral("File Is OK");
        icon = MessageIcon::Information;
        break;
    case 2:
        text += QStringLiteral("File Is Missing");
        break;
    case 3:
        text += QStringLiteral("File Has A Bad CRC Value.") + lineBreak + QStringLiteral("Has ") + row.crcText
              + QStringLiteral(", Should Be ") + LookupSfvCrc(State().SfvPath, row.name);
        break;
    case 4:
        text += QStringLiteral("File Has A Different Byte Size Than ") + startFile + QStringLiteral(".") + lineBreak
              + QStringLiteral("Has ") + row.sizeText + QStringLiteral(", Should Be ")
              + SizeText(State().ReferenceSize);
        break;
    default:
        icon = MessageIcon::Information;
        break;
    }
    prompts.message(ProductName(), text, icon);
}

}  // namespace quil
