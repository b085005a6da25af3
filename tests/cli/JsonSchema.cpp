// JsonSchema.cpp - a small JSON Schema check, enough for the schema of quillane-check's JSON.
// SPDX-License-Identifier: MIT
#include "tests/cli/JsonSchema.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>

namespace quil::test {

namespace {

bool HasType(const QJsonValue& value, const QString& type)
{
    if (type == u"integer")
        return value.isDouble() && std::trunc(value.toDouble()) == value.toDouble();
    return (type == u"null" && value.isNull()) || (type == u"boolean" && value.isBool())
        || (type == u"number" && value.isDouble()) || (type == u"string" && value.isString())
        || (type == u"array" && value.isArray()) || (type == u"object" && value.isObject());
}

// How many of the schemas in `list` `value` fits.
qsizetype Fitting(const QJsonValue& value, const QJsonArray& list, const QJsonObject& root, const QString& at)
{
    return std::ranges::count_if(list, [&](const QJsonValue& schema) {
        return SchemaBreaks(value, schema.toObject(), root, at).isEmpty();
    });
}

}  // namespace

QStringList SchemaBreaks(const QJsonValue& value, const QJsonObject& schema, const QJsonObject& root, const QString& at)
{
    if (schema.contains("$ref"))
        return SchemaBreaks(value, root["$defs"][schema["$ref"].toString().section('/', -1)].toObject(), root, at);
    QStringList breaks;
    if (schema.contains("type")) {
        const QJsonValue type = schema["type"];
        const QJsonArray types = type.isArray() ? type.toArray() : QJsonArray{type};
        if (std::ranges::none_of(types, [&](const QJsonValue& t) { return HasType(value, t.toString()); }))
            return {at + ": not of type " + QJsonDocument(QJsonObject{{"type", type}}).toJson(QJsonDocument::Compact)};
    }
    if (schema.contains("const") && value != schema["const"])
        breaks << at + ": not the constant";
    if (schema.contains("enum") && !schema["enum"].toArray().contains(value))
        breaks << at + ": " + value.toVariant().toString() + " is none of the enum";
    if (schema.contains("anyOf") && Fitting(value, schema["anyOf"].toArray(), root, at) == 0)
        breaks << at + ": fits none of anyOf";
    if (schema.contains("oneOf") && Fitting(value, schema["oneOf"].toArray(), root, at) != 1)
        breaks << at + ": fits not exactly one of oneOf";
    const QJsonObject object = value.toObject();
    for (const QJsonValue& name : schema["required"].toArray())
        if (!object.contains(name.toString()))
            breaks << at + ": lacks " + name.toString();
    const QJsonObject properties = schema["properties"].toObject();
    for (auto it = object.begin(); value.isObject() && it != object.end(); ++it) {
        if (properties.contains(it.key()))
            breaks << SchemaBreaks(it.value(), properties[it.key()].toObject(), root, at + '.' + it.key());
        else if (schema["additionalProperties"] == QJsonValue(false))
            breaks << at + ": has " + it.key();
    }
    const QJsonArray items = value.toArray();
    for (qsizetype i = 0; schema.contains("items") && i < items.size(); ++i)
        breaks << SchemaBreaks(items[i], schema["items"].toObject(), root, at + '[' + QString::number(i) + ']');
    return breaks;
}

}  // namespace quil::test
