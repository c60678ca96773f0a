#include "app/window/recent_loads.h"

TRecentLoads::TRecentLoads(QList<TRecentLoad> entries)
{
    // Stored lists may come from an older or edited file: the same rules apply.
    for (auto it = entries.crbegin(); it != entries.crend(); ++it)
        Add(*it);
}

void TRecentLoads::Add(const TRecentLoad& load)
{
    if (load.files.isEmpty())
        return;
    entries_.removeAll(load);
    entries_.prepend(load);
    while (entries_.size() > MaxEntries)
        entries_.removeLast();
}
