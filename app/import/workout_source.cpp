#include "app/import/workout_source.h"

namespace {

QString Count(int n, const char* singular, const char* plural)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singular : plural));
}

} // namespace

QStringList TWorkoutSource::Lines(int csvWorkouts, int duplicates) const
{
    const int read = static_cast<int>(summaries.size() + originals.size()) + csvWorkouts - duplicates;
    QStringList parts = {Count(read, "Einheit", "Einheiten") + QStringLiteral(" gelesen")};
    struct TPart
    {
        int count;
        const char* singular;
        const char* plural;
        const char* text;
    };
    const TPart skipped[] = {
        {duplicates, "Einheit", "Einheiten", " doppelt (schon in einer anderen Quelle), einmal gezählt"},
        {counts.repeatedIds, "Einheit", "Einheiten", " auf zwei Seiten, einmal gezählt"},
        {counts.sameFit, "Einheit", "Einheiten", " in zwei FIT-Dateien, einmal gezählt"},
        {counts.multisportParents, "Mehrsport-Einheit", "Mehrsport-Einheiten", " über ihre Teile gezählt"},
        {counts.originals, "Originaldatei", "Originaldateien", " nicht gezählt (schon in der Zusammenfassung)"},
        {counts.notActivities, "FIT-Datei", "FIT-Dateien", " ohne Einheit (Überwachung, Einstellungen …) übersprungen"},
        {counts.otherFiles, "weitere Datei", "weitere Dateien", " ohne Einheiten nicht gelesen"},
        {counts.refused, "Datei", "Dateien", " nicht lesbar (siehe unten)"},
    };
    for (const TPart& part : skipped)
        if (part.count > 0)
            parts << Count(part.count, part.singular, part.plural) + QString::fromUtf8(part.text);
    QStringList lines = {QStringLiteral("%1 (%2): %3.").arg(name, service, parts.join(QStringLiteral("; ")))};
    lines << DescribeImportReport(report) << findings;
    return lines;
}
