<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>About</name>
    <message>
        <source>Freie Software unter der GNU General Public License, Version 3 oder später (GPL-3.0-or-later), ohne jede Garantie.</source>
        <translation>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</translation>
    </message>
    <message>
        <source>Über %1</source>
        <translation>About %1</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>keine Anzeige gefunden (DISPLAY ist nicht gesetzt)</source>
        <translation>no display found (DISPLAY is not set)</translation>
    </message>
    <message>
        <source>keine Verbindung zur Anzeige „%1“</source>
        <translation>cannot connect to display &quot;%1&quot;</translation>
    </message>
    <message>
        <source>auf einem virtuellen Bildschirm starten mit: %1</source>
        <translation>to start on a virtual screen: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>vergrößert alles in den Fenstern um F (1 bis 3), so weit sie auf den Bildschirm passen; Strg+Plus, Strg+Minus und Strg+0 ändern es</source>
        <translation>enlarges everything in the windows by F (1 to 3), as far as they fit the screen; Ctrl+Plus, Ctrl+Minus and Ctrl+0 change it</translation>
    </message>
    <message>
        <source>eine Zahl von 1 bis 3 erwartet</source>
        <translation>expected a number from 1 to 3</translation>
    </message>
    <message>
        <source>zeigt diese Hilfe</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>zeigt Programmname und Version</source>
        <translation>shows the program name and version</translation>
    </message>
    <message>
        <source>„%1 --help“ zeigt die Optionen</source>
        <translation>&quot;%1 --help&quot; lists the options</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“; %2</source>
        <translation>unknown option &quot;%1&quot;; %2</translation>
    </message>
    <message>
        <source>unerwartetes Argument „%1“; %2</source>
        <translation>unexpected argument &quot;%1&quot;; %2</translation>
    </message>
    <message>
        <source>%1 nimmt keinen Wert</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>%1 verlangt einen Wert</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>Aufruf: %1 [OPTION]...</source>
        <translation>Usage: %1 [OPTION]...</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Ohne Optionen öffnet das Programm sein Fenster.</source>
        <translation>Without options the program opens its window.</translation>
    </message>
    <message>
        <source>Sprache der Fenster: de (Deutsch) oder en (Englisch); ohne diese Option folgt sie dem Gebietsschema</source>
        <translation>language of the windows: de (German) or en (English); without this option it follows the locale</translation>
    </message>
    <message>
        <source>erwartet de oder en</source>
        <translation>expected de or en</translation>
    </message>
    <message>
        <source>die Ausgabe ließ sich nicht schreiben: %1</source>
        <translation>the output could not be written: %1</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>schreibt Bild (.png, .svg) oder Tabelle (.csv) in DATEI, ohne Fenster und ohne Bildschirm</source>
        <translation>writes the picture (.png, .svg) or the table (.csv) to FILE, without a window and without a screen</translation>
    </message>
    <message>
        <source>unerwartetes Argument; %1</source>
        <translation>unexpected argument; %1</translation>
    </message>
    <message>
        <source>Die Optionen des Qt-Toolkits (-platform, -display, -style …) gelten auch.</source>
        <translation>The options of the Qt toolkit (-platform, -display, -style …) apply too.</translation>
    </message>
    <message>
        <source>Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder später &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit das Gesetz es zulässt.
</source>
        <translation>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</translation>
    </message>
</context>
<context>
    <name>prisma</name>
    <message>
        <source>Zeigt die Ablenkung eines Strahls durch ein Prisma gegen den Einfallswinkel; der tiefste Punkt der Kurve ist das Minimum der Ablenkung.</source>
        <translation>Shows the deviation of a ray by a prism against the angle of incidence; the lowest point of the curve is the minimum deviation.</translation>
    </message>
    <message>
        <source>Winkel der brechenden Kante, 1 bis 180</source>
        <translation>apex angle of the prism, 1 to 180</translation>
    </message>
    <message>
        <source>eine ganze Zahl von 1 bis 180</source>
        <translation>a whole number from 1 to 180</translation>
    </message>
    <message>
        <source>Brechzahl, 0.5 bis 2 in Schritten von 0.01</source>
        <translation>refractive index, 0.5 to 2 in steps of 0.01</translation>
    </message>
    <message>
        <source>eine Zahl von 0.5 bis 2 in Schritten von 0.01, mit Punkt</source>
        <translation>a number from 0.5 to 2 in steps of 0.01, with a point</translation>
    </message>
    <message>
        <source>GRAD</source>
        <translation>DEGREES</translation>
    </message>
</context>
<context>
    <name>rb::Form</name>
    <message>
        <source>(Zoom %1 statt %2: größer passt es nicht auf den Bildschirm)</source>
        <translation>(zoom %1 instead of %2: larger does not fit the screen)</translation>
    </message>
</context>
<context>
    <name>rb::BarText</name>
    <message>
        <source>Bitte eine Zahl von %1 bis %2 eingeben.</source>
        <translation>Please enter a number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>rb::SaveDialog</name>
    <message>
        <source>Datei ersetzen</source>
        <translation>Replace file</translation>
    </message>
    <message>
        <source>„%1“ gibt es schon.
Soll sie ersetzt werden?</source>
        <translation>&quot;%1&quot; already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>rb::ValuesBox</name>
    <message>
        <source>Werte</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Werte im Diagramm</source>
        <translation>Values on the plot</translation>
    </message>
</context>
<context>
    <name>rb::WindowSaver</name>
    <message>
        <source>die Endung wählt das Format: .png, .svg oder .csv</source>
        <translation>the extension chooses the format: .png, .svg or .csv</translation>
    </message>
    <message>
        <source>Dieses Format kann das Fenster nicht speichern.</source>
        <translation>This window cannot be saved in this format.</translation>
    </message>
    <message>
        <source>%1: „%2“ wurde nicht gespeichert: %3</source>
        <translation>%1: &quot;%2&quot; was not saved: %3</translation>
    </message>
    <message>
        <source>Bild kopieren</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Speichern unter …</source>
        <translation>Save as …</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Zeichnung (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>CSV-Tabelle (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Speichern fehlgeschlagen</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>Die Datei „%1“ wurde nicht gespeichert.</source>
        <translation>The file &quot;%1&quot; was not saved.</translation>
    </message>
    <message>
        <source>ein Ordner</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>eine benannte Pipe</source>
        <translation>a named pipe</translation>
    </message>
    <message>
        <source>ein Gerät</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>ein Socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>etwas anderes</source>
        <translation>something else</translation>
    </message>
    <message>
        <source>der Name enthält Zeichen, die die Zeichenkodierung des Systems nicht wiedergibt</source>
        <translation>the name holds characters the system&apos;s character encoding cannot represent</translation>
    </message>
    <message>
        <source>„%1“ ist keine gewöhnliche Datei, sondern %2, und wird nicht ersetzt</source>
        <translation>&quot;%1&quot; is not a regular file but %2, and is not replaced</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>das Speicherkontingent ist erschöpft</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>Datei zu groß: die Grenze der Dateigröße ist erreicht</source>
        <translation>file too large: the file size limit is reached</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>das Dateisystem ist schreibgeschützt</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht gefunden</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>ein Teil des Pfads ist kein Ordner</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>das ist ein Ordner</source>
        <translation>that is a folder</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>zu viele symbolische Verknüpfungen hintereinander</source>
        <translation>too many symbolic links in a row</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>input/output error of the disk</translation>
    </message>
    <message>
        <source>die Endung „.%1“ bietet dieses Fenster nicht an; es speichert PNG, SVG und CSV.</source>
        <translation>this window does not offer the extension “.%1”; it saves PNG, SVG and CSV.</translation>
    </message>
    <message>
        <source>die Endung „.%1“ bietet dieses Fenster nicht an; es speichert PNG und SVG.</source>
        <translation>this window does not offer the extension “.%1”; it saves PNG and SVG.</translation>
    </message>
</context>
<context>
    <name>rb::prisma::Form1</name>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>-90°</source>
        <translation>-90°</translation>
    </message>
    <message>
        <source>Einfallswinkel</source>
        <translation>Angle of incidence</translation>
    </message>
    <message>
        <source>Ablenkwinkel</source>
        <translation>Deviation angle</translation>
    </message>
    <message>
        <source>Minimum der Ablenkung bei einem Prisma</source>
        <translation>Minimum deviation of a prism</translation>
    </message>
    <message>
        <source>Winkel der brech.Kante des Prismas</source>
        <translation>Apex angle of the prism</translation>
    </message>
    <message>
        <source>Brechzahl</source>
        <translation>Refractive index</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Ablenkwinkel gegen Einfallswinkel für A = %1°, n = %2</source>
        <translation>Deviation angle against angle of incidence for A = %1°, n = %2</translation>
    </message>
    <message>
        <source>; Minimum %1° bei %2°</source>
        <translation>; minimum %1° at %2°</translation>
    </message>
    <message>
        <source>; kein Strahl geht durch das Prisma</source>
        <translation>; no ray passes through the prism</translation>
    </message>
    <message>
        <source>Kein Strahl tritt durch das Prisma.</source>
        <translation>No ray passes through the prism.</translation>
    </message>
    <message>
        <source>; auf dem Diagramm markiert: %1</source>
        <translation>; marked on the plot: %1</translation>
    </message>
    <message>
        <source>D_min = %1° bei i = %2°</source>
        <translation>D_min = %1° at i = %2°</translation>
    </message>
</context>
<context>
    <name>rb::streu::Form1</name>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>270°</source>
        <translation>270°</translation>
    </message>
    <message>
        <source>360°</source>
        <translation>360°</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>1.0</source>
        <translation>1.0</translation>
    </message>
    <message>
        <source>Stoßparameter</source>
        <translation>Impact parameter</translation>
    </message>
    <message>
        <source>Richtung des vom Tropfen gestreuten Lichts als Funktion des Stoßparameters und der Zahl der  Reflexionen im Tropfen</source>
        <translation>Direction of the light scattered by the drop as a function of the impact parameter and the number of reflections in the drop</translation>
    </message>
    <message>
        <source>Anzahl der Reflexionen im Tropfen</source>
        <translation>Number of reflections in the drop</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>; Umkehrpunkt bei %1° für Stoßparameter %2</source>
        <translation>; turning point at %1° for impact parameter %2</translation>
    </message>
    <message>
        <source>; auf dem Diagramm markiert</source>
        <translation>; marked on the plot</translation>
    </message>
    <message>
        <source>Umkehrpunkt %1° bei b = %2</source>
        <translation>Turning point %1° at b = %2</translation>
    </message>
    <message numerus="yes">
        <source>Richtung des gestreuten Lichts gegen Stoßparameter für k = %n Reflexionen</source>
        <translation>
            <numerusform>Direction of the scattered light against impact parameter for k = %n reflection</numerusform>
            <numerusform>Direction of the scattered light against impact parameter for k = %n reflections</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rb::tavrin::Form3</name>
    <message>
        <source>Moddelle zur Regenbogendeutung</source>
        <translation>Models explaining the rainbow</translation>
    </message>
    <message>
        <source>Strahlenmodell</source>
        <translation>Ray model</translation>
    </message>
    <message>
        <source>Parallele Strahlen treffen die Tropfen : Reflexion und Brechung an den Grenzflächen. Der Verlauf der  gebrochenen, an der Rückseite gespiegelten und wieder gebrochenen Strahlen wird mit Hilfe der Strahlenoptik berechnet.. Der Winkelbereich der rückgestreuten Strahlen und die Farbe werden angezeigt.</source>
        <translation>Parallel rays strike the drops: reflection and refraction at the surfaces. The paths of the rays that are refracted, reflected at the back of the drop and refracted again are computed with geometrical optics. The angular range of the backscattered rays and their colour are shown.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Wellenmodell</source>
        <translation>Wave model</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Die Simulation beruht auf der Kombination der Hugenschen und der Fresnelschen Vorstellung zur Lichtausbreitung. Ebene Wellen (Start in (A)), die durch die Überlagerung elementarer Kreiswellen entstanden sind, treffen auf den Tropfen, werden gebrochen, an der Rückseite reflektiert, wieder gebrochen und gelangen zum Beobachter (B). Der Weg (Strahl) jeder einzelnen Elementarwelle (Huygens) erlaubt die Berechnung der jeweiligen Phase in (B). Aus Phase und Richtung werden (Fresnel) die einzelnen Elementarwellen zur in (B) eintreffenden Welle zusammengesetzt. Dabei wird entscheidend der Zeigerformalismus eingesetzt.</source>
        <translation>The simulation combines Huygens&apos; and Fresnel&apos;s ideas of how light travels. Plane waves (starting at (A)), formed by the superposition of elementary circular waves, strike the drop, are refracted, reflected at its back, refracted again and reach the observer (B). The path (ray) of each elementary wave (Huygens) gives its phase at (B). From phase and direction (Fresnel), the elementary waves are combined into the wave arriving at (B). The phasor formalism is the key to this.</translation>
    </message>
    <message>
        <source>Parallele Strahlen treffen einen Tropfen, werden gebrochen, an der Rückseite gespiegelt, wieder gebrochen und verlassen ihn als Fächer</source>
        <translation>Parallel rays strike a drop, are refracted, reflected at its back, refracted again and leave it as a fan</translation>
    </message>
    <message>
        <source>Ebene Wellen starten in A, treffen den Tropfen, und die Elementarwellen laufen nach Brechung und Spiegelung zum Beobachter B</source>
        <translation>Plane waves start at A and strike the drop; after refraction and reflection the elementary waves travel to the observer B</translation>
    </message>
</context>
<context>
    <name>rb::tavrin::Form5</name>
    <message>
        <source>Regenbogen: Zeigerformalismus, Komibination aus Strahlen und Wellenoptik (Huygens-Fresnel)</source>
        <translation>Rainbow: phasor formalism, combining ray and wave optics (Huygens-Fresnel)</translation>
    </message>
    <message>
        <source>cls</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Bogensystem</source>
        <translation>Bow system</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>rot  656nm</source>
        <translation>red  656nm</translation>
    </message>
    <message>
        <source>grün 527nm</source>
        <translation>green 527nm</translation>
    </message>
    <message>
        <source>blau 430nm</source>
        <translation>blue 430nm</translation>
    </message>
    <message>
        <source>Bild I / II</source>
        <translation>Figure I / II</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Tropfendurchm.</source>
        <translation>Drop diameter</translation>
    </message>
    <message>
        <source>in Miikrometer</source>
        <translation>in micrometres</translation>
    </message>
    <message>
        <source>Zeigeraddition (Bild I) für jeden Strahl </source>
        <translation>Phasor addition (Figure I) for every ray </translation>
    </message>
    <message>
        <source>Zeigeraddition für jeden Strahl im regenbogenrelevanten Winkelbereich (Bild II): Automatischer Durchlauf: Klick auf Bogensystem. Per Hand: Mit der Maus auf gewünschten Winkel,  Klick mit der linken Maustaste.</source>
        <translation>Phasor addition for every ray in the range of angles that matters for the rainbow (Figure II): Automatic run: click Bow system. By hand: point the mouse at the angle you want and click the left mouse button.</translation>
    </message>
    <message>
        <source>Text2</source>
        <translation>Text2</translation>
    </message>
    <message>
        <source>Beobachtung: Fernfeld</source>
        <translation>Observation: far field</translation>
    </message>
    <message>
        <source>Zeigeraddition:( Bild III): Winkelverteilung der Strahlen (Elementarwellen), innere Bögen</source>
        <translation>Phasor addition (Figure III): angular distribution of the rays (elementary waves), inner bows</translation>
    </message>
    <message>
        <source>44°</source>
        <translation>44°</translation>
    </message>
    <message>
        <source>43°</source>
        <translation>43°</translation>
    </message>
    <message>
        <source>42°</source>
        <translation>42°</translation>
    </message>
    <message>
        <source>41°</source>
        <translation>41°</translation>
    </message>
    <message>
        <source>40°</source>
        <translation>40°</translation>
    </message>
    <message>
        <source>39°</source>
        <translation>39°</translation>
    </message>
    <message>
        <source>Bild I</source>
        <translation>Figure I</translation>
    </message>
    <message>
        <source>Bild II</source>
        <translation>Figure II</translation>
    </message>
    <message>
        <source>Bild III</source>
        <translation>Figure III</translation>
    </message>
    <message>
        <source>Winkelskala</source>
        <translation>Angle scale</translation>
    </message>
    <message>
        <source>Beobachtungswinkel von 44° links bis 39° rechts</source>
        <translation>Observation angle from 44° on the left to 39° on the right</translation>
    </message>
    <message>
        <source>Amplitude gegen Beobachtungswinkel: keine Balken</source>
        <translation>Amplitude against observation angle: no bars</translation>
    </message>
    <message>
        <source>; höchster Balken bei %1° (Amplitude %2)</source>
        <translation>; tallest bar at %1° (amplitude %2)</translation>
    </message>
    <message>
        <source>%1° (Amplitude %2)</source>
        <translation>%1° (amplitude %2)</translation>
    </message>
    <message>
        <source>; innere Bögen bei %1</source>
        <translation>; inner bows at %1</translation>
    </message>
    <message>
        <source>Zeigerkette: leer</source>
        <translation>Phasor chain: empty</translation>
    </message>
    <message>
        <source>Tropfen und Strahlen: leer</source>
        <translation>Drop and rays: empty</translation>
    </message>
    <message>
        <source>Tropfen und Strahlen: unverändert</source>
        <translation>Drop and rays: unchanged</translation>
    </message>
    <message>
        <source>Tastatur: die Pfeiltasten verschieben den markierten Punkt, mit Umschalt in kleinen Schritten; Eingabe rechnet für diesen Punkt.</source>
        <translation>Keyboard: the arrow keys move the marked point, with Shift in small steps; Enter computes for this point.</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blau</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>Reihe</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Modell</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Winkel (°)</source>
        <translation>Angle (°)</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Tropfendurchmesser (µm)</source>
        <translation>Drop diameter (µm)</translation>
    </message>
    <message>
        <source>Balken</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Theorie</source>
        <translation>theory</translation>
    </message>
    <message>
        <source>Zeigermodell</source>
        <translation>Phasor model</translation>
    </message>
    <message>
        <source>321 Strahlen</source>
        <translation>321 rays</translation>
    </message>
    <message>
        <source>ganzer Tropfen</source>
        <translation>whole drop</translation>
    </message>
    <message>
        <source>Airy-Theorie</source>
        <translation>Airy theory</translation>
    </message>
    <message>
        <source>Descartes-Winkel %1°</source>
        <translation>Descartes angle %1°</translation>
    </message>
    <message>
        <source>; Summenzeiger der Länge %1</source>
        <translation>; resultant of length %1</translation>
    </message>
    <message>
        <source>Zeigerkette für %1°, auf ein Viertel verkleinert</source>
        <translation>Phasor chain for %1°, reduced to a quarter</translation>
    </message>
    <message>
        <source>Zeigerkette für den gewählten Punkt</source>
        <translation>Phasor chain for the chosen point</translation>
    </message>
    <message>
        <source>Zeigerkette: nur der Ursprung markiert</source>
        <translation>Phasor chain: only the origin marked</translation>
    </message>
    <message>
        <source>¼×</source>
        <translation>¼×</translation>
    </message>
    <message>
        <source>½×</source>
        <translation>½×</translation>
    </message>
    <message>
        <source>1×</source>
        <translation>1×</translation>
    </message>
    <message>
        <source>2×</source>
        <translation>2×</translation>
    </message>
    <message>
        <source>4×</source>
        <translation>4×</translation>
    </message>
    <message>
        <source>Tempo des Bogensystems</source>
        <translation>Sweep speed</translation>
    </message>
    <message>
        <source>Tempo des Bogensystems bei eingeschalteten Bildern I / II</source>
        <translation>Speed of the bow sweep while Bild I / II are on</translation>
    </message>
    <message>
        <source>Welches Licht die Zeiger darstellen: ohne Polarisation Zeiger der Länge 1; senkrecht oder parallel zur Streuebene Zeiger so lang wie ihre drei Fresnel-Amplituden; unpolarisiert beide Ketten</source>
        <translation>Which light the phasors stand for: without polarisation phasors of length 1; perpendicular or parallel to the plane of scattering phasors as long as their three Fresnel amplitudes; unpolarised both chains</translation>
    </message>
    <message>
        <source>Dazu als letztes Glied jeder Kette der Zeiger des außen am Tropfen gespiegelten Lichts</source>
        <translation>Adds, as the last link of each chain, the phasor of the light reflected off the outside of the drop</translation>
    </message>
    <message>
        <source>Wellenoptik</source>
        <translation>Wave optics</translation>
    </message>
    <message>
        <source>Polarisation:</source>
        <translation>Polarisation:</translation>
    </message>
    <message>
        <source>ohne</source>
        <translation>none</translation>
    </message>
    <message>
        <source>senkrecht (s)</source>
        <translation>perpendicular (s)</translation>
    </message>
    <message>
        <source>parallel (p)</source>
        <translation>parallel (p)</translation>
    </message>
    <message>
        <source>unpolarisiert</source>
        <translation>unpolarised</translation>
    </message>
    <message>
        <source>Außenreflexion</source>
        <translation>Outer reflection</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:%1&quot;&gt;&amp;#9473; senkrecht (s)&lt;/span&gt;&amp;nbsp;&amp;nbsp;&lt;span style=&quot;color:%2&quot;&gt;&amp;#9473;&amp;#9473; parallel (p)&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;color:%1&quot;&gt;&amp;#9473; perpendicular (s)&lt;/span&gt;&amp;nbsp;&amp;nbsp;&lt;span style=&quot;color:%2&quot;&gt;&amp;#9473;&amp;#9473; parallel (p)&lt;/span&gt;</translation>
    </message>
    <message>
        <source>; Polarisation %1, Polarisationsgrad am höchsten Balken %2</source>
        <translation>; polarisation %1, degree of polarisation at the tallest bar %2</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>höchster Balken</source>
        <translation>tallest bar</translation>
    </message>
    <message>
        <source>1. innerer Bogen</source>
        <translation>1st inner bow</translation>
    </message>
    <message>
        <source>2. innerer Bogen</source>
        <translation>2nd inner bow</translation>
    </message>
    <message>
        <source>; Werte im Bild: %1</source>
        <translation>; values on the picture: %1</translation>
    </message>
    <message>
        <source>Markierung</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Sonnenlicht …</source>
        <translation>Sunlight …</translation>
    </message>
    <message>
        <source>Mie-Theorie</source>
        <translation>Mie theory</translation>
    </message>
    <message>
        <source>alle Wege</source>
        <translation>all paths</translation>
    </message>
    <message>
        <source>nur Bogenstrahl</source>
        <translation>bow ray only</translation>
    </message>
    <message>
        <source>Die exakte Kurve der Lorenz-Mie-Theorie in Bild III, schwarz, als Amplitude: das Hauptmaximum des Bogenterms so hoch wie das der Airy-Theorie</source>
        <translation>The exact curve of Lorenz-Mie theory in Figure III, black, as an amplitude: the main maximum of the bow term as high as that of Airy theory</translation>
    </message>
    <message>
        <source>Mie-Theorie: die ganze Reihe, mit dem außen gespiegelten Licht</source>
        <translation>Mie theory: the whole series, with the light reflected off the outside</translation>
    </message>
    <message>
        <source>Mie-Theorie: nur das einmal innen gespiegelte Licht (Debye p = 2)</source>
        <translation>Mie theory: only the light reflected once inside (Debye p = 2)</translation>
    </message>
    <message>
        <source>; Mie-Theorie (%1): höchstes Maximum bei %2</source>
        <translation>; Mie theory (%1): tallest maximum at %2</translation>
    </message>
    <message>
        <source>, innere Bögen bei %1</source>
        <translation>, inner bows at %1</translation>
    </message>
    <message numerus="yes">
        <source>Amplitude gegen Beobachtungswinkel: %n Balken</source>
        <translation>
            <numerusform>Amplitude against observation angle: %n bar</numerusform>
            <numerusform>Amplitude against observation angle: %n bars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tropfen mit %n Strahlen zum Beobachter unter %1°</source>
        <translation>
            <numerusform>Drop with %n ray to the observer at %1°</numerusform>
            <numerusform>Drop with %n rays to the observer at %1°</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tropfen mit %n Strahlen zum Punkt (%1; %2)</source>
        <translation>
            <numerusform>Drop with %n ray to the point (%1; %2)</numerusform>
            <numerusform>Drop with %n rays to the point (%1; %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; dazu %n einzelne Strahlen</source>
        <translation>
            <numerusform>; and %n single ray</numerusform>
            <numerusform>; and %n single rays</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rb::tavrin::SunForm</name>
    <message>
        <source>Regenbogen im Sonnenlicht</source>
        <translation>The rainbow in sunlight</translation>
    </message>
    <message>
        <source>Tropfendurchmesser in µm</source>
        <translation>Drop diameter in µm</translation>
    </message>
    <message>
        <source>Theorie</source>
        <translation>Theory</translation>
    </message>
    <message>
        <source>Mie (exakt)</source>
        <translation>Mie (exact)</translation>
    </message>
    <message>
        <source>Airy</source>
        <translation>Airy</translation>
    </message>
    <message>
        <source>Sonnenscheibe 0,53°</source>
        <translation>Sun&apos;s disc 0.53°</translation>
    </message>
    <message>
        <source>Polarisationsfilter</source>
        <translation>Polarising filter</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <source>s (senkrecht)</source>
        <translation>s (perpendicular)</translation>
    </message>
    <message>
        <source>p (parallel)</source>
        <translation>p (parallel)</translation>
    </message>
    <message>
        <source>Feste Belichtung: das Licht der Tropfen je Querschnittsfläche, für jede Größe gleich belichtet, über einem gleichmäßig grauen Himmel.</source>
        <translation>Fixed exposure: the drops&apos; light per unit of cross-section, exposed alike for every size, over a uniformly grey sky.</translation>
    </message>
    <message>
        <source>Der Himmel gegenüber der Sonne</source>
        <translation>The sky opposite the sun</translation>
    </message>
    <message>
        <source>Das Spektrum dahinter: Intensität gegen den Winkel zum Gegenpunkt der Sonne</source>
        <translation>The spectrum behind it: intensity against the angle from the antisolar point</translation>
    </message>
    <message>
        <source>Farbige Linien: 405, 455, 505, 555, 605 und 655 nm; schwarz: Leuchtdichte</source>
        <translation>Coloured lines: 405, 455, 505, 555, 605 and 655 nm; black: luminance</translation>
    </message>
    <message>
        <source>Spektrum</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Rechnet</source>
        <translation>Computing</translation>
    </message>
    <message>
        <source>Rechnet …</source>
        <translation>Computing …</translation>
    </message>
    <message>
        <source>Summiert: %1 Wellenlängen, %2 Mie-Terme, je Wellenlänge bis %3 Winkel</source>
        <translation>Summed: %1 wavelengths, %2 Mie terms, up to %3 angles per wavelength</translation>
    </message>
    <message>
        <source>Summiert: %1 Wellenlängen, je zwei Airy-Bögen (Haupt- und Nebenbogen)</source>
        <translation>Summed: %1 wavelengths, two Airy bows each (primary and secondary)</translation>
    </message>
    <message>
        <source>Zeiger des ganzen Tropfens</source>
        <translation>Phasors of the whole drop</translation>
    </message>
    <message>
        <source>Summiert: %1 Wellenlängen, %2 Zeiger (Strahlen durch Haupt- und Nebenbogen), je Wellenlänge bis %3 Winkel</source>
        <translation>Summed: %1 wavelengths, %2 phasors (rays through the primary and secondary bow), up to %3 angles per wavelength</translation>
    </message>
    <message>
        <source>Hauptbogen am hellsten bei %1°, von außen nach innen %2; Nebenbogen am hellsten bei %3°, von außen nach innen %4; dazwischen Alexanders dunkles Band, innerhalb des Hauptbogens heller Himmel. Tropfendurchmesser %5 µm.</source>
        <translation>Primary bow brightest at %1°, from outside in %2; secondary bow brightest at %3°, from outside in %4; between them Alexander&apos;s dark band, inside the primary a bright sky. Drop diameter %5 µm.</translation>
    </message>
    <message>
        <source>rot bis violett</source>
        <translation>red to violet</translation>
    </message>
    <message>
        <source>violett bis rot</source>
        <translation>violet to red</translation>
    </message>
    <message>
        <source>Intensität gegen den Winkel von 35° bis 57° für sechs Wellenlängen und die Leuchtdichte; %1</source>
        <translation>Intensity against the angle from 35° to 57° for six wavelengths and the luminance; %1</translation>
    </message>
    <message>
        <source>Winkel (°)</source>
        <translation>Angle (°)</translation>
    </message>
    <message>
        <source>Tropfendurchmesser (µm)</source>
        <translation>Drop diameter (µm)</translation>
    </message>
    <message>
        <source>Leuchtdichte</source>
        <translation>Luminance</translation>
    </message>
    <message>
        <source>Streuung der Größen in %</source>
        <translation>Spread of sizes in %</translation>
    </message>
    <message>
        <source>Lee-Diagramm: die Farben für jeden Tropfendurchmesser (µm, logarithmisch)</source>
        <translation>Lee diagram: the colours for every drop diameter (µm, logarithmic)</translation>
    </message>
    <message>
        <source>Lee-Diagramm</source>
        <translation>Lee diagram</translation>
    </message>
    <message>
        <source>Lee-Diagramm: berechnete Zeilen</source>
        <translation>Lee diagram: rows computed</translation>
    </message>
    <message>
        <source>, über %1 Tropfengrößen</source>
        <translation>, over %1 drop sizes</translation>
    </message>
    <message>
        <source>Lee-Diagramm: %1 von %2 Durchmessern</source>
        <translation>Lee diagram: %1 of %2 diameters</translation>
    </message>
    <message>
        <source>Lee-Diagramm: alle %1 Durchmesser</source>
        <translation>Lee diagram: all %1 diameters</translation>
    </message>
    <message>
        <source>%1° bei %2 µm</source>
        <translation>%1° at %2 µm</translation>
    </message>
    <message>
        <source>Lee-Diagramm, Winkel 35° bis 57° nach rechts, Tropfendurchmesser 10 bis 2000 µm nach oben. Der Hauptbogen ist am hellsten bei %1; je kleiner die Tropfen, desto breiter und weiter innen. Bis etwa %2 µm ist er fast weiß (Nebelbogen). Gewählt: %3 µm.</source>
        <translation>Lee diagram, angles 35° to 57° to the right, drop diameters 10 to 2000 µm upwards. The primary bow is brightest at %1; the smaller the drops, the broader it is and the further in. Up to about %2 µm it is almost white (a fogbow). Chosen: %3 µm.</translation>
    </message>
</context>
<context>
    <name>rb::tavrin::form2</name>
    <message>
        <source>Regenbogen: Strahlenmodell (Huygens)</source>
        <translation>Rainbow: ray model (Huygens)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source> Farbe</source>
        <translation> Colour</translation>
    </message>
    <message>
        <source>rot   656nm</source>
        <translation>red   656nm</translation>
    </message>
    <message>
        <source>grün  527nm</source>
        <translation>green 527nm</translation>
    </message>
    <message>
        <source>blau 430nm</source>
        <translation>blue 430nm</translation>
    </message>
    <message>
        <source>Zahl int.  Reflexionen</source>
        <translation>Internal reflections</translation>
    </message>
    <message>
        <source>1 </source>
        <translation>1 </translation>
    </message>
    <message>
        <source>2 </source>
        <translation>2 </translation>
    </message>
    <message>
        <source>3 </source>
        <translation>3 </translation>
    </message>
    <message>
        <source>5 </source>
        <translation>5 </translation>
    </message>
    <message>
        <source>reflekt. Strahlen</source>
        <translation>Reflected rays</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Bild </source>
        <translation>View </translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Überblick</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Kontinuierl.</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>Wechsel des Stoßparameters</source>
        <translation>Change of the impact parameter</translation>
    </message>
    <message>
        <source>langsam</source>
        <translation>slow</translation>
    </message>
    <message>
        <source>schnell</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Wasser</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Glas BK7</source>
        <translation>BK7 glass</translation>
    </message>
    <message>
        <source>cls</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>30°</source>
        <translation>30°</translation>
    </message>
    <message>
        <source>40°</source>
        <translation>40°</translation>
    </message>
    <message>
        <source>50°</source>
        <translation>50°</translation>
    </message>
    <message>
        <source>60°</source>
        <translation>60°</translation>
    </message>
    <message>
        <source>Strahlen: per Hand : Maus vor Tropfen positionieren und li. Klick, mehrere Strahlen : bei gedr. li. Maustaste nach oben und unten verschieben.   Automatisch :  Klick auf kont. Wechsel des Stoßparamters</source>
        <translation>Rays by hand: put the mouse in front of the drop and left-click. Several rays: hold the left mouse button down and move up and down.   Automatic: click a continuous change of the impact parameter</translation>
    </message>
    <message>
        <source>Winkelstreifen</source>
        <translation>Angle strip</translation>
    </message>
    <message>
        <source>Gradskala</source>
        <translation>Degree scale</translation>
    </message>
    <message>
        <source>Tropfen und Strahlen</source>
        <translation>Drop and rays</translation>
    </message>
    <message>
        <source>Streuwinkel von 30° unten bis 60° oben</source>
        <translation>Scattering angle from 30° at the bottom to 60° at the top</translation>
    </message>
    <message>
        <source>Tropfen, innere Reflexionen: %1; </source>
        <translation>Drop, internal reflections: %1; </translation>
    </message>
    <message>
        <source>keine Strahlen</source>
        <translation>no rays</translation>
    </message>
    <message>
        <source>Streuwinkel 30° bis 60°: keine Marken</source>
        <translation>Scattering angle 30° to 60°: no marks</translation>
    </message>
    <message>
        <source>Tastatur: Pfeil auf/ab verschiebt die markierte Höhe, Bild auf/ab in großen Schritten; Eingabe zeichnet dort einen Strahl; mit Umschalt zeichnet jeder Schritt einen Strahl.</source>
        <translation>Keyboard: Up/Down move the marked height, Page Up/Page Down in large steps; Enter draws a ray there; with Shift every step draws a ray.</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blau</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>Winkel (°)</source>
        <translation>Angle (°)</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Reflexionen</source>
        <translation>Reflections</translation>
    </message>
    <message>
        <source>; Descartes-Winkel %1° markiert</source>
        <translation>; Descartes&apos; angle %1° marked</translation>
    </message>
    <message>
        <source>Markierung</source>
        <translation>Mark</translation>
    </message>
    <message numerus="yes">
        <source>%n Strahlen, zuletzt bei Stoßparameter %1 mit Streuwinkel %2°</source>
        <translation>
            <numerusform>%n ray, the last at impact parameter %1 with scattering angle %2°</numerusform>
            <numerusform>%n rays, the last at impact parameter %1 with scattering angle %2°</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Strahlen, zuletzt mit Streuwinkel %1°</source>
        <translation>
            <numerusform>%n ray, the last with scattering angle %1°</numerusform>
            <numerusform>%n rays, the last with scattering angle %1°</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streuwinkel 30° bis 60°: %n Marken von %1° bis %2°</source>
        <translation>
            <numerusform>Scattering angle 30° to 60°: %n mark from %1° to %2°</numerusform>
            <numerusform>Scattering angle 30° to 60°: %n marks from %1° to %2°</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>streu</name>
    <message>
        <source>Zeigt die Richtung des vom Tropfen gestreuten Lichts als Funktion des Stoßparameters, für 1 bis 15 Reflexionen im Tropfen.</source>
        <translation>Shows the direction of the light scattered by the drop as a function of the impact parameter, for 1 to 15 reflections in the drop.</translation>
    </message>
    <message>
        <source>Zahl der Reflexionen im Tropfen, 1 bis 15</source>
        <translation>number of reflections in the drop, 1 to 15</translation>
    </message>
    <message>
        <source>eine ganze Zahl von 1 bis 15</source>
        <translation>a whole number from 1 to 15</translation>
    </message>
</context>
<context>
    <name>tavrin</name>
    <message>
        <source>Modelle zur Regenbogendeutung: das Strahlenmodell und das Wellenmodell, geöffnet aus einem Startfenster.</source>
        <translation>Models explaining the rainbow: the ray model and the wave model, opened from a start window.</translation>
    </message>
    <message>
        <source>Tropfendurchmesser im Sonnenlicht, 10 bis 2000 µm</source>
        <translation>drop diameter in sunlight, 10 to 2000 µm</translation>
    </message>
    <message>
        <source>eine Zahl von 10 bis 2000 mit höchstens einer Nachkommastelle, mit Punkt</source>
        <translation>a number from 10 to 2000 with at most one decimal, with a point</translation>
    </message>
    <message>
        <source>Streuung der Tropfengrößen in Prozent, 0 bis 30</source>
        <translation>spread of the drop sizes in per cent, 0 to 30</translation>
    </message>
    <message>
        <source>eine ganze Zahl von 0 bis 30</source>
        <translation>a whole number from 0 to 30</translation>
    </message>
    <message>
        <source>Theorie im Sonnenlicht: mie (exakt), airy oder phasors (Zeiger des ganzen Tropfens)</source>
        <translation>theory in sunlight: mie (exact), airy or phasors (the whole drop&apos;s phasors)</translation>
    </message>
    <message>
        <source>mie, airy oder phasors</source>
        <translation>mie, airy or phasors</translation>
    </message>
</context>
</TS>
