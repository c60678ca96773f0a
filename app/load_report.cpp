#include "app/load_report.h"

#include <QStringList>

namespace {

QString Count(int n, const char* singular, const char* plural)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singular : plural));
}

} // namespace

bool TFileLoadReport::HasFindings() const
{
    return outcome != TOutcome::Read || rowsWithTooManyColumns > 0 || rowsWithBadMonth > 0
        || overlongLines > 0 || kindNumbersOutOfRange > 0 || valuesOutOfRange > 0;
}

QString DescribeLoadReport(const TFileLoadReport& report, int slotLimit)
{
    QStringList parts;
    switch (report.outcome) {
    case TFileLoadReport::TOutcome::NotOpened:
        parts << QStringLiteral("Datei kann nicht geöffnet werden, übersprungen");
        break;
    case TFileLoadReport::TOutcome::BeyondLimit:
        parts << QStringLiteral("nicht gelesen: höchstens %1 Dateien je Ladevorgang").arg(slotLimit);
        break;
    case TFileLoadReport::TOutcome::NoDataRows:
        parts << QStringLiteral("keine Datenzeile mit gültigem Datum, übersprungen");
        break;
    case TFileLoadReport::TOutcome::Read:
        break;
    }
    if (report.rowsWithTooManyColumns > 0)
        parts << Count(report.rowsWithTooManyColumns, "Zeile", "Zeilen")
                     + QStringLiteral(" mit mehr als 28 Spalten, überzählige Spalten ignoriert");
    if (report.rowsWithBadMonth > 0)
        parts << Count(report.rowsWithBadMonth, "Zeile", "Zeilen")
                     + QStringLiteral(" mit ungültigem Monat übersprungen");
    if (report.overlongLines > 0)
        parts << Count(report.overlongLines, "Zeile", "Zeilen")
                     + QStringLiteral(" länger als 1 MiB übersprungen");
    if (report.kindNumbersOutOfRange > 0)
        parts << Count(report.kindNumbersOutOfRange, "Spaltennummer", "Spaltennummern")
                     + QStringLiteral(" der Kennzeile außerhalb 0 bis 28 ignoriert");
    if (report.valuesOutOfRange > 0)
        parts << Count(report.valuesOutOfRange, "Zahl", "Zahlen")
                     + QStringLiteral(" außerhalb des Wertebereichs als 0 gelesen");
    if (parts.isEmpty())
        return {};
    return QStringLiteral("    -> ") + parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}
