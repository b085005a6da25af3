// Refusal.cpp - why a series was not checked, as a machine code beside the message a person reads.
// SPDX-License-Identifier: MIT
#include "series/Refusal.h"

namespace quil {

QString RefusalCodeName(RefusalCode code)
{
    switch (code) {
    case RefusalCode::NoStartFile: return QStringLiteral("no_start_file");
    case RefusalCode::SingleVolume: return QStringLiteral("single_volume");
    case RefusalCode::SfvUnreadable: return QStringLiteral("sfv_unreadable");
    case RefusalCode::SfvNotFound: return QStringLiteral("sfv_not_found");
    case RefusalCode::SfvAmbiguous: return QStringLiteral("sfv_ambiguous");
    case RefusalCode::NoArchiveMarker: return QStringLiteral("no_archive_marker");
    case RefusalCode::FolderUnreadable: return QStringLiteral("folder_unreadable");
    case RefusalCode::SplitZipIncomplete: return QStringLiteral("split_zip_incomplete");
    }
    return {};
}

}  // namespace quil
