#pragma once

#include "app/import/archive_reader.h"
#include "app/import/export_file.h"
#include "app/import/workout_source.h"

#include <QString>

#include <functional>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

// Walks what one named path holds (a ZIP archive with nested ZIPs and gzip
// members, a folder, a summary page, a FIT file) into one workout source.
// An export with summaries (Strava's activities.csv, Garmin's JSON pages)
// counts them; its original files are the same workouts again and are only
// counted as skipped. A folder or archive of FIT files counts their sessions.
class TSourceWalker
{
public:
    explicit TSourceWalker(const QString& name);

    void WalkFolder(const QString& folder);
    using TReaderFactory = std::function<std::unique_ptr<TArchiveReader>()>;
    // Opens the archive twice: once for the names, which say what kind of
    // export it is, then for the members that count.
    void WalkArchive(const TReaderFactory& open, const QString& shownName, int depth = 0);
    // One file's bytes, by its name (".fit", ".fit.gz", "…summarizedActivities.json", "activities.csv", ".zip").
    void TakeFile(const QString& name, std::string bytes, int depth);
    void TakePage(const QString& name, const std::string& bytes);
    void TakeFit(const QString& name, std::string_view bytes);

    // Whether anything counted was found.
    bool FoundAny() const;
    TWorkoutSource TakeSource();
    // The CSV exports found (Strava's activities.csv), with their shown names.
    std::vector<TExportFile>& CsvFiles() { return csvFiles_; }

    void Refuse(const QString& name, const QString& why);
    int Refusals() const { return static_cast<int>(source_.findings.size()); }
    const QString& LastRefusal() const { return lastRefusal_; }

private:
    enum class TKind { Page, Csv, Fit, FitGz, Zip, Other };
    static TKind KindOf(const QString& name);
    bool IsOriginal(const QString& name, TKind kind) const;
    void Classify(const QStringList& names);

    TWorkoutSource source_;
    std::vector<TExportFile> csvFiles_;
    std::set<qint64> ids_;
    std::set<std::tuple<int, int, int, int, int, QString>> fitStarts_;
    bool hasSummaries_ = false;
    bool hasCsv_ = false;
    QString lastRefusal_;
};
