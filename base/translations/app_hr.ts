<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Polarno tražilo</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Polarno poravnanje</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Traženje početnog položaja</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Upravljanje kamerom</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Zapisnik</translation>
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
        <translation>Pomoćni enkoder</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>Brzina vođenja RA/Az</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Brzina vođenja Dek/Vis</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Način prebacivanja</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatski</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>Ne (jednom)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Prisilno (jednom)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Promatranje Sunca</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Kompenzacija poravnanja</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Kompenzacija brzine(±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Korak podešavanja</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0,125× zvjezdane</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0,25× zvjezdane</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0,5× zvjezdane</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0,75× zvjezdane</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Zvjezdana</translation>
    </message>
</context>
<context>
    <name>AlignCompensationPage</name>
    <message>
        <source>ID(arcmin)</source>
        <translation>ID(lučne min)</translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation>CH(lučne min)</translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation>NP(lučne min)</translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation>Mel(lučne min)</translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation>Maz(lučne min)</translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation>Nagib(lučne min)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Započni poravnanje</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>Visina izvan granica.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>Zadnja zvijezda na %1 nije prikladna za poravnanje</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>Čekanje naredbe za sinkronizaciju...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Zvijezde poravnanja</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Nema zvijezda poravnanja</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>Poravnanje s 1 zvijezdom</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Poravnanje s najsjajnijom zvijezdom</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Poravnanje sjever-vodoravno</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Poravnanje s 2 zvijezde</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Poravnanje s 3 zvijezde</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Poravnanje sinkronizacijom</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Poništi poravnanje</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montaža</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>Jeste li sigurni da želite poništiti poravnanje?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>Gornja granica usmjeravanja</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>Donja granica usmjeravanja</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Filtar kataloga</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Uključite filtar kataloga kako biste iz kataloga uklonili objekte ispod donje granice usmjeravanja.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Pomak Dek (°)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Traženje početnog položaja u tijeku...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Traženje početnog položaja nije podržano</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pokreni</translation>
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
        <translation>Visina/Dek</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>Traži</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>Tajmer</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Bulb</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pokreni</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>Grupe ekspozicija</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Zatvarač (Bulb)</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Montaža ne odgovara.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>Zatvarač je možda još otvoren.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>Montaža nije prihvatila naredbu zatvarača.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>Ekspozicije su zaustavljene.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
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
        <translation>Ručno centriraj</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Postavke povezivanja</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>Montaža AZ/EQ</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Pitaj</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>Način EQ</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>Način AZ</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>Poveži pri pokretanju</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Mreža</translation>
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
        <translation>Serijski</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Traži uređaje</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Statički IP</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Serijski port</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Ponovna slanja</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Istek čitanja (ms)</translation>
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
        <translation>Imenovani objekti</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Usmjeri</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Više...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Test točaka putanje</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>Praćenje AZ</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Grupa ekspozicija</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Uključeno</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Snimke</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Ekspozicija (s)</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>Pauza između snimki (s)</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>Podaci hibernacije spremljeni</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Nema podataka hibernacije</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>Na trenutnom položaju</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>Na početnom položaju</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>Hibernacija sprema stanje montaže u aplikaciju prije nego što isključite montažu.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Prije hibernacije možete po želji pomaknuti montažu u početni položaj.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montaža</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Podaci hibernacije spremljeni. Sada možete isključiti montažu. Ako umjesto toga pomaknete montažu, podaci hibernacije bit će uklonjeni.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Orijentacija teleskopa</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Orijentacija uređaja</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinate</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/visina</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>RA/Dek</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Obližnji objekti</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Dalje</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Nema senzora lokacije</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Nema dopuštenja</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Nema signala</translation>
    </message>
    <message>
        <source>N</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>S</source>
        <translation>J</translation>
    </message>
    <message>
        <source>E</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokacija</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Koristi senzor lokacije</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Širina</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Dužina</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Lokacija ažurirana</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Unesite svoju lokaciju</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>Senzor lokacije nije dao položaj. Unesite širinu i dužinu na stranici „Lokacija” u „Postavkama”: do tada se položaji računaju za lokaciju koja je ondje prikazana.</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>Širina</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Dužina</translation>
    </message>
</context>
<context>
    <name>Location_SignInput</name>
    <message>
        <source>North</source>
        <translation>Sjever</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Zapad</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Jug</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Istok</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopiraj u međuspremnik</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Očisti</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Filtar magnitude</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Granica za zvijezde</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Granica za ostalo</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Poravnanje</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Zvijezde</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Duboko nebo</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Alati</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Moji objekti</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>Preblizu Suncu</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Visina izvan granica</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Usmjeri</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Usmjeri i prati</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Dijeli moj model usmjeravanja</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Moje poravnanje</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Zadano poravnanje</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Model usmjeravanja s drugog uređaja %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Učitaj</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Dijeljenje modela usmjeravanja</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>Učitati model usmjeravanja s drugog uređaja i prebrisati lokalne podatke?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Polarni sat</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Osvjetljenje polarnog tražila</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isklj.</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Sjeverna polutka</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Južna polutka</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Nije pronađen uređaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>Isklj.</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Zvijezde</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Ostalo</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Poredaj po</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnituda</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naziv</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtar</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Visina</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Preuzimanje kataloga</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Zadnje ažuriranje</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ažuriraj</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Izvor: Centar za male planete (IAU)</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Preuzimanje nije uspjelo</translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation>Usmjeri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>Montaža ne odgovara. Možda se još kreće.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Zaustavljanje…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>Naredba za zaustavljanje nije stigla do montaže: možda se još kreće. Šalje se ponovno dok montaža ne odgovori.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Postoje podaci hibernacije. Vratiti stanje u montažu?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Obriši podatke</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Vrati</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Azimutalni način</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Ekvatorijalni način</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Opasnost</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>Nikada ne gledajte teleskopom izravno u Sunce. To će trajno oštetiti oči. Za promatranje Sunca koristite odgovarajući solarni filtar čvrsto pričvršćen na prednji kraj teleskopa. Pri promatranju Sunca stavite poklopac na tražilo ili ga skinite kako biste se zaštitili od slučajnog izlaganja. Nikada ne koristite solarni filtar koji se stavlja na okular i nikada teleskopom ne projicirajte sunčevu svjetlost na drugu površinu jer će nakupljena toplina unutar teleskopa oštetiti njegove optičke elemente.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>Dopustiti promatranje Sunca?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrdi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>Naredba za zaustavljanje nije stigla do montaže: možda se još kreće. Nakon izlaska nitko je više neće poslati.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Ostani</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Ipak izađi</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>Veza je prekinuta prije zatvaranja zatvarača: možda je još otvoren. Ponovno se povežite da biste ga zatvorili.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>Naredba za zatvaranje zatvarača nije stigla do montaže: zatvarač je možda još otvoren. Nakon izlaska nitko je više neće poslati.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>Učenje PPEC-a</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Podržano</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Nije podržano</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Potrebno vrijeme učenja</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pokreni</translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Uredi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotovo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>Sučelje</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>Povezivanje</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel Wi-Fi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokacija</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Granica visine</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Mrtvi hod</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Sunčev sustav</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Imenovane zvijezde</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Dvostruke zvijezde</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Kometi</translation>
    </message>
</context>
<context>
    <name>StartNotice</name>
    <message>
        <source>Waiting for the running program</source>
        <translation>Čekanje na pokrenuti program</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>Program koji već radi s ovom mapom podataka ne odgovara i ne završava. Zatvorite ga, a zatim ponovno pokrenite program.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>Program već radi s ovom mapom podataka i još ne odgovara. Prozor će se otvoriti čim odgovori ili završi.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>Program na računalu %1 drži ovu mapu podataka i ne završava. Zatvorite ga ondje. Ako ondje više ne radi, uklonite datoteku %2. Zatim ponovno pokrenite program.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>Program radi na računalu %1 s ovom mapom podataka. Prozor će se otvoriti čim ondje završi.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>Ovu mapu podataka drži druga instalacija pod imenom ovog računala, %1: ranija instalacija ovog računala ili drugo računalo istog imena. Ako program ne radi ni na jednom drugom računalu, uklonite datoteku %2. Zatim ponovno pokrenite program.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>Ovu mapu podataka drži druga instalacija pod imenom ovog računala, %1: ranija instalacija ovog računala ili drugo računalo istog imena. Prozor će se otvoriti čim mapa bude slobodna.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Ovu mapu podataka drži program drugog korisnika, %1. Zatvorite ga ili zamolite tog korisnika da ga zatvori. Ako više ne radi, uklonite datoteku %2. Zatim ponovno pokrenite program.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Program drugog korisnika, %1, radi s ovom mapom podataka. Prozor će se otvoriti čim završi.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>Kako biste izbjegli ozljedu očiju, Sunce promatrajte samo kroz certificirani solarni teleskop.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Duboko nebo</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeti</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Dvostruke zvijezde</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Bez praćenja</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Zvjezdana</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Mjesečeva</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Sunčeva</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Usmjeri i prati</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>Reprodukcija PPEC-a</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>Reprodukciji treba do %n minute da se stabilizira</numerusform>
            <numerusform>Reprodukciji treba do %n minute da se stabilizira</numerusform>
            <numerusform>Reprodukciji treba do %n minuta da se stabilizira</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Montaža ne odgovara.</translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation>Usmjeravanje</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čekanje</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Praćenje</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Upozorenje: ručni EQ način prebacivanja</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Pričekajte</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Noćni način</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isklj.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Uklj.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatski</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Donji razmak</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibracija</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>Ne gasi zaslon</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>Nebeski objekti</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>Zemaljski objekti</translation>
    </message>
</context>
<context>
    <name>UserObjectsPage</name>
    <message>
        <source>Go To</source>
        <translation>Usmjeri</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>Naziv objekta</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Trenutni objekt</translation>
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
        <translation>Os 1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>Os 2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekti</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>Ništa nije spremljeno: nije prikazan nijedan položaj. Povežite montažu ili ga upišite.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>Ništa nije spremljeno: položaj je upisan samo napola. Nedostaje: %1</translation>
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
        <translation>Učitaj</translation>
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
        <translation>Otvaranje stranice u vanjskoj aplikaciji...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacije</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Praćenje</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>Najbolje večeras</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Pokaži i usmjeri</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Prepoznaj</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernacija</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>Dijeljenje modela</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>Stranica pomoći ne može se otvoriti: ovdje nijedan program ne otvara web-stranice.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fi mreža</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Uključeno</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Povezano putem mreže „%1“</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Klijent</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Pristupna točka</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Izmijeni pristupnu točku</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Način pristupne točke</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>Učitaj zadane postavke pristupne točke</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Zaštita</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvorena</translation>
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
        <translation>Lozinka</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Izmijeni klijent</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Način klijenta</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(Nedostupno)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID i lozinka razlikuju velika i mala slova</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Koristi DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Statički IP</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Učitaj postavke</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Postavke zapisane</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>Zapisivanje postavki nije uspjelo</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Zapisana privremena postavka Wi-Fi-ja.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Ponovno povežite Wi-Fi s mrežom „%1“.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalje</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Montaža ne odgovara.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>Wi-Fi modul odbio je dati svoje postavke.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Uspješno</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negativan odgovor</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Pogreška u komunikaciji</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Radnja otkazana</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Neočekivani odgovor</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Povezivanje</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Povezivanje nije moguće</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Nije moguće prepoznati način rada montaže</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Prekidanje veze</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Traženje</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Traženje završeno</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Povezivanje nije uspjelo</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Nije moguće otvoriti serijski port</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Učitani podaci poravnanja i lokacija</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Položaj parkiranja</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Podaci hibernacije uklonjeni</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Prekini vezu</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Povezano</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotovo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Drugi naziv</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Zviježđe</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Bayerova oznaka</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Razmak (lučne sek)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Pozicijski kut (°)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Maks. magnituda</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Min. magnituda</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Period (dani)</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Messierov broj</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Caldwellov broj</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>NGC broj</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>IC broj</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>Udaljenost (AJ)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Udaljenost u perihelu (AJ)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Ekscentricitet</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Poravnanje s 2 zvijezde</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Poravnanje s 3 zvijezde</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Poravnanje s najsjajnijom zvijezdom</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Poravnanje sjever-vodoravno</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>Poravnanje s 1 zvijezdom</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Širina</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Zvijezde</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>Duboko nebo</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Sunčev sustav</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Orijentacija uređaja</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Visina izvan granica</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Preblizu Suncu</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnituda</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>Model usmjeravanja ne odgovara montaži</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Model usmjeravanja učitan</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Trenutni objekt</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>Odaberite 1. zvijezdu</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>Odaberite 2. zvijezdu</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>Odaberite 3. zvijezdu</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Postavite teleskop vodoravno i okrenite ga prema sjeveru.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvaliteta</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel i Maz nisu izmjereni. Izvedite poravnanje s 2 ili 3 zvijezde.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Odaberite zvijezdu za polarno poravnanje</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Pogreška: nije moguće očitati koordinate osi</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>%s: podesite montažu tako da zvijezda dođe u središte okulara</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>Ažuriranje podataka poravnanja nije uspjelo</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Polarno poravnanje završeno</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Lokalna dužina</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Lokalno vrijeme</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Položaj Sjevernjače </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Položaj Oktanta</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinate</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/visina</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>Satni kut/Dek</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>RA/Dek</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Osi</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Sjevernjača</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>Položaj na satu</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Satni kut</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Vrijeme</translation>
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
        <translation>Lokalno vrijeme</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>Griničko vrijeme</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Poravnanje</translation>
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
        <translation>Nagib</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzija</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplikacija</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Upravljač motora</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Osnovni podaci</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naziv</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>RA/Dek (trenutno)</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>RA/Dek (J2000)</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>Satni kut/Dek (prividno)</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>Azimut/visina (prividno)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Vidljivost</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Kulminacija</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Zalaz</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Uvijek iznad obzora</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Uvijek ispod obzora</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>Montaža je poslana drugamo: ništa nije spremljeno</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>Montaža se ponovno pokrenula: više se ne zna kamo je usmjerena. Ponovno se povežite, a zatim je parkirajte, vratite u početni položaj ili napravite poravnanje.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>Montaža nije prihvatila praćenje: isključeno je.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>Montaža ne odgovara i možda se još kreće. Naredba za zaustavljanje šalje se ponovno dok ne odgovori.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>Usmjeravanje odustalo: montaža nije napredovala %1 s. Ne odgovara ili su joj odgovori iskrivljeni.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>Montaža se ponovno pokrenula tijekom povezivanja. Povežite se ponovno.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>Veza je prekinuta prije nego što je naredba za zaustavljanje stigla do montaže: možda se još kreće. Ponovno se povežite da biste je zaustavili.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Montaža ne odgovara.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>Postavljanje montaže poput ove je prekinuto: ne zna se kamo je usmjerena. Parkirajte je, vratite u početni položaj ili napravite poravnanje.</translation>
    </message>
</context>
</TS>
