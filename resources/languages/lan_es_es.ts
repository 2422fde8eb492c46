<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0, publicada el 2018-06-28</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>aprender</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>Ajustador</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Servidor INDI</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>Controlador GRBL</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>Dispositivo INDI</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>Eje de altura</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>Altura: unidades por grado</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>Eje de acimut</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>Acimut: unidades por grado</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>Ajustador…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>Alinear automáticamente</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>Los ajustes del ajustador no están completos.</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Conectado: %1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>El ajustador ha fallado (%1).</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Conectando con %1…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>Primero mida el eje y conecte el ajustador: las cifras deben estar en vivo.</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Midiendo…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>Detenido: las cifras no están en vivo (%1).</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>sin polo</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>Detenido: los motores se movieron pero el polo no.</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>Alineado: a %1″ del eje (± %2″); movimientos: %3.</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>Detenido: el ± de %1″ es mayor que el paso de %2″.</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>Detenido: fuera del objetivo; movimientos: %1.</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>Detenido: un movimiento de %1° en altura y %2° en acimut saldría del recorrido del ajustador.</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>Movimiento %1: altura %2°, acimut %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>Detenido: el ajustador ha fallado (%1).</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>Detenido: el ajustador no terminó su movimiento en %1 s.</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>Detenido: sin cifras en vivo durante %1 s.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ya no está</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>Altitud: el eje está %1 por encima del polo</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>Altitud: el eje está %1 por debajo del polo</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>Acimut: el eje está %1 al este del polo</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>Acimut: el eje está %1 al oeste del polo</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>El error restante no se conoce: no se encontró la orientación de la cámara</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>Refracción corregida (modelo %1): %2 %3, %4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>Refracción no corregida</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>La alineación duró %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Refracción atmosférica</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
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
        <translation>Activar la corrección de refracción</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett (estándar)</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>Física (ERFA)</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>¿Desde dónde observa? El polo está tan alto como su latitud, y el aire lo eleva según la presión y la temperatura.</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>Usar la ubicación de este equipo</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>Buscando la ubicación de este equipo...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>No se encontró ubicación: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>De %1</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>Baje la altitud %1</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>Suba la altitud %1</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>Mueva el acimut %1 al oeste</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>Mueva el acimut %1 al este</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>lugar desconocido: la refracción del aire, de hasta 1′30″, no está corregida</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>objetivo %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 vueltas</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 vuelta</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>se ha pasado — gire %1 hacia atrás y luego %2 hacia delante</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>menos de ¼ de vuelta</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>%1 en sentido horario</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>%1 en sentido antihorario</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>Altitud: %1</translation>
    </message>
    <message>
        <source>Azimuth: %1</source>
        <translation>Acimut: %1</translation>
    </message>
</context>
<context>
    <name>CameraSourceDialog</name>
    <message>
        <source>Simulated sky</source>
        <translation>Cielo simulado</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>Sesión grabada</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>Origen de la cámara</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>Un archivo .ser hecho con Archivo &gt; Grabar sesión</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>Sesión grabada</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>Vídeos SER (*.ser);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Servidor INDI</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>Pulse Actualizar para ver las cámaras del servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Distancia focal</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Tamaño de píxel</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>Preguntando a %1:%2 por sus cámaras...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>El servidor no tiene ninguna cámara.</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>Cámaras en el servidor: %1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 µm (del controlador)</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>se lee del controlador al conectar</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>desconocida: la mide la resolución astrométrica</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>se necesita un nombre de host o una dirección</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>no es un nombre de host ni una dirección</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>debe estar entre %1 y %2</translation>
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
        <translation>desactualizado: sin imagen desde hace %1</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>desactualizado: sin imagen desde hace %1 — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>se cerró la conexión</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>sin respuesta durante %1 s</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>el controlador rechazó el movimiento (%1)</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>alarma %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>Equipo de astrofotografía</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Todo el cielo</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>El tornillo de altura gira al revés</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>El tornillo de azimut gira al revés</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Aprender</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Astrofotografía</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>Tornillos</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Distancia focal (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Tamaño de píxel (µm)</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>Ancho del sensor (píxeles)</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>Alto del sensor (píxeles)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Exposición más larga (s)</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>Declinación del objeto (°)</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>El objetivo mantiene la deriva de una estrella y el giro del campo en la esquina del sensor por debajo de un píxel de esta cámara durante una exposición. «Todo el cielo» admite cualquier declinación hasta %1°. El objetivo nunca es inferior a %2: la cámara polar no mide con mayor precisión.</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>Al girar un tornillo en sentido horario, visto desde su cabeza, sube la altura o el eje se mueve hacia el este. Marque la casilla si el suyo hace lo contrario, como ocurre con los tornillos del otro lado de la montura.</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>Altitud: desplazamiento del polo por vuelta (′)</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>Acimut: desplazamiento del polo por vuelta (′)</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>Si se conoce el efecto de una vuelta del tornillo, la lectura indica cuánto hay que girarlo.</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>Sin equipo de astrofotografía: sin objetivo.</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>Rellene todos los campos para obtener un objetivo, o ninguno.</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>Primero controle el polo (Alineación precisa): la vuelta se aprende de la lectura.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Gire el tornillo de altura una vuelta completa en sentido horario, espere a que las cifras se estabilicen y pulse «Hecho».</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Gire el tornillo de azimut una vuelta completa en sentido horario, espere a que las cifras se estabilicen y pulse «Hecho».</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>El polo no se ha movido: gire el tornillo una vuelta completa y vuelva a pulsar «Hecho».</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>Una vuelta mueve el polo %1.</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>el dispositivo ya no está</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>el dispositivo informa de un fallo</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>sin respuesta durante %1 s</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>se cerró la conexión</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>el dispositivo ya no está</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>la respuesta del servidor no es INDI</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>la montura no responde (sin coordenadas durante %1 s)</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>la montura no puede ir a unas coordenadas ni moverse hacia el oeste y el este</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>la montura ya no está</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>la montura informa de un fallo</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>la montura gira en sentido contrario (%1 grados de ángulo horario en contra de la orden)</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>la montura ha girado %1 de %2 grados de ángulo horario</translation>
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
        <translation>Selección de hemisferio</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>Q7 Setting</source>
        <translation>Ajustes de Q7</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Exp.(ms)</translation>
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
        <translation>Ganancia</translation>
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
        <translation>Confirmar Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Ajuste de la plantilla</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
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
        <translation>Alineación aproximada</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Centro del eje</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>Elija siempre la misma estrella</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Pos. estrella 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Pos. estrella 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Pos. estrella 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Eje:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Polaris/σ Oct actual</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Polaris/σ Oct objetivo</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Alineación precisa</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Polo:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Control del polo</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Estrella de referencia A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Estrella de referencia B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Iniciar control</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Mostrar plantilla</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Estilo monocromo</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estiramiento</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Refracción atmosférica</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Seguimiento manual</translation>
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
        <translation>Manual de Velto Q7</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation>Imágenes (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</source>
        <translation>¿Desea usar la «posición del centro del eje» guardada la última vez que usó Velto Q7?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Parece que no hay ninguna estrella en este punto. Pruebe en otro punto.</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>No se pudo obtener el centro del eje. Pulse «Volver» para buscarlo de nuevo.</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>¿Coincide la plantilla?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>¿Ha terminado el giro?</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Girado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>Ajuste los parámetros de la izquierda para que se vean más estrellas alrededor de Polaris.</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>Ajuste los parámetros de la izquierda para que se vean más estrellas alrededor de σ Oct.</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>¿Ha terminado la configuración?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Haga doble clic en Polaris y gire la plantilla con el control «Girar» de la izquierda hasta que coincida con las estrellas alrededor de Polaris.</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Haga doble clic en σ Oct y gire la plantilla con el control «Girar» de la izquierda hasta que coincida con las estrellas alrededor de σ Oct.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Elija una estrella distinta de Polaris y haga doble clic en ella en la imagen. Recuérdela: volverá a seleccionarla en los pasos siguientes (paso 1 de 3).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Elija una estrella distinta de σ Oct y haga doble clic en ella en la imagen. Recuérdela: volverá a seleccionarla en los pasos siguientes (paso 1 de 3).</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>Gire el eje de AR de la montura en la dirección que indica la flecha de la parte superior de la pantalla (al menos 30°).</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>Haga doble clic de nuevo en la estrella elegida en el paso anterior (paso 2 de 3).</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>Vuelva a girar el eje de AR de la montura en la misma dirección, al menos 30°.</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>Haga doble clic por última vez en la misma estrella de los dos pasos anteriores (paso 3 de 3).</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>Lleve el eje de AR a la posición «Home»: mientras la montura vuelve a la posición de aparcado, la estrella elegida debe permanecer sobre el círculo.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>¿Es correcto el centro del eje?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Posición objetivo: haga doble clic en Polaris y gire la plantilla con el control «Girar» de la izquierda hasta que coincida con las estrellas alrededor de Polaris.</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Posición objetivo: haga doble clic en σ Oct y gire la plantilla con el control «Girar» de la izquierda hasta que coincida con las estrellas alrededor de σ Oct.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>Con los tornillos de altura y azimut, lleve Polaris al centro del pequeño círculo giratorio que se muestra en la imagen.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>Con los tornillos de altura y azimut, lleve σ Oct al centro del pequeño círculo giratorio que se muestra en la imagen.</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>¿Ha terminado el ajuste?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Posición actual: haga doble clic en Polaris y gire la plantilla con el control «Girar» de la izquierda hasta que coincida con las estrellas alrededor de Polaris.</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Posición actual: haga doble clic en σ Oct y gire la plantilla con el control «Girar» de la izquierda hasta que coincida con las estrellas alrededor de σ Oct.</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Pulse el botón «Iniciar control».</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>Use solo los tornillos de altura y azimut para llevar el rectángulo del polo sobre el círculo del eje.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>No se ha encontrado ninguna cámara Velto Q7.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>No se puede conectar la cámara Velto Q7: error al abrirla.</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>No se puede conectar la cámara Velto Q7: error de inicialización.</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>Afinar el centro del eje con todas las estrellas</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Grabar sesión</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>Origen de la cámara...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>Cámara: sesión grabada %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>Cámara: cielo simulado</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>Vídeos SER (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>No se puede grabar la sesión: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>La grabación se detuvo: %1
El archivo conserva los %2 fotogramas escritos antes.</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>Grabando %1: %2 fotogramas, %3 MB</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>, %1 descartados</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>Resolver ahora</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>Resolución astrométrica</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>Aún no hay imagen que resolver: conecte primero la cámara.</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>Resolviendo la imagen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>No resuelto: %1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>Resuelto a %1&quot;/px. El polo está en (%2, %3), el cenit hacia %4 grados. Estrellas: %5.</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>La plantilla no se propone: para tenerla, instale el paquete %1.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Estilo nocturno</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>Conectando con la cámara...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %1 en %2:%3</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>Cámara: INDI %1 en %2:%3</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>Distancia focal %1 mm</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>La resolución astrométrica midió el objetivo de la cámara: %1 mm de focal, en uso desde ahora.</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>cámara desconectada</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>Alineación terminada</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>Las estrellas no giraron alrededor de un mismo punto entre las tres posiciones (difieren en %1″): puede que la cámara se haya desplazado en su soporte, que el embrague de AR haya patinado o que un cable haya tirado de la montura. Asegúrese de que todo esté firme, devuelva el eje de AR a donde empezó y mida de nuevo el centro del eje.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>Ningún programa de este equipo abrió el manual. Está en:
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>Vista en el teléfono…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>Equipo de astrofotografía...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Alineación rápida</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>No se pudo resolver el cielo (%1): ajuste la plantilla a mano en los pasos del asistente.</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>No se encontró el centro del eje: mantenga quieta la montura y vuelva a girar el eje de AR.</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>Las estrellas no giraron alrededor de un mismo punto (discrepan en %1″): asegúrese de que todo esté firme y vuelva a girar el eje de AR.</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>el paquete %1 no está instalado</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>Montura...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>Las estrellas se mueven así en la imagen</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>El polo y el eje aparecen aquí ampliados tras «Iniciar control».</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>cámara perdida: reconectando… (%1)</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>cámara detenida (%1)</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>Grabar cada fotograma</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>Graba cada fotograma: unos 40 GB por hora en lugar de menos de 4 GB</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>Montura</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Servidor INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescopio</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Preguntando al servidor…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>El servidor no ofrece ningún telescopio.</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>Se ha encontrado %n telescopio.</numerusform>
            <numerusform>Se han encontrado %n telescopios.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>Esperando la lectura: inicie la supervisión del polo</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>Conexión perdida: vuelva a abrir la dirección que muestra el programa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>Dentro del objetivo</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>La vista en el teléfono no pudo iniciarse: %1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>Espectadores: %1 de %2</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>Vista en el teléfono</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>Muestra la lectura en un teléfono o tableta de la misma red: inicie, y luego escanee el código o abra la dirección. Cada inicio crea una dirección nueva.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>PhoneViewServer</name>
    <message>
        <source>%1 is not an IP address</source>
        <translation>%1 no es una dirección IP</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>no se puede abrir el puerto %1 en %2: está en uso o no es una dirección de este ordenador</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Seguimiento del polo</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>Si perdió el polo tras un GOTO de la montura, recupérelo aquí.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Giro:</translation>
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
        <translation>A cero</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>Resolviendo el cielo...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>Mantenga quieta la montura</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>La montura gira el eje de AR...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>Gire el eje de AR 30° o más, en cualquier sentido</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>La montura gira el eje de AR de vuelta...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>Gírelo de vuelta hasta pasar el inicio</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>La montura devuelve el eje de AR a su posición inicial...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>Gire los tornillos hasta que el polo quede dentro del objetivo</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>Alineado</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>La montura informó del giro, pero las estrellas no giraron con ella: ¿está la cámara en esta montura?</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>No hay ninguna estrella que seguir alrededor del eje de AR: puede que el cielo esté nublado.</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>Dentro del objetivo, pero el ± %1 es mayor que él: ¿está activada la corrección de la refracción?</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>Termina solo cuando el polo permanece dentro de %1 durante %2 s</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>Girado %1°</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Alineación rápida</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>Pasos manuales</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SiteLocation</name>
    <message>
        <source>gpsd does not run on this computer</source>
        <translation>gpsd no se ejecuta en este equipo</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>gpsd no tiene posición</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>ningún servidor INDI en %1:%2</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>ningún dispositivo INDI en %1:%2 conoce su ubicación</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>Montura virtual</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>Eje de AR</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>Tornillo de altura</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>Tornillo de azimut</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>Seguimiento sideral</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>Nuevo error aleatorio</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>Mostrar valores reales</translation>
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
        <translation>Ángulo: %1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>Error polar (segundos de arco)
Altura: %1
Azimut: %2
Total: %3</translation>
    </message>
</context>
</TS>
