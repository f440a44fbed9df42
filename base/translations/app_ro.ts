<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Lunetă polară</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Aliniere polară</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Origine automată</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Control cameră</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Jurnal</translation>
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
        <translation>Encoder auxiliar</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>Viteză ghidare AR/Az</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Viteză ghidare Decl./Înălț.</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Mod întoarcere</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>Nu (o dată)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Forțat (o dată)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Observare Soare</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Compensare aliniere</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Compensare viteză (±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Rezoluție reglaj</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0,125x siderală</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0,25x siderală</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0,5x siderală</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0,75x siderală</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Siderală</translation>
    </message>
</context>
<context>
    <name>AlignCompensationPage</name>
    <message>
        <source>ID(arcmin)</source>
        <translation>ID (min. arc)</translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation>CH (min. arc)</translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation>NP (min. arc)</translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation>Mel (min. arc)</translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation>Maz (min. arc)</translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation>Înclinare (min. arc)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Începere aliniere</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>Avertisment</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>Înălțime în afara limitelor.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>Ultima stea, la %1, nu este potrivită pentru aliniere</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>Se așteaptă comanda de sincronizare...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Stele aliniate</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Nicio stea aliniată</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>Aliniere pe 1 stea</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Aliniere pe stea strălucitoare</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Aliniere nord-nivel</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Aliniere pe 2 stele</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Aliniere pe 3 stele</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Aliniere prin sincronizare</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Resetare aliniere</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montură</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>Sigur doriți să resetați alinierea?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>Limită superioară GoTo</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>Limită inferioară GoTo</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Filtru catalog</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Activați filtrul de catalog pentru a elimina din catalog obiectele aflate sub limita inferioară GoTo.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Decalaj Decl. (grade)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Căutare origine în curs ...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Originea automată nu este acceptată</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Oprire</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pornire</translation>
    </message>
</context>
<context>
    <name>BacklashPage</name>
    <message>
        <source>Azimuth/R.A.</source>
        <translation>Azimut/AR</translation>
    </message>
    <message>
        <source>Altitude/Dec</source>
        <translation>Înălțime/Decl.</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>Căutare</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>Temporizator</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Bulb</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Oprire</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pornire</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>Grupuri de expunere</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Declanșare Bulb</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Montura nu răspunde.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>Obturatorul poate fi încă deschis.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>Montura nu a acceptat comanda obturatorului.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>Expunerile s-au oprit.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Adăugare</translation>
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
        <translation>Centrare manuală</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Conexiune</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>Montură mod AZ/EQ</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Întreabă</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>Mod EQ</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>Mod AZ</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>Conectare la pornire</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rețea</translation>
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
        <translation>Serială</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Căutare dispozitive</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fix</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Port serial</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Retransmiteri</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Timp limită citire (ms)</translation>
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
        <translation>Obiect de cer profund cu nume</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Deplasare</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Mai mult ...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Test puncte traiectorie</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>Urmărire AZ</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Grup de expunere</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activat</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotografii</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Expunere (s)</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>Pauză foto (s)</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>Date de hibernare salvate</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Fără date de hibernare</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>În poziția curentă</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>În poziția de origine</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>Hibernarea salvează starea monturii în aplicație înainte de a opri montura.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Opțional, puteți muta montura în poziția de origine înainte de hibernare.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montură</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Datele de hibernare au fost salvate. Acum puteți opri montura. Dacă în schimb mișcați montura, datele de hibernare vor fi șterse.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Orientare telescop</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Orientare dispozitiv</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonate</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Înălțime</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>AR/Decl.</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Obiecte din apropiere</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Următorul</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Fără senzor de locație</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Fără permisiune</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Fără semnal</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
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
        <translation>Locație</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Utilizare senzor locație</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Locație actualizată</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Introduceți locația</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>Senzorul de locație nu a furnizat o poziție. Introduceți latitudinea și longitudinea pe pagina „Locație” din „Setări”: până atunci, pozițiile sunt calculate pentru locația afișată acolo.</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
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
        <translation>Vest</translation>
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
        <translation>Copiere în clipboard</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Golire</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Filtru magnitudine</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Cea mai slabă stea</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Cel mai slab alt obiect</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Aliniere</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stea</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Cer profund</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Utilitare</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Obiecte proprii</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>Prea aproape de Soare</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Înălțime în afara limitelor</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Deplasare</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Deplasare și urmărire</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Partajare model de poziționare</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Alinierea mea</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Aliniere implicită</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Model de poziționare de la alt %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Încărcare</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Partajare model de poziționare</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>Încărcați modelul de poziționare de pe alt dispozitiv și suprascrieți datele locale?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Ceas polar</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Iluminare lunetă polară</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Emisfera nordică</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Emisfera sudică</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Niciun dispozitiv găsit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stea</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altele</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Sortare după</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitudine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtru</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Înălțime</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Descărcare catalog</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Ultima actualizare</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizare</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Sursa: IAU Minor Planet Center</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Descărcare eșuată</translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation>Deplasare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>Montura nu răspunde. Poate încă se mișcă.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Se oprește…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>Oprirea nu a ajuns la montură: poate încă se mișcă. Este trimisă din nou până când montura răspunde.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închidere</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Există date de hibernare. Restaurați starea monturii?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Ștergere date</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurare</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Mod Alt-Az</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Mod ecuatorial</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Pericol</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>Nu priviți niciodată Soarele direct prin telescop. Veți suferi leziuni oculare permanente. Pentru observarea Soarelui folosiți un filtru solar adecvat, montat ferm pe partea din față a telescopului. Când observați Soarele, puneți capacul de protecție pe luneta de căutare sau demontați-o, ca să vă protejați de o expunere accidentală. Nu folosiți niciodată un filtru solar de tip ocular și nu folosiți niciodată telescopul pentru a proiecta lumina Soarelui pe o altă suprafață: căldura acumulată în interior va deteriora elementele optice ale telescopului.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>Confirmați permiterea observării Soarelui?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>Oprirea nu a ajuns la montură: poate încă se mișcă. După ieșire, nimic nu o mai trimite din nou.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Rămâi</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Ieși oricum</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>Deconectat înainte ca obturatorul să se închidă: poate fi încă deschis. Conectați-vă din nou pentru a-l închide.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>Închiderea obturatorului nu a ajuns la montură: obturatorul poate fi încă deschis. După ieșire, nimic nu o mai trimite din nou.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>Învățare PPEC</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Acceptat</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Neacceptat</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Timp de învățare necesar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Oprire</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pornire</translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editare</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>Interfață</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>Conexiune</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel Wi-Fi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locație</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Limită înălțime</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Joc mecanic</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Sistem solar</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Stea cu nume</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Stea dublă</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Cometă</translation>
    </message>
</context>
<context>
    <name>StartNotice</name>
    <message>
        <source>Waiting for the running program</source>
        <translation>Se așteaptă programul care rulează</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>Programul care rulează deja cu acest dosar de date nu răspunde și nu se încheie. Închideți-l, apoi porniți din nou programul.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>Programul rulează deja cu acest dosar de date și încă nu răspunde. O fereastră se va deschide imediat ce răspunde sau se încheie.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închidere</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>Programul de pe calculatorul %1 ține ocupat acest dosar de date și nu se încheie. Închideți-l acolo. Dacă nu mai rulează acolo, ștergeți fișierul %2. Apoi porniți din nou programul.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>Programul rulează pe calculatorul %1 cu acest dosar de date. O fereastră se va deschide imediat ce se încheie acolo.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>O altă instalare ține ocupat acest dosar de date sub numele acestui calculator, %1: o instalare anterioară a acestui calculator sau un alt calculator cu același nume. Dacă programul nu rulează pe niciun alt calculator, ștergeți fișierul %2. Apoi porniți din nou programul.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>O altă instalare ține ocupat acest dosar de date sub numele acestui calculator, %1: o instalare anterioară a acestui calculator sau un alt calculator cu același nume. O fereastră se va deschide imediat ce dosarul este liber.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Un program al altui utilizator, %1, ține ocupat acest dosar de date. Închideți-l sau rugați acel utilizator să-l închidă. Dacă nu mai rulează, ștergeți fișierul %2. Apoi porniți din nou programul.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Un program al altui utilizator, %1, rulează cu acest dosar de date. O fereastră se va deschide imediat ce se încheie.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>Pentru a evita rănirea ochilor, priviți Soarele numai printr-un telescop solar certificat.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Cer profund</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planetă</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Stea dublă</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Fără urmărire</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Siderală</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunară</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Solară</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Deplasare și urmărire</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>Redare PPEC</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>Redarea necesită până la %n minut pentru a se stabiliza</numerusform>
            <numerusform>Redarea necesită până la %n minute pentru a se stabiliza</numerusform>
            <numerusform>Redarea necesită până la %n de minute pentru a se stabiliza</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Montura nu răspunde.</translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation>Deplasare</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Așteptare</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Urmărire</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Atenție: mod manual de întoarcere EQ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închidere</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Așteptați</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Mod nocturn</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Pornit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Spațiere subsol</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrație</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>Ecran mereu pornit</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>Obiecte cerești</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>Obiecte terestre</translation>
    </message>
</context>
<context>
    <name>UserObjectsPage</name>
    <message>
        <source>Go To</source>
        <translation>Deplasare</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>Nume obiect</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Obiect curent</translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation>AR</translation>
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
        <translation>Axa 1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>Axa 2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Obiecte</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>Nu s-a salvat nimic: nu este afișată nicio poziție. Conectați montura sau introduceți una.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>Nu s-a salvat nimic: poziția este introdusă doar pe jumătate. Lipsește: %1</translation>
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
        <translation>Încărcare</translation>
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
        <translation>Se deschide pagina într-o aplicație externă...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informații</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Urmărire</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>Top diseară</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Țintire și deplasare</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identificare</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernare</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>Partajare model</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>Pagina de ajutor nu poate fi deschisă: aici niciun program nu deschide pagini web.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Rețea Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activat</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Dezactivat</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Conectat prin rețeaua %1</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Punct de acces</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Modificare punct de acces</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Mod punct de acces</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>Citire setări AP implicite</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Securitate</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschisă</translation>
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
        <translation>Parolă</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Modificare client</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Mod client</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(Indisponibil)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID-ul și parola disting literele mari de cele mici</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Utilizare DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fix</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Citire setări</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Setări scrise</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>Scrierea setărilor a eșuat</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Setarea Wi-Fi intermediară a fost scrisă.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Reconectați Wi-Fi-ul la rețeaua %1.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Următorul</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Montura nu răspunde.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>Modulul Wi-Fi a refuzat să își dea setările.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Reușit</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Răspuns negativ</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Eroare de comunicare</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operațiune anulată</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Răspuns neașteptat</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Se conectează...</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Conectarea nu este posibilă</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Modul monturii nu poate fi detectat</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Se deconectează...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Se caută...</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Căutare finalizată</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Conectare eșuată</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Portul serial nu poate fi deschis</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Datele de aliniere și locația au fost încărcate</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Poziție de parcare</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Date de hibernare șterse</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectare</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Alt nume</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constelație</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Denumire Bayer</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Separare (sec. arc)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Unghi de poziție (grade)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Magnitudine maximă</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Magnitudine minimă</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Perioadă (zile)</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Număr Messier</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Număr Caldwell</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>Număr NGC</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>Număr IC</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>Distanță (UA)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Distanță la periheliu (UA)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricitate</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Aliniere pe 2 stele</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Aliniere pe 3 stele</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Aliniere pe stea strălucitoare</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Aliniere nord-nivel</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>Aliniere pe 1 stea</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stea</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>Cer profund</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Sistem solar</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Orientare dispozitiv</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Înălțime în afara limitelor</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Prea aproape de Soare</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitudine</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>Modelul de poziționare nu corespunde monturii</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Model de poziționare încărcat</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Obiect curent</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>Alegeți prima stea</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>Alegeți a doua stea</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>Alegeți a treia stea</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Nivelați telescopul și îndreptați-l spre nord.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calitate</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel și Maz nu sunt măsurate. Efectuați o aliniere pe 2 sau 3 stele.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Alegeți steaua de aliniere polară</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Eroare: coordonatele axelor nu pot fi citite</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>%s: reglați montura pentru a aduce steaua în centrul ocularului</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>Actualizarea datelor de aliniere a eșuat</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Aliniere polară finalizată</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Longitudine locală</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ora locală</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Poziția Stelei Polare </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Poziția Octantului</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonate</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Înălțime</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>Unghi orar/Decl.</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>AR/Decl.</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Steaua Polară</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>Poziție pe cadran</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Unghi orar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Timp</translation>
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
        <translation>Ora locală</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>Ora Greenwich</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Aliniere</translation>
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
        <translation>Înclinare</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplicație</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Placă motoare</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Informații de bază</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>AR/Decl. (acum)</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>AR/Decl. (J2000)</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>Unghi orar/Decl. (aparente)</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>Azimut/Înălțime (aparente)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Vizibilitate</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Răsărit</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Culminație</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Apus</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Mereu deasupra orizontului</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Mereu sub orizont</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>Montura a fost trimisă în altă parte: nu s-a înregistrat nimic</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>Montura a repornit: nu se mai știe încotro este îndreptată. Conectați-vă din nou, apoi parcați-o, aduceți-o în poziția de origine sau faceți alinierea.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>Montura nu a preluat urmărirea: este oprită.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>Montura nu răspunde și poate încă se mișcă. Oprirea este trimisă din nou până când răspunde.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>Deplasare abandonată: montura nu a avansat de %1 s. Nu răspunde sau răspunsurile ei sunt alterate.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>Montura a repornit în timpul conectării. Conectați-vă din nou.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>Conexiunea s-a încheiat înainte ca oprirea să ajungă la montură: poate încă se mișcă. Conectați-vă din nou pentru a o opri.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Montura nu răspunde.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>Pregătirea unei monturi ca aceasta a fost întreruptă: nu se știe încotro este îndreptată. Parcați-o, aduceți-o în poziția de origine sau faceți alinierea.</translation>
    </message>
</context>
</TS>
