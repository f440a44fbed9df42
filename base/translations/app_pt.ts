<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Buscador polar</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Alinhamento polar</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Início automático</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Controle da câmera</translation>
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
        <translation>Velocidade de guiagem AR/Az</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Velocidade de guiagem Dec/Alt</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Modo de inversão</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>Não (uma vez)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Forçado (uma vez)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Observar o Sol</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Compensação de alinhamento</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Compensação de velocidade (±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Resolução de ajuste</translation>
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
        <translation>Inclinação (′)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Iniciar alinhamento</translation>
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
        <translation>Altura fora dos limites.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>A última estrela, em %1, não serve para o alinhamento</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>Aguardando o comando Sync...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Estrelas alinhadas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Nenhuma estrela alinhada</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>Alinhamento 1 estrela</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Alinhamento estrela mais brilhante</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Alinhamento norte-nível</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Alinhamento 2 estrelas</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Alinhamento 3 estrelas</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Alinhar com Sync</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Reiniciar alinhamento</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montagem</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>Deseja mesmo reiniciar o alinhamento?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>Limite superior de GoTo</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>Limite inferior de GoTo</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Filtro de catálogo</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Ative o filtro de catálogo para retirar do catálogo os objetos abaixo do limite inferior de GoTo.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Desvio em Dec (°)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Início automático em andamento ...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Início automático não suportado</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Azimute/AR</translation>
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
        <translation>Pesquisar</translation>
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
        <translation>Modo B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>Grupos de exposição</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Disparo em modo B</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>A montagem não responde.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>O obturador pode ainda estar aberto.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>A montagem não aceitou o comando do obturador.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>As exposições pararam.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
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
        <translation>Centralizar manualmente</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Ajustes de conexão</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>Montagem AZ/EQ</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Perguntar modo</translation>
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
        <translation>Conectar ao iniciar</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
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
        <translation>Serial</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Procurar dispositivos</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fixo</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Porta serial</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Tentativas de reenvio</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Espera de leitura (ms)</translation>
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
        <translation>Objeto com nome</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Ir para</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Mais ...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Testar pontos de trajetória</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>Rastreamento AZ</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Grupo de exposição</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Exposição (s)</translation>
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
        <translation>Dados de hibernação gravados</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Sem dados de hibernação</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>Na posição atual</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>Na posição inicial</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>A hibernação grava o estado da montagem no aplicativo antes de desligá-la.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Se desejar, pode levar a montagem à posição inicial antes de hibernar.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montagem</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Dados de hibernação gravados. Já pode desligar a montagem. Se, em vez disso, mover a montagem, os dados de hibernação serão apagados.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Orientação do telescópio</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Orientação do dispositivo</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimute/Altura</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>AR/Dec</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Objetos próximos</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Sem sensor de localização</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Sem permissão</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Sem sinal</translation>
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
        <translation>L</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Usar sensor de localização</translation>
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
        <translation>Localização atualizada</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Informe sua localização</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>O sensor de localização não forneceu uma posição. Informe a latitude e a longitude na página &quot;Localização&quot; em &quot;Ajustes&quot;: até lá, as posições são calculadas para a localização mostrada ali.</translation>
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
        <translation>Norte</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Filtro de magnitude</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Estrela mais fraca</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Outro objeto mais fraco</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Alinhamento</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Céu profundo</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Utilitários</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Meus objetos</translation>
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
        <translation>Muito perto do Sol</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Altura fora dos limites</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Ir para</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Apontar e rastrear</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Compartilhar meu modelo de apontamento</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Meu alinhamento</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Alinhamento padrão</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Modelo de apontamento de outro %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Compartilhar modelo de apontamento</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>Carregar o modelo de apontamento de outro dispositivo e substituir os dados locais?</translation>
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
        <translation>Relógio polar</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Iluminação do buscador polar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligada</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hemisfério Norte</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hemisfério Sul</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Nenhum dispositivo encontrado</translation>
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
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
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
        <translation>Altura</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Download do catálogo</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Última atualização</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Fonte: Minor Planet Center da UAI</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Falha no download</translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation>Ir para</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>A montagem não responde. Pode ainda estar em movimento.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>A parar…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>A paragem não chegou à montagem: pode ainda estar em movimento. É reenviada até a montagem responder.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Há dados de hibernação. Restaurar o estado da montagem?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar dados</translation>
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
        <translation>Modo equatorial</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Perigo</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>Nunca olhe diretamente para o Sol com o telescópio: isso causará danos permanentes aos olhos. Para observar o Sol, use um filtro solar adequado, bem preso na frente do telescópio. Ao observar o Sol, cubra o buscador com a tampa ou retire-o, para se proteger de uma exposição acidental. Nunca use um filtro solar de ocular e nunca use o telescópio para projetar a luz do Sol sobre outra superfície: o calor acumulado no interior danificará os elementos ópticos do telescópio.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>Confirma que deseja permitir a observação do Sol?</translation>
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
        <translation>A paragem não chegou à montagem: pode ainda estar em movimento. Depois de sair, nada a volta a enviar.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Ficar</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Sair mesmo assim</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>Desligado antes de o obturador fechar: pode ainda estar aberto. Volte a conectar para o fechar.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>A ordem de fechar o obturador não chegou à montagem: pode ainda estar aberto. Depois de sair, nada a volta a enviar.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>Treinamento PPEC</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Suportado</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Não suportado</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Tempo necessário</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>Interface do usuário</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>Ajustes de conexão</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Wi-Fi do Quorvel</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Limite de altura</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Folga</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Sistema Solar</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Estrela com nome</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Estrela dupla</translation>
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
        <translation>Aguardando o programa em execução</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>O programa já em execução com esta pasta de dados não responde nem termina. Encerre-o e inicie o programa novamente.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>O programa já está em execução com esta pasta de dados e ainda não responde. Uma janela se abre assim que ele responder ou terminar.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>O programa no computador %1 ocupa esta pasta de dados e não termina. Encerre-o lá. Se ele não estiver mais em execução lá, remova o arquivo %2. Depois, inicie o programa novamente.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>O programa está em execução no computador %1 com esta pasta de dados. Uma janela se abre assim que ele terminar lá.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>Outra instalação ocupa esta pasta de dados com o nome deste computador, %1: uma instalação anterior deste computador ou outro computador com o mesmo nome. Se o programa não estiver em execução em nenhum outro computador, remova o arquivo %2. Depois, inicie o programa novamente.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>Outra instalação ocupa esta pasta de dados com o nome deste computador, %1: uma instalação anterior deste computador ou outro computador com o mesmo nome. Uma janela se abre assim que ela ficar livre.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Um programa de outro usuário, %1, ocupa esta pasta de dados. Encerre-o ou peça a esse usuário que o encerre. Se ele não estiver mais em execução, remova o arquivo %2. Depois, inicie o programa novamente.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Um programa de outro usuário, %1, está em execução com esta pasta de dados. Uma janela se abre assim que ele terminar.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>Para evitar lesões nos olhos, olhe para o Sol apenas com um telescópio solar certificado.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Céu profundo</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Estrela dupla</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Sem rastreamento</translation>
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
        <translation>Apontar e rastrear</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>Reprodução PPEC</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>A reprodução precisa de até %n minuto para se estabilizar</numerusform>
            <numerusform>A reprodução precisa de até %n minutos para se estabilizar</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>A montagem não responde.</translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation>Apontando</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Rastreamento</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Aviso: modo de inversão EQ manual</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Aguarde</translation>
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
        <translation>Modo noturno</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Margem inferior</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibração</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>Manter tela ligada</translation>
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
        <translation>Ir para</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>Nome do objeto</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Objeto atual</translation>
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
        <translation>Eixo 1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>Eixo 2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>Nada foi guardado: nenhuma posição é mostrada. Conecte a montagem ou introduza uma.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>Nada foi guardado: a posição só foi introduzida em parte. Falta: %1</translation>
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
        <translation>Carregar</translation>
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
        <translation>Abrindo a página em um aplicativo externo...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Rastreamento</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>O melhor da noite</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Apontar e ir</translation>
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
        <translation>Compartilhar modelo</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>Não é possível abrir a página de ajuda: aqui nenhum programa abre páginas da web.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Rede Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Conectado pela rede do modo %1</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estação</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Ponto de acesso</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Modificar ponto de acesso</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Modo ponto de acesso</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>Ler ajustes AP de fábrica</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Segurança</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aberta</translation>
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
        <translation>Senha</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Modificar estação</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Modo estação</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(Indisponível)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>O SSID e a senha diferenciam maiúsculas de minúsculas</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Usar DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fixo</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Ler ajustes</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Ajustes gravados</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>Falha ao gravar os ajustes</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Ajuste Wi-Fi intermediário gravado.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Volte a conectar o Wi-Fi à rede do modo %1.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>A montagem não responde.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>O módulo Wi-Fi recusou-se a fornecer os seus ajustes.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Resposta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erro de comunicação</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operação cancelada</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Resposta inesperada</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Não é possível conectar</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Não é possível detectar o modo da montagem</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Desconectando</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Pesquisando</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Pesquisa concluída</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Falha na conexão</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Não é possível abrir a porta serial</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Dados de alinhamento e localização carregados</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Estacionamento</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Dados de hibernação apagados</translation>
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
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Outro nome</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constelação</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Designação de Bayer</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Separação (″)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Posição (°)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Magnitude máxima</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Magnitude mínima</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Período (dias)</translation>
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
        <translation>Distância (UA)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Distância do periélio (UA)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricidade</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Alinhamento 2 estrelas</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Alinhamento 3 estrelas</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Alinhamento estrela mais brilhante</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Alinhamento norte-nível</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>Alinhamento 1 estrela</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimute</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>Céu profundo</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Sistema Solar</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Orientação do dispositivo</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Altura fora dos limites</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Muito perto do Sol</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>O modelo de apontamento não corresponde a esta montagem</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Modelo de apontamento carregado</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Objeto atual</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>Escolha a 1ª estrela</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>Escolha a 2ª estrela</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>Escolha a 3ª estrela</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Nivele o telescópio e aponte-o para o norte.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel e Maz não medidos. Faça um alinhamento de 2 ou 3 estrelas.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Escolha a estrela de alinhamento polar</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Erro: não foi possível ler as coordenadas dos eixos</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>Use o ajuste de %s da montagem para levar a estrela ao centro da ocular</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>Falha ao atualizar os dados de alinhamento</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Alinhamento polar concluído</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Longitude local</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Posição da Polar </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Posição do Oitante</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Azimute/Altura</translation>
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
        <translation>Eixos</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Estrela Polar</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>Posição no relógio</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Ângulo horário</translation>
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
        <translation>Alinhamento</translation>
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
        <translation>Inclinação</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Placa dos motores</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Informações básicas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>AR/Dec (atual)</translation>
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
        <translation>Azimute/Altura (aparente)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilidade</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Nascer</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Trânsito</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Ocaso</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Sempre acima do horizonte</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Sempre abaixo do horizonte</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>A montagem foi enviada para outro local: nada foi gravado</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>A montagem reiniciou: já não se sabe para onde aponta. Volte a conectar e depois estacione a montagem, leve-a à posição inicial ou faça o alinhamento.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>A montagem não aceitou o seguimento: está desligado.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>A montagem não responde e pode ainda estar em movimento. A paragem é reenviada até ela responder.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>Ir para abandonado: a montagem não avança há %1 s. Não responde, ou as suas respostas chegam corrompidas.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>A montagem reiniciou durante a conexão. Volte a conectar.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>A ligação terminou antes de a paragem chegar à montagem: pode ainda estar em movimento. Volte a conectar para a parar.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>A montagem não responde.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>A preparação de uma montagem como esta foi interrompida: não se sabe para onde aponta. Estacione a montagem, leve-a à posição inicial ou faça o alinhamento.</translation>
    </message>
</context>
</TS>
