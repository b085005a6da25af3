// SeriesKinds.h - one row per series kind: its start files, recognition, walk and texts.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/Series.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace quil {

struct SeriesKindRow {
    SeriesKind kind;
    // True for the names of a folder the start-file rule below needs to see.
    bool (*looksAt)(const QString& name);
    // The start files of this kind among `names`: the folder's names some kind looks at, in name order.
    QStringList (*startFilesAmong)(const QStringList& names);
    // The series `startFile` in the listed folder opens; no value when it starts no series of this kind.
    std::optional<Series> (*recognize)(const SharedListing& listing, const QString& startFile);
    // The extensions the walk takes after the first member (see WalkExtensions).
    QStringList (*walk)(const Series& series);
    QLatin1StringView walkStatus;  // the status line while the walk runs
    QLatin1StringView jsonName;    // "kind" in quillane-check's JSON
    QLatin1StringView usage;       // the start file as the usage texts name it
};

// Every kind, in the order the usage texts name them. No name starts series of two kinds.
std::span<const SeriesKindRow> SeriesKinds();

// The row of `kind`.
const SeriesKindRow& KindRow(SeriesKind kind);

// The kinds' usage texts joined by ", ", the last by `beforeLast` (" or " where the line has room).
QString StartFileKindsPhrase(QStringView beforeLast);

}  // namespace quil
