<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0, rilasciata il 2018-06-28</translation>
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
        <translation>apprendere</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>Regolatore</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Server INDI</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>Controller GRBL</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>Dispositivo INDI</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>Asse dell&apos;altezza</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>Altezza: unità per grado</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>Asse dell&apos;azimut</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>Azimut: unità per grado</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>Regolatore…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>Allinea automaticamente</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>Le impostazioni del regolatore non sono complete.</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Collegato: %1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>Il regolatore ha avuto un guasto (%1).</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Collegamento a %1…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>Prima misurare l&apos;asse e collegare il regolatore: i valori devono essere in diretta.</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Misurazione…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>Fermato: i valori non sono in diretta (%1).</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>nessun polo</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>Fermato: i motori si sono mossi ma il polo no.</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>Allineato: a %1″ dall&apos;asse (± %2″); movimenti: %3.</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>Fermato: il ± di %1″ è maggiore del passo di %2″.</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>Fermato: non entro l&apos;obiettivo; movimenti: %1.</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>Fermato: un movimento di %1° in altezza e %2° in azimut uscirebbe dalla corsa del regolatore.</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>Movimento %1: altezza %2°, azimut %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>Fermato: il regolatore ha avuto un guasto (%1).</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>Fermato: il regolatore non ha terminato il movimento entro %1 s.</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>Fermato: nessun valore in diretta da %1 s.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>non c&apos;è più</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>Altezza: l’asse è %1 sopra il polo</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>Altezza: l’asse è %1 sotto il polo</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>Azimut: l’asse è %1 a est del polo</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>Azimut: l’asse è %1 a ovest del polo</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totale %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>L’errore residuo non è noto: l’orientamento della camera non è stato trovato</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>Rifrazione corretta (modello %1): %2 %3, %4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>Rifrazione non corretta</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>L’allineamento è durato %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Rifrazione atmosferica</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
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
        <translation>Attiva la correzione della rifrazione</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett (standard)</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>Fisica (ERFA)</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>Da dove osservi? Il polo è alto quanto la tua latitudine e l&apos;aria lo solleva di una quantità che dipende da pressione e temperatura.</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>Usa la posizione di questo computer</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>Ricerca della posizione di questo computer...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>Nessuna posizione trovata: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Da %1</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>Abbassa l&apos;altezza di %1</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>Alza l&apos;altezza di %1</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>Sposta l&apos;azimut di %1 a ovest</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>Sposta l&apos;azimut di %1 a est</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totale %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>luogo sconosciuto: la rifrazione dell&apos;aria, fino a 1′30″, non è corretta</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>obiettivo %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 giri</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 giro</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>oltrepassato — torna indietro di %1, poi avanti di %2</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>meno di ¼ di giro</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>%1 in senso orario</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>%1 in senso antiorario</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>Altezza: %1</translation>
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
        <translation>Cielo simulato</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>Sessione registrata</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>Sorgente della camera</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>Un file .ser creato con File &gt; Registra sessione</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>Sessione registrata</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>Video SER (*.ser);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Server INDI</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>Premi Aggiorna per elencare le camere del server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Lunghezza focale</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Dimensione dei pixel</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>Richiesta delle camere a %1:%2...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>Il server non ha camere.</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>Camere sul server: %1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 µm (dal driver)</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>letta dal driver una volta connessi</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>sconosciuta: la misura la risoluzione astrometrica</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>serve un nome host o un indirizzo</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>non è un nome host né un indirizzo</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>non è un numero intero</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>non è un numero</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>deve essere tra %1 e %2</translation>
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
        <translation>non aggiornato: nessuna immagine da %1</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>non aggiornato: nessuna immagine da %1 — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>la connessione è stata chiusa</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>nessuna risposta da %1 s</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>il controller ha rifiutato il movimento (%1)</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>allarme %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>Attrezzatura di ripresa</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Tutto il cielo</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>La vite di altezza gira al contrario</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>La vite di azimut gira al contrario</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Apprendi</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Ripresa</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>Viti</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Lunghezza focale (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Dimensione pixel (µm)</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>Larghezza sensore (pixel)</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>Altezza sensore (pixel)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Posa più lunga (s)</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>Declinazione del soggetto (°)</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>L&apos;obiettivo mantiene la deriva di una stella e la rotazione del campo nell&apos;angolo del sensore sotto un pixel di questa camera durante una posa. «Tutto il cielo» accetta qualsiasi declinazione fino a %1°. L&apos;obiettivo non è mai inferiore a %2: la camera polare non misura più finemente.</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>Girando una vite in senso orario, vista dalla testa, l&apos;altezza sale o l&apos;asse si sposta a est. Spunta la casella se la tua fa il contrario, come le viti sull&apos;altro lato della montatura.</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>Altezza: spostamento del polo per giro (′)</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>Azimut: spostamento del polo per giro (′)</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>Noto l&apos;effetto di un giro di vite, la lettura indica di quanto girarla.</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>Nessuna attrezzatura di ripresa: nessun obiettivo.</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>Compila tutti i campi per avere un obiettivo, oppure nessuno.</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>Prima monitora il polo (Allineamento fine): il giro viene appreso dalla lettura.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Gira la vite di altezza di un giro completo in senso orario, attendi che i valori si stabilizzino, poi premi «Fatto».</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Gira la vite di azimut di un giro completo in senso orario, attendi che i valori si stabilizzino, poi premi «Fatto».</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>Il polo non si è mosso: gira la vite di un giro completo, poi premi di nuovo «Fatto».</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>Un giro sposta il polo di %1.</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>il dispositivo non c&apos;è più</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>il dispositivo segnala un guasto</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>nessuna risposta da %1 s</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>la connessione è stata chiusa</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>il dispositivo non c&apos;è più</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>la risposta del server non è INDI</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>la montatura non risponde (nessuna coordinata da %1 s)</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>la montatura non può né puntare delle coordinate né muoversi verso ovest ed est</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>la montatura non c&apos;è più</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>la montatura segnala un guasto</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>la montatura ruota nel verso sbagliato (%1 gradi di angolo orario contro il comando)</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>la montatura ha ruotato di %1 su %2 gradi di angolo orario</translation>
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
        <translation>Scelta dell&apos;emisfero</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Q7 Setting</source>
        <translation>Impostazioni Q7</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Esp.(ms)</translation>
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
        <translation>Conferma Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Allineamento modello</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
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
        <translation>Allineamento di massima</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Centro dell&apos;asse</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>Scegli sempre la stessa stella</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Pos. stella 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Pos. stella 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Pos. stella 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Asse:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Polaris/σ Oct attuale</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Polaris/σ Oct obiettivo</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Allineamento fine</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Polo:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Monitoraggio del polo</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Stella di riferimento A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Stella di riferimento B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Monitora</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Mostra modello</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Stile monocromatico</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Stiramento</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Rifrazione atmosferica</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Inseguimento manuale</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Velto Q7 Manual</source>
        <translation>Manuale di Velto Q7</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <translation>Salva</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation>Immagini (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</source>
        <translation>Vuoi usare la «posizione del centro dell&apos;asse» registrata l&apos;ultima volta che hai usato Velto Q7?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Sembra che non ci sia nessuna stella in questo punto. Prova un altro punto.</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>Impossibile determinare il centro dell&apos;asse. Fai clic su «Ripeti» per cercarlo di nuovo.</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>Il modello corrisponde?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>Rotazione completata?</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>Regola i parametri a sinistra per rendere visibili più stelle intorno a Polaris.</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>Regola i parametri a sinistra per rendere visibili più stelle intorno a σ Oct.</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>Impostazione completata?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Fai doppio clic su Polaris e ruota il modello con il cursore «Ruota» a sinistra finché coincide con le stelle intorno a Polaris.</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Fai doppio clic su σ Oct e ruota il modello con il cursore «Ruota» a sinistra finché coincide con le stelle intorno a σ Oct.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Scegli una stella diversa da Polaris e fai doppio clic su di essa nell&apos;immagine. Ricordala: la selezionerai di nuovo nei passi successivi (passo 1 di 3).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Scegli una stella diversa da σ Oct e fai doppio clic su di essa nell&apos;immagine. Ricordala: la selezionerai di nuovo nei passi successivi (passo 1 di 3).</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>Ruota l&apos;asse AR della montatura nella direzione indicata dalla freccia in alto sullo schermo (almeno 30°).</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>Fai di nuovo doppio clic sulla stella scelta nel passo precedente (passo 2 di 3).</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>Ruota di nuovo l&apos;asse AR della montatura nella stessa direzione, di almeno 30°.</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>Fai doppio clic un&apos;ultima volta sulla stessa stella dei due passi precedenti (passo 3 di 3).</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>Riporta l&apos;asse AR nella posizione «Home»: mentre la montatura torna in posizione di parcheggio, la stella scelta deve restare sul cerchio.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>Il centro dell&apos;asse è corretto?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Posizione obiettivo: fai doppio clic su Polaris e ruota il modello con il cursore «Ruota» a sinistra finché coincide con le stelle intorno a Polaris.</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Posizione obiettivo: fai doppio clic su σ Oct e ruota il modello con il cursore «Ruota» a sinistra finché coincide con le stelle intorno a σ Oct.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>Con le viti di altezza e azimut, porta Polaris al centro del piccolo cerchio rotante mostrato nell&apos;immagine.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>Con le viti di altezza e azimut, porta σ Oct al centro del piccolo cerchio rotante mostrato nell&apos;immagine.</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>Regolazione completata?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Posizione attuale: fai doppio clic su Polaris e ruota il modello con il cursore «Ruota» a sinistra finché coincide con le stelle intorno a Polaris.</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Posizione attuale: fai doppio clic su σ Oct e ruota il modello con il cursore «Ruota» a sinistra finché coincide con le stelle intorno a σ Oct.</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Fai clic sul pulsante «Monitora».</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>Usa solo le viti di altezza e azimut per portare il rettangolo del polo sul cerchio dell&apos;asse.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Riavvia</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>Nessuna camera Velto Q7 trovata!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>Impossibile collegare la camera Velto Q7: errore di apertura!</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>Impossibile collegare la camera Velto Q7: errore di inizializzazione!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>Affina il centro dell&apos;asse con tutte le stelle</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Registra sessione</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>Sorgente della camera...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>Camera: sessione registrata %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>Camera: cielo simulato</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>Video SER (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>Impossibile registrare la sessione: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>La registrazione si è interrotta: %1
Il file conserva i %2 fotogrammi scritti prima.</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>Registrazione %1: %2 fotogrammi, %3 MB</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>, %1 scartati</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>Risolvi ora</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>Risoluzione astrometrica</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>Ancora nessuna immagine da risolvere: collegare prima la fotocamera.</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>Risoluzione dell&apos;immagine...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>Non risolto: %1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>Risolto a %1&quot;/px. Il polo è in (%2, %3), lo zenit verso %4 gradi. Stelle: %5.</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>Il modello non viene proposto: per averlo, installa il pacchetto %1.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Stile notturno</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>Connessione alla camera...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %1 su %2:%3</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>Camera: INDI %1 su %2:%3</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>Lunghezza focale %1 mm</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>La risoluzione astrometrica ha misurato l&apos;obiettivo della camera: focale di %1 mm, usata d&apos;ora in poi.</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>camera disconnessa</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>Allineamento terminato</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>Le stelle non hanno ruotato attorno a un unico punto tra le tre posizioni (differiscono di %1″): la camera potrebbe essersi spostata nel supporto, la frizione di AR potrebbe essere slittata o un cavo potrebbe aver tirato la montatura. Assicurarsi che tutto sia ben fermo, riportare l&apos;asse AR al punto di partenza e misurare di nuovo il centro dell&apos;asse.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>Nessun programma di questo computer ha aperto il manuale. Si trova in:
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>Vista sul telefono…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>Attrezzatura di ripresa...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Allineamento rapido</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>Impossibile risolvere il cielo (%1): allinea il modello a mano nei passi della procedura guidata.</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>Centro dell&apos;asse non trovato: tieni ferma la montatura e ruota di nuovo l&apos;asse AR.</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>Le stelle non hanno ruotato attorno a un unico punto (differiscono di %1″): verifica che tutto sia saldo, poi ruota di nuovo l&apos;asse AR.</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>il pacchetto %1 non è installato</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>Montatura...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>Le stelle si muovono così nell’immagine</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>Il polo e l’asse compaiono qui, ingranditi, dopo «Monitora».</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>fotocamera persa: riconnessione… (%1)</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>fotocamera fermata (%1)</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>Registra ogni fotogramma</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>Registra ogni fotogramma: circa 40 GB all’ora invece di meno di 4 GB</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>Montatura</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Server INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescopio</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Richiesta al server…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>Il server non offre alcun telescopio.</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>%n telescopio trovato.</numerusform>
            <numerusform>%n telescopi trovati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>In attesa della lettura: avviare il monitoraggio del polo</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>Connessione persa: riaprire l&apos;indirizzo mostrato dal programma</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>Dentro l&apos;obiettivo</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>Impossibile avviare la vista sul telefono: %1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>Spettatori: %1 di %2</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>Vista sul telefono</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>Mostra la lettura su un telefono o tablet della stessa rete: avviare, poi scansionare il codice o aprire l&apos;indirizzo. Ogni avvio crea un nuovo indirizzo.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>PhoneViewServer</name>
    <message>
        <source>%1 is not an IP address</source>
        <translation>%1 non è un indirizzo IP</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>impossibile aprire la porta %1 su %2: in uso, oppure non è un indirizzo di questo computer</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Inseguimento del polo</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>Se hai perso il polo dopo un GOTO della montatura, ritrovalo qui.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Rotazione:</translation>
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
        <translation>Azzera</translation>
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
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>QuickAlignment</name>
    <message>
        <source>Solving the sky...</source>
        <translation>Risoluzione del cielo...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>Tieni ferma la montatura</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>La montatura ruota l&apos;asse AR...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>Ruota l&apos;asse AR di 30° o più, in un senso o nell&apos;altro</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>La montatura riporta indietro l&apos;asse AR...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>Riportalo indietro oltre il punto di partenza</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>La montatura riporta l&apos;asse AR alla posizione di partenza...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>Gira le viti finché il polo non è dentro l&apos;obiettivo</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>Allineato</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>La montatura ha segnalato la rotazione, ma le stelle non hanno ruotato con essa: la camera è su questa montatura?</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>Nessuna stella da seguire attorno all&apos;asse AR: il cielo potrebbe essere nuvoloso.</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>Dentro l&apos;obiettivo, ma il ± %1 è più ampio di esso: la correzione della rifrazione è attiva?</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>Termina da solo quando il polo resta entro %1 per %2 s</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>Ruotato di %1°</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Allineamento rapido</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>Passi manuali</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
</context>
<context>
    <name>SiteLocation</name>
    <message>
        <source>gpsd does not run on this computer</source>
        <translation>gpsd non è in esecuzione su questo computer</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>gpsd non ha una posizione</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>nessun server INDI su %1:%2</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>nessun dispositivo INDI su %1:%2 conosce la sua posizione</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>Montatura virtuale</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>Asse AR</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>Vite di altezza</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>Vite di azimut</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>Inseguimento siderale</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>Nuovo errore casuale</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>Mostra valori reali</translation>
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
        <translation>Angolo: %1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>Errore polare (secondi d&apos;arco)
Altezza: %1
Azimut: %2
Totale: %3</translation>
    </message>
</context>
</TS>
