// SeqListCheck.cpp - refuses to work on a found list too short to be a series.
#include "series/SeqListCheck.h"

#include "report/Product.h"
#include "series/Prompts.h"
#include "series/SeriesState.h"

namespace quil {

bool RefuseShortSeqList(Prompts& prompts)
{
    const QStringList& seqList = State().SeqList;
    if (seqList.size() >= 2)
        return false;
    prompts.message(ProductName(),
                    seqList.isEmpty() ? QStringLiteral("Select an Archive File First!")
                                      : QStringLiteral("List Contains Only 1 File!"),
                    MessageIcon::Exclamation);
    return true;
}

}  // namespace quil
