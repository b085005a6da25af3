// NameEscapes.h - a file name written on one line, with the characters that would break the line escaped.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quil {

// The name with "\", LF, CR and tab written as "\\", "\n", "\r" and "\t", as this platform's
// checksum tools write names, and each byte that is not UTF-8 (see NativeNames.h) as "\xHH"
// (two upper-case hexadecimal digits), so the name's bytes can be read back exactly; no value when
// it holds none of them.
std::optional<QString> EscapedName(const QString& name);

// `fields` joined by tabs, as one line of text output. When a field must be escaped (see
// EscapedName) every field is, and the line starts with "\" to say so.
QString EscapedLine(const QStringList& fields);

// The name on one visible line: bytes that are not UTF-8 shown as U+FFFD (see NativeNames.h), then
// escaped as above when it must be.
QString OneLineName(const QString& name);

}  // namespace quil
