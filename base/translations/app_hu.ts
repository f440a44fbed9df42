<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Pólustávcső</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Pólusra állás</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Auto alaphelyzet</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Kameravezérlés</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Napló</translation>
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
        <translation>Segédenkóder</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>Vezetési seb. RA/Az</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Vezetési seb. Dekl./Mag.</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Átfordulási mód</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatikus</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>Nem (egyszer)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Kényszer (egyszer)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Napmegfigyelés</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Igazítási korrekció</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Sebességkorrekció (±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Hangolási felbontás</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0,125x sziderikus</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0,25x sziderikus</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0,5x sziderikus</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0,75x sziderikus</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Sziderikus</translation>
    </message>
</context>
<context>
    <name>AlignCompensationPage</name>
    <message>
        <source>ID(arcmin)</source>
        <translation>ID (ívperc)</translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation>CH (ívperc)</translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation>NP (ívperc)</translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation>Mel (ívperc)</translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation>Maz (ívperc)</translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation>Dőlés (ívperc)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Igazítás indítása</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>Figyelem</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>A magasság a határokon kívül esik.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>Az utolsó csillag (%1) nem alkalmas igazításra</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>Várakozás szinkronizálási parancsra...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Igazított csillagok</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Nincs igazított csillag</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>1 csillagos igazítás</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Legfényesebb csillagos igazítás</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Észak-vízszintes igazítás</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>2 csillagos igazítás</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>3 csillagos igazítás</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Igazítás szinkronnal</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Igazítás törlése</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Mechanika</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>Biztosan törli az igazítást?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>Felső ráállási határ</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>Alsó ráállási határ</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Katalógusszűrő</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Kapcsolja be a katalógusszűrőt, hogy az alsó ráállási határ alatti objektumok ne jelenjenek meg a katalógusban.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Dekl. eltolás (fok)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Alaphelyzet keresése ...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Az auto alaphelyzet nem támogatott</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Indítás</translation>
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
        <translation>Magasság/Dekl.</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>Időzítő</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Bulb</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>Expozíciós csoportok</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Bulb exponálás</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>A mechanika nem válaszol.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>Lehet, hogy a zár még nyitva van.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>A mechanika nem fogadta el a zár parancsát.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>Az expozíciók leálltak.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>s</source>
        <translation>mp</translation>
    </message>
</context>
<context>
    <name>CenteringPage</name>
    <message>
        <source>Manually Center</source>
        <translation>Kézi középre állítás</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>AZ/EQ mechanika</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Rákérdezés</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>EQ mód</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>AZ mód</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>Csatlakozás indításkor</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>BLE</source>
        <translation>BLE</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Emulátor</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Soros</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Eszközkeresés</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Fix IP</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Soros port</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Újraküldések</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Olvasási időkorlát (ms)</translation>
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
        <translation>Elnevezett mélyég-objektum</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Ráállás</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Több ...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Pályapontok tesztelése</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>AZ követés</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Expozíciós csoport</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Engedélyezve</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotók</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Expozíció (mp)</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>Fotószünet (mp)</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>Hibernálási adatok mentve</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Nincs hibernálási adat</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>Jelenlegi helyzetben</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>Alaphelyzetben</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>A hibernálás kikapcsolás előtt elmenti a mechanika állapotát az alkalmazásba.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Hibernálás előtt a mechanikát alaphelyzetbe is állíthatja.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Mechanika</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Hibernálási adatok mentve. Most kikapcsolhatja a mechanikát. Ha ehelyett elmozdítja, a hibernálási adatok törlődnek.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Távcső iránya</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Eszköz iránya</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordináták</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Magasság</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>RA/Dekl.</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Közeli objektumok</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Nincs helyérzékelő</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Nincs engedély</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Nincs jel</translation>
    </message>
    <message>
        <source>N</source>
        <translation>É</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
    </message>
    <message>
        <source>E</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Helyszín</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Helyérzékelő használata</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Szélesség</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Hosszúság</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Helyszín frissítve</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Adja meg a helyszínt</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>A helymeghatározó érzékelő nem adott pozíciót. Adja meg a szélességet és a hosszúságot a „Beállítások” „Helyszín” oldalán: addig a pozíciók az ott látható helyszínre számítódnak.</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>Szélesség</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Hosszúság</translation>
    </message>
</context>
<context>
    <name>Location_SignInput</name>
    <message>
        <source>North</source>
        <translation>Észak</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Nyugat</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Dél</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Kelet</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Másolás vágólapra</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ürítés</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Fényességszűrő</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Leghalványabb csillag</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Leghalványabb egyéb</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Igazítás</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Csillag</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Mélyég</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Eszközök</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Saját objektumok</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>Túl közel a Naphoz</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Magasság a határokon kívül</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Ráállás</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Ráállás és követés</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Irányzási modellem megosztása</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Saját igazítás</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Alapértelmezett igazítás</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Másik %1 irányzási modellje</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Betöltés</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Irányzási modell megosztása</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>Betölti a másik eszköz irányzási modelljét, és felülírja a helyi adatokat?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Pólusóra</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Pólustávcső-megvilágítás</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Északi félteke</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Déli félteke</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Nem található eszköz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Csillag</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Egyéb</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Rendezés</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Fényesség</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Szűrő</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Magasság</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Katalógus letöltése</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Utolsó frissítés</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Forrás: IAU Minor Planet Center</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Sikertelen letöltés</translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation>Ráállás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>A mechanika nem válaszol. Lehet, hogy még mozog.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Leállítás…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>A leállítás nem jutott el a mechanikáig: lehet, hogy még mozog. Újra elküldjük, amíg a mechanika nem válaszol.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Hibernálási adatok találhatók. Visszaállítja a mechanika állapotát?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Adatok törlése</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Visszaállítás</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Alt-Az mód</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Ekvatoriális mód</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Veszély</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>Soha ne nézzen távcsővel közvetlenül a Napba! Maradandó szemkárosodást okoz. A Nap megfigyeléséhez használjon megfelelő, a távcső elejére szilárdan rögzített napszűrőt. Napmegfigyeléskor tegyen porvédő sapkát a keresőtávcsőre, vagy vegye le, hogy megvédje magát a véletlen rátekintéstől. Soha ne használjon okulárra szerelhető napszűrőt, és soha ne vetítse a napfényt a távcsővel más felületre, mert a belső hőfelhalmozódás károsítja a távcső optikai elemeit.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>Engedélyezi a Nap megfigyelését?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Megerősítés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>A leállítás nem jutott el a mechanikáig: lehet, hogy még mozog. Kilépés után senki sem küldi el újra.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Maradok</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Kilépés mégis</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>A kapcsolat a zár zárása előtt megszakadt: lehet, hogy még nyitva van. Csatlakozzon újra a zárásához.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>A zár zárása nem jutott el a mechanikáig: lehet, hogy a zár még nyitva van. Kilépés után senki sem küldi el újra.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>PPEC tanítás</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Támogatott</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Nem támogatott</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Szükséges tanítási idő</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Indítás</translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>Kezelőfelület</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel Wi-Fi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Helyszín</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Magassági határ</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Holtjáték</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Haladó</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Naprendszer</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Elnevezett csillag</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Kettőscsillag</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Üstökös</translation>
    </message>
</context>
<context>
    <name>StartNotice</name>
    <message>
        <source>Waiting for the running program</source>
        <translation>Várakozás a futó programra</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>Az ezzel az adatmappával már futó program nem válaszol, és nem is lép ki. Zárja be, majd indítsa újra a programot.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>A program már fut ezzel az adatmappával, de még nem válaszol. Amint válaszol vagy kilép, megnyílik egy ablak.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>A(z) %1 számítógépen futó program foglalja ezt az adatmappát, és nem lép ki. Zárja be ott. Ha ott már nem fut, törölje a(z) %2 fájlt. Ezután indítsa újra a programot.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>A program a(z) %1 számítógépen fut ezzel az adatmappával. Amint ott kilép, megnyílik egy ablak.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>Ezt az adatmappát egy másik telepítés foglalja e számítógép nevén (%1): e számítógép egy korábbi telepítése vagy egy azonos nevű másik számítógép. Ha a program egyetlen más számítógépen sem fut, törölje a(z) %2 fájlt. Ezután indítsa újra a programot.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>Ezt az adatmappát egy másik telepítés foglalja e számítógép nevén (%1): e számítógép egy korábbi telepítése vagy egy azonos nevű másik számítógép. Amint a mappa felszabadul, megnyílik egy ablak.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Ezt az adatmappát egy másik felhasználó (%1) programja foglalja. Zárja be, vagy kérje meg az adott felhasználót, hogy zárja be. Ha már nem fut, törölje a(z) %2 fájlt. Ezután indítsa újra a programot.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Egy másik felhasználó (%1) programja fut ezzel az adatmappával. Amint kilép, megnyílik egy ablak.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>A szemsérülés elkerülése érdekében a Napot csak tanúsított naptávcsővel nézze.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Mélyég</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Bolygó</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Kettőscsillag</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Nincs követés</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Sziderikus</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Nap</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Ráállás és követés</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>PPEC lejátszás</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>A lejátszás legfeljebb %n perc alatt stabilizálódik</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>A mechanika nem válaszol.</translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation>Ráállás</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozás</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Követés</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Figyelem: kézi EQ átfordulási mód</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Kérjük, várjon</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Éjszakai mód</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatikus</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Alsó margó</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Rezgés</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>Képernyő ébren tartása</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>Égi objektumok</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>Földi objektumok</translation>
    </message>
</context>
<context>
    <name>UserObjectsPage</name>
    <message>
        <source>Go To</source>
        <translation>Ráállás</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>Objektum neve</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Aktuális objektum</translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dekl.</translation>
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
        <translation>1. tengely</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>2. tengely</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objektumok</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>Nincs mentés: nem látható pozíció. Csatlakoztassa a mechanikát, vagy írjon be egyet.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>Nincs mentés: a pozíció csak félig van beírva. Hiányzik: %1</translation>
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
        <translation>Betöltés</translation>
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
        <translation>Oldal megnyitása külső alkalmazásban...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Információ</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Követés</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>Ma esti ajánló</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Célzás és ráállás</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Azonosítás</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernálás</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>Modellmegosztás</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Haladó</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>A súgóoldal nem nyitható meg: itt egy program sem nyit meg weboldalakat.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fi hálózat</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Engedélyezve</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Letiltva</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Csatlakozva, mód: %1</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Kliens</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Hozzáférési pont</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Hozzáférési pont módosítása</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Hozzáférési pont mód</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>AP-alapbeállítások beolvasása</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Biztonság</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Nyílt</translation>
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
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Csatorna</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Kliens módosítása</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Kliens mód</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(Nem elérhető)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>Az SSID és a jelszó is kis- és nagybetű-érzékeny</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>DHCP használata</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Fix IP</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Beállítások beolvasása</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Beállítások kiírva</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>A beállítások kiírása sikertelen</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Átmeneti Wi-Fi-beállítás kiírva.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Csatlakozzon újra a Wi-Fi-hez (%1 hálózat).</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>A mechanika nem válaszol.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>A Wi-Fi modul megtagadta a beállításai kiadását.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Sikeres</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negatív válasz</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikációs hiba</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Művelet megszakítva</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Váratlan válasz</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Csatlakozás...</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Nem sikerült csatlakozni</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Nem ismerhető fel a mechanika üzemmódja</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Kapcsolat bontása</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Keresés...</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Keresés befejezve</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Csatlakozási hiba</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>A soros port nem nyitható meg</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Igazítási adatok és helyszín betöltve</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Parkolási pozíció</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Hibernálási adatok törölve</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bontás</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Csatlakozva</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Más név</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Csillagkép</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Bayer-jelölés</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Szögtávolság (ívmp)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Pozíciószög (fok)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Legnagyobb fényesség</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Legkisebb fényesség</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Periódus (nap)</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Messier-szám</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Caldwell-szám</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>NGC-szám</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>IC-szám</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>Távolság (CSE)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Napközeli távolság (CSE)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricitás</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>2 csillagos igazítás</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>3 csillagos igazítás</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Legfényesebb csillagos igazítás</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Észak-vízszintes igazítás</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>1 csillagos igazítás</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Szélesség</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Csillag</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>Mélyég</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Naprendszer</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Eszköz iránya</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Magasság a határokon kívül</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Túl közel a Naphoz</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Fényesség</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>Az irányzási modell nem illik a mechanikához</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Irányzási modell betöltve</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Aktuális objektum</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>Válassza ki az 1. csillagot</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>Válassza ki a 2. csillagot</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>Válassza ki a 3. csillagot</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Állítsa vízszintbe a távcsövet, és fordítsa észak felé.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Minőség</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Nincs mért Mel és Maz. Végezzen 2 vagy 3 csillagos igazítást.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Válasszon csillagot a pólusra álláshoz</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Hiba: a tengelykoordináták nem olvashatók</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>%s: állítsa a mechanikát úgy, hogy a csillag az okulár közepére kerüljön</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>Az igazítási adatok frissítése sikertelen</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Pólusra állás befejezve</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Helyi hosszúság</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Helyi idő</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Sarkcsillag helyzete </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Oktáns helyzete</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordináták</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Magasság</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>Óraszög/Dekl.</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>RA/Dekl.</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Tengelyek</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Sarkcsillag</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>Óraállás</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Óraszög</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Idő</translation>
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
        <translation>Helyi idő</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>Greenwichi idő</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Igazítás</translation>
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
        <translation>Dőlés</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Alkalmazás</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Motorvezérlő</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Alapadatok</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>RA/Dekl. (aktuális)</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>RA/Dekl. (J2000)</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>Óraszög/Dekl. (látszó)</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>Azimut/Magasság (látszó)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Láthatóság</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Kelés</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Delelés</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Nyugvás</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Mindig a horizont felett</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Mindig a horizont alatt</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>A mechanikát máshová küldték: semmi sem lett rögzítve</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>A mechanika újraindult: már nem tudható, hová mutat. Csatlakozzon újra, majd parkolja, állítsa alaphelyzetbe vagy végezzen igazítást.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>A mechanika nem vette át a követést: ki van kapcsolva.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>A mechanika nem válaszol, és lehet, hogy még mozog. A leállítást újra elküldjük, amíg nem válaszol.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>Ráállás feladva: a mechanika %1 s óta nem halad. Nem válaszol, vagy a válaszai sérültek.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>A mechanika csatlakozás közben újraindult. Csatlakozzon újra.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>A kapcsolat megszakadt, mielőtt a leállítás eljutott volna a mechanikáig: lehet, hogy még mozog. Csatlakozzon újra a leállításhoz.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>A mechanika nem válaszol.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>Egy ilyen mechanika beállítása megszakadt: nem tudható, hová mutat. Parkolja, állítsa alaphelyzetbe vagy végezzen igazítást.</translation>
    </message>
</context>
</TS>
