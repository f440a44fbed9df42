<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Cannocchiale polare</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Allineamento polare</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Home automatica</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Controllo fotocamera</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
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
        <translation>Encoder ausiliario</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>Velocità guida AR/Az</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Velocità guida Dec/Alt.</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Ribaltamento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>No (una volta)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Forzato (una volta)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Osserva il Sole</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Compensazione allineamento</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Compensazione velocità (±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Risoluzione regolazione</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0,125x siderale</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0,25x siderale</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0,5x siderale</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0,75x siderale</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Siderale</translation>
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
        <translation>Inclinazione (′)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Inizia allineamento</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>Altezza fuori dai limiti.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>L&apos;ultima stella in %1 non è adatta all&apos;allineamento</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>In attesa del comando Sync...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Stelle allineate</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Nessuna stella allineata</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>Allineamento a 1 stella</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Allineamento stella brillante</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Allineamento nord-livello</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Allineamento a 2 stelle</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Allineamento a 3 stelle</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Allinea con Sync</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Azzera allineamento</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montatura</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>Vuoi davvero azzerare l&apos;allineamento?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>Limite GoTo superiore</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>Limite GoTo inferiore</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Filtro catalogo</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Attiva Filtro catalogo per nascondere dal catalogo gli oggetti sotto il Limite GoTo inferiore.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Offset Dec (°)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Home automatica in corso ...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Home automatica non supportata</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
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
        <translation>Altezza/Dec</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Posa B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>Gruppi di pose</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Scatto in posa B</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La montatura non risponde.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>L&apos;otturatore potrebbe essere ancora aperto.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>La montatura non ha accettato il comando dell’otturatore.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>Le pose sono state fermate.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
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
        <translation>Centra manualmente</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Parametri connessione</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>Montatura AZ/EQ</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Chiedi</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>Usa EQ</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>Usa AZ</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>Connetti all&apos;avvio</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>BLE</source>
        <translation>BLE</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Emulatore</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriale</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Cerca dispositivi</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fisso</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Porta seriale</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Tentativi reinvio</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Timeout lettura (ms)</translation>
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
        <translation>Oggetti con nome</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Altro ...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Test punti traiettoria</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>Inseguimento AZ</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Gruppo di pose</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Posa (s)</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>Pausa tra foto (s)</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>Dati di ibernazione salvati</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Nessun dato di ibernazione</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>Nella posizione attuale</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>Nella posizione home</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>L&apos;ibernazione salva lo stato della montatura nell&apos;app prima che tu la spenga.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Se vuoi, prima dell&apos;ibernazione puoi riportare la montatura nella posizione home.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montatura</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Dati di ibernazione salvati. Ora puoi spegnere la montatura. Se invece muovi la montatura, i dati di ibernazione verranno rimossi.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Orientamento telescopio</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Orientamento dispositivo</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Altezza</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>AR/Dec</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Oggetti vicini</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Nessun sensore di posizione</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Nessuna autorizzazione</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Nessun segnale</translation>
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
        <translation>Località</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Usa geolocalizzazione</translation>
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
        <translation>Località aggiornata</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Inserisci la località</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>Il sensore di posizione non ha fornito alcuna posizione. Inserisci latitudine e longitudine nella pagina «Località» delle «Impostazioni»: fino ad allora, le posizioni sono calcolate per la località indicata lì.</translation>
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
        <translation>Ovest</translation>
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
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Filtro magnitudine</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Limite stelle</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Limite altri</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Allineamento</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Cielo profondo</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Utilità</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Oggetti utente</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>Troppo vicino al Sole</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Altezza fuori dai limiti</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>GoTo</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Punta e insegui</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Condividi il mio modello</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Il mio allineamento</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Allineamento predefinito</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Modello di puntamento da un altro %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Condivisione modello</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>Caricare il modello di puntamento da un altro dispositivo e sovrascrivere i dati locali?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Orologio polare</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Illuminatore cannocchiale polare</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Emisfero nord</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Emisfero sud</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Nessun dispositivo trovato</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stelle</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altri</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Ordina per</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitudine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Scarica catalogo</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Aggiornato il</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Fonte: Minor Planet Center (IAU)</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>La montatura non risponde. Potrebbe essere ancora in movimento.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arresto in corso…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>L’arresto non ha raggiunto la montatura: potrebbe essere ancora in movimento. Viene inviato di nuovo finché la montatura non risponde.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Dati di ibernazione presenti. Ripristinare lo stato della montatura?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Cancella dati</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Modalità alt-az</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Modalità equatoriale</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Pericolo</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>Non usare mai il telescopio per guardare direttamente il Sole: ne deriverebbero danni permanenti agli occhi. Per osservare il Sole usa un filtro solare adeguato, fissato saldamente sulla parte anteriore del telescopio. Durante l&apos;osservazione del Sole copri il cercatore con il suo tappo o rimuovilo, per proteggerti da un&apos;esposizione accidentale. Non usare mai filtri solari da oculare e non usare mai il telescopio per proiettare la luce del Sole su un&apos;altra superficie: il calore accumulato all&apos;interno danneggerebbe gli elementi ottici del telescopio.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>Consentire l&apos;osservazione del Sole?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>L’arresto non ha raggiunto la montatura: potrebbe essere ancora in movimento. Dopo l’uscita nessuno lo invierà di nuovo.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Esci comunque</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>Disconnesso prima della chiusura dell’otturatore: potrebbe essere ancora aperto. Connetti di nuovo per chiuderlo.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>La chiusura dell’otturatore non ha raggiunto la montatura: potrebbe essere ancora aperto. Dopo l’uscita nessuno la invierà di nuovo.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>Apprendimento PPEC</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Supportato</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Non supportato</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Tempo di apprendimento richiesto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>Parametri connessione</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel Wi-Fi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Limite altezza</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Recupero gioco</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Sistema solare</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Stella con nome</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Stella doppia</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Cometa</translation>
    </message>
</context>
<context>
    <name>StartNotice</name>
    <message>
        <source>Waiting for the running program</source>
        <translation>In attesa del programma in esecuzione</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>Il programma già in esecuzione su questa cartella dati non risponde e non termina. Chiudilo, poi avvia di nuovo il programma.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>Il programma è già in esecuzione su questa cartella dati e non risponde ancora. Una finestra si aprirà non appena risponde o termina.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>Il programma sul computer %1 occupa questa cartella dati e non termina. Chiudilo su quel computer. Se lì non è più in esecuzione, rimuovi il file %2. Poi avvia di nuovo il programma.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>Il programma è in esecuzione sul computer %1 con questa cartella dati. Una finestra si aprirà non appena lì termina.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>Un’altra installazione occupa questa cartella dati con il nome di questo computer, %1: una precedente di questo computer o un altro computer con lo stesso nome. Se il programma non è in esecuzione su nessun altro computer, rimuovi il file %2. Poi avvia di nuovo il programma.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>Un’altra installazione occupa questa cartella dati con il nome di questo computer, %1: una precedente di questo computer o un altro computer con lo stesso nome. Una finestra si aprirà non appena sarà libera.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Un programma di un altro utente, %1, occupa questa cartella dati. Chiudilo o chiedi a quell’utente di chiuderlo. Se non è più in esecuzione, rimuovi il file %2. Poi avvia di nuovo il programma.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Un programma di un altro utente, %1, è in esecuzione su questa cartella dati. Una finestra si aprirà non appena termina.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>Per evitare danni agli occhi, osserva il Sole solo con un telescopio solare certificato.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Cielo profondo</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Pianeta</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Stella doppia</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Nessun inseguimento</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Siderale</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunare</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Solare</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Punta e insegui</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>Riproduzione PPEC</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>La riproduzione richiede fino a %n minuto per stabilizzarsi</numerusform>
            <numerusform>La riproduzione richiede fino a %n minuti per stabilizzarsi</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La montatura non risponde.</translation>
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
        <translation>Attesa</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Inseguimento</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Attenzione: ribaltamento EQ manuale</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Attendere prego</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Modalità notte</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivata</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivata</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Margine inferiore</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>Schermo sempre acceso</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>Oggetti celesti</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>Oggetti terrestri</translation>
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
        <translation>Nome oggetto</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Oggetto attuale</translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation>AR</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
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
        <translation>Asse 1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>Asse 2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Oggetti</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>Nulla salvato: non è mostrata alcuna posizione. Connetti la montatura o inseriscine una.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>Nulla salvato: la posizione è inserita solo a metà. Manca: %1</translation>
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
        <translation>Carica</translation>
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
        <translation>Apertura della pagina in un&apos;app esterna...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Inseguimento</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>Il meglio stasera</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Punta e vai</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identifica</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ibernazione</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>Condividi modello</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>Impossibile aprire la pagina di aiuto: qui nessun programma apre le pagine web.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Rete Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Connesso in modalità %1</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>stazione</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>access point</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Modifica access point</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Modalità access point</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>Leggi impostazioni AP predefinite</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aperta</translation>
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
        <translation>Password</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Modifica stazione</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Modalità stazione</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(Non disponibile)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID e password distinguono tra maiuscole e minuscole</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Usa DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fisso</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Leggi impostazioni</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Impostazioni salvate</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>Salvataggio impostazioni non riuscito</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Impostazione Wi-Fi intermedia salvata.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Riconnetti il Wi-Fi alla rete in modalità %1.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La montatura non risponde.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>Il modulo Wi-Fi ha rifiutato di fornire le sue impostazioni.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Risposta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operazione annullata</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Risposta inattesa</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Impossibile connettersi</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Impossibile rilevare la modalità della montatura</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Disconnessione</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Ricerca terminata</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Connessione non riuscita</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Impossibile aprire la porta seriale</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Dati di allineamento e località caricati</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Posizione di parcheggio</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Dati di ibernazione rimossi</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Altro nome</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Costellazione</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Designazione di Bayer</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Separazione (″)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Angolo di posizione (°)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Magnitudine massima</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Magnitudine minima</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Periodo (giorni)</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Numero Messier</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Numero Caldwell</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>Numero NGC</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>Numero IC</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>Distanza (UA)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Distanza al perielio (UA)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Eccentricità</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Allineamento a 2 stelle</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Allineamento a 3 stelle</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Allineamento stella brillante</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Allineamento nord-livello</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>Allineamento a 1 stella</translation>
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
        <translation>Stella</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>Cielo profondo</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Sistema solare</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Orientamento dispositivo</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Altezza fuori dai limiti</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Troppo vicino al Sole</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitudine</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>Il modello di puntamento non corrisponde alla montatura</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Modello di puntamento caricato</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Oggetto attuale</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>Scegli la 1ª stella</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>Scegli la 2ª stella</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>Scegli la 3ª stella</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Metti in bolla il telescopio e puntalo verso nord.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel e Maz non misurati. Esegui un allineamento a 2 o 3 stelle.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Scegli la stella per l&apos;allineamento polare</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Errore: impossibile leggere le coordinate degli assi</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>Usa la regolazione di %s della montatura per portare la stella al centro dell&apos;oculare</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>Aggiornamento dei dati di allineamento non riuscito</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Allineamento polare terminato</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Longitudine locale</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Posizione della Polare </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Posizione dell&apos;Ottante</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimut/Altezza</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>AO/Dec</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>AR/Dec</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Assi</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Stella Polare</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>Posizione orologio</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Angolo orario</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
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
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>Ora di Greenwich</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Allineamento</translation>
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
        <translation>Inclinazione</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Scheda motori</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Informazioni di base</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>AR/Dec (attuale)</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>AR/Dec (J2000)</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>AO/Dec (apparente)</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>Azimut/Altezza (apparente)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilità</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Levata</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Transito</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Sempre sopra l&apos;orizzonte</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Sempre sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>La montatura è stata inviata altrove: non è stato registrato nulla</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>La montatura si è riavviata: non si sa più dove punta. Connetti di nuovo, poi parcheggiala, portala in posizione home o esegui l&apos;allineamento.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>La montatura non ha accettato l’inseguimento: è spento.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>La montatura non risponde e potrebbe essere ancora in movimento. L’arresto viene inviato di nuovo finché non risponde.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>GoTo abbandonato: la montatura non avanza da %1 s. Non risponde, o le sue risposte sono alterate.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>La montatura si è riavviata durante la connessione. Connetti di nuovo.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>La connessione si è chiusa prima che l’arresto raggiungesse la montatura: potrebbe essere ancora in movimento. Connetti di nuovo per fermarla.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La montatura non risponde.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>La preparazione di una montatura come questa è stata interrotta: non si sa dove punta. Parcheggiala, portala in posizione home o esegui l&apos;allineamento.</translation>
    </message>
</context>
</TS>
