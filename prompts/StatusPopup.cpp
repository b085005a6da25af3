// StatusPopup.cpp - the explanation of one member row, shown when the row is double-clicked.
// SPDX-License-Identifier: MIT
#include "prompts/StatusPopup.h"

#include "series/NameEscapes.h"
#include "series/RunResult.h"
#include "series/SizeText.h"

namespace quil {

StatusExplanation ExplainMemberStatus(const MemberRow& row, const RunResult& run)
{
    const QString lineBreak = QStringLiteral("\r\n");
    const bool archiveCheck = run.Mode == CheckMode::ArchiveCheck;
    // Names go on one line each: a newline in a name must not pass for the popup's own line break.
    StatusExplanation shown{QStringLiteral("Status For: ") + OneLineName(row.name) + lineBreak + lineBreak,
                            MessageIcon::Exclamation};
    switch (row.status) {
    case MemberStatus::OK:
        shown.text += QStringLiteral("File Is OK");
        if (archiveCheck)
            shown.text += lineBreak + QStringLiteral("Every Checksum The Archive Stores For It Matched; A Recovery Record "
                                                     "And Zero Padding May Be Left Out");
        shown.icon = MessageIcon::Information;
        break;
    case MemberStatus::Missing:
        shown.text += QStringLiteral("File Is Missing");
        break;
    case MemberStatus::BadCrc:
        shown.text += QStringLiteral("File Has A Bad %1 Value.")
                          .arg(run.SfvKind == HashKind::Crc32 ? QStringLiteral("CRC") : HashName(run.SfvKind));
        // An archive check's reason names the checksum and both values.
        if (!archiveCheck)
            shown.text += lineBreak + QStringLiteral("Has ") + row.crcText + QStringLiteral(", Should Be ") + row.expectedCrc;
        break;
    case MemberStatus::BadSize:
        // An archive check's reason tells what in the volume's structure is wrong.
        if (archiveCheck && !row.reason.isEmpty()) {
            shown.text += QStringLiteral("File Has A Bad Size.");
            break;
        }
        shown.text += QStringLiteral("File Has A Different Byte Size Than ") + OneLineName(run.ReferenceName)
                    + QStringLiteral(".") + lineBreak + QStringLiteral("Has ") + row.sizeText
                    + QStringLiteral(", Should Be ") + SizeText(run.ReferenceSize);
        break;
    case MemberStatus::PartlyVerified:
        shown.text += QStringLiteral("File Is Partly Verified: Every Checksum Matched, But Not All Data Has One");
        shown.icon = MessageIcon::Information;
        break;
    }
    if (!row.reason.isEmpty())
        shown.text += lineBreak + row.reason;
    return shown;
}

}  // namespace quil
