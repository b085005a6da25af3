// Product.h - the product's name, version and web page, as captions, the report footer and --version show them.
#pragma once

#include <QString>

namespace quil {

inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 5;

inline QString ProductName() { return QStringLiteral("Quillane"); }

// The product's home page. The project has no home yet, so a reserved example domain stands in.
inline QString ProductWebPage() { return QStringLiteral("https://quillane.example.org/"); }

// "3.1.005": major and minor in plain decimal, the revision with at least three digits.
inline QString VersionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(QString::number(kVersionRevision).rightJustified(3, u'0'));
}

}  // namespace quil
