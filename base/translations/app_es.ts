<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Buscador polar</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Alineación polar</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Control de cámara</translation>
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
        <translation>Encoder auxiliar</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>Velocidad de guiado AR/Az</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Velocidad de guiado Dec/Alt</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Modo de volteo</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>No (una vez)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Forzado (una vez)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Observar el Sol</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Compensación de alineación</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Compensación de velocidad (±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Resolución de ajuste</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0,125x sideral</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0,25x sideral</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0,5x sideral</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0,75x sideral</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Sideral</translation>
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
        <translation>Inclinación (′)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Iniciar alineación</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>Altura fuera de los límites.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>La última estrella, en %1, no sirve para la alineación</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>Esperando la orden Sync...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Estrellas alineadas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Sin estrellas alineadas</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>Alineación 1 estrella</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Alineación estrella más brillante</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Alineación norte-nivel</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Alineación 2 estrellas</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Alineación 3 estrellas</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Alinear con Sync</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Reiniciar alineación</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montura</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>¿Seguro que desea reiniciar la alineación?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>Límite superior de GoTo</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>Límite inferior de GoTo</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Filtro de catálogo</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Active el filtro de catálogo para quitar del catálogo los objetos situados por debajo del límite inferior de GoTo.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Desfase en Dec (°)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Inicio automático en curso ...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Inicio automático no compatible</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
</context>
<context>
    <name>BacklashPage</name>
    <message>
        <source>Azimuth/R.A.</source>
        <translation>Acimut/AR</translation>
    </message>
    <message>
        <source>Altitude/Dec</source>
        <translation>Altura/Dec</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Pose B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>Grupos de exposición</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Disparo en pose B</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La montura no responde.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>Puede que el obturador siga abierto.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>La montura no aceptó la orden del obturador.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>Las exposiciones se han detenido.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
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
        <translation>Centrar manualmente</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Ajustes de conexión</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>Montura AZ/EQ</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Preguntar modo</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>Usar EQ</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>Usar AZ</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>Conectar al abrir la app</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>BLE</source>
        <translation>BLE</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Emulador</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Buscar dispositivos</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fija</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Reintentos de envío</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Espera de lectura (ms)</translation>
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
        <translation>Objeto con nombre</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Más ...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Probar puntos de trayectoria</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>Seguimiento AZ</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Grupo de exposición</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Exposición (s)</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>Pausa entre fotos (s)</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>Datos de hibernación guardados</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Sin datos de hibernación</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>En la posición actual</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>En la posición inicial</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>Hibernar guarda en la app el estado de la montura antes de que la apague.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Si lo desea, puede llevar la montura a su posición inicial antes de hibernar.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montura</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Datos de hibernación guardados. Ya puede apagar la montura. Si en cambio la mueve, los datos de hibernación se borrarán.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Orientación del telescopio</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Orientación del dispositivo</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Acimut/Altura</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>AR/Dec</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Objetos cercanos</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Sin sensor de ubicación</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Sin permiso</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Sin señal</translation>
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
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Usar sensor de ubicación</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Ubicación actualizada</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Introduzca su ubicación</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>El sensor de ubicación no ha dado ninguna posición. Introduzca la latitud y la longitud en la página «Ubicación» de «Ajustes»: hasta entonces, las posiciones se calculan para la ubicación que se muestra allí.</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
</context>
<context>
    <name>Location_SignInput</name>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Filtro de magnitud</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Estrella más débil</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Otro objeto más débil</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Cielo profundo</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Mis objetos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>Demasiado cerca del Sol</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Altura fuera de los límites</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Apuntar y seguir</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Compartir mi modelo de apuntado</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Mi alineación</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Alineación predeterminada</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Modelo de apuntado de otro %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Compartir modelo de apuntado</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>¿Cargar el modelo de apuntado de otro dispositivo y sobrescribir los datos locales?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Reloj polar</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Iluminación del buscador polar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagada</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hemisferio norte</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hemisferio sur</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>No hay dispositivos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Descarga del catálogo</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Última actualización</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Fuente: Minor Planet Center de la UAI</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Error de descarga</translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>La montura no responde. Puede que aún se esté moviendo.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>La orden de parada no ha llegado a la montura: puede que aún se esté moviendo. Se reenvía hasta que la montura responda.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Hay datos de hibernación. ¿Restaurar el estado de la montura?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Modo Alt-Az</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Modo ecuatorial</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Peligro</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>No mire nunca directamente al Sol con el telescopio: sufrirá lesiones oculares permanentes. Para observar el Sol, use un filtro solar adecuado, bien sujeto en la parte delantera del telescopio. Mientras observa el Sol, tape el buscador con su tapa o desmóntelo para evitar una exposición accidental. No use nunca un filtro solar de ocular ni proyecte con el telescopio la luz solar sobre otra superficie: el calor acumulado en su interior dañará los elementos ópticos del telescopio.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>¿Confirma que desea permitir la observación del Sol?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>La orden de parada no ha llegado a la montura: puede que aún se esté moviendo. Al salir, nadie volverá a enviarla.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Quedarse</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Salir de todos modos</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>Desconectado antes de cerrarse el obturador: puede que siga abierto. Vuelva a conectar para cerrarlo.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>La orden de cerrar el obturador no ha llegado a la montura: puede que siga abierto. Al salir, nadie volverá a enviarla.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>Entrenamiento PPEC</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Compatible</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>No compatible</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Tiempo necesario</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>Interfaz de usuario</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>Ajustes de conexión</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Wi-Fi de Quorvel</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Límite de altura</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Holgura</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Sistema solar</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Estrella con nombre</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Estrella doble</translation>
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
        <translation>Esperando al programa en ejecución</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>El programa que ya se ejecuta con esta carpeta de datos no responde ni se cierra. Ciérrelo y vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>El programa ya se está ejecutando con esta carpeta de datos y aún no responde. Se abrirá una ventana en cuanto responda o se cierre.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>El programa del equipo %1 ocupa esta carpeta de datos y no se cierra. Ciérrelo allí. Si ya no se ejecuta allí, elimine el archivo %2. Después, vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>El programa se está ejecutando en el equipo %1 con esta carpeta de datos. Se abrirá una ventana en cuanto se cierre allí.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>Otra instalación ocupa esta carpeta de datos con el nombre de este equipo, %1: una anterior de este equipo u otro equipo con el mismo nombre. Si el programa no se ejecuta en ningún otro equipo, elimine el archivo %2. Después, vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>Otra instalación ocupa esta carpeta de datos con el nombre de este equipo, %1: una anterior de este equipo u otro equipo con el mismo nombre. Se abrirá una ventana en cuanto quede libre.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Un programa de otro usuario, %1, ocupa esta carpeta de datos. Ciérrelo o pida a ese usuario que lo cierre. Si ya no se ejecuta, elimine el archivo %2. Después, vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Un programa de otro usuario, %1, se está ejecutando con esta carpeta de datos. Se abrirá una ventana en cuanto se cierre.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>Para evitar lesiones oculares, mire el Sol solo con un telescopio solar certificado.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Cielo profundo</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Estrella doble</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Sin seguimiento</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Sideral</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Solar</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Apuntar y seguir</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>Reproducción PPEC</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>La reproducción tarda hasta %n minuto en estabilizarse</numerusform>
            <numerusform>La reproducción tarda hasta %n minutos en estabilizarse</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La montura no responde.</translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation>Apuntando</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Aviso: modo de volteo EQ manual</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Espere, por favor</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Modo nocturno</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Margen inferior</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>No apagar la pantalla</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>Objetos celestes</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>Objetos terrestres</translation>
    </message>
</context>
<context>
    <name>UserObjectsPage</name>
    <message>
        <source>Go To</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>Nombre del objeto</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Objeto actual</translation>
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
        <translation>Eje 1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>Eje 2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>No se ha guardado nada: no se muestra ninguna posición. Conecte la montura o escriba una.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>No se ha guardado nada: la posición solo está escrita a medias. Falta: %1</translation>
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
        <translation>Cargar</translation>
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
        <translation>Abriendo la página en una app externa...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>Lo mejor de la noche</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Apuntar e ir</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identificar</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>Compartir modelo</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>No se puede abrir la página de ayuda: aquí ningún programa abre páginas web.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Red Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Conectado por la red del modo %1</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Punto de acceso</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Modificar punto de acceso</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Modo punto de acceso</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>Leer ajustes AP de fábrica</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abierta</translation>
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
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Modificar estación</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Modo estación</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(No disponible)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>El SSID y la contraseña distinguen mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Usar DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fija</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Leer ajustes</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Ajustes guardados</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>No se pudieron guardar los ajustes</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Ajuste Wi-Fi intermedio guardado.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Vuelva a conectar el Wi-Fi a la red del modo %1.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La montura no responde.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>El módulo Wi-Fi se negó a dar sus ajustes.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Respuesta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Respuesta inesperada</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>No se puede conectar</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>No se puede detectar el modo de la montura</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Desconectando</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Búsqueda terminada</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>No se puede abrir el puerto serie</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Datos de alineación y ubicación cargados</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Aparcamiento</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Datos de hibernación borrados</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Otro nombre</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constelación</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Designación de Bayer</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Separación (″)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Posición (°)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Magnitud máxima</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Magnitud mínima</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Período (días)</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Número Messier</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Número Caldwell</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>Número NGC</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>Número IC</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>Distancia (UA)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Distancia al perihelio (UA)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricidad</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Alineación 2 estrellas</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Alineación 3 estrellas</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Alineación estrella más brillante</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Alineación norte-nivel</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>Alineación 1 estrella</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Acimut</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>Cielo profundo</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Sistema solar</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Orientación del dispositivo</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Altura fuera de los límites</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Demasiado cerca del Sol</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>El modelo de apuntado no corresponde a esta montura</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Modelo de apuntado cargado</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Objeto actual</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>Elija la 1.ª estrella</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>Elija la 2.ª estrella</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>Elija la 3.ª estrella</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Nivele el telescopio y apúntelo al norte.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel y Maz sin medir. Realice una alineación de 2 o 3 estrellas.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Elija la estrella de alineación polar</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Error: no se pueden leer las coordenadas de los ejes</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>Use el ajuste de %s de la montura para llevar la estrella al centro del ocular</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>No se pudieron actualizar los datos de alineación</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Alineación polar terminada</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Longitud local</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Posición de la Polar </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Posición de Octante</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Acimut/Altura</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>AH/Dec</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>AR/Dec</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Ejes</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Estrella Polar</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>Posición de reloj</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Ángulo horario</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
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
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>Hora de Greenwich</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
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
        <translation>Inclinación</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Placa de motores</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Información básica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>AR/Dec (actual)</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>AR/Dec (J2000)</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>AH/Dec (aparente)</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>Acimut/Altura (aparente)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilidad</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Tránsito</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Puesta</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Siempre sobre el horizonte</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Siempre bajo el horizonte</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>La montura se envió a otro lugar: no se ha guardado nada</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>La montura se ha reiniciado: ya no se sabe hacia dónde apunta. Vuelva a conectar y después aparque la montura, llévela a la posición inicial o haga la alineación.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>La montura no aceptó el seguimiento: está desactivado.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>La montura no responde y puede que aún se esté moviendo. La orden de parada se reenvía hasta que responda.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>Ir a abandonado: la montura no ha avanzado en %1 s. No responde o sus respuestas llegan dañadas.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>La montura se reinició durante la conexión. Conecte de nuevo.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>La conexión terminó antes de que la orden de parada llegara a la montura: puede que aún se esté moviendo. Vuelva a conectar para detenerla.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>La montura no responde.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>Se interrumpió la preparación de una montura como esta: no se sabe hacia dónde apunta. Aparque la montura, llévela a la posición inicial o haga la alineación.</translation>
    </message>
</context>
</TS>
