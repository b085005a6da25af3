// FunctionModule.h - small text and path helpers shared by the windows and the core.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

// True when the file system knows the path: an existing file or folder (links are followed).
// Never fails; an empty or malformed path gives false.
bool PathIsPresent(const QString& path);

// Everything before the last occurrence of the one-character mark; "" when the mark is absent
// (not the whole text) or is not exactly one character.
QString TextBeforeLast(const QString& text, const QString& mark);

// Everything after the last occurrence of the one-character mark; "" as above.
QString TextAfterLast(const QString& text, const QString& mark);

// The path ending in exactly one native separator ("/" here); an empty path gives the separator alone.
QString WithTrailingBackslash(const QString& path);

// Text with leading and trailing space characters (only those; tabs stay) removed.
QString TrimSpaces(const QString& text);

// Folder and name joined by exactly one separator.
QString JoinPath(const QString& folder, const QString& name);

}  // namespace quil
