// NameEscapes.cpp - a file name written on one line, with the characters that would break the line escaped.
#include "series/NameEscapes.h"

#include "os/NativeNames.h"

namespace quil {

std::optional<QString> EscapedName(const QString& name)
{
    QString escaped;
    bool any = false;
    for (const QChar c : name) {
        switch (c.unicode()) {
        case u'\\': escaped += u"\\\\"; any = true; break;
        case u'\n': escaped += u"\\n"; any = true; break;
        case u'\r': escaped += u"\\r"; any = true; break;
        case u'\t': escaped += u"\\t"; any = true; break;
        default: escaped += c;
        }
    }
    return any ? std::optional<QString>(escaped) : std::nullopt;
}

QString OneLineName(const QString& name)
{
    const QString shown = ShownText(name);
    return EscapedName(shown).value_or(shown);
}

}  // namespace quil
