<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Viseur polaire</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Mise en station</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Origine auto</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Contrôle photo</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <source>ppm</source>
        <translation>ppm</translation>
    </message>
    <message>
        <source>Auxiliary Encoder</source>
        <translation>Encodeur auxiliaire</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>Vitesse guidage AD/Az</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Vitesse guidage Déc./Haut.</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Mode retournement</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>Non (une fois)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Forcé (une fois)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Observer le Soleil</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Compensation d&apos;alignement</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Compensation de vitesse (±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Résolution du réglage</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0,125x sidérale</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0,25x sidérale</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0,5x sidérale</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0,75x sidérale</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Sidérale</translation>
    </message>
</context>
<context>
    <name>AlignCompensationPage</name>
    <message>
        <source>ID(arcmin)</source>
        <translation>ID (′)</translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation>CH (′)</translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation>NP (′)</translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation>Mel (′)</translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation>Maz (′)</translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation>Inclinaison (′)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Lancer l&apos;alignement</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>Hauteur hors limites.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>La dernière étoile en %1 ne convient pas à l&apos;alignement</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>En attente de la commande Synchro...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Étoiles alignées</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Aucune étoile alignée</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>Alignement 1 étoile</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Alignement étoile brillante</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Alignement nord-niveau</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Alignement 2 étoiles</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Alignement 3 étoiles</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Aligner par synchro</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Effacer l&apos;alignement</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Monture</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>Voulez-vous vraiment effacer l&apos;alignement&#xa0;?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>Limite GoTo haute</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>Limite GoTo basse</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Filtre catalogue</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Activez Filtre catalogue pour masquer du catalogue les objets situés sous la Limite GoTo basse.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Décalage Déc. (°)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Origine auto en cours ...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Origine auto non prise en charge</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
</context>
<context>
    <name>BacklashPage</name>
    <message>
        <source>Azimuth/R.A.</source>
        <translation>Azimut/AD</translation>
    </message>
    <message>
        <source>Altitude/Dec</source>
        <translation>Hauteur/Déc.</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Pose B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>Groupes de poses</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Déclencheur pose B</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La monture ne répond pas.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>L&apos;obturateur est peut-être encore ouvert.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>La monture n’a pas accepté la commande de l’obturateur.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>Les poses sont arrêtées.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>CenteringPage</name>
    <message>
        <source>Manually Center</source>
        <translation>Centrer manuellement</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Réglages connexion</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>Monture AZ/EQ</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Demander</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>Utiliser EQ</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>Utiliser AZ</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>Connexion au lancement</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>BLE</source>
        <translation>BLE</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Émulateur</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Recherche auto</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fixe</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Nb de renvois</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Délai lecture (ms)</translation>
    </message>
</context>
<context>
    <name>DeepSkyMenu</name>
    <message>
        <source>Messier</source>
        <translation>Messier</translation>
    </message>
    <message>
        <source>Caldwell</source>
        <translation>Caldwell</translation>
    </message>
    <message>
        <source>NGC</source>
        <translation>NGC</translation>
    </message>
    <message>
        <source>IC</source>
        <translation>IC</translation>
    </message>
    <message>
        <source>Named Deep Sky Object</source>
        <translation>Objets nommés</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Plus ...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Test points de trajectoire</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>Suivi AZ</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Groupe de poses</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Pose (s)</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>Pause entre photos (s)</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>Données d&apos;hibernation enregistrées</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Aucune donnée d&apos;hibernation</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>À la position actuelle</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>À la position d&apos;origine</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>L&apos;hibernation enregistre l&apos;état de la monture dans l&apos;app avant sa mise hors tension.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Vous pouvez d&apos;abord ramener la monture à sa position d&apos;origine si vous le souhaitez.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Monture</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Données d&apos;hibernation enregistrées. Vous pouvez maintenant éteindre la monture. Si vous déplacez la monture, ces données seront supprimées.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Orientation télescope</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Orientation appareil</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Hauteur</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>AD/Déc.</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Objets proches</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Aucun capteur de position</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Pas d&apos;autorisation</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Pas de signal</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Utiliser la géolocalisation</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Lieu mis à jour</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Indiquez votre lieu</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>Le capteur de position n’a fourni aucune position. Saisissez la latitude et la longitude sur la page « Lieu » des « Réglages » : d’ici là, les positions sont calculées pour le lieu qui y est affiché.</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
</context>
<context>
    <name>Location_SignInput</name>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier le journal</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Filtre magnitude</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Limite étoiles</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Limite autres</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Ciel profond</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Utilitaires</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Mes objets</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>Trop près du Soleil</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Hauteur hors limites</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Pointer et suivre</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Partager mon modèle</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Mon alignement</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Alignement par défaut</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Modèle de pointage d&apos;un autre %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Partage du modèle</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>Charger le modèle de pointage d&apos;un autre appareil et écraser les données locales&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Horloge polaire</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Éclairage du viseur polaire</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Éteint</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hémisphère nord</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hémisphère sud</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Aucun appareil trouvé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Téléchargement catalogue</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Mis à jour le</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Source&#xa0;: Minor Planet Center (UAI)</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>La monture ne répond pas. Elle est peut-être encore en mouvement.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>L’arrêt n’a pas atteint la monture : elle est peut-être encore en mouvement. Il est renvoyé jusqu’à ce que la monture réponde.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Données d&apos;hibernation présentes. Restaurer l&apos;état de la monture&#xa0;?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer données</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Mode azimutal</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Mode équatorial</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Danger</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>Ne regardez jamais directement le Soleil avec votre télescope&#xa0;: vos yeux subiraient des lésions irréversibles. Pour observer le Soleil, utilisez un filtre solaire adapté, solidement fixé à l&apos;avant du télescope. Pendant l&apos;observation du Soleil, couvrez le chercheur avec son bouchon ou retirez-le pour éviter toute exposition accidentelle. N&apos;utilisez jamais de filtre solaire d&apos;oculaire et n&apos;utilisez jamais votre télescope pour projeter la lumière du Soleil sur une surface&#xa0;: la chaleur accumulée à l&apos;intérieur endommagerait ses éléments optiques.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>Autoriser l&apos;observation du Soleil&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>L’arrêt n’a pas atteint la monture : elle est peut-être encore en mouvement. Après la fermeture, plus rien ne le renverra.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Rester</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Quitter quand même</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>Déconnecté avant la fermeture de l’obturateur : il est peut-être encore ouvert. Connectez-vous à nouveau pour le fermer.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>La fermeture de l’obturateur n’a pas atteint la monture : il est peut-être encore ouvert. Après la fermeture, plus rien ne la renverra.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>Apprentissage PPEC</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Pris en charge</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Non pris en charge</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Durée d&apos;apprentissage requise</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>Réglages connexion</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel Wi-Fi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Limite de hauteur</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Rattrapage jeu</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Système solaire</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Étoile nommée</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Étoile double</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Comète</translation>
    </message>
</context>
<context>
    <name>StartNotice</name>
    <message>
        <source>Waiting for the running program</source>
        <translation>En attente du programme en cours</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>Le programme déjà en cours sur ce dossier de données ne répond pas et ne se termine pas. Fermez-le, puis relancez le programme.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>Le programme est déjà en cours sur ce dossier de données et ne répond pas encore. Une fenêtre s’ouvrira dès qu’il répondra ou se terminera.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>Le programme de l’ordinateur %1 occupe ce dossier de données et ne se termine pas. Fermez-le sur cet ordinateur. S’il n’y tourne plus, supprimez le fichier %2. Puis relancez le programme.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>Le programme est en cours sur l’ordinateur %1 avec ce dossier de données. Une fenêtre s’ouvrira dès qu’il s’y terminera.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>Une autre installation occupe ce dossier de données sous le nom de cet ordinateur, %1 : une installation antérieure de cet ordinateur, ou un autre ordinateur du même nom. Si le programme ne tourne sur aucun autre ordinateur, supprimez le fichier %2. Puis relancez le programme.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>Une autre installation occupe ce dossier de données sous le nom de cet ordinateur, %1 : une installation antérieure de cet ordinateur, ou un autre ordinateur du même nom. Une fenêtre s’ouvrira dès qu’il sera libre.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Un programme d’un autre utilisateur, %1, occupe ce dossier de données. Fermez-le, ou demandez à cet utilisateur de le fermer. S’il ne tourne plus, supprimez le fichier %2. Puis relancez le programme.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Un programme d’un autre utilisateur, %1, est en cours sur ce dossier de données. Une fenêtre s’ouvrira dès qu’il se terminera.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>Pour éviter toute lésion oculaire, n&apos;observez le Soleil qu&apos;avec un télescope solaire certifié.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Ciel profond</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Étoile double</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Aucun suivi</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Sidéral</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunaire</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Solaire</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Pointer et suivre</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>Lecture PPEC</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>La lecture peut demander jusqu&apos;à %n minute pour se stabiliser</numerusform>
            <numerusform>La lecture peut demander jusqu&apos;à %n minutes pour se stabiliser</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La monture ne répond pas.</translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Attente</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Suivi</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Attention&#xa0;: retournement EQ manuel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Veuillez patienter</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Mode nuit</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Marge du bas</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>Écran toujours allumé</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>Objets célestes</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>Objets terrestres</translation>
    </message>
</context>
<context>
    <name>UserObjectsPage</name>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>Nom de l&apos;objet</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Objet actuel</translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Déc.</translation>
    </message>
    <message>
        <source>JNow</source>
        <translation>JNow</translation>
    </message>
    <message>
        <source>J2000</source>
        <translation>J2000</translation>
    </message>
    <message>
        <source>Axis1</source>
        <translation>Axe 1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>Axe 2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>Rien n’a été enregistré : aucune position n’est affichée. Connectez la monture ou saisissez-en une.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>Rien n’a été enregistré&#xa0;: la position n’est saisie qu’à moitié. Manque&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the two rows of a position that lack a value</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>UserObjectsPane</name>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
</context>
<context>
    <name>UserObjects_DmsInput</name>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>UtilityMenu</name>
    <message>
        <source>Opening page in external app...</source>
        <translation>Ouverture de la page dans une app externe...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Suivi</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>À voir ce soir</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Pointer et aller</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernation</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>Partage modèle</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>Impossible d&apos;ouvrir la page d&apos;aide : aucun programme n&apos;ouvre les pages web ici.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Connecté en mode %1</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>station</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>point d&apos;accès</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Modifier point d&apos;accès</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Mode point d&apos;accès</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>Lire réglages AP par défaut</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>WPA PSK</source>
        <translation>WPA PSK</translation>
    </message>
    <message>
        <source>WPA2 PSK</source>
        <translation>WPA2 PSK</translation>
    </message>
    <message>
        <source>WPA/WPA2 PSK</source>
        <translation>WPA/WPA2 PSK</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Modifier la station</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Mode station</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(Indisponible)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>Le SSID et le mot de passe sont sensibles à la casse</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Utiliser DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fixe</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Lire les réglages</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Réglages enregistrés</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>Échec de l&apos;écriture des réglages</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Réglage Wi-Fi intermédiaire enregistré.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Reconnectez le Wi-Fi au réseau en mode %1.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La monture ne répond pas.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>Le module Wi-Fi a refusé de fournir ses réglages.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Réponse négative</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Opération annulée</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Réponse inattendue</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Connexion impossible</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Impossible de détecter le mode de la monture</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Recherche terminée</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Échec de connexion</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Impossible d&apos;ouvrir le port série</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Données d&apos;alignement et lieu chargés</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Position de parcage</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Données d&apos;hibernation supprimées</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Autre nom</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constellation</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Désignation de Bayer</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Séparation (″)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Angle de position (°)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Magnitude maximale</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Magnitude minimale</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Période (jours)</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Numéro Messier</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Numéro Caldwell</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>Numéro NGC</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>Numéro IC</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>Distance (UA)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Distance au périhélie (UA)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricité</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Alignement 2 étoiles</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Alignement 3 étoiles</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Alignement étoile brillante</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Alignement nord-niveau</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>Alignement 1 étoile</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>azimut</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>Ciel profond</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Système solaire</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Orientation appareil</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Hauteur hors limites</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Trop près du Soleil</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>Le modèle de pointage ne correspond pas à la monture</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Modèle de pointage chargé</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Objet actuel</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>Choisir la 1re étoile</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>Choisir la 2e étoile</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>Choisir la 3e étoile</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Mettez le télescope à l&apos;horizontale et pointez-le vers le nord.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel et Maz non mesurés. Effectuez un alignement 2 ou 3 étoiles.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Choisir l&apos;étoile de mise en station</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Erreur&#xa0;: lecture des coordonnées des axes impossible</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>Régler la monture en %s pour amener l&apos;étoile au centre de l&apos;oculaire</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>Échec de la mise à jour des données d&apos;alignement</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Mise en station terminée</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Longitude locale</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Position de la Polaire </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Position de l&apos;Octant</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Hauteur</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>AH/Déc.</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>AD/Déc.</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Polaire</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>Position cadran</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Angle horaire</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>LMST</source>
        <translation>TSL</translation>
    </message>
    <message>
        <source>GMST</source>
        <translation>TSG</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>Heure de Greenwich</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>NP</source>
        <translation>NP</translation>
    </message>
    <message>
        <source>Mel</source>
        <translation>Mel</translation>
    </message>
    <message>
        <source>Maz</source>
        <translation>Maz</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Inclinaison</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Carte moteur</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Informations de base</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>AD/Déc. (date)</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>AD/Déc. (J2000)</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>AH/Déc. (apparents)</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>Azimut/Hauteur (apparents)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilité</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Culmination</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Coucher</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Toujours au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Toujours sous l&apos;horizon</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>La monture a été envoyée ailleurs : rien n’a été enregistré</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>La monture a redémarré : on ne sait plus où elle pointe. Connectez-la à nouveau, puis parquez-la, ramenez-la à l&apos;origine ou refaites l&apos;alignement.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>La monture n’a pas pris le suivi : il est désactivé.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>La monture ne répond pas et est peut-être encore en mouvement. L’arrêt est renvoyé jusqu’à ce qu’elle réponde.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>GoTo abandonné : la monture n’a pas progressé depuis %1 s. Elle ne répond pas, ou ses réponses sont altérées.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>La monture a redémarré pendant la connexion. Connectez-vous à nouveau.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>La connexion a pris fin avant que l’arrêt n’atteigne la monture : elle est peut-être encore en mouvement. Connectez-vous à nouveau pour l’arrêter.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La monture ne répond pas.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>La préparation d&apos;une monture semblable a été interrompue : on ne sait pas où celle-ci pointe. Parquez-la, ramenez-la à l&apos;origine ou refaites l&apos;alignement.</translation>
    </message>
</context>
</TS>
