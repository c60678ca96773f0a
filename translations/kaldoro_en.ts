<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>ArchiveReader</name>
    <message>
        <source>verschlüsselt, nicht gelesen</source>
        <translation>encrypted, not read</translation>
    </message>
    <message>
        <source>Pfad mit &apos;..&apos;, nicht gelesen</source>
        <translation>path with &apos;..&apos;, not read</translation>
    </message>
    <message>
        <source>Daten beschädigt oder abgeschnitten, nicht gelesen</source>
        <translation>data damaged or cut off, not read</translation>
    </message>
    <message>
        <source>entpackt über 1 GiB oder über das 1000-Fache seiner Größe (ZIP-Bombe), nicht gelesen</source>
        <translation>unpacks to over 1 GiB or over 1000 times its size (ZIP bomb), not read</translation>
    </message>
    <message>
        <source>gzip-Daten beschädigt, nicht gelesen</source>
        <translation>gzip data damaged, not read</translation>
    </message>
</context>
<context>
    <name>AxisException</name>
    <message>
        <source>Eine Datum/Zeit-Achse darf nicht logarithmisch sein</source>
        <translation>A date/time axis cannot be logarithmic</translation>
    </message>
    <message>
        <source>Min.- und Max.-Werte von log. Achsen sollten &gt;= 0 sein</source>
        <translation>Minimum and maximum of a logarithmic axis should be &gt;= 0</translation>
    </message>
    <message>
        <source>Titelseparation % muß größer als 0 sein</source>
        <translation>Title separation % must be greater than 0</translation>
    </message>
    <message>
        <source>Die Achsensteigung muß &gt;= 0 sein</source>
        <translation>The axis increment must be &gt;= 0</translation>
    </message>
    <message>
        <source>Der Minimalwert einer Achse muß &lt;= Maximum sein</source>
        <translation>An axis&apos; minimum must be &lt;= its maximum</translation>
    </message>
    <message>
        <source>Der Maximalwert einer Achse muß &gt;= Minimum sein</source>
        <translation>An axis&apos; maximum must be &gt;= its minimum</translation>
    </message>
    <message>
        <source>Die logarithmische Basis der Achse sollte &gt;= 2 sein</source>
        <translation>The axis&apos; logarithmic base should be &gt;= 2</translation>
    </message>
    <message>
        <source>Achsenbeschriftung</source>
        <translation>axis label</translation>
    </message>
</context>
<context>
    <name>ChartException</name>
    <message>
        <source>Zirkuläre Reihenabhängigkeiten sind nicht zulässig.</source>
        <translation>Circular series dependencies are not allowed.</translation>
    </message>
    <message>
        <source>Kein ParentChart zum Validieren der Datenquelle</source>
        <translation>No parent chart to validate the data source</translation>
    </message>
    <message>
        <source>Ungültige Datenquelle: %1</source>
        <translation>Invalid data source: %1</translation>
    </message>
    <message>
        <source>FillSampleValues NumValues müssen &gt; 0 sein.</source>
        <translation>FillSampleValues NumValues must be &gt; 0.</translation>
    </message>
    <message>
        <source>MaxPointsPerPage muß &gt;= 0 sein.</source>
        <translation>MaxPointsPerPage must be &gt;= 0.</translation>
    </message>
    <message>
        <source>Der Prozentsatz für 3D-Effekte muß zwischen %1 und %2 liegen</source>
        <translation>The 3D effect percentage must be between %1 and %2</translation>
    </message>
    <message>
        <source>Der %1-Winkel muß zwischen 0 und 359 Grad liegen</source>
        <translation>The %1 angle must be between 0 and 359 degrees</translation>
    </message>
    <message>
        <source>Die Größe des Pointers muß &gt; 0 sein.</source>
        <translation>The pointer size must be &gt; 0.</translation>
    </message>
</context>
<context>
    <name>ColumnNames</name>
    <message>
        <source>Dauer [h]</source>
        <translation>Duration [h]</translation>
    </message>
    <message>
        <source>Strecke [km]</source>
        <translation>Distance [km]</translation>
    </message>
    <message>
        <source>Energie [kcal]</source>
        <translation>Energy [kcal]</translation>
    </message>
    <message>
        <source>Anstieg [m]</source>
        <translation>Climb [m]</translation>
    </message>
    <message>
        <source>Herzfrequenz [1/min]</source>
        <translation>Heart rate [1/min]</translation>
    </message>
    <message>
        <source>Leistung [W]</source>
        <translation>Power [W]</translation>
    </message>
    <message>
        <source>Kadenz [1/min]</source>
        <translation>Cadence [1/min]</translation>
    </message>
    <message>
        <source>Mech. Arbeit [kJ]</source>
        <translation>Mech. work [kJ]</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>Die geladenen Dateien haben keine Spalte für %1.</source>
        <translation>The loaded files have no column for %1.</translation>
    </message>
    <message>
        <source>Dauer    [Std]</source>
        <translation>Duration [h]</translation>
    </message>
    <message>
        <source>Strecke  [km]</source>
        <translation>Distance [km]</translation>
    </message>
    <message>
        <source>Arbeit     [kcal]</source>
        <translation>Energy [kcal]</translation>
    </message>
    <message>
        <source>D-Alt      [m]</source>
        <translation>Climb [m]</translation>
    </message>
    <message>
        <source>TSS</source>
        <translation>TSS</translation>
    </message>
    <message>
        <source> [Std]</source>
        <translation> [h]</translation>
    </message>
    <message>
        <source>TAGE</source>
        <translation>DAYS</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>keine reguläre Datei, nicht importiert</source>
        <translation>not a regular file, not imported</translation>
    </message>
    <message>
        <source>Datei kann nicht geöffnet werden, nicht importiert</source>
        <translation>file cannot be opened, not imported</translation>
    </message>
    <message>
        <source>Datei größer als 256 MiB, nicht importiert</source>
        <translation>file larger than 256 MiB, not imported</translation>
    </message>
    <message>
        <source>Datei kann nicht gelesen werden, nicht importiert</source>
        <translation>file cannot be read, not imported</translation>
    </message>
    <message>
        <source>keine Textdatei (enthält Nullbytes), nicht importiert</source>
        <translation>not a text file (contains null bytes), not imported</translation>
    </message>
    <message>
        <source>keine Kopfzeile mit Spalten, nicht importiert</source>
        <translation>no header row with columns, not imported</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>keine reguläre Datei, nicht gelesen</source>
        <translation>not a regular file, not read</translation>
    </message>
    <message>
        <source>Datei kann nicht geöffnet werden, nicht gelesen</source>
        <translation>file cannot be opened, not read</translation>
    </message>
    <message>
        <source>Datei größer als 1 GiB, nicht gelesen</source>
        <translation>file larger than 1 GiB, not read</translation>
    </message>
    <message>
        <source>Datei kann nicht gelesen werden, nicht gelesen</source>
        <translation>file cannot be read, not read</translation>
    </message>
</context>
<context>
    <name>FitDecoder</name>
    <message>
        <source>FIT-Datei abgeschnitten, nicht gelesen</source>
        <translation>FIT file cut off, not read</translation>
    </message>
    <message>
        <source>FIT-Datei beschädigt, nicht gelesen</source>
        <translation>FIT file damaged, not read</translation>
    </message>
    <message>
        <source>FIT-Datei mit falscher Prüfsumme im Kopf, nicht gelesen</source>
        <translation>FIT file with a wrong header checksum, not read</translation>
    </message>
    <message>
        <source>FIT-Datei mit falscher Prüfsumme, nicht gelesen</source>
        <translation>FIT file with a wrong checksum, not read</translation>
    </message>
    <message>
        <source>keine FIT-Datei, nicht gelesen</source>
        <translation>not a FIT file, not read</translation>
    </message>
</context>
<context>
    <name>GarminSummaryPage</name>
    <message>
        <source>keine Garmin-Zusammenfassung (JSON ohne summarizedActivitiesExport), nicht importiert</source>
        <translation>not a Garmin summary (JSON without summarizedActivitiesExport), not imported</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Strg+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Jahresdateien laden (wie der Knopf &amp;bdquo;LOAD Jahres Daten&amp;ldquo;)</source>
        <translation>load year files (like the button &amp;ldquo;Load year files&amp;rdquo;)</translation>
    </message>
    <message>
        <source>Strg+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Diagramm speichern</source>
        <translation>save the chart</translation>
    </message>
    <message>
        <source>Strg+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Diagramm kopieren</source>
        <translation>copy the chart</translation>
    </message>
    <message>
        <source>Strg+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Diagramm drucken</source>
        <translation>print the chart</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>die Jahresliste schließen, sonst Zoom, Verschieben und Mausrad im Diagramm zurücknehmen</source>
        <translation>close the list of years; else undo the zoom, pan and wheel turns of the chart</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>Tab, Umschalt+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>zum nächsten, vorigen Bedienelement: Knopf, Messgröße, Diagramm, Summe, Art der Auswertung</source>
        <translation>to the next, previous control: button, metric, chart, total, evaluation</translation>
    </message>
    <message>
        <source>Links, Rechts</source>
        <translation>Left, Right</translation>
    </message>
    <message>
        <source>bei Fokus auf dem Diagramm: den markierten Tag verschieben</source>
        <translation>with the chart focused: move the marked day</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Erste Schritte&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;&lt;b&gt;Jahresdateien laden&lt;/b&gt;: Knopf &amp;bdquo;LOAD Jahres Daten&amp;ldquo; oder Strg+O, oder die Dateien aus dem
Dateimanager ins Fenster ziehen. &lt;b&gt;Oder einen Trainingsexport importieren&lt;/b&gt; (Strava, Garmin,
Runkeeper, TrainingPeaks, FIT-Dateien): Knopf &amp;bdquo;Export importieren&amp;ldquo;, dann Jahre und Sportarten
wählen.&lt;/li&gt;
&lt;li&gt;Das Diagramm zeigt gleich die &lt;b&gt;laufende Summe&lt;/b&gt; (&amp;bdquo;Werte kumulierte&amp;ldquo;) der Strecke, ohne
Strecke die der Dauer: jedes Jahr eine Linie in seiner Farbe, von Januar bis Dezember.&lt;/li&gt;
&lt;li&gt;Oben die Messgröße und die Art der Auswertung wählen; &amp;bdquo;Zuletzt geöffnet&amp;ldquo; lädt frühere
Dateien wieder.&lt;/li&gt;
&lt;/ol&gt;
</source>
        <translation>&lt;h3&gt;First steps&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;&lt;b&gt;Load year files&lt;/b&gt;: button &amp;ldquo;Load year files&amp;rdquo; or Ctrl+O, or drag the files from the
file manager into the window. &lt;b&gt;Or import a workout export&lt;/b&gt; (Strava, Garmin, Runkeeper,
TrainingPeaks, FIT files): button &amp;ldquo;Import export&amp;rdquo;, then choose the years and sports.&lt;/li&gt;
&lt;li&gt;The chart at once shows the &lt;b&gt;running total&lt;/b&gt; (&amp;ldquo;Running total&amp;rdquo;) of the distance, or of
the duration where there is no distance: each year one line in its colour, from January to December.&lt;/li&gt;
&lt;li&gt;Choose the metric and the evaluation in the lists at the top; &amp;ldquo;Recently opened&amp;rdquo; loads
earlier files again.&lt;/li&gt;
&lt;/ol&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Die Auswertungen&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Datumsmäßig sortiert&lt;/b&gt;: der Wert jedes Trainingstags an seinem Tag im Jahr.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Wertemäßig sortiert&lt;/b&gt;: die Tage eines Jahres nach ihrem Wert, der größte zuerst.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mittelwert Verlauf&lt;/b&gt;: der Mittelwert aller Trainingstage bis zu jedem Tag.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Monatsmittel&lt;/b&gt;: der Mittelwert der Trainingstage jedes Monats.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Werte kumulierte&lt;/b&gt;: die laufende Summe des Jahres bis zu jedem Tag; mit einem Ziel auch die
Ziellinie und die Prognose laufender Jahre.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Kumuliert (monatsweise)&lt;/b&gt;: die laufende Summe, die mit jedem Monat neu beginnt.&lt;/li&gt;
&lt;/ul&gt;
</source>
        <translation>&lt;h3&gt;The evaluations&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Values by date&lt;/b&gt;: the value of each training day on its day of the year.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Values sorted by size&lt;/b&gt;: the days of a year by their value, the largest first.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Running mean&lt;/b&gt;: the mean of all training days up to each day.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Monthly mean&lt;/b&gt;: the mean of the training days of each month.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Running total&lt;/b&gt;: the year&apos;s total up to each day; with a goal also the goal line and the
projection of years not over yet.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Running total by month&lt;/b&gt;: the running total, starting again with each month.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Maus&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Taste drücken&lt;/b&gt; auf dem Diagramm: Tag und Wert unter dem Zeiger, bis zum Loslassen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Zeiger über dem Diagramm&lt;/b&gt;: eine Linie markiert den Tag, ein Kasten nennt den Wert jedes Jahres
dort.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Klick auf die Legende&lt;/b&gt;: die Liste der Jahre, jedes in seiner Farbe, angehakt solange es gezeigt
wird; ein Klick auf ein Jahr (oder Pfeiltasten und Leertaste) blendet es aus oder wieder ein.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mit der linken Taste&lt;/b&gt; ein Rechteck nach rechts unten ziehen: Zoom hinein;
nach links oder oben ziehen: zurück.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mit der rechten Taste ziehen&lt;/b&gt;: das Diagramm verschieben.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mausrad&lt;/b&gt;: die Werte um 3 % des Bereichs je Raste verschieben.&lt;/li&gt;
&lt;/ul&gt;
</source>
        <translation>&lt;h3&gt;Mouse&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Press a button&lt;/b&gt; on the chart: the day and the value under the pointer, until you let go.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Pointer over the chart&lt;/b&gt;: a line marks the day, a box names the value of every year there.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Click the legend&lt;/b&gt;: the list of the years, each in its colour, checked while it is shown; a
click on a year (or the arrow keys and Space) hides it or shows it again.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;With the left button&lt;/b&gt; drag a rectangle to the right and down: zoom in;
drag to the left or up: back.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Drag with the right button&lt;/b&gt;: pan the chart.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mouse wheel&lt;/b&gt;: scroll the values by 3 % of the range per notch.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Jahresdateien&lt;/h3&gt;
&lt;p&gt;Eine Datei je Jahr, Felder durch &lt;tt&gt;;&lt;/tt&gt; getrennt: drei Kopfzeilen, dann eine Zeile je Training.&lt;/p&gt;
&lt;pre&gt;Datum;Zeit;Dauer;Strecke;HF
-;-;[h];[km];[1/min]
Kind;0;1;2;0;3
20110315;08:00;01:30:00;45,5;140;&lt;/pre&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Zeile 1&lt;/b&gt; nennt die Spalten; ab dem vierten Feld bilden sie die Liste der Messgrößen.
&lt;b&gt;Zeile 2&lt;/b&gt; hängt jedem Namen seine Einheit an.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Zeile 3&lt;/b&gt;, die Kennzeile: ihre f-te Zahl ist die Spalte (ab 1 gezählt), die die Größe der Art f
trägt, 0 wenn die Datei keine hat. Arten: 2 Dauer, 3 Strecke, 16 Arbeit, 12 Höhenmeter, 10 TSS
(Tagessummen für die kumulierten Auswertungen), 13 eine weitere Tagessumme, 4 bis 9, 11 und 14
nach Dauer gewichtete Mittel (5 Herzfrequenz, 14 Leistung), 18 bis 21 Tageshöchstwerte.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Datenzeilen&lt;/b&gt; beginnen mit dem Datum &lt;tt&gt;JJJJMMTT&lt;/tt&gt; und der Uhrzeit und enden mit &lt;tt&gt;;&lt;/tt&gt;.
Dauer als &lt;tt&gt;h:mm:ss&lt;/tt&gt;, Dezimalkomma erlaubt; mehrere Trainings eines Tages werden
zusammengefasst.&lt;/li&gt;
&lt;li&gt;Die letzten 220 Bytes einer Datei werden nie als Daten gelesen: die Datei mit einigen
Kommentarzeilen beenden.&lt;/li&gt;
&lt;li&gt;Bis zu 19 Dateien je Ladevorgang; das Diagramm zeigt höchstens acht Jahre, nach dem Laden die
letzten acht, die anderen über die Legende. Was übersprungen wird, steht in der Dateiliste unter dem
Dateinamen. Ordner, Texte und Web-Adressen werden nicht geladen.&lt;/li&gt;
&lt;/ul&gt;
</source>
        <translation>&lt;h3&gt;Year files&lt;/h3&gt;
&lt;p&gt;One file per year, fields separated by &lt;tt&gt;;&lt;/tt&gt;: three header lines, then one line per workout.&lt;/p&gt;
&lt;pre&gt;Datum;Zeit;Dauer;Strecke;HF
-;-;[h];[km];[1/min]
Kind;0;1;2;0;3
20110315;08:00;01:30:00;45,5;140;&lt;/pre&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Line 1&lt;/b&gt; names the columns; from the fourth field on they form the list of metrics.
&lt;b&gt;Line 2&lt;/b&gt; adds its unit to each name.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Line 3&lt;/b&gt;, the kind line: its f-th number is the column (counted from 1) that holds the quantity
of kind f, 0 when the file has none. Kinds: 2 duration, 3 distance, 16 energy, 12 climb, 10 TSS
(daily totals for the running evaluations), 13 another daily total, 4 to 9, 11 and 14 means weighted
by duration (5 heart rate, 14 power), 18 to 21 daily maxima.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Data rows&lt;/b&gt; start with the date &lt;tt&gt;YYYYMMDD&lt;/tt&gt; and the time and end with &lt;tt&gt;;&lt;/tt&gt;.
Durations as &lt;tt&gt;h:mm:ss&lt;/tt&gt;, a decimal comma is accepted; several workouts of one day are
folded together.&lt;/li&gt;
&lt;li&gt;The last 220 bytes of a file are never read as data: end the file with a few comment lines.&lt;/li&gt;
&lt;li&gt;Up to 19 files per load; the chart shows at most eight years, after a load the latest eight, the
others through the legend. What is skipped is listed in the file list under the file&apos;s name.
Folders, texts and web addresses are not loaded.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
    <message>
        <source>Vergleicht Trainingsjahre in einem Diagramm.</source>
        <translation>Compares training years in one chart.</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>keine Einheit lesbar: keine Datenzeilen</source>
        <translation>no workout readable: no data rows</translation>
    </message>
    <message>
        <source>keine Einheit lesbar: %1</source>
        <translation>no workout readable: %1</translation>
    </message>
</context>
<context>
    <name>ImportSources</name>
    <message>
        <source>weder FIT-Datei noch Garmin-Zusammenfassung, nicht gelesen</source>
        <translation>neither a FIT file nor a Garmin summary, not read</translation>
    </message>
    <message>
        <source>keine Einheiten darin (activities.csv, summarizedActivities.json, .fit)</source>
        <translation>no workouts in it (activities.csv, summarizedActivities.json, .fit)</translation>
    </message>
    <message>
        <source>JSON-Datei</source>
        <translation>JSON file</translation>
    </message>
    <message>
        <source>ZIP-Archiv</source>
        <translation>ZIP archive</translation>
    </message>
    <message>
        <source>gzip-Datei</source>
        <translation>gzip file</translation>
    </message>
    <message>
        <source>FIT-Datei</source>
        <translation>FIT file</translation>
    </message>
</context>
<context>
    <name>ImportedYears</name>
    <message>
        <source>1 Einheit</source>
        <translation>1 workout</translation>
    </message>
    <message>
        <source>%1 Einheiten</source>
        <translation>%1 workouts</translation>
    </message>
    <message>
        <source>    -&gt; Nicht geladen (höchstens %1 Jahre je Ladevorgang): %2.</source>
        <translation>    -&gt; Not loaded (at most %1 years per load): %2.</translation>
    </message>
    <message>
        <source>    -&gt; Keine Einheit der gewählten Sportarten und Jahre.</source>
        <translation>    -&gt; No workout of the chosen sports and years.</translation>
    </message>
</context>
<context>
    <name>LegendException</name>
    <message>
        <source>Position der oberen Legende muß zwischen 0 und 100% liegen.</source>
        <translation>The legend&apos;s top position must be between 0 and 100%.</translation>
    </message>
    <message>
        <source>Erster Wert für Legende muß &gt; 0 sein.</source>
        <translation>The legend&apos;s first value must be &gt; 0.</translation>
    </message>
    <message>
        <source>Farbbreite für Legende muß zwischen 0 und 100% liegen.</source>
        <translation>The legend&apos;s colour width must be between 0 and 100%.</translation>
    </message>
</context>
<context>
    <name>PaneFindings</name>
    <message>
        <source>Datei kann nicht geöffnet werden, übersprungen</source>
        <translation>file cannot be opened, skipped</translation>
    </message>
    <message>
        <source>keine reguläre Datei, übersprungen</source>
        <translation>not a regular file, skipped</translation>
    </message>
    <message>
        <source>nicht gelesen: höchstens %1 Dateien je Ladevorgang</source>
        <translation>not read: at most %1 files per load</translation>
    </message>
    <message>
        <source>keine Datenzeile mit gültigem Datum, übersprungen</source>
        <translation>no data row with a valid date, skipped</translation>
    </message>
    <message>
        <source>UTF-16-kodiert, übersprungen (als UTF-8 speichern)</source>
        <translation>UTF-16 encoded, skipped (save it as UTF-8)</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>row</translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation>rows</translation>
    </message>
    <message>
        <source> mit mehr als 28 Spalten, überzählige Spalten ignoriert</source>
        <translation> with more than 28 columns, surplus columns ignored</translation>
    </message>
    <message>
        <source> mit ungültigem Monat übersprungen</source>
        <translation> with an invalid month skipped</translation>
    </message>
    <message>
        <source> mit ungültigem Datum übersprungen</source>
        <translation> with an invalid date skipped</translation>
    </message>
    <message>
        <source> mit Jahr vor 1 übersprungen</source>
        <translation> with a year before 1 skipped</translation>
    </message>
    <message>
        <source> länger als 1 MiB übersprungen</source>
        <translation> longer than 1 MiB skipped</translation>
    </message>
    <message>
        <source>Spaltennummer</source>
        <translation>column number</translation>
    </message>
    <message>
        <source>Spaltennummern</source>
        <translation>column numbers</translation>
    </message>
    <message>
        <source> der Kennzeile außerhalb 0 bis 28 ignoriert</source>
        <translation> of the kind line outside 0 to 28 ignored</translation>
    </message>
    <message>
        <source>Zahl</source>
        <translation>number</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>numbers</translation>
    </message>
    <message>
        <source> außerhalb des Wertebereichs als 0 gelesen</source>
        <translation> out of range, read as 0</translation>
    </message>
    <message>
        <source>Dauerangabe</source>
        <translation>duration</translation>
    </message>
    <message>
        <source>Dauerangaben</source>
        <translation>durations</translation>
    </message>
    <message>
        <source> unlesbar, als 0 gelesen</source>
        <translation> unreadable, read as 0</translation>
    </message>
    <message>
        <source>Datei beim Lesen kürzer geworden, nur der vorhandene Teil gelesen</source>
        <translation>file got shorter while read, only the part there was read</translation>
    </message>
    <message>
        <source> nicht in Spalten zerlegbar, übersprungen</source>
        <translation> that cannot be split into columns, skipped</translation>
    </message>
    <message>
        <source> ohne die gewählten Spalten (zu wenige Felder), übersprungen</source>
        <translation> without the chosen columns (too few fields), skipped</translation>
    </message>
    <message>
        <source> ohne lesbares Datum übersprungen</source>
        <translation> without a readable date, skipped</translation>
    </message>
    <message>
        <source> geplant oder ohne Zeit, übersprungen</source>
        <translation> planned or without a time, skipped</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>workout</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>workouts</translation>
    </message>
    <message>
        <source> anderer Sportarten ausgelassen</source>
        <translation> of other sports left out</translation>
    </message>
    <message>
        <source> anderer Jahre ausgelassen</source>
        <translation> of other years left out</translation>
    </message>
    <message>
        <source> in Jahren über die 19 ladbaren hinaus ausgelassen</source>
        <translation> in years beyond the 19 that can be loaded, left out</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>value</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>values</translation>
    </message>
    <message>
        <source> mit losen Anführungszeichen gelesen</source>
        <translation> with stray quotes read</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>field</translation>
    </message>
    <message>
        <source>Felder</source>
        <translation>fields</translation>
    </message>
    <message>
        <source> ohne gültiges UTF-8, als Latin-1 gelesen</source>
        <translation> without valid UTF-8, read as Latin-1</translation>
    </message>
    <message>
        <source> doppelt (schon in einer anderen Datei), einmal gezählt</source>
        <translation> twice (already in another file), counted once</translation>
    </message>
    <message>
        <source> doppelt (schon in einer anderen Quelle), einmal gezählt</source>
        <translation> twice (already in another source), counted once</translation>
    </message>
    <message>
        <source> auf zwei Seiten, einmal gezählt</source>
        <translation> on two pages, counted once</translation>
    </message>
    <message>
        <source> in zwei FIT-Dateien, einmal gezählt</source>
        <translation> in two FIT files, counted once</translation>
    </message>
    <message>
        <source>Mehrsport-Einheit</source>
        <translation>multisport workout</translation>
    </message>
    <message>
        <source>Mehrsport-Einheiten</source>
        <translation>multisport workouts</translation>
    </message>
    <message>
        <source> über ihre Teile gezählt</source>
        <translation> counted by their parts</translation>
    </message>
    <message>
        <source>Originaldatei</source>
        <translation>original file</translation>
    </message>
    <message>
        <source>Originaldateien</source>
        <translation>original files</translation>
    </message>
    <message>
        <source> nicht gezählt (schon in der Zusammenfassung)</source>
        <translation> not counted (already in the summary)</translation>
    </message>
    <message>
        <source>FIT-Datei</source>
        <translation>FIT file</translation>
    </message>
    <message>
        <source>FIT-Dateien</source>
        <translation>FIT files</translation>
    </message>
    <message>
        <source> ohne Einheit (Überwachung, Einstellungen …) übersprungen</source>
        <translation> without a workout (monitoring, settings …) skipped</translation>
    </message>
    <message>
        <source>weitere Datei</source>
        <translation>other file</translation>
    </message>
    <message>
        <source>weitere Dateien</source>
        <translation>other files</translation>
    </message>
    <message>
        <source> ohne Einheiten nicht gelesen</source>
        <translation> without workouts not read</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Dateien</source>
        <translation>files</translation>
    </message>
    <message>
        <source> nicht lesbar (siehe unten)</source>
        <translation> unreadable (see below)</translation>
    </message>
</context>
<context>
    <name>PictureException</name>
    <message>
        <source>Das Diagramm konnte nicht als „%1“ gespeichert werden.</source>
        <translation>The chart could not be saved as “%1”.</translation>
    </message>
</context>
<context>
    <name>PictureShortcuts</name>
    <message>
        <source>Diagramm speichern</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>Diagramm als Bild kopieren</source>
        <translation>Copy chart as picture</translation>
    </message>
    <message>
        <source>Diagramm drucken</source>
        <translation>Print chart</translation>
    </message>
    <message>
        <source>Strg</source>
        <translation>Ctrl</translation>
    </message>
</context>
<context>
    <name>SeasonStartText</name>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>SourceWalker</name>
    <message>
        <source>Archiv beschädigt oder abgeschnitten, der Rest nicht gelesen</source>
        <translation>archive damaged or cut off, the rest not read</translation>
    </message>
    <message>
        <source>Archiv zu tief verschachtelt, nicht gelesen</source>
        <translation>archive nested too deeply, not read</translation>
    </message>
    <message>
        <source>Garmin-Kontoexport</source>
        <translation>Garmin account export</translation>
    </message>
    <message>
        <source>%1-Archiv</source>
        <translation>%1 archive</translation>
    </message>
    <message>
        <source>FIT-Dateien</source>
        <translation>FIT files</translation>
    </message>
    <message>
        <source>keine Einheiten gefunden</source>
        <translation>no workouts found</translation>
    </message>
</context>
<context>
    <name>SportKinds</name>
    <message>
        <source>Laufen</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Radfahren</source>
        <translation>Cycling</translation>
    </message>
    <message>
        <source>Schwimmen</source>
        <translation>Swimming</translation>
    </message>
    <message>
        <source>Gehen und Wandern</source>
        <translation>Walking and hiking</translation>
    </message>
    <message>
        <source>Sonstige</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source> - vergleicht Trainingsjahre aus Jahresdateien in einem Diagramm.

</source>
        <translation> - compares training years from year files in one chart.

</translation>
    </message>
    <message>
        <source>

Zuerst: Jahresdateien laden (kaldoro 2011.csv 2012.csv) oder einen Trainingsexport importieren
(kaldoro --import activities.csv); das Fenster zeigt dann die laufende Summe der Strecke.

Auswertungen (--mode M):
  0  Datumsmäßig sortiert     der Wert jedes Trainingstags an seinem Tag im Jahr
  1  Wertemäßig sortiert      die Tage eines Jahres nach ihrem Wert, der größte zuerst
  2  Mittelwert Verlauf       der Mittelwert aller Trainingstage bis zu jedem Tag
  3  Monatsmittel             der Mittelwert der Trainingstage jedes Monats
  4  Werte kumulierte         die laufende Summe des Jahres bis zu jedem Tag
  5  Kumuliert (monatsweise)  die laufende Summe, die mit jedem Monat neu beginnt

Optionen:
</source>
        <translation>

First: load year files (kaldoro 2011.csv 2012.csv) or import a workout export
(kaldoro --import activities.csv); the window then shows the running total of the distance.

Evaluations (--mode M):
  0  Values by date           the value of each training day on its day of the year
  1  Values sorted by size    the days of a year by their value, the largest first
  2  Running mean             the mean of all training days up to each day
  3  Monthly mean             the mean of the training days of each month
  4  Running total            the year&apos;s total up to each day
  5  Running total by month   the running total, starting again with each month

Options:
</translation>
    </message>
    <message>
        <source>
  --sport NAME         nur diese Sportart, oder alle einer Art (ohne: die häufigste Art):
                       </source>
        <translation>
  --sport NAME         only this sport, or all of a kind (without: the most frequent kind):
                       </translation>
    </message>
    <message>
        <source>, all
  -h, --help           diese Hilfe
  --version            die Version

Im Fenster: Strg+O laden, Strg+S speichern, Strg+C kopieren, Strg+P drucken,
Esc Zoom zurücknehmen, F1 Hilfe; Jahresdateien lassen sich auch ins Fenster ziehen.

Jahresdateien: eine je Jahr, Felder durch ; getrennt; Zeile 1 nennt die Spalten, Zeile 2 ihre
Einheiten, Zeile 3 die Art jeder Spalte; dann eine Zeile je Training, beginnend mit JJJJMMTT;
die letzten 220 Bytes sind ein Nachspann (Einzelheiten: F1 im Fenster).</source>
        <translation>, all
  -h, --help           this help
  --version            the version

In the window: Ctrl+O load, Ctrl+S save, Ctrl+C copy, Ctrl+P print,
Esc undo the zoom, F1 help; year files can also be dragged into the window.

Year files: one per year, fields separated by ;; line 1 names the columns, line 2 their
units, line 3 the kind of each column; then one row per workout, starting with YYYYMMDD;
the last 220 bytes are a trailer (details: F1 in the window).</translation>
    </message>
    <message>
        <source>  FILE...              Jahresdateien, geladen wie mit dem Knopf &quot;LOAD Jahres Daten&quot;
                       (Trainingsexporte ohne Jahresdateien: wie mit --import)
  --mode M             Art der Auswertung, Eintrag 0 bis 5 der Liste (siehe oben)
  --metric N           Eintrag N der Messgrößen-Liste, die die Auswertung nutzt
  --export-png FILE    das Diagramm als PNG schreiben, ohne Fenster
  --scale N            das PNG N-mal so groß (1 bis 4), gleich aufgeteilt
  --export-svg FILE    das Diagramm als SVG schreiben, ohne Fenster
  --export-pdf FILE    das Diagramm als PDF schreiben, ohne Fenster
  --export-csv FILE    die Punkte als CSV schreiben, ohne Fenster (- = Standardausgabe)
  --compare-at DAY     die Werte der Jahre an Tag DAY ausgeben (braucht --mode);
                       &quot;—&quot; ohne Wert, etwa nach der letzten Zeile eines laufenden Jahres
  --today YYYY-MM-DD   dieses Datum als heute nehmen: Jahre ab seinem Jahr laufen noch,
                       ihre Summen und Verläufe enden an ihrer letzten Zeile
  --season-start MM-DD Saisonbeginn (ohne: der im Fenster gewählte, sonst 01-01): Saison Y
                       läuft vom MM-DD in Y bis zum Tag davor in Y+1, Titel &quot;2023/24&quot;,
                       Tag 1 ist der Saisonbeginn; 02-29 wird abgelehnt. Mit --import
                       nennt --years A-B Saisons (geladen: die Jahre A bis B+1)
  --goal VALUE         Ziel des Jahres für die Summe (--mode 4), etwa 5000: Ziellinie,
                       Prognose laufender Jahre; mit --compare-at die Zeile &quot;Ziel&quot; und
                       &quot;Prognose&quot; bei jedem laufenden Jahr, in der CSV die Reihen danach
  --lang de|en         Sprache des Fensters und der Hilfe (sonst die des Systems);
                       CSV und --compare-at bleiben in jeder Sprache gleich
  --import FILE        einen Trainingsexport statt Jahresdateien lesen (mehrfach: zusammen,
                       jede Einheit einmal): CSV eines Dienstes, Garmin-Seite
                       *summarizedActivities*.json, ZIP oder Ordner eines Strava- oder
                       Garmin-Kontoexports, Ordner, ZIP oder Datei mit .fit/.fit.gz
  --column Q=NAME      Spalte NAME des Exports für Q, eines von:
                       </source>
        <translation>  FILE...              year files, loaded as with the button &quot;Load year files&quot;
                       (workout exports without year files: as with --import)
  --mode M             the evaluation, entry 0 to 5 of the list (see above)
  --metric N           entry N of the metric list the evaluation uses
  --export-png FILE    write the chart as PNG, without a window
  --scale N            the PNG N times as large (1 to 4), with the same layout
  --export-svg FILE    write the chart as SVG, without a window
  --export-pdf FILE    write the chart as PDF, without a window
  --export-csv FILE    write the points as CSV, without a window (- = standard output)
  --compare-at DAY     print the years&apos; values on day DAY (needs --mode);
                       &quot;—&quot; without a value, e.g. after the last row of a year not over yet
  --today YYYY-MM-DD   take this date as today: years from its year on are not over,
                       their totals and lines end at their last row
  --season-start MM-DD season start (without: the one chosen in the window, else 01-01): season Y
                       runs from MM-DD in Y to the day before in Y+1, title &quot;2023/24&quot;,
                       day 1 is the season start; 02-29 is refused. With --import
                       --years A-B names seasons (loaded: the years A to B+1)
  --goal VALUE         the year&apos;s goal for the total (--mode 4), e.g. 5000: goal line,
                       projection of years not over yet; with --compare-at the line &quot;Ziel&quot; and
                       &quot;Prognose&quot; for each year not over yet, in the CSV the series after them
  --lang de|en         language of the window and the help (else the system&apos;s);
                       CSV and --compare-at stay the same in every language
  --import FILE        read a workout export instead of year files (repeated: together,
                       each workout once): a service&apos;s CSV, a Garmin page
                       *summarizedActivities*.json, ZIP or folder of a Strava or
                       Garmin account export, folder, ZIP or file with .fit/.fit.gz
  --column Q=NAME      column NAME of the export for Q, one of:
                       </translation>
    </message>
</context>
<context>
    <name>TDroppedItems</name>
    <message>
        <source>keine lokale Datei, nicht geladen.</source>
        <translation>not a local file, not loaded.</translation>
    </message>
    <message>
        <source>Ordner, nicht geladen: bitte die Jahresdateien selbst ziehen.</source>
        <translation>folder, not loaded: please drag the year files themselves.</translation>
    </message>
    <message>
        <source>Gezogene Daten</source>
        <translation>Dragged data</translation>
    </message>
    <message>
        <source>keine Datei, nicht geladen.</source>
        <translation>not a file, not loaded.</translation>
    </message>
    <message>
        <source>Text statt Datei, nicht geladen.</source>
        <translation>text instead of a file, not loaded.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>LOAD Jahres Daten</source>
        <translation>Load year files</translation>
    </message>
    <message>
        <source>Export importieren</source>
        <translation>Import export</translation>
    </message>
    <message>
        <source>Jahreswerte </source>
        <translation>Year values</translation>
    </message>
    <message>
        <source>Noch keine Jahre geladen.

Jahresdateien laden: Knopf „LOAD Jahres Daten“ oder Strg+O
Einen Trainingsexport importieren: Knopf „Export importieren“
oder Dateien hierher ziehen</source>
        <translation>No years loaded yet.

Load year files: button “Load year files” or Ctrl+O
Import a workout export: button “Import export”
or drag files here</translation>
    </message>
    <message>
        <source>Datumsmäßig sortiert</source>
        <translation>Values by date</translation>
    </message>
    <message>
        <source>Wertemäßig sortiert </source>
        <translation>Values sorted by size</translation>
    </message>
    <message>
        <source>Mittelwert Verlauf</source>
        <translation>Running mean</translation>
    </message>
    <message>
        <source>Monatsmittel</source>
        <translation>Monthly mean</translation>
    </message>
    <message>
        <source>Werte kumulierte</source>
        <translation>Running total</translation>
    </message>
    <message>
        <source>Kumuliert (monatsweise)</source>
        <translation>Running total by month</translation>
    </message>
    <message>
        <source>%1 Jahre geladen: die letzten %2 werden gezeigt, die übrigen über die Legende.</source>
        <translation>%1 years loaded: the latest %2 are shown, the others through the legend.</translation>
    </message>
    <message>
        <source>1 Jahr geladen</source>
        <translation>1 year loaded</translation>
    </message>
    <message>
        <source>%1 Jahre geladen</source>
        <translation>%1 years loaded</translation>
    </message>
    <message>
        <source> – 1 Hinweis in der Dateiliste unten</source>
        <translation> – 1 note in the file list below</translation>
    </message>
    <message>
        <source> – %1 Hinweise in der Dateiliste unten</source>
        <translation> – %1 notes in the file list below</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>kein Ziel</source>
        <translation>no goal</translation>
    </message>
    <message>
        <source>Ziel des Jahres für die gezeigte Summe, etwa 5.000; leer: kein Ziel</source>
        <translation>Goal of the year for the total shown, e.g. 5,000; empty: no goal</translation>
    </message>
    <message>
        <source>Ziel „%1“ ist keine Zahl über 0: nicht übernommen</source>
        <translation>Goal “%1” is no number above 0: not taken</translation>
    </message>
    <message>
        <source>Jahresdateien laden (Strg+O).
Dateien lassen sich auch aus dem Dateimanager ins Fenster ziehen.</source>
        <translation>Load year files (Ctrl+O).
Files can also be dragged from the file manager into the window.</translation>
    </message>
    <message>
        <source>Messgröße der Auswertung: eine Spalte der Jahresdateien.
Tab: nächste Liste, F1: Hilfe</source>
        <translation>Metric of the evaluation: a column of the year files.
Tab: next list, F1: help</translation>
    </message>
    <message>
        <source>Art der Auswertung.
Esc: Zoom des Diagramms zurücknehmen, F1: Hilfe</source>
        <translation>Evaluation.
Esc: undo the zoom of the chart, F1: help</translation>
    </message>
    <message>
        <source>Summe für die kumulierten Auswertungen.
Tab: nächste Liste, F1: Hilfe</source>
        <translation>Total for the running evaluations.
Tab: next list, F1: help</translation>
    </message>
    <message>
        <source>Es werden höchstens 8 Jahre gezeigt: erst ein Jahr ausblenden.</source>
        <translation>At most 8 years are shown: hide a year first.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Recently opened</translation>
    </message>
    <message>
        <source>Die letzten %1 Ladevorgänge und Importe erneut öffnen.</source>
        <translation>Open one of the last %1 loads and imports again.</translation>
    </message>
    <message>
        <source>(noch nichts geladen)</source>
        <translation>(nothing loaded yet)</translation>
    </message>
    <message>
        <source>    -&gt; Export von %1 erkannt, keine Jahresdatei: zum Import.</source>
        <translation>    -&gt; export of %1 recognised, no year file: to the import.</translation>
    </message>
    <message>
        <source>    -&gt; Jahresdateien nicht geladen, der Import ersetzt sie: %1.</source>
        <translation>    -&gt; year files not loaded, the import replaces them: %1.</translation>
    </message>
    <message>
        <source>Sprache des Fensters, der Hilfe und der Zahlen (ab dem nächsten Start)</source>
        <translation>Language of the window, the help and the numbers (from the next start)</translation>
    </message>
    <message>
        <source>Die Sprache wechselt beim nächsten Start von Kaldoro.</source>
        <translation>The language changes at the next start of Kaldoro.</translation>
    </message>
    <message>
        <source>anderer Tag …</source>
        <translation>other day …</translation>
    </message>
    <message>
        <source>Saisonbeginn</source>
        <translation>Season start</translation>
    </message>
    <message>
        <source>TT.MM.</source>
        <translation>DD.MM.</translation>
    </message>
    <message>
        <source>Tag, an dem jede Saison beginnt; ein anderer Tag als TT.MM., etwa 15.10. (nicht 29.02.)</source>
        <translation>Day each season starts on; another day as DD.MM., e.g. 15.10. (not 29.02.)</translation>
    </message>
    <message>
        <source>Saisonbeginn „%1“ ist kein Tag jedes Jahres (TT.MM.): nicht übernommen</source>
        <translation>Season start “%1” is no day of every year (DD.MM.): not taken</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Kaldoro - Hilfe</source>
        <translation>Kaldoro - Help</translation>
    </message>
</context>
<context>
    <name>TImportDialog</name>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Export importieren</source>
        <translation>Import export</translation>
    </message>
    <message>
        <source>%1 – erkannt: %2</source>
        <translation>%1 – recognised: %2</translation>
    </message>
    <message>
        <source>Jahre</source>
        <translation>Years</translation>
    </message>
    <message>
        <source>Sportarten</source>
        <translation>Sports</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Sportart</source>
        <translation>Sport</translation>
    </message>
</context>
<context>
    <name>TPrintPreview</name>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
</context>
<context>
    <name>TQtOpenFileDialog</name>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>TQtSavePictureDialog</name>
    <message>
        <source>Diagramm speichern</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ValueReadout</name>
    <message>
        <source>Tag</source>
        <translation>Day</translation>
    </message>
</context>
<context>
    <name>WorkoutSource</name>
    <message>
        <source>1 Einheit gelesen</source>
        <translation>1 workout read</translation>
    </message>
    <message>
        <source>%1 Einheiten gelesen</source>
        <translation>%1 workouts read</translation>
    </message>
</context>
<context>
    <name>YearChart</name>
    <message>
        <source>Ziel</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>Prognose %1</source>
        <translation>Projection %1</translation>
    </message>
</context>
<context>
    <name>YearComparison</name>
    <message>
        <source>Ziel: %1</source>
        <translation>Goal: %1</translation>
    </message>
    <message>
        <source>Noch %1 pro Woche</source>
        <translation>Still %1 per week</translation>
    </message>
    <message>
        <source>Ziel erreicht</source>
        <translation>Goal reached</translation>
    </message>
</context>
<context>
    <name>YearComparisonHover</name>
    <message>
        <source>Tag %1</source>
        <translation>Day %1</translation>
    </message>
    <message>
        <source>  Prognose</source>
        <translation>  Projection</translation>
    </message>
</context>
<context>
    <name>YearEvaluation</name>
    <message>
        <source>            Januar</source>
        <translation>            January</translation>
    </message>
    <message>
        <source>             Februar</source>
        <translation>             February</translation>
    </message>
    <message>
        <source>        März</source>
        <translation>        March</translation>
    </message>
    <message>
        <source>         April</source>
        <translation>         April</translation>
    </message>
    <message>
        <source>       Mai</source>
        <translation>       May</translation>
    </message>
    <message>
        <source>       Juni</source>
        <translation>       June</translation>
    </message>
    <message>
        <source>       Juli</source>
        <translation>       July</translation>
    </message>
    <message>
        <source>             August</source>
        <translation>             August</translation>
    </message>
    <message>
        <source>                 September</source>
        <translation>                 September</translation>
    </message>
    <message>
        <source>              Oktober</source>
        <translation>              October</translation>
    </message>
    <message>
        <source>                 November</source>
        <translation>                 November</translation>
    </message>
    <message>
        <source>                 Dezember</source>
        <translation>                 December</translation>
    </message>
</context>
</TS>
