#pragma once

#include "app/import/column_mapping.h"

#include <QSettings>

class TExportFile;

// The column mappings chosen for other CSV files, remembered per header:
// the same export from the same tool opens with the columns chosen last
// time, in the window and on the command line of a window run.
namespace MappingMemory {

// The file's default mapping, or the one remembered for its header.
TColumnMapping Recall(const TExportFile& file, QSettings& settings);

// Remembers the mapping of a file that no service's rule reads.
void Remember(const TExportFile& file, const TColumnMapping& mapping, QSettings& settings);

} // namespace MappingMemory
