#pragma once

#include <QList>
#include <QStringList>

// One load of year files or one import of a workout export, as the
// "Zuletzt geöffnet" menu reopens it.
struct TRecentLoad
{
    enum class TKind { Load, Import };
    TKind kind = TKind::Load;
    QStringList files;

    bool operator==(const TRecentLoad&) const = default;
};

// The last loads and imports, newest first, each once.
class TRecentLoads
{
public:
    static constexpr int MaxEntries = 8;

    TRecentLoads() = default;
    explicit TRecentLoads(QList<TRecentLoad> entries);

    // Puts the load first; the same load made before moves up, the oldest
    // beyond the limit drops out. A load of no files is no entry.
    void Add(const TRecentLoad& load);
    const QList<TRecentLoad>& Entries() const { return entries_; }

private:
    QList<TRecentLoad> entries_;
};
