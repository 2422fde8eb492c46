<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0, version du 2018-06-28</translation>
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
        <translation>apprendre</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>Ajusteur</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Serveur INDI</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>Contrôleur GRBL</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>Appareil INDI</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>Axe de hauteur</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>Hauteur : unités par degré</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>Axe d&apos;azimut</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>Azimut : unités par degré</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>Ajusteur…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>Aligner automatiquement</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>Les réglages de l&apos;ajusteur sont incomplets.</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Connecté : %1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>L&apos;ajusteur a échoué (%1).</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>Mesurez d&apos;abord l&apos;axe et connectez l&apos;ajusteur : les valeurs doivent être en direct.</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Mesure…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>Arrêté : les valeurs ne sont pas en direct (%1).</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>pas de pôle</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>Arrêté : les moteurs ont tourné mais le pôle n&apos;a pas bougé.</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>Aligné : à %1″ de l&apos;axe (± %2″) ; mouvements : %3.</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>Arrêté : le ± de %1″ dépasse le pas de %2″.</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>Arrêté : pas dans la cible ; mouvements : %1.</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>Arrêté : un mouvement de %1° en hauteur et %2° en azimut sortirait de la course de l&apos;ajusteur.</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>Mouvement %1 : hauteur %2°, azimut %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>Arrêté : l&apos;ajusteur a échoué (%1).</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>Arrêté : l&apos;ajusteur n&apos;a pas terminé son mouvement en %1 s.</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>Arrêté : aucune valeur en direct depuis %1 s.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>il a disparu</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>Altitude : l’axe est %1 au-dessus du pôle</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>Altitude : l’axe est %1 au-dessous du pôle</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>Azimut : l’axe est %1 à l’est du pôle</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>Azimut : l’axe est %1 à l’ouest du pôle</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>L’erreur restante est inconnue : l’orientation de la caméra n’a pas été trouvée</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>Réfraction corrigée (modèle %1) : %2 %3, %4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>Réfraction non corrigée</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>L’alignement a duré %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Réfraction atmosphérique</translation>
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
        <translation>Activer la correction de réfraction</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett (standard)</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>Physique (ERFA)</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>D&apos;où observez-vous ? Le pôle est aussi haut que votre latitude, et l&apos;air le soulève d&apos;une quantité qui dépend de la pression et de la température.</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>Utiliser la position de cet ordinateur</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>Recherche de la position de cet ordinateur...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>Aucune position trouvée : %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Depuis %1</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>Baissez l&apos;altitude de %1</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>Montez l&apos;altitude de %1</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>Déplacez l&apos;azimut de %1 vers l&apos;ouest</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>Déplacez l&apos;azimut de %1 vers l&apos;est</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>site inconnu : la réfraction de l&apos;air, jusqu&apos;à 1′30″, n&apos;est pas corrigée</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>cible %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 tours</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 tour</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>dépassé — revenez de %1, puis avancez de %2</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>moins de ¼ de tour</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>%1 dans le sens horaire</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>%1 dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>Altitude : %1</translation>
    </message>
    <message>
        <source>Azimuth: %1</source>
        <translation>Azimut : %1</translation>
    </message>
</context>
<context>
    <name>CameraSourceDialog</name>
    <message>
        <source>Simulated sky</source>
        <translation>Ciel simulé</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>Session enregistrée</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>Source de la caméra</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>Un fichier .ser créé avec Fichier &gt; Enregistrer la session</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>Session enregistrée</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>Vidéos SER (*.ser);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Serveur INDI</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>Appuyez sur Actualiser pour lister les caméras du serveur</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Focale</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Taille des pixels</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>Demande de ses caméras à %1:%2...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>Le serveur n&apos;a aucune caméra.</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>Caméras sur le serveur : %1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 µm (du pilote)</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>lue du pilote une fois connecté</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>inconnue : mesurée par la résolution astrométrique</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>un nom d&apos;hôte ou une adresse est nécessaire</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>ni un nom d&apos;hôte ni une adresse</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>pas un nombre entier</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>doit être entre %1 et %2</translation>
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
        <translation>périmé : aucune image depuis %1</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>périmé : aucune image depuis %1 — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>la connexion a été fermée</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>aucune réponse depuis %1 s</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>le contrôleur a refusé le mouvement (%1)</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>alarme %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>Équipement d&apos;imagerie</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Tout le ciel</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>La vis de hauteur tourne en sens inverse</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>La vis d&apos;azimut tourne en sens inverse</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Apprendre</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Imagerie</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Taille des pixels (µm)</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>Largeur du capteur (pixels)</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>Hauteur du capteur (pixels)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Pose la plus longue (s)</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>Déclinaison de l&apos;objet (°)</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>La cible maintient la dérive d&apos;une étoile et la rotation du champ au coin du capteur sous un pixel de cette caméra pendant une pose. «&#xa0;Tout le ciel&#xa0;» accepte toute déclinaison jusqu&apos;à %1°. La cible n&apos;est jamais inférieure à %2 : la caméra polaire ne mesure pas plus finement.</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>Tourner une vis dans le sens horaire, vue de sa tête, monte la hauteur ou déplace l&apos;axe vers l&apos;est. Cochez la case si la vôtre fait l&apos;inverse, comme les vis situées de l&apos;autre côté de la monture.</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>Hauteur : déplacement du pôle par tour (′)</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>Azimut : déplacement du pôle par tour (′)</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>Quand l&apos;effet d&apos;un tour de vis est connu, la lecture indique de combien la tourner.</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>Pas d&apos;équipement d&apos;imagerie : pas de cible.</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>Remplissez tous les champs pour obtenir une cible, ou aucun.</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>Surveillez d&apos;abord le pôle (Réglage fin) : le tour est appris à partir de la lecture.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Tournez la vis de hauteur d&apos;un tour complet dans le sens horaire, attendez que les valeurs se stabilisent, puis cliquez sur «&#xa0;Terminé&#xa0;».</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Tournez la vis d&apos;azimut d&apos;un tour complet dans le sens horaire, attendez que les valeurs se stabilisent, puis cliquez sur «&#xa0;Terminé&#xa0;».</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>Le pôle n&apos;a pas bougé : tournez la vis d&apos;un tour complet, puis cliquez de nouveau sur «&#xa0;Terminé&#xa0;».</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>Un tour déplace le pôle de %1.</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>l&apos;appareil a disparu</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>l&apos;appareil signale une panne</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>aucune réponse depuis %1 s</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>la connexion a été fermée</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>l&apos;appareil a disparu</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>la réponse du serveur n&apos;est pas de l&apos;INDI</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>la monture ne répond pas (aucune coordonnée depuis %1 s)</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>la monture ne peut ni pointer des coordonnées ni se déplacer vers l&apos;ouest et l&apos;est</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>la monture a disparu</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>la monture signale une panne</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>la monture tourne dans le mauvais sens (%1 degrés d&apos;angle horaire à l&apos;encontre de la commande)</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>la monture a tourné de %1 sur %2 degrés d&apos;angle horaire</translation>
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
        <translation>Choix de l&apos;hémisphère</translation>
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
        <translation>Réglages Q7</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Pose(ms)</translation>
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
        <translation>Repérer Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Ajustement du gabarit</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
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
        <translation>Réglage grossier</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Centre de l&apos;axe</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>Choisissez toujours la même étoile</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Étoile, pos. 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Étoile, pos. 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Étoile, pos. 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Axe&#xa0;:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Polaris/σ Oct actuelle</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Polaris/σ Oct cible</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Réglage fin</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Pôle&#xa0;:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Surveillance du pôle</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Étoile de référence A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position&#xa0;:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Étoile de référence B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Surveiller</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Afficher le gabarit</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Affichage monochrome</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirement</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Réfraction atmosphérique</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Suivi manuel</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75&#xa0;%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50&#xa0;%</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Velto Q7 Manual</source>
        <translation>Manuel de Velto Q7</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Enregistrer</translation>
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
        <translation>Voulez-vous utiliser la «&#xa0;position du centre de l&apos;axe&#xa0;» enregistrée lors de la dernière utilisation de Velto Q7&#xa0;?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Il ne semble y avoir aucune étoile à cet endroit. Essayez un autre point.</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>Impossible de déterminer le centre de l&apos;axe. Cliquez sur «&#xa0;Refaire&#xa0;» pour le rechercher.</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>Le gabarit correspond-il&#xa0;?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>Rotation terminée&#xa0;?</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Tourné</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>Réglez les paramètres à gauche pour rendre visibles davantage d&apos;étoiles autour de Polaris.</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>Réglez les paramètres à gauche pour rendre visibles davantage d&apos;étoiles autour de σ Oct.</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>Paramétrage terminé&#xa0;?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Réglé</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Double-cliquez sur Polaris, puis faites tourner le gabarit avec le curseur «&#xa0;Rotation&#xa0;» à gauche jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de Polaris.</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Double-cliquez sur σ Oct, puis faites tourner le gabarit avec le curseur «&#xa0;Rotation&#xa0;» à gauche jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de σ Oct.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Choisissez une étoile autre que Polaris et double-cliquez dessus dans l&apos;image. Retenez-la&#xa0;: vous la sélectionnerez de nouveau aux étapes suivantes (étape 1 sur 3).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Choisissez une étoile autre que σ Oct et double-cliquez dessus dans l&apos;image. Retenez-la&#xa0;: vous la sélectionnerez de nouveau aux étapes suivantes (étape 1 sur 3).</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>Tournez l&apos;axe AD de la monture dans le sens indiqué par la flèche en haut de l&apos;écran (au moins 30°).</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>Double-cliquez de nouveau sur l&apos;étoile choisie à l&apos;étape précédente (étape 2 sur 3).</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>Tournez de nouveau l&apos;axe AD de la monture dans le même sens, d&apos;au moins 30°.</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>Double-cliquez une dernière fois sur l&apos;étoile choisie aux deux étapes précédentes (étape 3 sur 3).</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>Ramenez l&apos;axe AD en position «&#xa0;Home&#xa0;»&#xa0;: pendant que la monture revient en position de parking, l&apos;étoile choisie doit rester sur le cercle.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>Le centre de l&apos;axe est-il correct&#xa0;?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Position cible&#xa0;: double-cliquez sur Polaris, puis faites tourner le gabarit avec le curseur «&#xa0;Rotation&#xa0;» à gauche jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de Polaris.</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Position cible&#xa0;: double-cliquez sur σ Oct, puis faites tourner le gabarit avec le curseur «&#xa0;Rotation&#xa0;» à gauche jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de σ Oct.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>Avec les vis de réglage en hauteur et en azimut, amenez Polaris au centre du petit cercle tournant affiché sur l&apos;image.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>Avec les vis de réglage en hauteur et en azimut, amenez σ Oct au centre du petit cercle tournant affiché sur l&apos;image.</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>Ajustement terminé&#xa0;?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Ajusté</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Position actuelle&#xa0;: double-cliquez sur Polaris, puis faites tourner le gabarit avec le curseur «&#xa0;Rotation&#xa0;» à gauche jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de Polaris.</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Position actuelle&#xa0;: double-cliquez sur σ Oct, puis faites tourner le gabarit avec le curseur «&#xa0;Rotation&#xa0;» à gauche jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de σ Oct.</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Cliquez sur le bouton «&#xa0;Surveiller&#xa0;».</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>N&apos;utilisez que les vis de hauteur et d&apos;azimut pour amener le rectangle du pôle sur le cercle de l&apos;axe.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>À zéro</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>Aucune caméra Velto Q7 trouvée&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>Impossible de connecter la caméra Velto Q7&#xa0;: erreur d&apos;ouverture&#xa0;!</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>Impossible de connecter la caméra Velto Q7&#xa0;: erreur d&apos;initialisation&#xa0;!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>Affiner le centre de l&apos;axe avec toutes les étoiles</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Enregistrer la session</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>Source de la caméra...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>Caméra : session enregistrée %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>Caméra : ciel simulé</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>Vidéos SER (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>Impossible d&apos;enregistrer la session : %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>L&apos;enregistrement s&apos;est arrêté : %1
Le fichier garde les %2 images écrites auparavant.</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>Enregistrement %1 : %2 images, %3 Mo</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>, %1 perdues</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>Résoudre maintenant</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>Résolution astrométrique</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>Pas encore d&apos;image à résoudre : connectez d&apos;abord la caméra.</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>Résolution de l&apos;image...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>Non résolu : %1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>Résolu à %1&quot;/px. Le pôle est en (%2, %3), le zénith vers %4 degrés. Étoiles : %5.</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>Le modèle n&apos;est pas proposé : pour l&apos;avoir, installez le paquet %1.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Affichage de nuit</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>Connexion à la caméra...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %1 sur %2:%3</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>Caméra : INDI %1 sur %2:%3</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>Focale %1 mm</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>La résolution astrométrique a mesuré l&apos;objectif de la caméra : focale de %1 mm, utilisée désormais.</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>caméra déconnectée</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>Alignement terminé</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>Les étoiles n&apos;ont pas tourné autour d&apos;un même point entre les trois positions (elles diffèrent de %1″) : la caméra a peut-être bougé dans son support, l&apos;embrayage AD a glissé ou un câble a tiré sur la monture. Vérifiez que tout est bien serré, ramenez l&apos;axe AD à son point de départ et mesurez de nouveau le centre de l&apos;axe.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>Aucun programme de cet ordinateur n&apos;a ouvert le manuel. Il se trouve dans :
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>Vue sur téléphone…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>Équipement d&apos;imagerie...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Mise en station rapide</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>Le ciel n&apos;a pas pu être résolu (%1) : ajustez le gabarit à la main dans les étapes de l&apos;assistant.</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>Le centre de l&apos;axe est introuvable : gardez la monture immobile et tournez de nouveau l&apos;axe AD.</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>Les étoiles n&apos;ont pas tourné autour d&apos;un même point (écart de %1″) : vérifiez que tout est bien serré, puis tournez de nouveau l&apos;axe AD.</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>le paquet %1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>Monture...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>Les étoiles se déplacent ainsi dans l’image</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>Le pôle et l’axe apparaissent ici, agrandis, après « Surveiller ».</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>caméra perdue : reconnexion… (%1)</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>caméra arrêtée (%1)</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>Enregistrer chaque image</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>Enregistre chaque image : environ 40 Go par heure au lieu de moins de 4 Go</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>Monture</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Serveur INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Télescope</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Interrogation du serveur…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>Le serveur ne propose aucun télescope.</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>%n télescope trouvé.</numerusform>
            <numerusform>%n télescopes trouvés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>En attente de la lecture : lancez la surveillance du pôle</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>Connexion perdue : ouvrez à nouveau l&apos;adresse affichée par le programme</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>Dans la cible</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>La vue sur téléphone n&apos;a pas pu démarrer : %1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>Spectateurs : %1 sur %2</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>Vue sur téléphone</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>Affiche la lecture sur un téléphone ou une tablette du même réseau : démarrez, puis scannez le code ou ouvrez l&apos;adresse. Chaque démarrage crée une nouvelle adresse.</translation>
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
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>PhoneViewServer</name>
    <message>
        <source>%1 is not an IP address</source>
        <translation>%1 n&apos;est pas une adresse IP</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>le port %1 sur %2 ne peut pas être ouvert : déjà utilisé, ou adresse qui n&apos;est pas celle de cet ordinateur</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Suivi du pôle</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>Si le pôle est perdu après un GOTO de la monture, retrouvez-le ici.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Suivi&#xa0;:</translation>
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
        <translation>Zéro</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>QuickAlignment</name>
    <message>
        <source>Solving the sky...</source>
        <translation>Résolution du ciel...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>Gardez la monture immobile</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>La monture tourne l&apos;axe AD...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>Tournez l&apos;axe AD de 30° ou plus, dans un sens ou dans l&apos;autre</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>La monture ramène l&apos;axe AD en arrière...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>Ramenez-le au-delà du point de départ</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>La monture ramène l&apos;axe AD à sa position de départ...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>Tournez les vis jusqu&apos;à ce que le pôle soit dans la cible</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>Aligné</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>La monture a signalé la rotation, mais les étoiles n&apos;ont pas tourné avec elle : la caméra est-elle sur cette monture ?</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>Aucune étoile à suivre autour de l&apos;axe AD : le ciel est peut-être nuageux.</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>Dans la cible, mais le ± %1 est plus large qu&apos;elle : la correction de la réfraction est-elle activée ?</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>Se termine seul quand le pôle reste dans %1 pendant %2 s</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>Tourné de %1°</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Mise en station rapide</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>Étapes manuelles</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompre</translation>
    </message>
</context>
<context>
    <name>SiteLocation</name>
    <message>
        <source>gpsd does not run on this computer</source>
        <translation>gpsd ne tourne pas sur cet ordinateur</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>gpsd n&apos;a pas de position</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>aucun serveur INDI à %1:%2</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>aucun appareil INDI à %1:%2 ne connaît sa position</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>Monture virtuelle</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>Axe AD</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>Vis de hauteur</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>Vis d&apos;azimut</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>Suivi sidéral</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>Nouvelle erreur aléatoire</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>Afficher la vérité</translation>
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
        <translation>Angle&#xa0;:&#xa0;%1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>Erreur de mise en station (″)
Hauteur&#xa0;:&#xa0;%1
Azimut&#xa0;:&#xa0;%2
Total&#xa0;:&#xa0;%3</translation>
    </message>
</context>
</TS>
