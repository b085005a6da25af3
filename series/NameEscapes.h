// NameEscapes.h - a file name written on one line, with the characters that would break the line escaped.
#pragma once

#include <QString>

#include <optional>

namespace quil {

// The name with "\", LF, CR and tab written as "\\", "\n", "\r" and "\t", as this platform's
// checksum tools write names; no value when it holds none of them.
std::optional<QString> EscapedName(const QString& name);

// The name on one visible line: bytes that are not UTF-8 shown as U+FFFD (see NativeNames.h), then
// escaped as above when it must be.
QString OneLineName(const QString& name);

}  // namespace quil
