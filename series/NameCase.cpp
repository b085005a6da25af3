// NameCase.cpp - the one letter-case rule for file names: names equal but for case are one name.
// SPDX-License-Identifier: MIT
#include "series/NameCase.h"

namespace quil {

QString NameKey(QStringView name)
{
    return name.toString().toCaseFolded();
}

QString NameKey(const QString& name)
{
    return name.toCaseFolded();
}

bool SameName(QStringView a, QStringView b)
{
    return NameKey(a) == NameKey(b);
}

bool NameEndsWith(QStringView name, QStringView ending)
{
    return name.size() >= ending.size() && SameName(name.right(ending.size()), ending);
}

bool NameOrderLess(const QString& a, const QString& b)
{
    // Qt's case-blind comparison folds each character as NameKey does, without building two keys for
    // every comparison of a sort over a large folder.
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

}  // namespace quil
