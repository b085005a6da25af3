// JsonOutput.h - a checked series as the JSON document that --json prints.
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/SeriesCheck.h"

#include <QJsonObject>

namespace quil::cli {

// The version of the documents' layout (docs/quillane-check.schema.json); a change that could break
// a reader raises it.
constexpr int kJsonVersion = 1;

// The document of one series: its layout version, its start path, the series (kind, folder, start
// file, end file), the mode, the SFV path, then either the refusal and its code or the rows in order
// (with --errors-only, those that are not OK; each with its status code), the report's counts and
// text, and for an SFV check its entries that name no volume of the series and the numbers of its
// lines that are no entries. A value that is not there is null.
QJsonObject SeriesDocument(const SeriesOutcome& outcome, const CheckOptions& options);

}  // namespace quil::cli
