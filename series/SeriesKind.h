// SeriesKind.h - the four kinds of volume series, and what each one's start file and walk are called.
#pragma once

#include <QString>

namespace quil {

enum class SeriesKind { Rar, Arj, Ace, Num };

// The start file's extension with its dot: ".rar", ".arj", ".ace", ".001".
QString StartExtension(SeriesKind kind);

// What the status line says while the walk of a kind runs.
QString WalkStatusText(SeriesKind kind);

}  // namespace quil
