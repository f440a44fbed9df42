<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Poolzoeker</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Pooluitlijning</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Auto-home</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Camerabediening</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logboek</translation>
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
        <translation>Hulpencoder</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>Guidesnelheid RK/Az</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Guidesnelheid Decl./hoogte</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Flipmodus</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>Nee (1 keer)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Geforceerd (1 keer)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Zon waarnemen</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Uitlijningscorrectie</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Snelheidscorrectie (±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Instelresolutie</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0,125x siderisch</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0,25x siderisch</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0,5x siderisch</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0,75x siderisch</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Siderisch</translation>
    </message>
</context>
<context>
    <name>AlignCompensationPage</name>
    <message>
        <source>ID(arcmin)</source>
        <translation>ID(boogmin.)</translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation>CH(boogmin.)</translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation>NP(boogmin.)</translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation>Mel(boogmin.)</translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation>Maz(boogmin.)</translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation>Kanteling(boogmin.)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Uitlijning starten</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>Hoogte buiten de limieten.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>Laatste ster bij %1 is geen geschikte uitlijnster</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>Wachten op sync-opdracht...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Uitlijnsterren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Geen uitlijnsterren</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>1-steruitlijning</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Uitlijning helderste ster</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Uitlijning noord/waterpas</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>2-steruitlijning</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>3-steruitlijning</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Uitlijnen via sync</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Uitlijning resetten</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montering</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>Weet u zeker dat u de uitlijning wilt resetten?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>GoTo-bovengrens</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>GoTo-ondergrens</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Catalogusfilter</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Schakel het catalogusfilter in om objecten onder de GoTo-ondergrens in de catalogus te verbergen.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Decl.-offset (graden)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Auto-home bezig ...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Auto-home niet ondersteund</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>BacklashPage</name>
    <message>
        <source>Azimuth/R.A.</source>
        <translation>Azimut/RK</translation>
    </message>
    <message>
        <source>Altitude/Dec</source>
        <translation>Hoogte/Decl.</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Bulb</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>Belichtingsgroepen</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Bulb-ontspanner</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>De montering antwoordt niet.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>De sluiter staat misschien nog open.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>De montering heeft het sluitercommando niet aangenomen.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>De belichtingen zijn gestopt.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Nieuw</translation>
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
        <translation>Handmatig centreren</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>AZ/EQ-montering</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Modus vragen</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>EQ gebruiken</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>AZ gebruiken</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>Verbinden bij app-start</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>BLE</source>
        <translation>BLE</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Emulator</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serieel</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Apparaten zoeken</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Vast IP</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Seriële poort</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Herhaalpogingen</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Leestime-out (ms)</translation>
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
        <translation>Deep-sky-object met naam</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Meer ...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Baanpunten testen</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>AZ-volgen</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Belichtingsgroep</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Belichting (s)</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>Fotopauze (s)</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>Sluimerstand opgeslagen</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Geen sluimerstandgegevens</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>Op huidige positie</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>Op homepositie</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>Sluimerstand slaat de toestand van de montering op in de app voordat u de montering uitschakelt.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Desgewenst kunt u de montering eerst naar de homepositie laten draaien.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montering</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Sluimerstand opgeslagen. U kunt de montering nu uitschakelen. Beweegt u de montering in plaats daarvan, dan worden de sluimerstandgegevens verwijderd.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Telescooprichting</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Apparaatrichting</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coördinaten</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/hoogte</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>RK/Decl.</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Objecten in de buurt</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Geen locatiesensor</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Geen toestemming</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Geen signaal</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Locatiesensor gebruiken</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Locatie bijgewerkt</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Voer uw locatie in</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>De locatiesensor heeft geen positie gegeven. Voer de breedte- en lengtegraad in op de pagina ‘Locatie’ onder ‘Instellingen’: tot dan worden posities berekend voor de locatie die daar staat.</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
</context>
<context>
    <name>Location_SignInput</name>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Naar klembord kopiëren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Helderheidsfilter</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Zwakste ster</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Zwakste overig</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Uitlijning</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Deep-sky</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Extra&apos;s</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Eigen objecten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>Te dicht bij de zon</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Hoogte buiten de limieten</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Richten &amp; volgen</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Mijn pointingmodel delen</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Mijn uitlijning</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Standaarduitlijning</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Pointingmodel van een andere %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Pointingmodel delen</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>Pointingmodel van een ander apparaat laden en lokale gegevens overschrijven?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Poolklok</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Poolzoekerverlichting</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Noordelijk halfrond</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Zuidelijk halfrond</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Geen apparaat gevonden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Sorteren op</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Catalogus downloaden</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Laatst bijgewerkt</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Bron: IAU Minor Planet Center</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Downloaden mislukt</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>De montering antwoordt niet. Mogelijk beweegt ze nog.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Bezig met stoppen…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>De stop heeft de montering niet bereikt: ze beweegt mogelijk nog. Hij wordt opnieuw verzonden tot de montering antwoordt.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Sluimerstandgegevens aanwezig. Toestand van de montering herstellen?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Gegevens wissen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Alt-az-modus</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Equatoriale modus</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Gevaar</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>Kijk met uw telescoop nooit rechtstreeks naar de zon. Dit veroorzaakt blijvende oogschade. Gebruik voor het waarnemen van de zon een geschikt zonnefilter dat stevig aan de voorkant van de telescoop is bevestigd. Plaats bij het waarnemen van de zon een stofkap op uw zoeker of verwijder de zoeker, om uzelf te beschermen tegen onbedoelde blootstelling. Gebruik nooit een oculairzonnefilter en projecteer met uw telescoop nooit zonlicht op een ander oppervlak: de warmteopbouw binnenin beschadigt de optische elementen van de telescoop.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>Zonnewaarneming echt toestaan?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>De stop heeft de montering niet bereikt: ze beweegt mogelijk nog. Na het afsluiten verzendt niets de stop opnieuw.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Blijven</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Toch afsluiten</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>Verbroken voordat de sluiter sloot: hij staat misschien nog open. Verbind opnieuw om hem te sluiten.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>Het sluiten van de sluiter heeft de montering niet bereikt: hij staat misschien nog open. Na het afsluiten verzendt niets het sluiten opnieuw.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>PPEC-training</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Ondersteund</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Niet ondersteund</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Benodigde trainingstijd</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
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
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel-wifi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Hoogtelimiet</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Speling</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Zonnestelsel</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Ster met naam</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Dubbelster</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komeet</translation>
    </message>
</context>
<context>
    <name>StartNotice</name>
    <message>
        <source>Waiting for the running program</source>
        <translation>Wachten op het actieve programma</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>Het programma dat al met deze gegevensmap draait, reageert niet en sluit niet af. Sluit het af en start het programma daarna opnieuw.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>Het programma draait al met deze gegevensmap en reageert nog niet. Er opent een venster zodra het reageert of afsluit.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>Het programma op de computer %1 houdt deze gegevensmap bezet en sluit niet af. Sluit het daar af. Draait het daar niet meer, verwijder dan het bestand %2. Start daarna het programma opnieuw.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>Het programma draait op de computer %1 met deze gegevensmap. Er opent een venster zodra het daar afsluit.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>Een andere installatie houdt deze gegevensmap bezet onder de naam van deze computer, %1: een eerdere installatie van deze computer, of een andere computer met dezelfde naam. Draait het programma op geen enkele andere computer, verwijder dan het bestand %2. Start daarna het programma opnieuw.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>Een andere installatie houdt deze gegevensmap bezet onder de naam van deze computer, %1: een eerdere installatie van deze computer, of een andere computer met dezelfde naam. Er opent een venster zodra de map vrij is.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Een programma van een andere gebruiker, %1, houdt deze gegevensmap bezet. Sluit het af, of vraag die gebruiker het af te sluiten. Draait het niet meer, verwijder dan het bestand %2. Start daarna het programma opnieuw.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Een programma van een andere gebruiker, %1, draait met deze gegevensmap. Er opent een venster zodra het afsluit.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>Gebruik alleen een gecertificeerde zonnetelescoop om naar de zon te kijken, om oogletsel te voorkomen.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Deep-sky</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeet</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Dubbelster</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Volgen uit</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Siderisch</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Zon</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Richten &amp; volgen</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>PPEC afspelen</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>Afspelen heeft tot %n minuut nodig om stabiel te worden</numerusform>
            <numerusform>Afspelen heeft tot %n minuten nodig om stabiel te worden</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>De montering antwoordt niet.</translation>
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
        <translation>Wachten</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Volgen</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Waarschuwing: handmatige EQ-flipmodus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Even geduld</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Ruimte onderaan</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Trillen</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>Scherm aan laten</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>Hemelobjecten</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>Aardse objecten</translation>
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
        <translation>Objectnaam</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Huidig object</translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation>RK</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Decl.</translation>
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
        <translation>As1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>As2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objecten</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>Niets opgeslagen: er wordt geen positie getoond. Verbind de montering of voer er een in.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>Niets opgeslagen: de positie is maar half ingevoerd. Ontbreekt: %1</translation>
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
        <translation>Laden</translation>
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
        <translation>Pagina wordt geopend in externe app...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Volgen</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>Top vannacht</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Richten &amp; GoTo</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identificeren</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Sluimerstand</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>PM delen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>De helppagina kan niet worden geopend: hier opent geen programma webpagina&apos;s.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Wifi-netwerk</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Verbonden via %1-netwerk</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Toegangspunt</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Toegangspunt wijzigen</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Toegangspuntmodus</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>AP-standaardwaarden lezen</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Beveiliging</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
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
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanaal</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Client wijzigen</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Clientmodus</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(Niet beschikbaar)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID en wachtwoord zijn hoofdlettergevoelig</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>DHCP gebruiken</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Vast IP</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Instellingen lezen</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Instellingen opgeslagen</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>Opslaan van instellingen mislukt</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Tussentijdse wifi-instelling opgeslagen.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Verbind de wifi opnieuw met het %1-netwerk.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>De montering antwoordt niet.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>De wifimodule weigerde zijn instellingen te geven.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Geslaagd</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negatief antwoord</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Communicatiefout</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Bewerking geannuleerd</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Onverwacht antwoord</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinding maken …</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Kan geen verbinding maken</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Monteringsmodus niet herkend</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Verbinding verbreken</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Zoeken voltooid</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Verbinding mislukt</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Kan seriële poort niet openen</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Uitlijngegevens en locatie geladen</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Parkeerpositie</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Sluimerstandgegevens verwijderd</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Andere naam</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Sterrenbeeld</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Bayer-aanduiding</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Scheiding (boogsec.)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Positie (graden)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Max. helderheid</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Min. helderheid</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Periode (dagen)</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Messier-nummer</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Caldwell-nummer</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>NGC-nummer</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>IC-nummer</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>Afstand (AE)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Periheliumafstand (AE)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentriciteit</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>2-steruitlijning</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>3-steruitlijning</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Uitlijning helderste ster</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Uitlijning noord/waterpas</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>1-steruitlijning</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>DSO</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Zonnestelsel</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Apparaatrichting</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Hoogte buiten de limieten</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Te dicht bij de zon</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>Pointingmodel past niet bij de montering</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Pointingmodel geladen</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Huidig object</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>Eerste ster kiezen</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>Tweede ster kiezen</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>Derde ster kiezen</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Zet de telescoop waterpas en richt hem naar het noorden.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kwaliteit</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel en Maz niet gemeten. Voer een 2- of 3-steruitlijning uit.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Pooluitlijningsster kiezen</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Fout: kan ascoördinaten niet lezen</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>%s van de montering bijstellen tot de ster in het midden van het oculair staat</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>Bijwerken uitlijngegevens mislukt</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Pooluitlijning voltooid</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Lokale lengtegraad</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Lokale tijd</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Positie Poolster </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Positie Octans</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coördinaten</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/hoogte</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>UH/Decl.</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>RK/Decl.</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Assen</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Poolster</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>Klokpositie</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Uurhoek</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>LMST</source>
        <translation>LMST</translation>
    </message>
    <message>
        <source>GMST</source>
        <translation>GMST</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Lokale tijd</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>Greenwich-tijd</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Uitlijning</translation>
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
        <translation>Kanteling</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versies</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Motorbesturing</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Basisgegevens</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>RK/Decl. (actueel)</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>RK/Decl. (J2000)</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>UH/Decl. (schijnbaar)</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>Azimut/hoogte (schijnbaar)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Zichtbaarheid</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Opkomst</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Culminatie</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Ondergang</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Altijd boven de horizon</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Altijd onder de horizon</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>De montering is elders heen gestuurd: er is niets vastgelegd</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>De montering is opnieuw opgestart: waar ze naar wijst, is niet meer bekend. Verbind opnieuw en parkeer de montering, breng haar naar de homepositie of voer een uitlijning uit.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>De montering heeft de volgbeweging niet overgenomen: die staat uit.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>De montering antwoordt niet en beweegt mogelijk nog. De stop wordt opnieuw verzonden tot ze antwoordt.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>GoTo opgegeven: de montering is al %1 s niet verder gekomen. Ze antwoordt niet, of haar antwoorden zijn verminkt.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>De montering is tijdens het verbinden opnieuw opgestart. Verbind opnieuw.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>De verbinding is verbroken voordat de stop de montering bereikte: ze beweegt mogelijk nog. Verbind opnieuw om haar te stoppen.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>De montering antwoordt niet.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>Het instellen van een montering als deze is afgebroken: waar ze naar wijst, is niet bekend. Parkeer de montering, breng haar naar de homepositie of voer een uitlijning uit.</translation>
    </message>
</context>
</TS>
