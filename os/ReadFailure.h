// ReadFailure.h - the one wording of why a file could not be read, for members and SFV files alike.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstring>

namespace quil {

// "Cannot read <path>: <reason>".
inline QString ReadFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot read %1: %2").arg(path, reason);
}

// Why a name taken by a folder, a FIFO, a device or a link is not read or written as a file.
inline QString NotRegularReason()
{
    return QStringLiteral("not a regular file");
}

// The system's own short message for an errno value.
inline QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace quil
