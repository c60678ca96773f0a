#include "app/year/load_report.h"

#include "app/year/pane_findings.h"

#include <QStringList>

bool TFileLoadReport::HasFindings() const
{
    return outcome != TOutcome::Read || rowsWithTooManyColumns > 0 || rowsWithBadMonth > 0 || rowsWithBadDate > 0 || rowsBeforeYearOne > 0
        || overlongLines > 0 || kindNumbersOutOfRange > 0 || valuesOutOfRange > 0
        || unreadableDurations > 0 || endedEarly;
}

QString DescribeLoadReport(const TFileLoadReport& report, int slotLimit)
{
    QStringList parts;
    switch (report.outcome) {
    case TFileLoadReport::TOutcome::NotOpened:
        parts << QStringLiteral("Datei kann nicht geöffnet werden, übersprungen");
        break;
    case TFileLoadReport::TOutcome::NotRegular:
        parts << QStringLiteral("keine reguläre Datei, übersprungen");
        break;
    case TFileLoadReport::TOutcome::BeyondLimit:
        parts << QStringLiteral("nicht gelesen: höchstens %1 Dateien je Ladevorgang").arg(slotLimit);
        break;
    case TFileLoadReport::TOutcome::NoDataRows:
        parts << QStringLiteral("keine Datenzeile mit gültigem Datum, übersprungen");
        break;
    case TFileLoadReport::TOutcome::Utf16:
        parts << QStringLiteral("UTF-16-kodiert, übersprungen (als UTF-8 speichern)");
        break;
    case TFileLoadReport::TOutcome::Read:
        break;
    }
    const TCountedFinding findings[] = {
        {report.rowsWithTooManyColumns, "Zeile", "Zeilen", " mit mehr als 28 Spalten, überzählige Spalten ignoriert"},
        {report.rowsWithBadMonth, "Zeile", "Zeilen", " mit ungültigem Monat übersprungen"},
        {report.rowsWithBadDate, "Zeile", "Zeilen", " mit ungültigem Datum übersprungen"},
        {report.rowsBeforeYearOne, "Zeile", "Zeilen", " mit Jahr vor 1 übersprungen"},
        {report.overlongLines, "Zeile", "Zeilen", " länger als 1 MiB übersprungen"},
        {report.kindNumbersOutOfRange, "Spaltennummer", "Spaltennummern", " der Kennzeile außerhalb 0 bis 28 ignoriert"},
        {report.valuesOutOfRange, "Zahl", "Zahlen", " außerhalb des Wertebereichs als 0 gelesen"},
        {report.unreadableDurations, "Dauerangabe", "Dauerangaben", " unlesbar, als 0 gelesen"},
    };
    parts << CountedFindingParts(findings);
    if (report.endedEarly)
        parts << QStringLiteral("Datei beim Lesen kürzer geworden, nur der vorhandene Teil gelesen");
    return PaneFindingLine(parts);
}
