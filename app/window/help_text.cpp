#include "app/window/help_text.h"

#include "kaldoro_version.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("HelpText", text); }

// Key, then what it does: one table row each.
struct TKeyRow
{
    const char* keys;
    const char* action;
};

constexpr TKeyRow KeyRows[] = {
    {QT_TRANSLATE_NOOP("HelpText", "Strg+O"),
     QT_TRANSLATE_NOOP("HelpText", "Jahresdateien laden (wie der Knopf &bdquo;LOAD Jahres Daten&ldquo;)")},
    {QT_TRANSLATE_NOOP("HelpText", "Strg+S"), QT_TRANSLATE_NOOP("HelpText", "Diagramm speichern")},
    {QT_TRANSLATE_NOOP("HelpText", "Strg+C"), QT_TRANSLATE_NOOP("HelpText", "Diagramm kopieren")},
    {QT_TRANSLATE_NOOP("HelpText", "Strg+P"), QT_TRANSLATE_NOOP("HelpText", "Diagramm drucken")},
    {QT_TRANSLATE_NOOP("HelpText", "Esc"),
     QT_TRANSLATE_NOOP("HelpText",
                       "die Jahresliste schließen, sonst Zoom, Verschieben und Mausrad im Diagramm zurücknehmen")},
    {QT_TRANSLATE_NOOP("HelpText", "F1"), QT_TRANSLATE_NOOP("HelpText", "diese Hilfe")},
    {QT_TRANSLATE_NOOP("HelpText", "Tab, Umschalt+Tab"),
     QT_TRANSLATE_NOOP("HelpText",
                       "zum nächsten, vorigen Bedienelement: Knopf, Messgröße, Diagramm, Summe, Art der Auswertung")},
    {QT_TRANSLATE_NOOP("HelpText", "Links, Rechts"),
     QT_TRANSLATE_NOOP("HelpText", "bei Fokus auf dem Diagramm: den markierten Tag verschieben")},
};

QString KeyTable()
{
    QString rows;
    for (const TKeyRow& row : KeyRows)
        rows += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>").arg(Tr(row.keys), Tr(row.action));
    return QStringLiteral("<table>") + rows + QStringLiteral("</table>");
}

// What a user does first: load or import, then read the running total.
const char* const FirstSteps = QT_TRANSLATE_NOOP(
    "HelpText",
    "<h3>Erste Schritte</h3>\n"
    "<ol>\n"
    "<li><b>Jahresdateien laden</b>: Knopf &bdquo;LOAD Jahres Daten&ldquo; oder Strg+O, oder die Dateien aus dem\n"
    "Dateimanager ins Fenster ziehen. <b>Oder einen Trainingsexport importieren</b> (Strava, Garmin,\n"
    "Runkeeper, TrainingPeaks, FIT-Dateien): Knopf &bdquo;Export importieren&ldquo;, dann Jahre und Sportarten\n"
    "wählen.</li>\n"
    "<li>Das Diagramm zeigt gleich die <b>laufende Summe</b> (&bdquo;Werte kumulierte&ldquo;) der Strecke, ohne\n"
    "Strecke die der Dauer: jedes Jahr eine Linie in seiner Farbe, von Januar bis Dezember.</li>\n"
    "<li>Oben die Messgröße und die Art der Auswertung wählen; &bdquo;Zuletzt geöffnet&ldquo; lädt frühere\n"
    "Dateien wieder.</li>\n"
    "</ol>\n");

const char* const Evaluations = QT_TRANSLATE_NOOP(
    "HelpText",
    "<h3>Die Auswertungen</h3>\n"
    "<ul>\n"
    "<li><b>Datumsmäßig sortiert</b>: der Wert jedes Trainingstags an seinem Tag im Jahr.</li>\n"
    "<li><b>Wertemäßig sortiert</b>: die Tage eines Jahres nach ihrem Wert, der größte zuerst.</li>\n"
    "<li><b>Mittelwert Verlauf</b>: der Mittelwert aller Trainingstage bis zu jedem Tag.</li>\n"
    "<li><b>Monatsmittel</b>: der Mittelwert der Trainingstage jedes Monats.</li>\n"
    "<li><b>Werte kumulierte</b>: die laufende Summe des Jahres bis zu jedem Tag; mit einem Ziel auch die\n"
    "Ziellinie und die Prognose laufender Jahre.</li>\n"
    "<li><b>Kumuliert (monatsweise)</b>: die laufende Summe, die mit jedem Monat neu beginnt.</li>\n"
    "</ul>\n");

const char* const Mouse = QT_TRANSLATE_NOOP(
    "HelpText",
    "<h3>Maus</h3>\n"
    "<ul>\n"
    "<li><b>Taste drücken</b> auf dem Diagramm: Tag und Wert unter dem Zeiger, bis zum Loslassen.</li>\n"
    "<li><b>Zeiger über dem Diagramm</b>: eine Linie markiert den Tag, ein Kasten nennt den Wert jedes Jahres\n"
    "dort.</li>\n"
    "<li><b>Klick auf die Legende</b>: die Liste der Jahre, jedes in seiner Farbe, angehakt solange es gezeigt\n"
    "wird; ein Klick auf ein Jahr (oder Pfeiltasten und Leertaste) blendet es aus oder wieder ein.</li>\n"
    "<li><b>Mit der linken Taste</b> ein Rechteck nach rechts unten ziehen: Zoom hinein;\n"
    "nach links oder oben ziehen: zurück.</li>\n"
    "<li><b>Mit der rechten Taste ziehen</b>: das Diagramm verschieben.</li>\n"
    "<li><b>Mausrad</b>: die Werte um 3 % des Bereichs je Raste verschieben.</li>\n"
    "</ul>\n");

const char* const FileFormat = QT_TRANSLATE_NOOP(
    "HelpText",
    "<h3>Jahresdateien</h3>\n"
    "<p>Eine Datei je Jahr, Felder durch <tt>;</tt> getrennt: drei Kopfzeilen, dann eine Zeile je Training.</p>\n"
    "<pre>Datum;Zeit;Dauer;Strecke;HF\n"
    "-;-;[h];[km];[1/min]\n"
    "Kind;0;1;2;0;3\n"
    "20110315;08:00;01:30:00;45,5;140;</pre>\n"
    "<ul>\n"
    "<li><b>Zeile 1</b> nennt die Spalten; ab dem vierten Feld bilden sie die Liste der Messgrößen.\n"
    "<b>Zeile 2</b> hängt jedem Namen seine Einheit an.</li>\n"
    "<li><b>Zeile 3</b>, die Kennzeile: ihre f-te Zahl ist die Spalte (ab 1 gezählt), die die Größe der Art f\n"
    "trägt, 0 wenn die Datei keine hat. Arten: 2 Dauer, 3 Strecke, 16 Arbeit, 12 Höhenmeter, 10 TSS\n"
    "(Tagessummen für die kumulierten Auswertungen), 13 eine weitere Tagessumme, 4 bis 9, 11 und 14\n"
    "nach Dauer gewichtete Mittel (5 Herzfrequenz, 14 Leistung), 18 bis 21 Tageshöchstwerte.</li>\n"
    "<li><b>Datenzeilen</b> beginnen mit dem Datum <tt>JJJJMMTT</tt> und der Uhrzeit und enden mit <tt>;</tt>.\n"
    "Dauer als <tt>h:mm:ss</tt>, Dezimalkomma erlaubt; mehrere Trainings eines Tages werden\n"
    "zusammengefasst.</li>\n"
    "<li>Die letzten 220 Bytes einer Datei werden nie als Daten gelesen: die Datei mit einigen\n"
    "Kommentarzeilen beenden.</li>\n"
    "<li>Bis zu 19 Dateien je Ladevorgang; das Diagramm zeigt höchstens acht Jahre, nach dem Laden die\n"
    "letzten acht, die anderen über die Legende. Was übersprungen wird, steht in der Dateiliste unter dem\n"
    "Dateinamen. Ordner, Texte und Web-Adressen werden nicht geladen.</li>\n"
    "</ul>\n");

} // namespace

QString HelpText::Html()
{
    const QString intro = QCoreApplication::translate("HelpText", "Vergleicht Trainingsjahre in einem Diagramm.");
    const QString keys = QCoreApplication::translate("HelpText", "Tasten");
    // What a user does first, then what each evaluation shows; the file format last.
    return QStringLiteral("<h2>Kaldoro %1</h2><p>%2</p>").arg(QStringLiteral(KALDORO_VERSION), intro) + Tr(FirstSteps)
        + Tr(Evaluations) + Tr(Mouse) + QStringLiteral("<h3>%1</h3>").arg(keys) + KeyTable() + Tr(FileFormat);
}
