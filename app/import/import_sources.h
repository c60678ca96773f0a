#pragma once

#include "app/import/export_set.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string_view>
#include <vector>

// A path of an import that gave nothing: the pane line says why.
struct TSourceFailure
{
    QString path;
    QString why;
    bool csv = false; // a CSV export that cannot be read, as before archives were known
};

// Opens what --import and the import dialog are given: a service's CSV
// export; a Garmin summary page; a ZIP of a Strava or Garmin account export
// (nested ZIPs and gzip members included) or a folder holding an unpacked
// one; a folder or ZIP of FIT files (.fit, .fit.gz); a single FIT file.
namespace ImportSources {

using TMappingFor = std::function<TColumnMapping(const TExportFile&)>;

// Adds every path to exports, each CSV export with the mapping mappingFor
// gives it; returns the paths that gave nothing.
std::vector<TSourceFailure> Open(const QStringList& paths, const TMappingFor& mappingFor, TExportSet& exports);

// What the start of a file says it is when it is no text: "ZIP-Archiv",
// "gzip-Datei", "FIT-Datei", "JSON-Datei" (in the installed language);
// empty for anything else.
QString BinaryKind(std::string_view head);
// The kind BinaryKind names a JSON file by.
QString JsonKind();

} // namespace ImportSources
