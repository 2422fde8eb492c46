<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0, Ausgabe vom 2018-06-28</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;nordvane.example&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;nordvane.example&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href=&quot;https://nordvane.example/&quot;&gt;&lt;img src=&quot;:/images/Velto.png&quot; height=&quot;40&quot; width=&quot;131&quot;/&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href=&quot;https://nordvane.example/&quot;&gt;&lt;img src=&quot;:/images/Velto.png&quot; height=&quot;40&quot; width=&quot;131&quot;/&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>AdjusterDialog</name>
    <message>
        <source>learn</source>
        <translation>lernen</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>Versteller</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI-Server</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>GRBL-Steuerung</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>INDI-Gerät</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>Höhenachse</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>Höhe: Einheiten pro Grad</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>Azimutachse</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>Azimut: Einheiten pro Grad</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>Versteller…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>Automatisch ausrichten</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>Die Angaben zum Versteller sind unvollständig.</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Verbunden: %1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>Der Versteller ist ausgefallen (%1).</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbinde mit %1…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>Zuerst die Achse messen und den Versteller verbinden: die Werte müssen aktuell sein.</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Messung…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>Angehalten: die Werte sind nicht aktuell (%1).</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>kein Pol</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>Angehalten: die Motoren liefen, aber der Pol hat sich nicht bewegt.</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>Ausgerichtet: %1″ von der Achse (± %2″); Bewegungen: %3.</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>Angehalten: das ± von %1″ ist größer als der Schritt von %2″.</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>Angehalten: nicht im Ziel; Bewegungen: %1.</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>Angehalten: eine Bewegung von %1° in der Höhe und %2° im Azimut verließe den Stellweg des Verstellers.</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>Bewegung %1: Höhe %2°, Azimut %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>Angehalten: der Versteller ist ausgefallen (%1).</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>Angehalten: der Versteller hat seine Bewegung nicht innerhalb von %1 s beendet.</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>Angehalten: seit %1 s keine aktuellen Werte.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>er ist nicht mehr da</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>Höhe: die Achse steht %1 über dem Pol</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>Höhe: die Achse steht %1 unter dem Pol</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>Azimut: die Achse steht %1 östlich des Pols</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>Azimut: die Achse steht %1 westlich des Pols</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Gesamt %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>Der verbleibende Fehler ist unbekannt: die Ausrichtung der Kamera wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>Refraktion korrigiert (Modell %1): %2 %3, %4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>Refraktion nicht korrigiert</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>Die Ausrichtung dauerte %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Atmosphärische Refraktion</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation>P(kPa)</translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation>P(hPa)</translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation>T(℃)</translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation>Refraktionskorrektur aktivieren</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett (Standard)</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>Physikalisch (ERFA)</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>Wo beobachten Sie? Der Pol steht so hoch wie Ihre Breite, und die Luft hebt ihn um einen Betrag, der von Druck und Temperatur abhängt.</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>Standort dieses Computers verwenden</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>Standort dieses Computers wird gesucht...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>Kein Standort gefunden: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Von %1</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>Höhe um %1 absenken</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>Höhe um %1 anheben</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>Azimut um %1 nach Westen</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>Azimut um %1 nach Osten</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Gesamt %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>Standort unbekannt: die Lichtbrechung der Luft von bis zu 1′30″ ist nicht korrigiert</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 Umdrehungen</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 Umdrehung</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>zu weit gedreht — %1 zurück, dann %2 vor</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>weniger als ¼ Umdrehung</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>%1 im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>%1 gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>Höhe: %1</translation>
    </message>
    <message>
        <source>Azimuth: %1</source>
        <translation>Azimut: %1</translation>
    </message>
</context>
<context>
    <name>CameraSourceDialog</name>
    <message>
        <source>Simulated sky</source>
        <translation>Simulierter Himmel</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>Aufgezeichnete Sitzung</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>Kameraquelle</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>Eine .ser-Datei, erstellt mit Datei &gt; Sitzung aufzeichnen</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>Aufgezeichnete Sitzung</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>SER-Videos (*.ser);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI-Server</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>Aktualisieren listet die Kameras des Servers</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Pixelgröße</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>Frage %1:%2 nach seinen Kameras...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>Der Server hat keine Kamera.</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>Kameras auf dem Server: %1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 µm (vom Treiber)</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>wird nach dem Verbinden vom Treiber gelesen</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>unbekannt: die astrometrische Lösung misst sie</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>ein Hostname oder eine Adresse wird benötigt</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>kein Hostname und keine Adresse</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>muss zwischen %1 und %2 liegen</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>FrameFreshness</name>
    <message>
        <source>stale: no frame for %1</source>
        <translation>veraltet: seit %1 kein Bild</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>veraltet: seit %1 kein Bild — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>die Verbindung wurde geschlossen</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>seit %1 s keine Antwort</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>die Steuerung hat die Bewegung abgelehnt (%1)</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>Alarm %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>Aufnahmeausrüstung</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Ganzer Himmel</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>Die Höhenschraube dreht andersherum</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>Die Azimutschraube dreht andersherum</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Lernen</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>Schrauben</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Pixelgröße (µm)</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>Sensorbreite (Pixel)</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>Sensorhöhe (Pixel)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Längste Belichtung (s)</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>Deklination des Aufnahmeobjekts (°)</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>Das Ziel hält die Drift eines Sterns und die Felddrehung in der Sensorecke während einer Belichtung unter einem Pixel dieser Kamera. „Ganzer Himmel“ berücksichtigt jede Deklination bis %1°. Das Ziel liegt nie unter %2: feiner misst die Polkamera nicht.</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>Eine Schraube im Uhrzeigersinn gedreht, von ihrem Kopf aus gesehen, hebt die Höhe an oder bewegt die Achse nach Osten. Setzen Sie ein Häkchen, wo Ihre Schraube das Gegenteil tut, wie Stellschrauben auf der anderen Seite der Montierung.</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>Höhe: Polbewegung pro Umdrehung (′)</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>Azimut: Polbewegung pro Umdrehung (′)</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>Ist die Wirkung einer Umdrehung bekannt, zeigt die Anzeige, wie weit die Schraube zu drehen ist.</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>Keine Aufnahmeausrüstung: kein Ziel.</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>Füllen Sie für ein Ziel alle Felder aus oder keines.</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>Überwachen Sie zuerst den Pol (Feinausrichtung): die Umdrehung wird aus der Anzeige gelernt.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Drehen Sie die Höhenschraube eine volle Umdrehung im Uhrzeigersinn, warten Sie, bis sich die Werte beruhigt haben, und klicken Sie dann auf „Fertig“.</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Drehen Sie die Azimutschraube eine volle Umdrehung im Uhrzeigersinn, warten Sie, bis sich die Werte beruhigt haben, und klicken Sie dann auf „Fertig“.</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>Der Pol hat sich nicht bewegt: drehen Sie die Schraube eine volle Umdrehung und klicken Sie dann erneut auf „Fertig“.</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>Eine Umdrehung bewegt den Pol um %1.</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>das Gerät ist nicht mehr da</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>das Gerät meldet einen Fehler</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>seit %1 s keine Antwort</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>die Verbindung wurde geschlossen</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>das Gerät ist nicht mehr da</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>die Antwort des Servers ist kein INDI</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>die Montierung antwortet nicht (seit %1 s keine Koordinaten)</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>die Montierung kann weder Koordinaten anfahren noch nach Westen und Osten fahren</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>die Montierung ist nicht mehr da</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>die Montierung meldet einen Fehler</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>die Montierung dreht in die falsche Richtung (%1 Grad Stundenwinkel entgegen dem Befehl)</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>die Montierung hat sich um %1 von %2 Grad Stundenwinkel gedreht</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velto Q7</source>
        <translation>Velto Q7</translation>
    </message>
    <message>
        <source>Region Selection</source>
        <translation>Hemisphäre wählen</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Q7 Setting</source>
        <translation>Q7-Einstellung</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Bel.(ms)</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>70</source>
        <translation>70</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>Polaris/σ Oct bestätigen</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Schablonenabgleich</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Rough Pole</source>
        <translation>Grobausrichtung</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Achsmitte</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>Immer denselben Stern wählen</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Sternpos. 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Sternpos. 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Sternpos. 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Achse:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Istposition Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Sollposition Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Feinausrichtung</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Pol:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Polüberwachung</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Referenzstern A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Referenzstern B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Überwachen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Schablone anzeigen</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Monochrome Darstellung</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Streckung</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Atmosphärische Refraktion</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Manuelle Nachführung</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75 %</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50 %</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Velto Q7 Manual</source>
        <translation>Velto-Q7-Handbuch</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>русский</source>
        <translation>русский</translation>
    </message>
    <message>
        <source>français</source>
        <translation>français</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>português</source>
        <translation>português</translation>
    </message>
    <message>
        <source>italiano</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation>Bilder (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</source>
        <translation>Möchten Sie die bei der letzten Verwendung von Velto Q7 gespeicherte „Position der Achsmitte“ verwenden?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>An dieser Stelle scheint kein Stern zu sein. Bitte eine andere Stelle versuchen.</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>Die Achsmitte konnte nicht bestimmt werden. Bitte „Zurück“ klicken und neu ermitteln.</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>Passt die Schablone?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Passt</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>Drehung abgeschlossen?</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>Stellen Sie die Werte links so ein, dass mehr Sterne um Polaris sichtbar werden.</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>Stellen Sie die Werte links so ein, dass mehr Sterne um σ Oct sichtbar werden.</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>Einstellung abgeschlossen?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Doppelklicken Sie auf Polaris und drehen Sie die Schablone mit dem Regler „Drehen“ links, bis sie zu den Sternen um Polaris passt.</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Doppelklicken Sie auf σ Oct und drehen Sie die Schablone mit dem Regler „Drehen“ links, bis sie zu den Sternen um σ Oct passt.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Wählen Sie einen anderen Stern als Polaris und doppelklicken Sie im Bild darauf. Merken Sie sich den Stern, Sie wählen ihn in den nächsten Schritten erneut (Schritt 1 von 3).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Wählen Sie einen anderen Stern als σ Oct und doppelklicken Sie im Bild darauf. Merken Sie sich den Stern, Sie wählen ihn in den nächsten Schritten erneut (Schritt 1 von 3).</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>Drehen Sie die RA-Achse der Montierung in Richtung des Pfeils oben im Bild, um mindestens 30°.</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>Doppelklicken Sie erneut auf den im vorigen Schritt gewählten Stern (Schritt 2 von 3).</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>Drehen Sie die RA-Achse der Montierung erneut in dieselbe Richtung, um mindestens 30°.</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>Doppelklicken Sie ein letztes Mal auf denselben Stern wie in den beiden vorigen Schritten (Schritt 3 von 3).</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>Bringen Sie die RA-Achse zurück in die Home-Position. Der gewählte Stern muss auf dem Kreis bleiben, während die Montierung in die Parkposition fährt.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>Ist die Achsmitte richtig?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Sollposition: Doppelklicken Sie auf Polaris und drehen Sie die Schablone mit dem Regler „Drehen“ links, bis sie zu den Sternen um Polaris passt.</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Sollposition: Doppelklicken Sie auf σ Oct und drehen Sie die Schablone mit dem Regler „Drehen“ links, bis sie zu den Sternen um σ Oct passt.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>Bringen Sie Polaris mit den Höhen- und Azimutschrauben in die Mitte des kleinen rotierenden Kreises im Bild.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>Bringen Sie σ Oct mit den Höhen- und Azimutschrauben in die Mitte des kleinen rotierenden Kreises im Bild.</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>Justierung abgeschlossen?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Justiert</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Istposition: Doppelklicken Sie auf Polaris und drehen Sie die Schablone mit dem Regler „Drehen“ links, bis sie zu den Sternen um Polaris passt.</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Istposition: Doppelklicken Sie auf σ Oct und drehen Sie die Schablone mit dem Regler „Drehen“ links, bis sie zu den Sternen um σ Oct passt.</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Bitte klicken Sie auf „Überwachen“.</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>Bringen Sie das Pol-Rechteck nur mit den Höhen- und Azimutschrauben auf den Achsenkreis.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Erneut</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>Keine Velto-Q7-Kamera gefunden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>Velto-Q7-Kamera kann nicht verbunden werden: Fehler beim Öffnen!</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>Velto-Q7-Kamera kann nicht verbunden werden: Fehler bei der Initialisierung!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>Achsmitte aus allen Sternen verfeinern</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Sitzung aufzeichnen</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>Kameraquelle...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>Kamera: aufgezeichnete Sitzung %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>Kamera: simulierter Himmel</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>SER-Videos (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>Die Sitzung kann nicht aufgezeichnet werden: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>Die Aufzeichnung wurde beendet: %1
Die Datei behält die %2 zuvor geschriebenen Bilder.</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>Aufzeichnung %1: %2 Bilder, %3 MB</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>, %1 verworfen</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>Jetzt lösen</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>Astrometrische Lösung</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>Noch kein Bild zum Lösen: zuerst die Kamera verbinden.</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>Bild wird gelöst...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>Nicht gelöst: %1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>Gelöst mit %1&quot;/px. Der Pol liegt bei (%2, %3), der Zenit in Richtung %4 Grad. Sterne: %5.</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>Die Vorlage wird nicht vorgeschlagen: Installieren Sie dafür das Paket %1.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Nachtdarstellung</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>Verbinde mit der Kamera...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %1 auf %2:%3</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>Kamera: INDI %1 auf %2:%3</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>Brennweite %1 mm</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>Die astrometrische Lösung hat das Objektiv der Kamera vermessen: %1 mm Brennweite, ab jetzt verwendet.</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>Kamera getrennt</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>Ausrichtung beendet</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>Die Sterne haben sich zwischen den drei Positionen nicht um einen Punkt gedreht (sie weichen um %1″ voneinander ab): Die Kamera hat sich vielleicht in ihrer Halterung verschoben, die RA-Kupplung ist gerutscht oder ein Kabel hat an der Montierung gezogen. Bitte sorgen Sie dafür, dass alles fest sitzt, drehen Sie die RA-Achse an ihren Ausgangspunkt zurück und messen Sie die Achsenmitte erneut.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>Kein Programm auf diesem Rechner hat das Handbuch geöffnet. Es liegt in:
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>Telefonansicht…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>Aufnahmeausrüstung...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Schnellausrichtung</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>Der Himmel konnte nicht gelöst werden (%1): bitte gleichen Sie die Schablone in den Schritten des Assistenten von Hand ab.</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>Das Achszentrum wurde nicht gefunden: halten Sie die Montierung ruhig und drehen Sie die RA-Achse erneut.</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>Die Sterne drehten sich nicht um einen Punkt (Abweichung %1″): prüfen Sie, ob alles fest sitzt, und drehen Sie die RA-Achse dann erneut.</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>das Paket %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>Montierung...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>Die Sterne ziehen im Bild in diese Richtung</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>Pol und Achse erscheinen hier vergrößert nach „Überwachen“.</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>Kamera verloren: neue Verbindung… (%1)</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>Kamera angehalten (%1)</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>Jedes Bild aufzeichnen</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>Zeichnet jedes Bild auf: etwa 40 GB pro Stunde statt unter 4 GB</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>Montierung</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI-Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Frage den Server…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>Der Server bietet kein Teleskop an.</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>%n Teleskop gefunden.</numerusform>
            <numerusform>%n Teleskope gefunden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>Warten auf die Anzeige: Überwachung des Pols starten</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>Verbindung verloren: die Adresse, die das Programm zeigt, erneut öffnen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>Im Ziel</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>Die Telefonansicht konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>Zuschauer: %1 von %2</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>Telefonansicht</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>Zeigt die Anzeige auf einem Telefon oder Tablet im selben Netzwerk: starten, dann den Code scannen oder die Adresse öffnen. Jeder Start erzeugt eine neue Adresse.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>PhoneViewServer</name>
    <message>
        <source>%1 is not an IP address</source>
        <translation>%1 ist keine IP-Adresse</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>Port %1 auf %2 lässt sich nicht öffnen: belegt, oder keine Adresse dieses Computers</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Polnachführung</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>Ging der Pol nach einem GOTO verloren, lässt er sich hier wiederfinden.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Drehung:</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Null</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>QuickAlignment</name>
    <message>
        <source>Solving the sky...</source>
        <translation>Himmel wird gelöst...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>Montierung ruhig halten</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>Die Montierung dreht die RA-Achse...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>Drehen Sie die RA-Achse um 30° oder mehr, in beliebiger Richtung</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>Die Montierung dreht die RA-Achse zurück...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>Zurückdrehen, über die Startposition hinaus</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>Die Montierung dreht die RA-Achse in die Startposition zurück...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>Drehen Sie die Schrauben, bis der Pol im Ziel liegt</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>Ausgerichtet</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>Die Montierung hat die Drehung gemeldet, aber die Sterne haben sich nicht mitgedreht: sitzt die Kamera auf dieser Montierung?</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>Kein Stern, dem um die RA-Achse gefolgt werden kann: der Himmel ist vielleicht bewölkt.</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>Im Ziel, aber die Unsicherheit ± %1 ist größer als das Ziel: ist die Refraktionskorrektur eingeschaltet?</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>Endet von selbst, wenn der Pol %2 s lang innerhalb von %1 bleibt</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>%1° gedreht</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Schnellausrichtung</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>Manuelle Schritte</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SiteLocation</name>
    <message>
        <source>gpsd does not run on this computer</source>
        <translation>gpsd läuft auf diesem Computer nicht</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>gpsd hat keine Positionsbestimmung</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>kein INDI-Server unter %1:%2</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>kein INDI-Gerät unter %1:%2 kennt seinen Standort</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>Virtuelle Montierung</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>RA-Achse</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>Höhenschraube</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>Azimutschraube</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>Siderische Nachführung</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>Neuer Zufallsfehler</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>Wahre Werte zeigen</translation>
    </message>
    <message>
        <source>%1%2°</source>
        <translation>%1%2°</translation>
    </message>
    <message>
        <source>%1%2′</source>
        <translation>%1%2′</translation>
    </message>
    <message>
        <source>Angle: %1°</source>
        <translation>Winkel: %1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>Polfehler (Bogensekunden)
Höhe: %1
Azimut: %2
Gesamt: %3</translation>
    </message>
</context>
</TS>
