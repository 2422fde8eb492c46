<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0, release 2018-06-28</translation>
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
        <translation>learn</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>Adjuster</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI server</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>GRBL controller</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>INDI device</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>Altitude axis</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>Altitude units per degree</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>Azimuth axis</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>Azimuth units per degree</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>Adjuster…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>Align Automatically</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>The adjuster&apos;s settings are not complete.</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Connected: %1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>The adjuster failed (%1).</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connecting to %1…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>Measure the axis and connect the adjuster first: the figures must be live.</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>Aborted.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Measuring…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>Stopped: the figures are not live (%1).</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>no pole</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>Stopped: the motors moved but the pole did not.</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>Aligned: %1″ from the axis (± %2″); moves: %3.</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>Stopped: the ± of %1″ is larger than the step of %2″.</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>Stopped: not inside the target; moves: %1.</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>Move %1: altitude %2°, azimuth %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>Stopped: the adjuster failed (%1).</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>Stopped: the adjuster did not finish its move within %1 s.</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>Stopped: no live figures for %1 s.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>it is gone</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>Altitude: the axis is %1 above the pole</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>Altitude: the axis is %1 below the pole</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>Azimuth: the axis is %1 east of the pole</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>Azimuth: the axis is %1 west of the pole</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>The error left is not known: the camera&apos;s orientation was not found</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>Refraction corrected (%1 model): %2 %3, %4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>Refraction not corrected</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>The alignment took %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Astronomical Refraction</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
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
        <translation>Enable Astronomical Refraction Correction</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett (standard)</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>Physical (ERFA)</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>Use this computer&apos;s location</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>Looking for this computer&apos;s location...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>Found no location: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>From %1</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>Lower the altitude %1</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>Raise the altitude %1</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>Move azimuth %1 west</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>Move azimuth %1 east</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>target %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 turns</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 turn</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>went past — turn back %1, then forward %2</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>less than ¼ turn</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>%1 clockwise</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>%1 anticlockwise</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>Altitude: %1</translation>
    </message>
    <message>
        <source>Azimuth: %1</source>
        <translation>Azimuth: %1</translation>
    </message>
</context>
<context>
    <name>CameraSourceDialog</name>
    <message>
        <source>Simulated sky</source>
        <translation>Simulated sky</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>Recorded session</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>Camera Source</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>A .ser file made with File &gt; Record Session</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>Recorded Session</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>SER videos (*.ser);;All files (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI server</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>Press Refresh to list the server&apos;s cameras</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
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
        <translation>Focal length</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Pixel size</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>Asking %1:%2 for its cameras...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>The server has no camera.</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>Cameras on the server: %1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 µm (from the driver)</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>read from the driver once connected</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>unknown: a plate solve measures it</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>a host name or address is needed</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>not a host name or address</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>not a whole number</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>must lie between %1 and %2</translation>
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
        <translation>stale: no frame for %1</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>stale: no frame for %1 — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>the connection was closed</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>no answer for %1 s</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>the controller refused the move (%1)</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>alarm %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>Imaging Setup</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Anywhere</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>The altitude knob turns the other way</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>The azimuth knob turns the other way</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Learn</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Imaging</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>Bolts</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Pixel size (µm)</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>Sensor width (pixels)</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>Sensor height (pixels)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Longest exposure (s)</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>Declination of the target (°)</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>Altitude: one turn moves the pole (′)</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>Azimuth: one turn moves the pole (′)</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>With a knob&apos;s turn known, the readout says how far to turn it.</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>No imaging setup: no target.</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>Fill in every field for a target, or none.</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>The pole has not moved: turn the knob one full turn, then press Done again.</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>One turn moves the pole %1.</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>the device is gone</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>the device reports a failure</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>no answer for %1 s</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>the connection was closed</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>the device is gone</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>the server&apos;s answer is not INDI</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>the mount does not answer (no coordinates for %1 s)</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>the mount can neither go to coordinates nor move west and east</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>the mount is gone</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>the mount reports a failure</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>the mount turns the wrong way (%1 degrees of hour angle against the command)</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>the mount turned %1 of %2 degrees of hour angle</translation>
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
        <translation>Region Selection</translation>
    </message>
    <message>
        <source>North</source>
        <translation>North</translation>
    </message>
    <message>
        <source>South</source>
        <translation>South</translation>
    </message>
    <message>
        <source>Q7 Setting</source>
        <translation>Q7 Setting</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Exp(ms)</translation>
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
        <translation>Confirm Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Matching Template</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
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
        <translation>Rough Pole</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Axis Center</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>Choose the same star every time</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Star Pos 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Star Pos 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Star Pos 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Axis:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Current Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Expected Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Precise Pole</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Pole:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Monitor Pole</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Reference Star A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Reference Star B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Start Monitor</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Display Template</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Mono Style</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Astronomical Refraction</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Manual Trace</translation>
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
        <translation>Velto Q7 Manual</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation>Images (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</source>
        <translation>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Seems no star in this point, please try other point.</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>Does match success?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>Has rotation finished?</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>rotation Finished</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>Set the parameters to the left to make more stars around Polaris visible.</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>Set the parameters to the left to make more stars around σ Oct visible.</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>Has setting up finished?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Setting Finished</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>Turn your mount&apos;s &apos;RA&apos; axis so that the stars move in the image the way the arrow shows (turn it at least 30 degrees).</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>Double click the same star again chosen in the previous step (Step 2 of 3).</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>Is the axis center correct?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>Has adjustment finished?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>adjustment Finished</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Please click the &apos;Start Monitor&apos; button.</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>No Velto Q7 camera found!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>Can not connect Velto Q7 camera as open error!</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>Can not connect Velto Q7 camera as initialize error!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>Refine Axis Centre from All Stars</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Record Session</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>Camera Source...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>Camera: recorded session %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>Camera: simulated sky</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>SER videos (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>Can not record the session: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>The recording stopped: %1
The file keeps the %2 frames written before.</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>Recording %1: %2 frames, %3 MB</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>, %1 dropped</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>Solve Now</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>Plate Solving</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>No frame to solve yet: connect the camera first.</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>Solving the frame...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>Not solved: %1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>The template is not proposed: to have it, install the package %1.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Night Style</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>Connecting to the camera...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %1 on %2:%3</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>Camera: INDI %1 on %2:%3</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>Focal length %1 mm</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>camera disconnected</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>Alignment finished</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>No program on this computer opened the manual. It lies in:
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>Phone View…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>Imaging Setup...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Quick Alignment</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>The axis centre could not be found: hold the mount still and turn the RA axis again.</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>the package %1 is not installed</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>Mount...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>The stars move this way in the image</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>The pole and the axis appear here, magnified, after Start Monitor.</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>camera lost: reconnecting… (%1)</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>camera stopped (%1)</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>Record Every Frame</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>Records every frame: about 40 GB an hour instead of under 4 GB</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>Mount</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescope</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Asking the server…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>The server offers no telescope.</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>%n telescope found.</numerusform>
            <numerusform>%n telescopes found.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>Waiting for the readout: start monitoring the pole</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>Connection lost: open the address the program shows again</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>Inside the target</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>The phone view could not start: %1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>Viewers: %1 of %2</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>Phone View</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>PhoneViewServer</name>
    <message>
        <source>%1 is not an IP address</source>
        <translation>%1 is not an IP address</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>port %1 on %2 cannot be opened: in use, or not an address of this computer</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Pole Tracking</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Tracking:</translation>
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
        <translation>Reset</translation>
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
        <translation>&amp;Yes</translation>
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
        <translation>Solving the sky...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>Hold the mount still</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>The mount turns the RA axis...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>Turn the RA axis by 30° or more, either way</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>The mount turns the RA axis back...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>Turn it back past the start</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>The mount returns the RA axis to where it started...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>Turn the bolts until the pole is inside the target</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>Aligned</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>No star to follow around the RA axis: the sky may be clouded.</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>Done by itself when the pole stays inside %1 for %2 s</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>Turned %1°</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Quick Alignment</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>Manual Steps</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
</context>
<context>
    <name>SiteLocation</name>
    <message>
        <source>gpsd does not run on this computer</source>
        <translation>gpsd does not run on this computer</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>gpsd has no position fix</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>no INDI server at %1:%2</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>no INDI device at %1:%2 knows its place</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>Virtual Mount</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>RA axis</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>Altitude bolt</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>Azimuth bolt</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>Sidereal tracking</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>New random error</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>Show truth</translation>
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
        <translation>Angle: %1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</translation>
    </message>
</context>
</TS>
