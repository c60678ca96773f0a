#include "app/import/workout_source.h"

#include "app/year/pane_findings.h"

#include <QCoreApplication>

QStringList TWorkoutSource::Lines(int csvWorkouts, int duplicates) const
{
    const int read = static_cast<int>(summaries.size() + originals.size()) + csvWorkouts - duplicates;
    QStringList parts = {read == 1 ? QCoreApplication::translate("WorkoutSource", "1 Einheit gelesen")
                                   : QCoreApplication::translate("WorkoutSource", "%1 Einheiten gelesen").arg(read)};
    // The words are translated where the line is put together.
    const TCountedFinding skipped[] = {
        {duplicates, QT_TRANSLATE_NOOP("PaneFindings", "Einheit"), QT_TRANSLATE_NOOP("PaneFindings", "Einheiten"),
         QT_TRANSLATE_NOOP("PaneFindings", " doppelt (schon in einer anderen Quelle), einmal gezählt")},
        {counts.repeatedIds, QT_TRANSLATE_NOOP("PaneFindings", "Einheit"), QT_TRANSLATE_NOOP("PaneFindings", "Einheiten"),
         QT_TRANSLATE_NOOP("PaneFindings", " auf zwei Seiten, einmal gezählt")},
        {counts.sameFit, QT_TRANSLATE_NOOP("PaneFindings", "Einheit"), QT_TRANSLATE_NOOP("PaneFindings", "Einheiten"),
         QT_TRANSLATE_NOOP("PaneFindings", " in zwei FIT-Dateien, einmal gezählt")},
        {counts.multisportParents, QT_TRANSLATE_NOOP("PaneFindings", "Mehrsport-Einheit"), QT_TRANSLATE_NOOP("PaneFindings", "Mehrsport-Einheiten"),
         QT_TRANSLATE_NOOP("PaneFindings", " über ihre Teile gezählt")},
        {counts.originals, QT_TRANSLATE_NOOP("PaneFindings", "Originaldatei"), QT_TRANSLATE_NOOP("PaneFindings", "Originaldateien"),
         QT_TRANSLATE_NOOP("PaneFindings", " nicht gezählt (schon in der Zusammenfassung)")},
        {counts.notActivities, QT_TRANSLATE_NOOP("PaneFindings", "FIT-Datei"), QT_TRANSLATE_NOOP("PaneFindings", "FIT-Dateien"),
         QT_TRANSLATE_NOOP("PaneFindings", " ohne Einheit (Überwachung, Einstellungen …) übersprungen")},
        {counts.otherFiles, QT_TRANSLATE_NOOP("PaneFindings", "weitere Datei"), QT_TRANSLATE_NOOP("PaneFindings", "weitere Dateien"),
         QT_TRANSLATE_NOOP("PaneFindings", " ohne Einheiten nicht gelesen")},
        {counts.refused, QT_TRANSLATE_NOOP("PaneFindings", "Datei"), QT_TRANSLATE_NOOP("PaneFindings", "Dateien"),
         QT_TRANSLATE_NOOP("PaneFindings", " nicht lesbar (siehe unten)")},
    };
    parts << CountedFindingParts(skipped);
    QStringList lines = {QStringLiteral("%1 (%2): %3.").arg(name, service, parts.join(QStringLiteral("; ")))};
    lines << DescribeImportReport(report) << findings;
    return lines;
}
