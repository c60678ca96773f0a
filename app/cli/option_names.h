#pragma once

#include <QString>

// The command line's options, each by its one name (typed with "--"; "-h"
// is the short help).
namespace OptionNames {

inline const QString Import = QStringLiteral("import");
inline const QString Column = QStringLiteral("column");
inline const QString Sport = QStringLiteral("sport");
inline const QString Years = QStringLiteral("years");
inline const QString ListSports = QStringLiteral("list-sports");
inline const QString ConvertTo = QStringLiteral("convert-to");
inline const QString Metric = QStringLiteral("metric");
inline const QString Mode = QStringLiteral("mode");
inline const QString ExportPng = QStringLiteral("export-png");
inline const QString Scale = QStringLiteral("scale");
inline const QString ExportSvg = QStringLiteral("export-svg");
inline const QString ExportPdf = QStringLiteral("export-pdf");
inline const QString ExportCsv = QStringLiteral("export-csv");
inline const QString CompareAt = QStringLiteral("compare-at");
inline const QString Today = QStringLiteral("today");
inline const QString SeasonStart = QStringLiteral("season-start");
inline const QString Goal = QStringLiteral("goal");
inline const QString Lang = QStringLiteral("lang");
inline const QString Help = QStringLiteral("help");
inline const QString ShortHelp = QStringLiteral("h");
inline const QString Version = QStringLiteral("version");

} // namespace OptionNames
