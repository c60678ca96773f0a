// What kaldoro --help and --version print, and the usage after an error.
#include "app/cli/command_line.h"

#include "app/import/column_override.h"
#include "app/import/sport_kind.h"
#include "kaldoro_version.h"

#include <QCoreApplication>

QString TCommandLine::Usage()
{
    return QStringLiteral("usage: kaldoro [--metric N] [--mode M] [--export-png FILE [--scale N]] [--export-svg FILE]\n"
                          "               [--export-pdf FILE] [--export-csv FILE] [--compare-at DAY] [--today YYYY-MM-DD]\n"
                          "               [--goal VALUE] [--season-start MM-DD] [--lang de|en] [FILE...]\n"
                          "       kaldoro --import FILE [--import FILE]... [--column QUANTITY=NAME]...\n"
                          "               [--sport NAME|KIND]... [--years A-B] [--list-sports | --convert-to DIR]\n"
                          "               [--metric N] [--mode M] [--export-png FILE [--scale N]] [--export-svg FILE]\n"
                          "               [--export-pdf FILE] [--export-csv FILE] [--compare-at DAY] [--goal VALUE]\n"
                          "               [--season-start MM-DD]");
}

QString TCommandLine::Version()
{
    return QStringLiteral("kaldoro %1").arg(QStringLiteral(KALDORO_VERSION));
}

namespace {

QString KindNames()
{
    QStringList names;
    for (int k = 0; k < SportKinds::KindCount; ++k)
        names << SportKinds::Name(static_cast<TSportKind>(k));
    return names.join(QStringLiteral(", "));
}

} // namespace

QString TCommandLine::Help()
{
    return Version() + tr(" - vergleicht Trainingsjahre aus Jahresdateien in einem Diagramm.\n\n")
        + Usage()
        + tr("\n\n"
             "Zuerst: Jahresdateien laden (kaldoro 2011.csv 2012.csv) oder einen Trainingsexport importieren\n"
             "(kaldoro --import activities.csv); das Fenster zeigt dann die laufende Summe der Strecke.\n\n"
             "Auswertungen (--mode M):\n"
             "  0  Datumsmäßig sortiert     der Wert jedes Trainingstags an seinem Tag im Jahr\n"
             "  1  Wertemäßig sortiert      die Tage eines Jahres nach ihrem Wert, der größte zuerst\n"
             "  2  Mittelwert Verlauf       der Mittelwert aller Trainingstage bis zu jedem Tag\n"
             "  3  Monatsmittel             der Mittelwert der Trainingstage jedes Monats\n"
             "  4  Werte kumulierte         die laufende Summe des Jahres bis zu jedem Tag\n"
             "  5  Kumuliert (monatsweise)  die laufende Summe, die mit jedem Monat neu beginnt\n\n"
             "Optionen:\n")
        + tr("  FILE...              Jahresdateien, geladen wie mit dem Knopf \"LOAD Jahres Daten\"\n"
             "                       (Trainingsexporte ohne Jahresdateien: wie mit --import)\n"
             "  --mode M             Art der Auswertung, Eintrag 0 bis 5 der Liste (siehe oben)\n"
             "  --metric N           Eintrag N der Messgrößen-Liste, die die Auswertung nutzt\n"
             "  --export-png FILE    das Diagramm als PNG schreiben, ohne Fenster\n"
             "  --scale N            das PNG N-mal so groß (1 bis 4), gleich aufgeteilt\n"
             "  --export-svg FILE    das Diagramm als SVG schreiben, ohne Fenster\n"
             "  --export-pdf FILE    das Diagramm als PDF schreiben, ohne Fenster\n"
             "  --export-csv FILE    die Punkte als CSV schreiben, ohne Fenster (- = Standardausgabe)\n"
             "  --compare-at DAY     die Werte der Jahre an Tag DAY ausgeben (braucht --mode);\n"
             "                       \"—\" ohne Wert, etwa nach der letzten Zeile eines laufenden Jahres\n"
             "  --today YYYY-MM-DD   dieses Datum als heute nehmen: Jahre ab seinem Jahr laufen noch,\n"
             "                       ihre Summen und Verläufe enden an ihrer letzten Zeile\n"
             "  --season-start MM-DD Saisonbeginn (ohne: der im Fenster gewählte, sonst 01-01): Saison Y\n"
             "                       läuft vom MM-DD in Y bis zum Tag davor in Y+1, Titel \"2023/24\",\n"
             "                       Tag 1 ist der Saisonbeginn; 02-29 wird abgelehnt. Mit --import\n"
             "                       nennt --years A-B Saisons (geladen: die Jahre A bis B+1)\n"
             "  --goal VALUE         Ziel des Jahres für die Summe (--mode 4), etwa 5000: Ziellinie,\n"
             "                       Prognose laufender Jahre; mit --compare-at die Zeile \"Ziel\" und\n"
             "                       \"Prognose\" bei jedem laufenden Jahr, in der CSV die Reihen danach\n"
             "  --lang de|en         Sprache des Fensters und der Hilfe (sonst die des Systems);\n"
             "                       CSV und --compare-at bleiben in jeder Sprache gleich\n"
             "  --import FILE        einen Trainingsexport statt Jahresdateien lesen (mehrfach: zusammen,\n"
             "                       jede Einheit einmal): CSV eines Dienstes, Garmin-Seite\n"
             "                       *summarizedActivities*.json, ZIP oder Ordner eines Strava- oder\n"
             "                       Garmin-Kontoexports, Ordner, ZIP oder Datei mit .fit/.fit.gz\n"
             "  --column Q=NAME      Spalte NAME des Exports für Q, eines von:\n"
             "                       ")
        + ColumnOverrides::Keys().join(QStringLiteral(", "))
        + tr("\n"
             "  --sport NAME         nur diese Sportart, oder alle einer Art (ohne: die häufigste Art):\n"
             "                       ")
        + KindNames()
        + tr(", all\n"
             "  -h, --help           diese Hilfe\n"
             "  --version            die Version\n\n"
             "Im Fenster: Strg+O laden, Strg+S speichern, Strg+C kopieren, Strg+P drucken,\n"
             "Esc Zoom zurücknehmen, F1 Hilfe; Jahresdateien lassen sich auch ins Fenster ziehen.\n\n"
             "Jahresdateien: eine je Jahr, Felder durch ; getrennt; Zeile 1 nennt die Spalten, Zeile 2 ihre\n"
             "Einheiten, Zeile 3 die Art jeder Spalte; dann eine Zeile je Training, beginnend mit JJJJMMTT;\n"
             "die letzten 220 Bytes sind ein Nachspann (Einzelheiten: F1 im Fenster).");
}
