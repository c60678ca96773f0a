#include "app/import/import_report.h"

#include "app/year/pane_findings.h"

#include <QCoreApplication>

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
        {report.unreadableRows, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " nicht in Spalten zerlegbar, übersprungen")},
        {report.shortRows, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " ohne die gewählten Spalten (zu wenige Felder), übersprungen")},
        {report.rowsWithoutDate, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " ohne lesbares Datum übersprungen")},
        {report.plannedRows, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " geplant oder ohne Zeit, übersprungen")},
        {report.filteredBySport, QT_TRANSLATE_NOOP("PaneFindings", "Einheit"), QT_TRANSLATE_NOOP("PaneFindings", "Einheiten"),
         QT_TRANSLATE_NOOP("PaneFindings", " anderer Sportarten ausgelassen")},
        {report.filteredByYear, QT_TRANSLATE_NOOP("PaneFindings", "Einheit"), QT_TRANSLATE_NOOP("PaneFindings", "Einheiten"),
         QT_TRANSLATE_NOOP("PaneFindings", " anderer Jahre ausgelassen")},
        {report.yearsBeyondLimit, QT_TRANSLATE_NOOP("PaneFindings", "Einheit"), QT_TRANSLATE_NOOP("PaneFindings", "Einheiten"),
         QT_TRANSLATE_NOOP("PaneFindings", " in Jahren über die 19 ladbaren hinaus ausgelassen")},
        {report.unreadableValues, QT_TRANSLATE_NOOP("PaneFindings", "Wert"), QT_TRANSLATE_NOOP("PaneFindings", "Werte"),
         QT_TRANSLATE_NOOP("PaneFindings", " unlesbar, als 0 gelesen")},
        {report.recoveredRows, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " mit losen Anführungszeichen gelesen")},
        {report.latin1Fields, QT_TRANSLATE_NOOP("PaneFindings", "Feld"), QT_TRANSLATE_NOOP("PaneFindings", "Felder"),
         QT_TRANSLATE_NOOP("PaneFindings", " ohne gültiges UTF-8, als Latin-1 gelesen")},
        {report.duplicates, QT_TRANSLATE_NOOP("PaneFindings", "Einheit"), QT_TRANSLATE_NOOP("PaneFindings", "Einheiten"),
         QT_TRANSLATE_NOOP("PaneFindings", " doppelt (schon in einer anderen Datei), einmal gezählt")},
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
        return QCoreApplication::translate("ImportReport", "keine Einheit lesbar: keine Datenzeilen");
    return QCoreApplication::translate("ImportReport", "keine Einheit lesbar: %1")
        .arg(ImportReportParts(report).join(QStringLiteral("; ")));
}
