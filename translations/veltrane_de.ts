<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ModelError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Unzulässiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>Unzulässiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>Division durch Null</translation>
    </message>
</context>
<context>
    <name>app::AboutBox</name>
    <message>
        <source>About </source>
        <translation>Info </translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright. Copying it or passing it on is allowed only under the GNU General Public License, version 3 or later; any other copying is not allowed. It comes with no warranty.</source>
        <translation>Warnung: urheberrechtlich geschützt. Kopieren und Weitergeben nur nach der GNU General Public License, Version 3 oder später; jedes andere Kopieren ist untersagt. Ohne Gewährleistung.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FEEDBACK</source>
        <translation>FEEDBACK</translation>
    </message>
    <message>
        <source>Please install a mail program such as Thunderbird or Evolution.</source>
        <translation>Bitte installieren Sie ein E-Mail-Programm wie Thunderbird oder Evolution.</translation>
    </message>
</context>
<context>
    <name>app::IntroductionWindow</name>
    <message>
        <source>An Introduction To Veltrane</source>
        <translation>Eine Einführung in Veltrane</translation>
    </message>
    <message>
        <source>Ejnar Hertzsprung</source>
        <translation>Ejnar Hertzsprung</translation>
    </message>
    <message>
        <source>Portrait of %1</source>
        <translation>Porträt von %1</translation>
    </message>
    <message>
        <source>Henry Norris Russell</source>
        <translation>Henry Norris Russell</translation>
    </message>
    <message>
        <source>&amp;Further Proceed</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Go to program</source>
        <translation>Zum Programm</translation>
    </message>
</context>
<context>
    <name>app::OtherAspectsWindow</name>
    <message>
        <source>Other Aspects Of Veltrane</source>
        <translation>Weitere Aspekte von Veltrane</translation>
    </message>
    <message>
        <source>Temperature - Luminosity - Radius Relation</source>
        <translation>Temperatur-Leuchtkraft-Radius-Beziehung</translation>
    </message>
    <message>
        <source>Main - Sequence Mass - Lifetime Relation</source>
        <translation>Hauptreihe: Masse und Lebensdauer</translation>
    </message>
    <message>
        <source>Graph of the temperature, luminosity and radius of stars</source>
        <translation>Diagramm von Temperatur, Leuchtkraft und Radius der Sterne</translation>
    </message>
    <message>
        <source>Graph of the mass and lifetime of main-sequence stars</source>
        <translation>Diagramm von Masse und Lebensdauer der Hauptreihensterne</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>app::StartupWindow</name>
    <message>
        <source>WELCOME TO THE MOST USEFUL SOFTWARE FOR THE ASTRONOMERS</source>
        <translation>WILLKOMMEN BEI DER NÜTZLICHSTEN SOFTWARE FÜR ASTRONOMEN</translation>
    </message>
    <message>
        <source>AND ASTROPHYSICST</source>
        <translation>UND ASTROPHYSIKER</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>I Don&apos;t Need Introduction About Veltrane</source>
        <translation>Ich brauche keine Einführung in Veltrane</translation>
    </message>
</context>
<context>
    <name>app::WindowLook</name>
    <message>
        <source>Veltrane program icon</source>
        <translation>Programmsymbol von Veltrane</translation>
    </message>
</context>
<context>
    <name>diagram::DiagramPicture</name>
    <message>
        <source>Arrow keys move the cursor one pixel, with Shift ten pixels; the display shows the temperature and magnitude under it. Enter or Space selects the star under the cursor.</source>
        <translation>Die Pfeiltasten bewegen die Marke um ein Pixel, mit Umschalt um zehn; die Anzeige zeigt Temperatur und Helligkeit darunter. Eingabe oder Leertaste wählt den Stern unter der Marke.</translation>
    </message>
</context>
<context>
    <name>diagram::DiagramWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>TEMPERATURE(K) = </source>
        <translation>TEMPERATUR (K) = </translation>
    </message>
    <message>
        <source>ABS. MAGNITUDE = </source>
        <translation>ABS. HELLIGKEIT = </translation>
    </message>
    <message>
        <source>TEMPERATURE</source>
        <translation>TEMPERATUR</translation>
    </message>
    <message>
        <source>ABSOLUTE MAGNITUDE</source>
        <translation>ABSOLUTE HELLIGKEIT</translation>
    </message>
    <message>
        <source>LUMINOSITY (SUN=1)</source>
        <translation>LEUCHTKRAFT (☉=1)</translation>
    </message>
    <message>
        <source>RADIUS (SUN=1)</source>
        <translation>RADIUS (☉=1)</translation>
    </message>
    <message>
        <source>RADIUS (km)</source>
        <translation>RADIUS (km)</translation>
    </message>
    <message>
        <source>MASS (SUN=1)</source>
        <translation>MASSE (☉=1)</translation>
    </message>
    <message>
        <source>MASS (kg)</source>
        <translation>MASSE (kg)</translation>
    </message>
    <message>
        <source>LIFE EXPECTENCY</source>
        <translation>LEBENSDAUER (JAHRE)</translation>
    </message>
    <message>
        <source>Click The Image First !</source>
        <translation>Klicken Sie zuerst in das Diagramm!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Star Evolution</source>
        <translation>Entwicklung der Sterne</translation>
    </message>
</context>
<context>
    <name>diagram::GeneralDiagramWindow</name>
    <message>
        <source>VELTRANE - click the diagram to read a star</source>
        <translation>VELTRANE - Klicken Sie in das Diagramm, um einen Stern abzulesen</translation>
    </message>
    <message>
        <source>Stellar diagram</source>
        <translation>Hertzsprung-Russell-Diagramm</translation>
    </message>
    <message>
        <source>FOR SUN T = 5946K , M = 4.78</source>
        <translation>FÜR DIE SONNE (☉) T = 5946 K, M = 4,78</translation>
    </message>
    <message>
        <source>&amp;SHOW RELATIVE SIZE AND COLOUR</source>
        <translation>&amp;RELATIVE GRÖSSE UND FARBE ZEIGEN</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>ANZEIGE</translation>
    </message>
    <message>
        <source>FOR MAIN-SEQUENCE STARS CLICK OK</source>
        <translation>FÜR HAUPTREIHENSTERNE OK KLICKEN</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;EXIT</source>
        <translation>&amp;BEENDEN</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Sterndatenbank öffnen</translation>
    </message>
    <message>
        <source>Print Data</source>
        <translation>Daten drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Veltrane</source>
        <translation>Veltrane</translation>
    </message>
</context>
<context>
    <name>diagram::MainSequenceWindow</name>
    <message>
        <source>Main sequence: mass and lifetime follow from the luminosity</source>
        <translation>Hauptreihe: Masse und Lebensdauer folgen aus der Leuchtkraft</translation>
    </message>
    <message>
        <source>Main-sequence diagram</source>
        <translation>Diagramm der Hauptreihe</translation>
    </message>
    <message>
        <source>FOR SUN T = 5946K , M = 4.78</source>
        <translation>FÜR DIE SONNE (☉) T = 5946 K, M = 4,78</translation>
    </message>
    <message>
        <source>&amp;SHOW RELATIVE SIZE AND COLOUR</source>
        <translation>&amp;RELATIVE GRÖSSE UND FARBE ZEIGEN</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>ANZEIGE</translation>
    </message>
    <message>
        <source>&amp;BACK</source>
        <translation>&amp;ZURÜCK</translation>
    </message>
    <message>
        <source>&amp;EXIT</source>
        <translation>&amp;BEENDEN</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Print Data</source>
        <translation>Daten drucken</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Veltrane [Main - Sequence]</source>
        <translation>Veltrane [Hauptreihe]</translation>
    </message>
</context>
<context>
    <name>platform::SaveWithDialog</name>
    <message>
        <source>This file belongs to Veltrane itself (its star catalogue, the program or its help) and cannot be replaced. Please choose another name.</source>
        <translation>Diese Datei gehört zu Veltrane selbst (Sternkatalog, Programm oder Hilfe) und kann nicht ersetzt werden. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>relsize::DrawingDescription</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>yellow-white</source>
        <translation>gelbweiß</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>deep blue</source>
        <translation>tiefblau</translation>
    </message>
    <message>
        <source>coloured</source>
        <translation>farbig</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>1:3</translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>1:7</translation>
    </message>
    <message>
        <source>one fifteenth</source>
        <translation>1:15</translation>
    </message>
    <message>
        <source>one thirtieth</source>
        <translation>1:30</translation>
    </message>
    <message>
        <source>one fiftieth</source>
        <translation>1:50</translation>
    </message>
    <message>
        <source>one seventieth</source>
        <translation>1:70</translation>
    </message>
    <message>
        <source>one eightieth</source>
        <translation>1:80</translation>
    </message>
    <message>
        <source>one ninetieth</source>
        <translation>1:90</translation>
    </message>
    <message>
        <source>one hundredth</source>
        <translation>1:100</translation>
    </message>
    <message>
        <source>1/%1</source>
        <translation>1:%1</translation>
    </message>
    <message>
        <source>less than a hundredth of the Sun&apos;s radius</source>
        <translation>weniger als ein Hundertstel des Sonnenradius</translation>
    </message>
    <message>
        <source>more than a million times the Sun&apos;s radius</source>
        <translation>mehr als das Millionenfache des Sonnenradius</translation>
    </message>
    <message>
        <source>about as large as the Sun</source>
        <translation>etwa so groß wie die Sonne</translation>
    </message>
    <message>
        <source>about %1 times the Sun&apos;s radius</source>
        <translation>etwa das %1-Fache des Sonnenradius</translation>
    </message>
    <message>
        <source>Sun drawn alone at %1 scale: the %2 star is too small to draw</source>
        <translation>Sonne allein im Maßstab %1 gezeichnet: der Stern (%2) ist zu klein zum Zeichnen</translation>
    </message>
    <message>
        <source>Star drawn beside the Sun: %1, %2, drawn at %3 scale</source>
        <translation>Stern neben der Sonne gezeichnet: %1, %2, im Maßstab %3</translation>
    </message>
</context>
<context>
    <name>relsize::RelativeSizeWindow</name>
    <message>
        <source>Relative Size</source>
        <translation>Relative Größe</translation>
    </message>
    <message>
        <source>No star drawn yet</source>
        <translation>Noch kein Stern gezeichnet</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SONNE</translation>
    </message>
    <message>
        <source>STAR</source>
        <translation>STERN</translation>
    </message>
    <message>
        <source>&amp;SAVE</source>
        <translation>&amp;SPEICHERN</translation>
    </message>
    <message>
        <source>Save picture to a bitmap file</source>
        <translation>Bild als Bitmap-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <translation>&amp;HILFE</translation>
    </message>
    <message>
        <source>&amp;EXIT</source>
        <translation>S&amp;CHLIESSEN</translation>
    </message>
    <message>
        <source> All files(*.*)|*.*|Bitmap files(*.bmp)|*.bmp</source>
        <translation> Alle Dateien(*.*)|*.*|Bitmap-Dateien(*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>report::PrintData</name>
    <message>
        <source>Click The Image First To Get Data</source>
        <translation>Klicken Sie zuerst in das Diagramm, um Daten zu erhalten</translation>
    </message>
    <message>
        <source>Click The Image First To Get Data </source>
        <translation>Klicken Sie zuerst in das Diagramm, um Daten zu erhalten </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source> Text files(*.txt)|*.txt</source>
        <translation> Textdateien(*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Open The Printed Data File?</source>
        <translation>Die gespeicherte Datendatei öffnen?</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Please install a text editor such as gedit or Mousepad.</source>
        <translation>Bitte installieren Sie einen Texteditor wie gedit oder Mousepad.</translation>
    </message>
</context>
<context>
    <name>stardb::CatalogueLocation</name>
    <message>
        <source>%1 It can be browsed and plotted, but no star can be added or deleted.</source>
        <translation>%1 Er lässt sich durchsehen und einzeichnen, aber es können keine Sterne hinzugefügt oder gelöscht werden.</translation>
    </message>
    <message>
        <source>There is no folder for your own copy of the star catalogue.</source>
        <translation>Es gibt keinen Ordner für Ihre eigene Kopie des Sternkatalogs.</translation>
    </message>
    <message>
        <source>The star catalogue cannot be copied to %1 (%2).</source>
        <translation>Der Sternkatalog lässt sich nicht nach %1 kopieren (%2).</translation>
    </message>
</context>
<context>
    <name>stardb::StarDatabaseWindow</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Click if you want to add data in database</source>
        <translation>Klicken, um Daten in die Datenbank einzutragen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Exit update</source>
        <translation>Bearbeitung beenden</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete any entry from the database</source>
        <translation>Einen Eintrag aus der Datenbank löschen</translation>
    </message>
    <message>
        <source>&amp;Plot </source>
        <translation>&amp;Einzeichnen </translation>
    </message>
    <message>
        <source>Click to plot the data in Q-T diagram</source>
        <translation>Klicken, um die Daten ins HR-Diagramm einzuzeichnen</translation>
    </message>
    <message>
        <source>Clo&amp;se</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close the database</source>
        <translation>Datenbank schließen</translation>
    </message>
    <message>
        <source>&amp;Update Database</source>
        <translation>&amp;Datenbank ändern</translation>
    </message>
    <message>
        <source>Click to update database</source>
        <translation>Klicken, um die Datenbank zu ändern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Submit the data</source>
        <translation>Daten übernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel update</source>
        <translation>Bearbeitung abbrechen</translation>
    </message>
    <message>
        <source>Star Database</source>
        <translation>Sterndatenbank</translation>
    </message>
    <message>
        <source>STAR NAME</source>
        <translation>STERNNAME</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DATEN</translation>
    </message>
    <message>
        <source>Star Name</source>
        <translation>Sternname</translation>
    </message>
    <message>
        <source>Avarage Surface Temperature (K)</source>
        <translation>Mittlere Oberflächentemperatur (K)</translation>
    </message>
    <message>
        <source>Absolute Magnitude</source>
        <translation>Absolute Helligkeit</translation>
    </message>
    <message>
        <source>The star catalogue %1 cannot be opened.

%2</source>
        <translation>Der Sternkatalog %1 lässt sich nicht öffnen.

%2</translation>
    </message>
    <message>
        <source>Please Enter The Star Name and Other Data</source>
        <translation>Bitte geben Sie den Sternnamen und die übrigen Daten ein</translation>
    </message>
    <message>
        <source>This temperature and absolute magnitude cannot be plotted together (%1).</source>
        <translation>Diese Temperatur und diese absolute Helligkeit lassen sich nicht zusammen einzeichnen (%1).</translation>
    </message>
    <message>
        <source>The %1 is empty.</source>
        <translation>Das Feld „%1“ ist leer.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be plotted (%3).</source>
        <translation>Der Wert „%2“ im Feld „%1“ kann nicht eingezeichnet werden (%3).</translation>
    </message>
    <message>
        <source>

Please type a number above zero, for example %1.</source>
        <translation>

Bitte geben Sie eine Zahl über null ein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>

Please type a number, for example %1.</source>
        <translation>

Bitte geben Sie eine Zahl ein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>Please Select Star Name to Delete </source>
        <translation>Bitte wählen Sie den zu löschenden Stern aus </translation>
    </message>
    <message>
        <source>Are You Sure to Delete Record?</source>
        <translation>Soll der Datensatz wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>Please Choose A Star First to Plot</source>
        <translation>Bitte wählen Sie zuerst einen Stern zum Einzeichnen aus</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot;</source>
        <translation>der Wert „%2“ im Feld „%1“</translation>
    </message>
    <message>
        <source>its temperature and absolute magnitude together</source>
        <translation>die Kombination aus Temperatur und absoluter Helligkeit</translation>
    </message>
    <message>
        <source>The star &quot;%1&quot; cannot be plotted: %2 cannot be used (%3).</source>
        <translation>Der Stern „%1“ kann nicht eingezeichnet werden: %2 ist nicht verwendbar (%3).</translation>
    </message>
</context>
<context>
    <name>stardb::StarRecordSet</name>
    <message>
        <source>Another program is using the star catalogue just now (%1). Wait a moment and try again.</source>
        <translation>Ein anderes Programm benutzt gerade den Sternkatalog (%1). Warten Sie einen Moment und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>It is not a star catalogue (%1).</source>
        <translation>Das ist kein Sternkatalog (%1).</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
    <message>
        <source>The database engine cannot open it (%1).</source>
        <translation>Die Datenbank lässt sich nicht öffnen (%1).</translation>
    </message>
    <message>
        <source>It has no table %1.</source>
        <translation>Sie hat keine Tabelle %1.</translation>
    </message>
    <message>
        <source>Its table %1 has no field %2.</source>
        <translation>Ihre Tabelle %1 hat kein Feld %2.</translation>
    </message>
    <message>
        <source>The record no longer exists.</source>
        <translation>Der Datensatz existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The star catalogue %1 is not open; no star can be added or deleted.</source>
        <translation>Der Sternkatalog %1 ist nicht geöffnet; es können keine Sterne hinzugefügt oder gelöscht werden.</translation>
    </message>
    <message>
        <source>The star catalogue %1 is read-only; it can be browsed and plotted but not changed.</source>
        <translation>Der Sternkatalog %1 ist schreibgeschützt; er lässt sich durchsehen und einzeichnen, aber nicht ändern.</translation>
    </message>
    <message>
        <source>There is no new record to save.</source>
        <translation>Es gibt keinen neuen Datensatz zum Speichern.</translation>
    </message>
    <message>
        <source>The star catalogue is not open.</source>
        <translation>Der Sternkatalog ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The record has already been deleted.</source>
        <translation>Der Datensatz wurde bereits gelöscht.</translation>
    </message>
    <message>
        <source>There is no current record.</source>
        <translation>Es gibt keinen aktuellen Datensatz.</translation>
    </message>
    <message>
        <source>%1

The star catalogue cannot be changed: the disk it is on is full (%2). Make room on the disk and try again.</source>
        <translation>%1

Der Sternkatalog lässt sich nicht ändern: Der Datenträger, auf dem er liegt, ist voll (%2). Schaffen Sie Platz auf dem Datenträger und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>It is a symbolic link that cannot be followed: its links lead round in a loop.</source>
        <translation>Das ist eine symbolische Verknüpfung, der sich nicht folgen lässt: Ihre Verknüpfungen führen im Kreis.</translation>
    </message>
    <message>
        <source>It is a symbolic link to %1, which does not exist.</source>
        <translation>Das ist eine symbolische Verknüpfung auf %1, und diese Datei existiert nicht.</translation>
    </message>
</context>
<context>
    <name>starlife::StarEvolutionWindow</name>
    <message>
        <source>main-sequence star</source>
        <translation>Hauptreihenstern</translation>
    </message>
    <message>
        <source>subgiant</source>
        <translation>Unterriese</translation>
    </message>
    <message>
        <source>red giant</source>
        <translation>Roter Riese</translation>
    </message>
    <message>
        <source>helium-burning star</source>
        <translation>Heliumbrennender Stern</translation>
    </message>
    <message>
        <source>asymptotic-giant-branch star</source>
        <translation>Stern auf dem asymptotischen Riesenast</translation>
    </message>
    <message>
        <source>helium star</source>
        <translation>Heliumstern</translation>
    </message>
    <message>
        <source>evolved helium star</source>
        <translation>Entwickelter Heliumstern</translation>
    </message>
    <message>
        <source>white dwarf</source>
        <translation>Weißer Zwerg</translation>
    </message>
    <message>
        <source>neutron star</source>
        <translation>Neutronenstern</translation>
    </message>
    <message>
        <source>black hole</source>
        <translation>Schwarzes Loch</translation>
    </message>
    <message>
        <source>nothing left</source>
        <translation>nichts mehr übrig</translation>
    </message>
    <message>
        <source>main sequence</source>
        <translation>Hauptreihe</translation>
    </message>
    <message>
        <source>helium burning</source>
        <translation>Heliumbrennen</translation>
    </message>
    <message>
        <source>AGB</source>
        <translation>AGB</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>%1 million years</source>
        <translation>%1 Millionen Jahre</translation>
    </message>
    <message>
        <source>%1 billion years</source>
        <translation>%1 Milliarden Jahre</translation>
    </message>
    <message>
        <source>%1 yr</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>%1 Myr</source>
        <translation>%1 Mio. Jahre</translation>
    </message>
    <message>
        <source>%1 Gyr</source>
        <translation>%1 Mrd. Jahre</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Time in this phase</source>
        <translation>Zeit in dieser Phase</translation>
    </message>
    <message>
        <source>Mass (Sun = 1)</source>
        <translation>Masse (☉ = 1)</translation>
    </message>
    <message>
        <source>Core mass (Sun = 1)</source>
        <translation>Kernmasse (☉ = 1)</translation>
    </message>
    <message>
        <source>Luminosity (Sun = 1)</source>
        <translation>Leuchtkraft (☉ = 1)</translation>
    </message>
    <message>
        <source>Surface temperature (K)</source>
        <translation>Oberflächentemperatur (K)</translation>
    </message>
    <message>
        <source>Radius (Sun = 1)</source>
        <translation>Radius (☉ = 1)</translation>
    </message>
    <message>
        <source>Absolute magnitude</source>
        <translation>Absolute Helligkeit</translation>
    </message>
    <message>
        <source>Turn-off mass (Sun = 1)</source>
        <translation>Masse am Abknickpunkt (☉ = 1)</translation>
    </message>
    <message>
        <source>Star Evolution</source>
        <translation>Sternentwicklung</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>&amp;Initial mass (Sun = 1):</source>
        <translation>Anfangs&amp;masse (☉ = 1):</translation>
    </message>
    <message>
        <source>One star&apos;s &amp;life</source>
        <translation>&amp;Leben eines Sterns</translation>
    </message>
    <message>
        <source>A star cluster (is&amp;ochrone)</source>
        <translation>Ein Sternhaufen (&amp;Isochrone)</translation>
    </message>
    <message>
        <source>&amp;Age</source>
        <translation>&amp;Alter</translation>
    </message>
    <message>
        <source>The star&apos;s life on the Hertzsprung-Russell diagram</source>
        <translation>Das Leben des Sterns im Hertzsprung-Russell-Diagramm</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Abs&amp;pielen</translation>
    </message>
    <message>
        <source>The star now</source>
        <translation>Der Stern jetzt</translation>
    </message>
    <message>
        <source>— : no magnitude; the diagrams show no star below %1 times the Sun&apos;s luminosity.</source>
        <translation>— : keine Helligkeit; die Diagramme zeigen keinen Stern unter dem %1-Fachen der Sonnenleuchtkraft.</translation>
    </message>
    <message>
        <source>The star beside the Sun</source>
        <translation>Der Stern neben der Sonne</translation>
    </message>
    <message>
        <source>Phases of its life</source>
        <translation>Die Phasen seines Lebens</translation>
    </message>
    <message>
        <source>Begins at</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Lasts</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Show on the &amp;diagrams</source>
        <translation>In die &amp;Diagramme einzeichnen</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>Als CSV &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Plot the star as it is now on the general and the main-sequence diagram</source>
        <translation>Den Stern, wie er jetzt ist, in das Gesamtdiagramm und das Hauptreihendiagramm einzeichnen</translation>
    </message>
    <message>
        <source>Save the track, or the isochrone, as a CSV file for a spreadsheet</source>
        <translation>Den Entwicklungsweg oder die Isochrone als CSV-Datei für eine Tabellenkalkulation speichern</translation>
    </message>
    <message>
        <source>The slider runs over the ages of a star cluster from 1 million to 15 billion years, each factor of ten taking the same room.</source>
        <translation>Der Schieberegler reicht über das Alter eines Sternhaufens von 1 Million bis 15 Milliarden Jahre; jede Zehnerpotenz nimmt gleich viel Platz ein.</translation>
    </message>
    <message>
        <source>Each phase of the star&apos;s life has its own stretch of the slider, however short it is; the read-outs give the true age.</source>
        <translation>Jede Lebensphase des Sterns hat ihr eigenes Stück des Schiebereglers, wie kurz sie auch ist; die Anzeigefelder nennen das wahre Alter.</translation>
    </message>
    <message>
        <source>The initial mass &quot;%1&quot; cannot be used. Please type a number from %2 to %3 (solar masses), for example %4.</source>
        <translation>Die Anfangsmasse „%1“ kann nicht verwendet werden. Bitte geben Sie eine Zahl von %2 bis %3 (Sonnenmassen) ein, zum Beispiel %4.</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <source>turn-off: %1 solar masses</source>
        <translation>Abknickpunkt: %1 Sonnenmassen</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>The Sun is too small to see at this scale.</source>
        <translation>Die Sonne ist in diesem Maßstab zu klein, um sie zu sehen.</translation>
    </message>
    <message>
        <source>The star is too small to see at this scale.</source>
        <translation>Der Stern ist in diesem Maßstab zu klein, um ihn zu sehen.</translation>
    </message>
    <message>
        <source>The star (%1) is too faint to be shown on the diagrams: it gives out %2 times the Sun&apos;s light, and the diagrams give an absolute magnitude only to stars of more than %3 times the Sun&apos;s luminosity.</source>
        <translation>Der Stern (%1) ist zu leuchtschwach für die Diagramme: Er strahlt das %2-Fache der Sonnenleuchtkraft ab, und die Diagramme geben nur Sternen mit mehr als dem %3-Fachen der Sonnenleuchtkraft eine absolute Helligkeit.</translation>
    </message>
    <message>
        <source> CSV files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation> CSV-Dateien(*.csv)|*.csv|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>%1, %2 old, %3 times the Sun&apos;s luminosity, surface temperature %4 K, %5 times the Sun&apos;s radius.</source>
        <translation>%1, %2 alt, das %3-Fache der Sonnenleuchtkraft, Oberflächentemperatur %4 K, das %5-Fache des Sonnenradius.</translation>
    </message>
    <message>
        <source>Isochrone of a star cluster %1 old: all its stars are still on the main sequence. The chosen star: %2</source>
        <translation>Isochrone eines Sternhaufens von %1: Alle seine Sterne stehen noch auf der Hauptreihe. Der gewählte Stern: %2</translation>
    </message>
    <message>
        <source>Isochrone of a star cluster %1 old, its main-sequence turn-off at %2 times the Sun&apos;s mass. The chosen star: %3</source>
        <translation>Isochrone eines Sternhaufens von %1, Abknickpunkt der Hauptreihe beim %2-Fachen der Sonnenmasse. Der gewählte Stern: %3</translation>
    </message>
</context>
<context>
    <name>tools::AppPictures</name>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Mass (Sun = 1)</source>
        <translation>Masse (Sonne = 1)</translation>
    </message>
    <message>
        <source>Lifetime (years)</source>
        <translation>Lebensdauer (Jahre)</translation>
    </message>
    <message>
        <source>Luminosity (Sun = 1)</source>
        <translation>Leuchtkraft (Sonne = 1)</translation>
    </message>
    <message>
        <source>L = M⁴ (dashed)     lifetime = 10¹⁰ years / M²·⁵</source>
        <translation>L = M⁴ (gestrichelt)   Lebensdauer = 10¹⁰ Jahre / M²·⁵</translation>
    </message>
    <message>
        <source>Surface temperature (K)</source>
        <translation>Oberflächentemperatur (K)</translation>
    </message>
    <message>
        <source>white lines: equal radius, R = √L · (5964 K / T)²</source>
        <translation>weiße Linien: gleicher Radius, R = √L · (5964 K / T)²</translation>
    </message>
</context>
<context>
    <name>tools::DiagramPictures</name>
    <message>
        <source>SUN</source>
        <translation>SONNE</translation>
    </message>
    <message>
        <source>MAIN SEQUENCE</source>
        <translation>HAUPTREIHE</translation>
    </message>
    <message>
        <source>SUPERGIANTS</source>
        <translation>ÜBERRIESEN</translation>
    </message>
    <message>
        <source>GIANTS</source>
        <translation>RIESEN</translation>
    </message>
    <message>
        <source>WHITE DWARFS</source>
        <translation>WEISSE ZWERGE</translation>
    </message>
    <message>
        <source>← hot     temperature     cool →</source>
        <translation>← heiß     Temperatur     kühl →</translation>
    </message>
    <message>
        <source>← faint   absolute magnitude   bright →</source>
        <translation>← schwach   absolute Helligkeit   hell →</translation>
    </message>
</context>
<context>
    <name>windows::OpenDocument</name>
    <message>
        <source>%1

The file does not exist.</source>
        <translation>%1

Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>%1

No program on this computer can open this file. %2</source>
        <translation>%1

Kein Programm auf diesem Computer kann diese Datei öffnen. %2</translation>
    </message>
</context>
<context>
    <name>windows::OpenHelp</name>
    <message>
        <source>%1

The help file is missing, and so are its web pages. Please install Veltrane again.</source>
        <translation>%1

Die Hilfedatei fehlt, und ihre Webseiten fehlen auch. Bitte installieren Sie Veltrane erneut.</translation>
    </message>
    <message>
        <source>%1

No program on this computer can open the help, neither this file nor its web pages in %2. Please install a CHM viewer such as xchm, or a web browser.</source>
        <translation>%1

Kein Programm auf diesem Computer kann die Hilfe öffnen, weder diese Datei noch ihre Webseiten in %2. Bitte installieren Sie einen CHM-Betrachter wie xchm oder einen Webbrowser.</translation>
    </message>
</context>
</TS>
