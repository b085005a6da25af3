// JsonSchema.h - a small JSON Schema check, enough for the schema of quillane-check's JSON.
// SPDX-License-Identifier: MIT
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

namespace quil::test {

// Where `value` breaks `schema` (whose "$ref"s point into `root`'s "$defs"), one line per break
// with the JSON path; empty when it fits. Knows type, const, enum, required, properties,
// additionalProperties (false), items, anyOf, oneOf and $ref.
QStringList SchemaBreaks(const QJsonValue& value, const QJsonObject& schema, const QJsonObject& root,
                         const QString& at = QStringLiteral("$"));

}  // namespace quil::test
