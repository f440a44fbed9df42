<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Polsucher</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Polausrichtung</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Auto-Home</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Kamerasteuerung</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
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
        <translation>Zusatz-Encoder</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>Guiding-Rate RA/Az</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Guiding-Rate Dek/Höhe</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Flip-Modus</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>Nein (einmal)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Erzwungen (einmal)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Sonne beobachten</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Ausrichtungskorrektur</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Geschwindigkeitskorrektur (±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Einstellauflösung</translation>
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
        <translation>ID(Bogenmin.)</translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation>CH(Bogenmin.)</translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation>NP(Bogenmin.)</translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation>Mel(Bogenmin.)</translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation>Maz(Bogenmin.)</translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation>Neigung(Bogenmin.)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Ausrichtung starten</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>Höhe außerhalb der Grenzen.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>Letzter Stern bei %1 ist kein geeigneter Ausrichtungsstern</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>Warte auf Sync-Befehl...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Ausrichtungssterne</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Keine Ausrichtungssterne</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>1-Stern-Ausrichtung</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Hellster-Stern-Ausrichtung</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Nord-Waagerecht-Ausrichtung</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>2-Stern-Ausrichtung</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>3-Stern-Ausrichtung</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Ausrichten per Sync</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Ausrichtung löschen</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montierung</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>Ausrichtung wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>GoTo-Obergrenze</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>GoTo-Untergrenze</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Katalogfilter</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Katalogfilter aktivieren, um Objekte unterhalb der GoTo-Untergrenze im Katalog auszublenden.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Dek-Offset (Grad)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Auto-Home läuft ...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Auto-Home nicht unterstützt</translation>
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
        <translation>Azimut/RA</translation>
    </message>
    <message>
        <source>Altitude/Dec</source>
        <translation>Höhe/Dek</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>Intervall</translation>
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
        <translation>Belichtungsgruppen</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Bulb-Auslöser</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Die Montierung antwortet nicht.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>Der Verschluss ist vielleicht noch offen.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>Die Montierung hat den Verschlussbefehl nicht angenommen.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>Die Belichtungen wurden gestoppt.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
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
        <translation>Manuell zentrieren</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>AZ/EQ-Montierung</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Modus abfragen</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>EQ nutzen</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>AZ nutzen</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>Beim App-Start verbinden</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
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
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Geräte suchen</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Feste IP</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Serieller Port</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Sendeversuche</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Lese-Timeout (ms)</translation>
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
        <translation>Benanntes Deep-Sky-Objekt</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Mehr ...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Bahnpunkte testen</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>AZ-Nachführung</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Belichtungsgruppe</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Belichtung (s)</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>Fotopause (s)</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>Ruhezustand gespeichert</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Keine Ruhezustandsdaten</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>An aktueller Position</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>In Home-Position</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>Der Ruhezustand speichert den Zustand der Montierung in der App, bevor Sie die Montierung ausschalten.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Optional können Sie die Montierung vorher in ihre Home-Position fahren.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montierung</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Ruhezustand gespeichert. Sie können die Montierung jetzt ausschalten. Wird die Montierung stattdessen bewegt, werden die Ruhezustandsdaten gelöscht.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Teleskoprichtung</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Geräterichtung</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Höhe</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>RA/Dek</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Objekte in der Nähe</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Kein Standortsensor</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Kein Signal</translation>
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
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Standortsensor nutzen</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Standort aktualisiert</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Standort eingeben</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>Der Standortsensor hat keine Position geliefert. Geben Sie Breiten- und Längengrad auf der Seite „Standort“ unter „Einstellungen“ ein: Bis dahin werden die Positionen für den dort angezeigten Standort berechnet.</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
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
        <translation>West</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Helligkeitsfilter</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Schwächster Stern</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Schwächste andere</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Deep-Sky</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Eigene Objekte</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>Zu nah an der Sonne</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Höhe außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Zielen &amp; Nachführen</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Mein Pointing-Modell teilen</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Meine Ausrichtung</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Standardausrichtung</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Pointing-Modell von einem anderen %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Pointing-Modell teilen</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>Pointing-Modell von einem anderen Gerät laden und lokale Daten überschreiben?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Polaruhr</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Polsucher-Beleuchtung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Nordhalbkugel</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Südhalbkugel</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Kein Gerät gefunden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Katalog-Download</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Zuletzt aktualisiert</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Quelle: IAU Minor Planet Center</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>Die Montierung antwortet nicht. Sie bewegt sich vielleicht noch.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>Der Halt hat die Montierung nicht erreicht: sie bewegt sich vielleicht noch. Er wird erneut gesendet, bis die Montierung antwortet.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Ruhezustandsdaten vorhanden. Zustand der Montierung wiederherstellen?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Alt-Az-Modus</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Äquatorialmodus</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Gefahr</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>Schauen Sie mit Ihrem Teleskop niemals direkt in die Sonne. Dies führt zu bleibenden Augenschäden. Verwenden Sie zur Sonnenbeobachtung einen geeigneten Sonnenfilter, der fest vor der Öffnung des Teleskops montiert ist. Decken Sie bei der Sonnenbeobachtung Ihr Sucherfernrohr mit einer Staubkappe ab oder entfernen Sie es, um sich vor versehentlicher Einstrahlung zu schützen. Verwenden Sie niemals einen Okular-Sonnenfilter und projizieren Sie mit Ihrem Teleskop niemals Sonnenlicht auf eine andere Fläche, denn der Hitzestau im Inneren beschädigt die optischen Elemente des Teleskops.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>Sonnenbeobachtung wirklich erlauben?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>Der Halt hat die Montierung nicht erreicht: sie bewegt sich vielleicht noch. Nach dem Beenden sendet niemand den Halt erneut.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Bleiben</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>Getrennt, bevor sich der Verschluss schloss: er ist vielleicht noch offen. Erneut verbinden, um ihn zu schließen.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>Das Schließen des Verschlusses hat die Montierung nicht erreicht: er ist vielleicht noch offen. Nach dem Beenden sendet niemand das Schließen erneut.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>PPEC-Training</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Unterstützt</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Nicht unterstützt</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Benötigte Trainingszeit</translation>
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
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel-WLAN</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Höhengrenze</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Umkehrspiel</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Sonnensystem</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Benannter Stern</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Doppelstern</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komet</translation>
    </message>
</context>
<context>
    <name>StartNotice</name>
    <message>
        <source>Waiting for the running program</source>
        <translation>Warten auf das laufende Programm</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>Das Programm, das bereits mit diesem Datenordner läuft, antwortet nicht und endet nicht. Es beenden und das Programm dann erneut starten.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>Das Programm läuft bereits mit diesem Datenordner und antwortet noch nicht. Ein Fenster öffnet sich, sobald es antwortet oder endet.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>Das Programm auf dem Computer %1 hält diesen Datenordner und endet nicht. Es dort beenden. Läuft es dort nicht mehr, die Datei %2 entfernen. Dann das Programm erneut starten.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>Das Programm läuft auf dem Computer %1 mit diesem Datenordner. Ein Fenster öffnet sich, sobald es dort endet.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>Dieser Datenordner wird unter dem Namen dieses Computers, %1, von einer anderen Installation gehalten: einer früheren dieses Computers oder einem anderen Computer mit demselben Namen. Läuft das Programm auf keinem anderen Computer, die Datei %2 entfernen. Dann das Programm erneut starten.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>Dieser Datenordner wird unter dem Namen dieses Computers, %1, von einer anderen Installation gehalten: einer früheren dieses Computers oder einem anderen Computer mit demselben Namen. Ein Fenster öffnet sich, sobald er frei ist.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Dieser Datenordner wird von einem Programm eines anderen Benutzers, %1, gehalten. Es beenden oder diesen Benutzer bitten, es zu beenden. Läuft es nicht mehr, die Datei %2 entfernen. Dann das Programm erneut starten.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Ein Programm eines anderen Benutzers, %1, läuft mit diesem Datenordner. Ein Fenster öffnet sich, sobald es endet.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>Um Augenschäden zu vermeiden, die Sonne nur mit einem zertifizierten Sonnenteleskop beobachten.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Deep-Sky</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Doppelstern</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Keine Nachführung</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Siderisch</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Zielen &amp; Nachführen</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>PPEC-Wiedergabe</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>Die Wiedergabe braucht bis zu %n Minute, um stabil zu werden</numerusform>
            <numerusform>Die Wiedergabe braucht bis zu %n Minuten, um stabil zu werden</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Die Montierung antwortet nicht.</translation>
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
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Nachführung</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Warnung: manueller EQ-Flip-Modus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Abstand unten</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrieren</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>Display anlassen</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>Himmelsobjekte</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>Irdische Objekte</translation>
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
        <translation>Objektname</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Aktuelles Objekt</translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dek</translation>
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
        <translation>Achse1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>Achse2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>Nichts gespeichert: Es wird keine Position angezeigt. Verbinden Sie die Montierung oder geben Sie eine ein.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>Nichts gespeichert: Die Position ist nur halb eingegeben. Es fehlt: %1</translation>
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
        <translation>Seite wird in externer App geöffnet...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Nachführung</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>Top heute Nacht</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Zielen &amp; GoTo</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identifizieren</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>PM teilen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>Die Hilfeseite kann nicht geöffnet werden: Hier öffnet kein Programm Webseiten.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>WLAN-Netzwerk</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Verbunden über %1-Netz</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Zugangspunkt</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Zugangspunkt ändern</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Zugangspunktmodus</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>AP-Standardwerte lesen</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
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
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Client ändern</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Client-Modus</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(Nicht verfügbar)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>Bei SSID und Passwort auf Groß-/Kleinschreibung achten</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>DHCP nutzen</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Feste IP</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Einstellungen lesen</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>Speichern der Einstellungen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Vorläufige WLAN-Einstellung gespeichert.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Bitte WLAN erneut mit dem %1-Netz verbinden.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Die Montierung antwortet nicht.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>Das WLAN-Modul hat die Herausgabe seiner Einstellungen verweigert.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negative Antwort</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Unerwartete Antwort</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinde …</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Verbindung nicht möglich</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Montierungsmodus nicht erkennbar</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Trenne …</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Suche läuft</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Suche beendet</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Serieller Port kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Ausrichtungsdaten und Standort geladen</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Parkposition</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Ruhezustandsdaten gelöscht</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Anderer Name</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Sternbild</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Bayer-Bezeichnung</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Abstand (Bogensek.)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Position (Grad)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Max. Helligkeit</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Min. Helligkeit</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Periode (Tage)</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Messier-Nummer</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Caldwell-Nummer</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>NGC-Nummer</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>IC-Nummer</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>Entfernung (AE)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Periheldistanz (AE)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Exzentrizität</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>2-Stern-Ausrichtung</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>3-Stern-Ausrichtung</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Hellster-Stern-Ausrichtung</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Nord-Waagerecht-Ausrichtung</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>1-Stern-Ausrichtung</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Polhöhe</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>DSO</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Sonnensystem</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Geräterichtung</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Höhe außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Zu nah an der Sonne</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>Pointing-Modell passt nicht zur Montierung</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Pointing-Modell geladen</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Aktuelles Objekt</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>1. Stern wählen</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>2. Stern wählen</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>3. Stern wählen</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Teleskop waagerecht stellen und nach Norden ausrichten.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel und Maz nicht gemessen. Bitte eine 2- oder 3-Stern-Ausrichtung durchführen.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Polausrichtungsstern wählen</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Fehler: Achskoordinaten nicht lesbar</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>%s der Montierung verstellen, bis der Stern mittig im Okular steht</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>Aktualisierung der Ausrichtungsdaten fehlgeschlagen</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Polausrichtung abgeschlossen</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Lokaler Längengrad</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Polarstern-Position </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Oktant-Position</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Höhe</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>Stdw./Dek</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>RA/Dek</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Polarstern</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>Uhrzeigerposition</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Stundenwinkel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
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
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>Greenwich-Zeit</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
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
        <translation>Neigung</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Motorplatine</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Grunddaten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>RA/Dek (aktuell)</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>RA/Dek (J2000)</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>Stdw./Dek (scheinbar)</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>Azimut/Höhe (scheinbar)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Sichtbarkeit</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Aufgang</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Kulmination</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Untergang</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Immer über dem Horizont</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Immer unter dem Horizont</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>Die Montierung wurde anderswohin geschickt: nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>Die Montierung wurde neu gestartet: Wohin sie zeigt, ist nicht mehr bekannt. Erneut verbinden, dann parken, zur Home-Position fahren oder ausrichten.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>Die Montierung hat die Nachführung nicht übernommen: sie ist aus.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>Die Montierung antwortet nicht und bewegt sich vielleicht noch. Der Halt wird erneut gesendet, bis sie antwortet.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>GoTo aufgegeben: die Montierung kommt seit %1 s nicht voran. Sie antwortet nicht, oder ihre Antworten sind verstümmelt.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>Die Montierung ist beim Verbinden neu gestartet. Bitte erneut verbinden.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>Die Verbindung endete, bevor der Halt die Montierung erreichte: sie bewegt sich vielleicht noch. Erneut verbinden, um sie anzuhalten.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Die Montierung antwortet nicht.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>Die Einrichtung einer gleichartigen Montierung wurde abgebrochen: Wohin diese zeigt, ist nicht bekannt. Parken, zur Home-Position fahren oder ausrichten.</translation>
    </message>
</context>
</TS>
