#pragma once

#include "app/import/column_mapping.h"
#include "app/import/export_file.h"
#include "app/import/workout_reader.h"
#include "app/import/workout_source.h"

#include <QString>

#include <string>
#include <vector>

// Several exports read as one: the parts of an export split into several
// files (Activities(7).csv, (8), (9)), or workouts exported twice. A
// workout found again in a later file (same start minute and sport) is
// counted once. Archives, folders, summary pages and FIT files join as
// workout sources; a CSV export found in one belongs to it (owner).
class TExportSet
{
public:
    void Add(TExportFile file, TColumnMapping mapping, int owner = -1);
    // Returns the source's index, the owner of the CSV exports it holds.
    int AddSource(TWorkoutSource source);

    int Count() const { return static_cast<int>(files_.size()); }
    const TExportFile& File(int index) const { return files_.at(std::size_t(index)); }
    const TColumnMapping& Mapping(int index) const { return mappings_.at(std::size_t(index)); }
    int Owner(int index) const { return owners_.at(std::size_t(index)); }
    int SourceCount() const { return static_cast<int>(sources_.size()); }
    const TWorkoutSource& WorkoutSource(int index) const { return sources_.at(std::size_t(index)); }
    bool Empty() const { return files_.empty() && sources_.empty(); }

    // The mapping of the first file, given also to every file with its header.
    void SetFirstMapping(const TColumnMapping& mapping);

    // The workouts of all files in file order, then of the sources,
    // duplicates left out and counted.
    TWorkoutList Read() const;

    QStringList Names() const;   // the file names of the paths
    QString Source() const;      // the paths
    QString Service() const;     // the services recognised
    std::string FileNames() const; // for the year files' trailer

private:
    std::vector<TExportFile> files_;
    std::vector<TColumnMapping> mappings_;
    std::vector<int> owners_;
    std::vector<TWorkoutSource> sources_;
};
