// FunctionModule.cpp - small text and path helpers shared by the windows and the core.
// SPDX-License-Identifier: MIT
#include "series/FunctionModule.h"

#include <QDir>
#include <QFileInfo>

namespace quil {

bool PathIsPresent(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

static qsizetype LastMarkPosition(const QString& text, const QString& mark)
{
    return mark.size() == 1 ? text.lastIndexOf(mark.front()) : -1;
}

QString TextBeforeLast(const QString& text, const QString& mark)
{
    const qsizetype at = LastMarkPosition(text, mark);
    return at < 0 ? QString() : text.left(at);
}

QString TextAfterLast(const QString& text, const QString& mark)
{
    const qsizetype at = LastMarkPosition(text, mark);
    return at < 0 ? QString() : text.mid(at + 1);
}

QString WithTrailingBackslash(const QString& path)
{
    const QChar separator = QDir::separator();
    return path.endsWith(separator) ? path : path + separator;
}

QString TrimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

QString JoinPath(const QString& folder, const QString& name)
{
    return WithTrailingBackslash(folder) + name;
}

}  // namespace quil
