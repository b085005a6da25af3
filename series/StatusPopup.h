// StatusPopup.h - the explanation of one member row, shown when the row is double-clicked.
#pragma once

#include <QString>

namespace quil {

class Prompts;

// What a member row shows: its name, its icon index (1 OK, 2 Missing, 3 Bad CRC, 4 Bad Size) and
// the texts of its "Byte Size" and "CRC-32" columns.
struct MemberRow {
    QString name;
    int iconIndex = 0;
    QString sizeText;
    QString crcText;
};

// Shows "Status For: " + the row's name, an empty line and what its status means, titled with the
// product name. A Bad CRC row reads the SFV file of the last run again for the value it should
// have; a Bad Size row names `startFile` (as listed) and ReferenceSize. A row with an icon index
// outside 1 to 4 shows the first two lines only.
void ShowMemberStatus(Prompts& prompts, const MemberRow& row, const QString& startFile);

}  // namespace quil
