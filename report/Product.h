// Product.h - the product's name, version and web page, as captions, the report footer and --version show them.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

// The version and the web page are the build's (the CMake project's), so the package and the
// desktop metadata show the same ones.
inline constexpr int kVersionMajor = QUILLANE_VERSION_MAJOR;
inline constexpr int kVersionMinor = QUILLANE_VERSION_MINOR;

inline QString ProductName() { return QStringLiteral("Quillane"); }

inline QString ProductWebPage() { return QStringLiteral(QUILLANE_HOMEPAGE); }

// "3.1.005", as the project version spells it.
inline QString VersionText() { return QStringLiteral(QUILLANE_VERSION); }

}  // namespace quil
