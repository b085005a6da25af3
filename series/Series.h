// Series.h - a recognised series: what its start file opens and which of its members lie beside it.
#pragma once

#include "series/SeriesKind.h"

#include <QString>
#include <QStringList>

namespace quil {

struct Series {
    SeriesKind kind = SeriesKind::Rar;
    QString folder;            // where the start file and its members lie
    QString startFile;         // the start file's name as listed, letter case kept
    QString BaseName;          // start file name before its last dot, lower case
    qint64 ReferenceSize = 0;  // byte size of the start file when it was picked
    QStringList SeqList;       // members found in the folder, lower case, first member first
};

}  // namespace quil
