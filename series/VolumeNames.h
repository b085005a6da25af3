// VolumeNames.h - volume numbers in names: NAME.partN.rar, NAME.z01 … NAME.zip and NAME.001 … NAME.1000 ….
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace quil {

// A name of the form NAME.partN.rar (letter case ignored as NameKey ignores it), N one to six digits.
struct RarPartName {
    QString base;    // NAME, letter case kept
    QString digits;  // N as written
    int number = 0;  // N's value, from 1 on
};

// The parts of `fileName` when it is a NAME.partN.rar name with N from 1 on; no value otherwise.
std::optional<RarPartName> ParseRarPartName(const QString& fileName);

// "partN.rar" for part `number` in a set whose names are `width` digits wide: zero-padded to the
// width, and longer once the number needs more digits, as part9.rar is followed by part10.rar.
QString RarPartExtension(int number, int width);

// True when `part` is named as part of a set `width` digits wide.
bool IsRarPartOfWidth(const RarPartName& part, int width);

// "z01" … "z99", then "z100" and on: the extension of split-ZIP volume `number`, counted from 1.
QString ZipPartExtension(int number);

// The volume number of a split-ZIP extension ("z01" gives 1, "Z100" gives 100, "z999999" the last);
// no value for any other extension, "z1", "z001" and "z1000000" included.
std::optional<int> ZipPartNumber(const QString& extension);

// The number of a numbered volume's extension: three digits ("000" … "999"), then, as the
// archivers go on past 999, four to six digits without padding ("1000" … "999999"); no value for
// any other extension. Six digits at most, as in the other kinds' numbers, so that no stray name
// makes a walk of millions.
std::optional<int> NumberedVolumeNumber(const QString& extension);

}  // namespace quil
