// SizeText.cpp - a byte size as the member list and the status popup show it.
// SPDX-License-Identifier: MIT
#include "series/SizeText.h"

namespace quil {

QString SizeText(qint64 bytes, const QLocale& locale)
{
    const QString digits = QString::number(bytes < 0 ? 0 : bytes).rightJustified(4, u'0');
    const QString separator = locale.groupSeparator();
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace quil
