// NameCase.h - the one letter-case rule for file names: names equal but for case are one name.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

namespace quil {

// The form in which file names are compared: case-folded one character for one, so "ς", "σ" and
// "Σ" are one letter, and so are "ſ" and "s"; "ß" stays "ß". Recognition, walks, start files,
// member lookup and SFV lookup all compare names by this key, so a name one of them takes is never
// missed by another.
QString NameKey(QStringView name);
// The same, sharing the name's text when folding changes nothing, as for most names of a large folder.
QString NameKey(const QString& name);

// True when `a` and `b` have the same key.
bool SameName(QStringView a, QStringView b);

// True when `name` ends with `ending`, compared by key.
bool NameEndsWith(QStringView name, QStringView ending);

// Ascending order of the keys; names with one key keep a fixed order among themselves.
bool NameOrderLess(const QString& a, const QString& b);

}  // namespace quil
