#include "app/import/import_report.h"

namespace {

QString Count(int n, const char* singular, const char* plural)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singular : plural));
}

} // namespace

QStringList DescribeImportReport(const TImportReport& report)
{
    struct TFinding
    {
        int count;
        const char* singular;
        const char* plural;
        const char* text;
    };
    const TFinding findings[] = {
        {report.unreadableRows, "Zeile", "Zeilen", " nicht in Spalten zerlegbar, übersprungen"},
        {report.rowsWithoutDate, "Zeile", "Zeilen", " ohne lesbares Datum übersprungen"},
        {report.plannedRows, "Zeile", "Zeilen", " geplant oder ohne Zeit, übersprungen"},
        {report.filteredBySport, "Einheit", "Einheiten", " anderer Sportarten ausgelassen"},
        {report.filteredByYear, "Einheit", "Einheiten", " anderer Jahre ausgelassen"},
        {report.yearsBeyondLimit, "Einheit", "Einheiten", " in Jahren über die 19 ladbaren hinaus ausgelassen"},
        {report.unreadableValues, "Wert", "Werte", " unlesbar, als 0 gelesen"},
        {report.recoveredRows, "Zeile", "Zeilen", " mit losen Anführungszeichen gelesen"},
    };
    QStringList parts;
    for (const TFinding& finding : findings)
        if (finding.count > 0)
            parts << Count(finding.count, finding.singular, finding.plural) + QString::fromUtf8(finding.text);
    if (parts.isEmpty())
        return {};
    return {QStringLiteral("    -> ") + parts.join(QStringLiteral("; ")) + QLatin1Char('.')};
}
