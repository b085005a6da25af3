// SeriesKind.h - the kinds of volume series, and what each one's start file and walk are called.
#pragma once

#include <QString>

namespace quil {

// The four older kinds, then NAME.partN.rar sets (RarParts) and split ZIPs (Zip).
enum class SeriesKind { Rar, Arj, Ace, Num, RarParts, Zip };

// The start file's extension with its dot: ".rar", ".arj", ".ace", ".001", ".rar", ".zip".
QString StartExtension(SeriesKind kind);

// What the status line says while the walk of a kind runs.
QString WalkStatusText(SeriesKind kind);

}  // namespace quil
