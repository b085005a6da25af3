// MemberWalks.h - names every member a series should have, in order, up to the last one found.
#pragma once

#include "series/Callbacks.h"

#include <QString>
#include <QStringList>

namespace quil {

// Each walk shows its status text, then hands BaseName + "." + extension to `checkMember` for
// every extension of its kind, in order, while KeepWalking is true; after LastMemberName it
// clears KeepWalking. A walk that never meets LastMemberName runs to its last name.
void CheckRarMembers(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus);
void CheckArjMembers(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus);
void CheckAceMembers(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus);
// Starts at .002, or at .001 when the first found member is the .000 file.
void CheckNumMembers(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus);

// The walk of SeriesKind; nothing for an unknown kind.
void WalkSeries(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus);

// The extensions walked after the first member, in order, for a kind.
QStringList RarExtensions();
QStringList ArjExtensions();
QStringList AceExtensions();
QStringList NumExtensions(int first);

}  // namespace quil
