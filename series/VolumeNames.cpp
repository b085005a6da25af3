// VolumeNames.cpp - volume numbers in names: NAME.partN.rar, NAME.z01 … NAME.zip and NAME.001 … NAME.1000 ….
// SPDX-License-Identifier: MIT
#include "series/VolumeNames.h"

#include "series/NameCase.h"

#include <QRegularExpression>

#include <algorithm>

namespace quil {

namespace {

// Six digits at most in every kind: a number fits an int, and no stray name (x.part999999999.rar,
// x.z999999999) makes a walk of a billion names beside a real set.
constexpr qsizetype kMostDigits = 6;

QString Padded(int number, int width)
{
    return QString::number(number).rightJustified(width, u'0');
}

// The value of `digits` when it is written as `number` padded to `width`; no value otherwise.
std::optional<int> NumberOfWidth(const QString& digits, int width)
{
    if (digits.isEmpty() || digits.size() > kMostDigits)
        return std::nullopt;
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || number < 1 || digits != Padded(number, width))
        return std::nullopt;
    return number;
}

}  // namespace

std::optional<RarPartName> ParseRarPartName(const QString& fileName)
{
    // Most names of a large folder end otherwise; they need no pattern match.
    if (!NameEndsWith(fileName, u".rar"))
        return std::nullopt;
    // Matched on the key, which has as many characters as the name, so the base keeps its case.
    static const QRegularExpression pattern(QStringLiteral("^(.*)\\.part([0-9]+)\\.rar$"));
    const QRegularExpressionMatch match = pattern.match(NameKey(fileName));
    if (!match.hasMatch())
        return std::nullopt;
    const QString digits = match.captured(2);
    // Its own width always fits it; whether it fits a narrower set is IsRarPartOfWidth's question.
    const std::optional<int> number = NumberOfWidth(digits, int(digits.size()));
    if (!number)
        return std::nullopt;
    return RarPartName{fileName.left(match.capturedLength(1)), digits, *number};
}

QString RarPartExtension(int number, int width)
{
    return QStringLiteral("part") + Padded(number, width) + QStringLiteral(".rar");
}

bool IsRarPartOfWidth(const RarPartName& part, int width)
{
    return part.digits == Padded(part.number, width);
}

QString ZipPartExtension(int number)
{
    return u'z' + Padded(number, 2);
}

std::optional<int> ZipPartNumber(const QString& extension)
{
    if (extension.size() < 3 || !SameName(extension.first(1), u"z"))
        return std::nullopt;
    return NumberOfWidth(extension.mid(1), 2);
}

std::optional<int> NumberedVolumeNumber(const QString& extension)
{
    if (extension.size() == 3) {
        const bool digits = std::all_of(extension.cbegin(), extension.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        return digits ? std::optional<int>(extension.toInt()) : std::nullopt;
    }
    const std::optional<int> number = NumberOfWidth(extension, 4);
    return number && *number >= 1000 ? number : std::nullopt;
}

}  // namespace quil
