// SeriesState.h - the values of the current series and of the last check run, shared application-wide.
#pragma once

#include <QString>
#include <QStringList>

namespace quil {

struct SeriesState {
    // Set when a start file is recognised.
    QString SeriesKind;        // "RAR", "ARJ", "ACE" or "NUM"
    QString BaseName;          // start file name before its last dot, lower case
    qint64 ReferenceSize = 0;  // byte size of the first member
    QStringList SeqList;       // members found in the folder, lower case, first member first

    // Set by a check run.
    QString LastMemberName;    // the walk stops after this name
    bool KeepWalking = false;
    bool CheckWithSfv = false;
    bool ReportCrcAnyway = false;
    QString SfvPath;           // SFV file of the last SFV check
    QStringList MissingList;   // names of absent members, in walk order
    QStringList SizeList;      // names of members whose size differs from ReferenceSize
    QStringList CRCList;       // names of members whose CRC-32 differs from their SFV entry
};

// The one application-wide state; the windows, the run and the report all read it.
SeriesState& State();

// Back to a freshly started program.
void ResetState();

}  // namespace quil
