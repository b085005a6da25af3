// SeriesKind.cpp - the kinds of volume series, and what each one's start file and walk are called.
#include "series/SeriesKind.h"

namespace quil {

QString StartExtension(SeriesKind kind)
{
    switch (kind) {
    case SeriesKind::Rar: return QStringLiteral(".rar");
    case SeriesKind::Arj: return QStringLiteral(".arj");
    case SeriesKind::Ace: return QStringLiteral(".ace");
    case SeriesKind::Num: return QStringLiteral(".001");
    case SeriesKind::RarParts: return QStringLiteral(".rar");
    case SeriesKind::Zip: return QStringLiteral(".zip");
    }
    return {};
}

QString WalkStatusText(SeriesKind kind)
{
    switch (kind) {
    case SeriesKind::Rar: return QStringLiteral("Checking RAR Archive Members");
    case SeriesKind::Arj: return QStringLiteral("Checking ARJ Archive Members");
    case SeriesKind::Ace: return QStringLiteral("Checking ACE Archive Members");
    case SeriesKind::Num: return QStringLiteral("Checking Archive Members");
    case SeriesKind::RarParts: return QStringLiteral("Checking RAR Archive Members");
    case SeriesKind::Zip: return QStringLiteral("Checking ZIP Archive Members");
    }
    return {};
}

}  // namespace quil
