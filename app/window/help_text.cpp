#include "app/window/help_text.h"

#include "kaldoro_version.h"

namespace {

// Key, then what it does: one table row each.
struct TKeyRow
{
    const char* keys;
    const char* action;
};

constexpr TKeyRow KeyRows[] = {
    {"Strg+O", "Jahresdateien laden (wie der Knopf &bdquo;LOAD Jahres Daten&ldquo;)"},
    {"Strg+S", "Diagramm speichern"},
    {"Strg+C", "Diagramm kopieren"},
    {"Strg+P", "Diagramm drucken"},
    {"Esc", "die Jahresliste schließen, sonst Zoom, Verschieben und Mausrad im Diagramm zurücknehmen"},
    {"F1", "diese Hilfe"},
    {"Tab, Umschalt+Tab", "zum nächsten, vorigen Bedienelement: Knopf, Messgröße, Diagramm, Summe, Art der Auswertung"},
    {"Links, Rechts", "bei Fokus auf dem Diagramm: den markierten Tag verschieben"},
};

QString KeyTable()
{
    QString rows;
    for (const TKeyRow& row : KeyRows)
        rows += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(QString::fromUtf8(row.keys), QString::fromUtf8(row.action));
    return QStringLiteral("<table>") + rows + QStringLiteral("</table>");
}

const char* const FileFormat = R"(
<h3>Jahresdateien</h3>
<p>Eine Datei je Jahr, Felder durch <tt>;</tt> getrennt: drei Kopfzeilen, dann eine Zeile je Training.</p>
<pre>Datum;Zeit;Dauer;Strecke;HF
-;-;[h];[km];[1/min]
Kind;0;1;2;0;3
20110315;08:00;01:30:00;45,5;140;</pre>
<ul>
<li><b>Zeile 1</b> nennt die Spalten; ab dem vierten Feld bilden sie die Liste der Messgrößen.
<b>Zeile 2</b> hängt jedem Namen seine Einheit an.</li>
<li><b>Zeile 3</b>, die Kennzeile: ihre f-te Zahl ist die Spalte (ab 1 gezählt), die die Größe der Art f
trägt, 0 wenn die Datei keine hat. Arten: 2 Dauer, 3 Strecke, 16 Arbeit, 12 Höhenmeter, 10 TSS
(Tagessummen für die kumulierten Auswertungen), 13 eine weitere Tagessumme, 4 bis 9, 11 und 14
nach Dauer gewichtete Mittel (5 Herzfrequenz, 14 Leistung), 18 bis 21 Tageshöchstwerte.</li>
<li><b>Datenzeilen</b> beginnen mit dem Datum <tt>JJJJMMTT</tt> und der Uhrzeit und enden mit <tt>;</tt>.
Dauer als <tt>h:mm:ss</tt>, Dezimalkomma erlaubt; mehrere Trainings eines Tages werden zusammengefasst.</li>
<li>Die letzten 220 Bytes einer Datei werden nie als Daten gelesen: die Datei mit einigen
Kommentarzeilen beenden.</li>
<li>Bis zu 19 Dateien je Ladevorgang; das Diagramm zeigt höchstens acht Jahre, nach dem Laden die
letzten acht, die anderen über die Legende. Was übersprungen wird, steht in der Dateiliste unter dem
Dateinamen.</li>
</ul>
<h3>Laden</h3>
<p>Mit dem Knopf &bdquo;LOAD Jahres Daten&ldquo; oder Strg+O die Dateien wählen, oder sie aus dem
Dateimanager ins Fenster ziehen. Das Diagramm zeigt dann gleich die kumulierte Strecke (ohne Strecke:
die Dauer). Ordner, Texte und Web-Adressen werden nicht geladen; die Dateiliste unter dem Diagramm
sagt es.</p>
)";

const char* const Mouse = R"(
<h3>Maus</h3>
<ul>
<li><b>Taste drücken</b> auf dem Diagramm: Tag und Wert unter dem Zeiger, bis zum Loslassen.</li>
<li><b>Zeiger über dem Diagramm</b>: eine Linie markiert den Tag, ein Kasten nennt den Wert jedes Jahres dort.</li>
<li><b>Klick auf die Legende</b>: die Liste der Jahre, jedes in seiner Farbe, angehakt solange es gezeigt wird; ein Klick auf ein Jahr (oder Pfeiltasten und Leertaste) blendet es aus oder wieder ein.</li>
<li><b>Mit der linken Taste</b> ein Rechteck nach rechts unten ziehen: Zoom hinein;
nach links oder oben ziehen: zurück.</li>
<li><b>Mit der rechten Taste ziehen</b>: das Diagramm verschieben.</li>
<li><b>Mausrad</b>: die Werte um 3 % des Bereichs je Raste verschieben.</li>
</ul>
)";

} // namespace

QString HelpText::Html()
{
    return QStringLiteral("<h2>Kaldoro %1</h2><p>Vergleicht Trainingsjahre in einem Diagramm.</p>")
               .arg(QStringLiteral(KALDORO_VERSION))
        + QString::fromUtf8(FileFormat) + QString::fromUtf8(Mouse) + QStringLiteral("<h3>Tasten</h3>")
        + KeyTable();
}
