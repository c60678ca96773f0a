#pragma once

#include "app/import/column_mapping.h"
#include "app/import/export_file.h"
#include "app/import/workout_reader.h"

#include <QString>

#include <string>
#include <vector>

// Several exports read as one: the parts of an export split into several
// files (Activities(7).csv, (8), (9)), or workouts exported twice. A
// workout found again in a later file (same start minute and sport) is
// counted once.
class TExportSet
{
public:
    void Add(TExportFile file, TColumnMapping mapping);

    int Count() const { return static_cast<int>(files_.size()); }
    const TExportFile& File(int index) const { return files_.at(std::size_t(index)); }
    const TColumnMapping& Mapping(int index) const { return mappings_.at(std::size_t(index)); }

    // The mapping of the first file, given also to every file with its header.
    void SetFirstMapping(const TColumnMapping& mapping);

    // The workouts of all files in file order, duplicates left out and counted.
    TWorkoutList Read() const;

    QString Source() const;      // the paths
    QString Service() const;     // the services recognised
    std::string FileNames() const; // for the year files' trailer

private:
    std::vector<TExportFile> files_;
    std::vector<TColumnMapping> mappings_;
};
