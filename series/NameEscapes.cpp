// NameEscapes.cpp - a file name written on one line, with the characters that would break the line escaped.
// SPDX-License-Identifier: MIT
#include "series/NameEscapes.h"

#include "os/NativeNames.h"

namespace quil {

std::optional<QString> EscapedName(const QString& name)
{
    QString escaped;
    bool any = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (const std::optional<uchar> kept = KeptByteAt(name, i)) {
            escaped += QStringLiteral("\\x") + QString::number(*kept, 16).toUpper();  // a kept byte is 0x80 or more: two digits
            any = true;
            continue;
        }
        switch (name[i].unicode()) {
        case u'\\': escaped += u"\\\\"; any = true; break;
        case u'\n': escaped += u"\\n"; any = true; break;
        case u'\r': escaped += u"\\r"; any = true; break;
        case u'\t': escaped += u"\\t"; any = true; break;
        default: escaped += name[i];
        }
    }
    return any ? std::optional<QString>(escaped) : std::nullopt;
}

QString EscapedLine(const QStringList& fields)
{
    QStringList written;
    bool any = false;
    for (const QString& field : fields) {
        const std::optional<QString> escaped = EscapedName(field);
        any = any || escaped;
        written.append(escaped.value_or(field));
    }
    return (any ? QStringLiteral("\\") : QString()) + written.join(u'\t');
}

QString OneLineName(const QString& name)
{
    const QString shown = ShownText(name);
    return EscapedName(shown).value_or(shown);
}

}  // namespace quil
