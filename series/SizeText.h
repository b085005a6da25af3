// SizeText.h - a byte size as the member list and the status popup show it.
// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

namespace quil {

// At least four digits with the locale's digit grouping: 512 gives 0,512 and 1048576 gives
// 1,048,576 in an English locale.
QString SizeText(qint64 bytes, const QLocale& locale = QLocale());

}  // namespace quil
