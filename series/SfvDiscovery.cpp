// SfvDiscovery.cpp - finds the one SFV file beside a series that lists its start file.
// SPDX-License-Identifier: MIT
#include "series/SfvDiscovery.h"

#include "series/FolderListing.h"
#include "series/FunctionModule.h"
#include "series/NameCase.h"
#include "prompts/Messages.h"

namespace quil {

std::variant<SfvTable, Refusal> FindListingSfv(const Series& series)
{
    const NameFilter isSfv = [](const QString& name) { return NameEndsWith(name, u".sfv"); };
    // The listing the series was found in, when it has one, rather than a fresh one for every series.
    QStringList candidates = series.Listing ? series.Listing->OrdinaryFiles(isSfv) : ListOrdinaryFiles(series.Folder, isSfv);
    for (QString& name : candidates)
        name = JoinPath(series.Folder, name);
    QList<SfvTable> listing;
    QStringList listingPaths;
    for (const QString& path : candidates) {
        auto read = SfvTable::Read(path);
        if (SfvTable* table = std::get_if<SfvTable>(&read); table && table->Lists(series.StartFile)) {
            listingPaths.append(table->path());
            listing.append(std::move(*table));
        }
    }
    if (listing.size() == 1)
        return listing.takeFirst();
    const QString separator = QStringLiteral(", ");
    if (listing.isEmpty())
        return Refusal{RefusalCode::SfvNotFound,
                       WithReason(NoSfvListsMessage(series.StartFile),
                                  candidates.isEmpty() ? QStringLiteral("No .sfv file in %1").arg(series.Folder)
                                                       : QStringLiteral("Looked at: ") + candidates.join(separator))};
    return Refusal{RefusalCode::SfvAmbiguous,
                   WithReason(SeveralSfvListMessage(series.StartFile), listingPaths.join(separator))};
}

}  // namespace quil
