// NativeNames.h - file names as the system holds them (bytes) carried losslessly in a QString.
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

#include <sys/stat.h>

namespace quil {

// A name's bytes read as UTF-8; each byte that is no part of valid UTF-8 (a Latin-1 "é") becomes
// one of U+DC80..U+DCFF, a lone surrogate no valid name decodes to, so NativePath gives the byte back.
QString NameFromNative(const QByteArray& bytes);

// A program's arguments after its name, each decoded by NameFromNative, so that a path that is not
// valid UTF-8 still opens.
QStringList ArgumentsFromNative(int argc, char** argv);

// The bytes of `path` for the system: the inverse of NameFromNative.
QByteArray NativePath(const QString& path);

// The byte that the character at `i` of `text` keeps (see NameFromNative); no value when it is an
// ordinary character.
std::optional<uchar> KeptByteAt(QStringView text, qsizetype i);

// The text to show for a name or path: each kept byte shown as the replacement character U+FFFD.
QString ShownText(const QString& text);

// `path` made absolute against the working folder and cleaned, by string operations alone:
// QFileInfo would pass it through the lossy codec.
QString AbsolutePath(const QString& path);

// What the system says of the file at `path`, links followed; no value when it is not there.
std::optional<struct stat> StatPath(const QString& path);

}  // namespace quil
