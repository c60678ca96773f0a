#include "app/import/import_report.h"

#include "app/year/pane_findings.h"

TImportReport& TImportReport::operator+=(const TImportReport& other)
{
    int* const mine[] = {&rowsRead, &unreadableRows, &recoveredRows, &rowsWithoutDate, &plannedRows,
                         &unreadableValues, &filteredBySport, &filteredByYear, &yearsBeyondLimit, &shortRows,
                         &latin1Fields, &duplicates};
    const int theirs[] = {other.rowsRead, other.unreadableRows, other.recoveredRows, other.rowsWithoutDate,
                          other.plannedRows, other.unreadableValues, other.filteredBySport, other.filteredByYear,
                          other.yearsBeyondLimit, other.shortRows, other.latin1Fields, other.duplicates};
    for (std::size_t i = 0; i < std::size(mine); ++i)
        *mine[i] += theirs[i];
    return *this;
}

QStringList ImportReportParts(const TImportReport& report)
{
    const TCountedFinding findings[] = {
        {report.unreadableRows, "Zeile", "Zeilen", " nicht in Spalten zerlegbar, übersprungen"},
        {report.shortRows, "Zeile", "Zeilen", " ohne die gewählten Spalten (zu wenige Felder), übersprungen"},
        {report.rowsWithoutDate, "Zeile", "Zeilen", " ohne lesbares Datum übersprungen"},
        {report.plannedRows, "Zeile", "Zeilen", " geplant oder ohne Zeit, übersprungen"},
        {report.filteredBySport, "Einheit", "Einheiten", " anderer Sportarten ausgelassen"},
        {report.filteredByYear, "Einheit", "Einheiten", " anderer Jahre ausgelassen"},
        {report.yearsBeyondLimit, "Einheit", "Einheiten", " in Jahren über die 19 ladbaren hinaus ausgelassen"},
        {report.unreadableValues, "Wert", "Werte", " unlesbar, als 0 gelesen"},
        {report.recoveredRows, "Zeile", "Zeilen", " mit losen Anführungszeichen gelesen"},
        {report.latin1Fields, "Feld", "Felder", " ohne gültiges UTF-8, als Latin-1 gelesen"},
        {report.duplicates, "Einheit", "Einheiten", " doppelt (schon in einer anderen Datei), einmal gezählt"},
    };
    return CountedFindingParts(findings);
}

QStringList DescribeImportReport(const TImportReport& report)
{
    const QString line = PaneFindingLine(ImportReportParts(report));
    return line.isEmpty() ? QStringList() : QStringList{line};
}

QString NothingReadReason(const TImportReport& report)
{
    if (report.rowsRead == 0)
        return QStringLiteral("keine Einheit lesbar: keine Datenzeilen");
    return QStringLiteral("keine Einheit lesbar: ") + ImportReportParts(report).join(QStringLiteral("; "));
}
