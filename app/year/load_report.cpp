#include "app/year/load_report.h"

#include "app/year/pane_findings.h"

#include <QCoreApplication>
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
        parts << QCoreApplication::translate("PaneFindings", "Datei kann nicht geöffnet werden, übersprungen");
        break;
    case TFileLoadReport::TOutcome::NotRegular:
        parts << QCoreApplication::translate("PaneFindings", "keine reguläre Datei, übersprungen");
        break;
    case TFileLoadReport::TOutcome::BeyondLimit:
        parts << QCoreApplication::translate("PaneFindings", "nicht gelesen: höchstens %1 Dateien je Ladevorgang")
                     .arg(slotLimit);
        break;
    case TFileLoadReport::TOutcome::NoDataRows:
        parts << QCoreApplication::translate("PaneFindings", "keine Datenzeile mit gültigem Datum, übersprungen");
        break;
    case TFileLoadReport::TOutcome::Utf16:
        parts << QCoreApplication::translate("PaneFindings", "UTF-16-kodiert, übersprungen (als UTF-8 speichern)");
        break;
    case TFileLoadReport::TOutcome::Read:
        break;
    }
    // The words are translated where the line is put together.
    const TCountedFinding findings[] = {
        {report.rowsWithTooManyColumns, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " mit mehr als 28 Spalten, überzählige Spalten ignoriert")},
        {report.rowsWithBadMonth, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " mit ungültigem Monat übersprungen")},
        {report.rowsWithBadDate, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " mit ungültigem Datum übersprungen")},
        {report.rowsBeforeYearOne, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " mit Jahr vor 1 übersprungen")},
        {report.overlongLines, QT_TRANSLATE_NOOP("PaneFindings", "Zeile"), QT_TRANSLATE_NOOP("PaneFindings", "Zeilen"),
         QT_TRANSLATE_NOOP("PaneFindings", " länger als 1 MiB übersprungen")},
        {report.kindNumbersOutOfRange, QT_TRANSLATE_NOOP("PaneFindings", "Spaltennummer"), QT_TRANSLATE_NOOP("PaneFindings", "Spaltennummern"),
         QT_TRANSLATE_NOOP("PaneFindings", " der Kennzeile außerhalb 0 bis 28 ignoriert")},
        {report.valuesOutOfRange, QT_TRANSLATE_NOOP("PaneFindings", "Zahl"), QT_TRANSLATE_NOOP("PaneFindings", "Zahlen"),
         QT_TRANSLATE_NOOP("PaneFindings", " außerhalb des Wertebereichs als 0 gelesen")},
        {report.unreadableDurations, QT_TRANSLATE_NOOP("PaneFindings", "Dauerangabe"), QT_TRANSLATE_NOOP("PaneFindings", "Dauerangaben"),
         QT_TRANSLATE_NOOP("PaneFindings", " unlesbar, als 0 gelesen")},
    };
    parts << CountedFindingParts(findings);
    if (report.endedEarly)
        parts << QCoreApplication::translate("PaneFindings",
                                             "Datei beim Lesen kürzer geworden, nur der vorhandene Teil gelesen");
    return PaneFindingLine(parts);
}
