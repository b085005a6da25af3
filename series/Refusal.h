// Refusal.h - why a series was not checked, as a machine code beside the message a person reads.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

// One value per distinct reason a check is refused.
enum class RefusalCode {
    NoStartFile,
    SingleVolume,
    SfvUnreadable,
    SfvNotFound,
    SfvAmbiguous,
    NoArchiveMarker,
    FolderUnreadable,
    SplitZipIncomplete,
};

// The code's name in JSON: "no_start_file", "single_volume", "sfv_unreadable", "sfv_not_found",
// "sfv_ambiguous", "no_archive_marker", "folder_unreadable", "split_zip_incomplete".
QString RefusalCodeName(RefusalCode code);

// A refusal: its code and its message (a second line, when there is one, says why).
struct Refusal {
    RefusalCode code = RefusalCode::NoStartFile;
    QString text;

    bool operator==(const Refusal&) const = default;
};

}  // namespace quil
